#include "Win32StartupPlatform.h"

#include "CurrentDirectory.h"
#include "MessageBox.h"
#include "NamedMutex.h"
#include "RunningDialog.h"
#include "SystemAccountName.h"
#include "Win32DialogWindow.h"

bool Win32StartupPlatform::BringRunningInstanceForward()
{
    return BringRunningDialogForward();
}

std::optional<std::string> Win32StartupPlatform::CurrentDirectory()
{
    return ::CurrentDirectory();
}

std::optional<std::string> Win32StartupPlatform::AccountName()
{
    return SystemAccountName();
}

std::unique_ptr<NamedLock> Win32StartupPlatform::CreateLock(const std::string& name)
{
    return std::make_unique<NamedMutex>(name);
}

void Win32StartupPlatform::RunDialog(CDumpDialog& dialog)
{
    Win32DialogWindow window(dialog);
    window.DoModal();
}

// No owner: the main dialog's window does not exist at these points.
void Win32StartupPlatform::ShowError(const char* text)
{
    ShowMessageBox(nullptr, text, MB_OK | MB_ICONERROR);
}
