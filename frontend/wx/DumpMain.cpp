#include "WxDumpApp.h"

wxIMPLEMENT_APP(WxDumpApp);
