#include "WxStartupPlatform.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include "CurrentDirectory.h"
#include "DumpDialogWindow.h"
#include "ForegroundWindow.h"
#include "SingleInstance.h"
#include "SystemAccountName.h"
#include "UserLock.h"

namespace {

// The program's name, the caption of every message box.
constexpr const char* kMessageCaption = "Trelk_Dump";

}  // namespace

bool WxStartupPlatform::BringRunningInstanceForward()
{
    return SingleInstance::SignalRunningInstance();
}

std::optional<std::string> WxStartupPlatform::CurrentDirectory()
{
    return ::CurrentDirectory();
}

std::optional<std::string> WxStartupPlatform::AccountName()
{
    return SystemAccountName();
}

std::unique_ptr<NamedLock> WxStartupPlatform::CreateLock(const std::string& name)
{
    return std::make_unique<UserLock>(name);
}

// While the dialog is open, a second start of the same account brings it
// (or its open pop-up) forward instead of opening another one.
void WxStartupPlatform::RunDialog(CDumpDialog& dialog)
{
    DumpDialogWindow window(dialog);
    wxTheApp->SetTopWindow(&window);
    SingleInstance endpoint([&window] { BringToForeground(window); });
    endpoint.Serve();
    window.ShowModal();
}

void WxStartupPlatform::ShowError(const char* text)
{
    wxMessageBox(wxString::FromUTF8(text), kMessageCaption, wxOK | wxICON_ERROR, nullptr);
}
