#include "MessageBox.h"

#include "WideText.h"

namespace {

// The caption of every message box: the program's name.
constexpr const wchar_t* kMessageCaption = L"Trelk_Dump";

}  // namespace

int ShowMessageBox(HWND owner, const std::string& utf8, UINT style)
{
    return MessageBoxW(owner, WidenUtf8(utf8).c_str(), kMessageCaption, style);
}
