#pragma once

#include <windows.h>

#include <string>

// The caption of every message box: the program's name.
constexpr const wchar_t* kMessageCaption = L"Trelk_Dump";

// A modal message box with one of the program's own texts (UTF-8), shown in
// Japanese on any locale. Returns the button pressed (IDOK, IDCANCEL).
int ShowMessageBox(HWND owner, const std::string& utf8, UINT style);
