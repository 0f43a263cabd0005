#pragma once

#include <windows.h>

#include <string>

// A modal message box with one of the program's own texts (UTF-8), shown in
// Japanese on any locale, captioned with the program's name. Returns the
// button pressed (IDOK, IDCANCEL).
int ShowMessageBox(HWND owner, const std::string& utf8, UINT style);
