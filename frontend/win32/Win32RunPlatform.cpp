#include "Win32RunPlatform.h"

#include <shellapi.h>

#include "CommandShell.h"
#include "MessageBox.h"
#include "WideText.h"

RunPlatform::BoxAnswer Win32RunPlatform::ShowMessage(const std::string& text, BoxType type)
{
    // No icon of its own was asked for: the exclamation mark is the
    // framework's default, the question included.
    const UINT style = (type == BoxType::OkCancel) ? (MB_OKCANCEL | MB_ICONEXCLAMATION)
                                                   : (MB_OK | MB_ICONEXCLAMATION);
    return ShowMessageBox(m_hOwner, text, style) == IDOK ? BoxAnswer::Ok : BoxAnswer::Cancel;
}

int Win32RunPlatform::RunCommand(const ShellCommand& command)
{
    return ::RunCommand(command);
}

// Started and left to itself; whether it works is not reported. The "W"
// call: the path is code page 932, which the "A" call would read in the
// locale's ANSI code page.
void Win32RunPlatform::OpenDocument(const std::string& path)
{
    ShellExecuteW(nullptr, L"open", WidenCp932(path).c_str(), nullptr, nullptr, SW_SHOW);
}

void Win32RunPlatform::BeginBusy()
{
    m_hOldCursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
}

void Win32RunPlatform::EndBusy()
{
    SetCursor(m_hOldCursor);
}
