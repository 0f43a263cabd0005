#include "MessageBox.h"

#include "WideText.h"

int ShowMessageBox(HWND owner, const std::string& utf8, UINT style)
{
    return MessageBoxW(owner, WidenUtf8(utf8).c_str(), kMessageCaption, style);
}
