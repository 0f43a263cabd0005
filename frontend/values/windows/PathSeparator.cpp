#include "AppPaths.h"

const char kPathSeparator[] = "\\";
