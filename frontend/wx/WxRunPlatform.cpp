#include "WxRunPlatform.h"

#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "CommandShell.h"

RunPlatform::BoxAnswer WxRunPlatform::ShowMessage(const std::string& text, BoxType type)
{
    // The question carries the exclamation icon too: no icon of its own was
    // asked for, and that is the framework's default.
    const long style = (type == BoxType::OkCancel) ? (wxOK | wxCANCEL | wxICON_EXCLAMATION)
                                                   : (wxOK | wxICON_EXCLAMATION);
    wxMessageDialog box(m_parent, wxString::FromUTF8(text), "Trelk_Dump", style);
    return box.ShowModal() == wxID_OK ? BoxAnswer::Ok : BoxAnswer::Cancel;
}

int WxRunPlatform::RunCommand(const ShellCommand& command)
{
    return ::RunCommand(command);
}

void WxRunPlatform::OpenDocument(const std::string& path)
{
    // Started and left to itself; whether it works is not reported.
    wxLaunchDefaultApplication(wxString::FromUTF8(path));
}

void WxRunPlatform::BeginBusy()
{
    wxBeginBusyCursor();
}

void WxRunPlatform::EndBusy()
{
    wxEndBusyCursor();
}
