#include "CDumpApp.h"

wxIMPLEMENT_APP(CDumpApp);
