#include "CDumpApp.h"

#include "CArchive.h"
#include "CArchiveException.h"
#include "CDumpDialog.h"
#include "CFile.h"
#include "CurrentDirectory.h"
#include "ForegroundWindow.h"
#include "ReplacingFile.h"
#include "SingleInstance.h"
#include "UserLock.h"

#include <cstdlib>
#include <wx/msgdlg.h>

namespace {

constexpr const char* kMessageCaption = "Trelk_Dump";
constexpr const char* kReadErrorText = "設定値保存ファイルの読み込みでエラーが発生しました！";
constexpr const char* kOpenErrorText = "設定値保存ファイルがオープンできません！";
constexpr const char* kWriteErrorText = "設定値保存ファイルの書き込みでエラーが発生しました！";

}  // namespace

CDumpApp::CDumpApp(AccountNameSource accountName) : m_accountName(accountName)
{
}

bool CDumpApp::OnInit()
{
    // The base's command-line parsing is left out on purpose: the program
    // takes no arguments and must not stop on unknown ones.
    m_nExitCode = InitInstance();
    return true;
}

int CDumpApp::OnRun()
{
    // Everything happened in OnInit; no main loop is wanted.
    return m_nExitCode;
}

bool CDumpApp::IsFirstInstance()
{
    return !SingleInstance::SignalRunningInstance();
}

int CDumpApp::InitInstance()
{
    if (!IsFirstInstance())
        return EXIT_SUCCESS;

    std::optional<std::string> startDir = CurrentDirectory();
    if (!startDir)
        return EXIT_FAILURE;
    m_strStartDir = *startDir;
    m_strUserName = LogonUserName(m_accountName);

    CDumpDialog dialog(nullptr);
    dialog.m_runContext.m_strStartDir = m_strStartDir;
    dialog.m_runContext.m_strUserName = m_strUserName;
    SetTopWindow(&dialog);

    const std::string settingsPath = m_strStartDir + "/" + m_strUserName + ".dat";
    UserLock lock("TRELK_DUMP_" + m_strUserName + "_MUTEX");

    lock.Lock();
    if (!LoadSettings(dialog, settingsPath))
        return EXIT_FAILURE;
    lock.Unlock();

    RunDialog(dialog);

    lock.Lock();
    int status = SaveSettings(dialog, settingsPath);
    lock.Unlock();
    return status;
}

// A file that cannot be opened (missing, or a directory) leaves the
// defaults, silently. A damaged one is reported (while the lock is held)
// and ends the program before the dialog, so the file stays as it is.
bool CDumpApp::LoadSettings(CDumpDialog& dialog, const std::string& path)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead))
        return true;
    try {
        CArchive archive(file, CArchive::load);
        dialog.Serialize(archive);
        archive.Close();
    } catch (const CArchiveException&) {
        ShowError(kReadErrorText);
        return false;
    }
    return true;
}

// The new content replaces the file only once it is complete and on disk:
// a failed or interrupted save leaves the old settings as they were.
int CDumpApp::SaveSettings(CDumpDialog& dialog, const std::string& path)
{
    ReplacingFile file(path);
    if (!file.Open()) {
        ShowError(kOpenErrorText);
        return EXIT_FAILURE;
    }
    OnSaveStep(SaveStep::Opened);
    try {
        CArchive archive(file.File(), CArchive::store);
        dialog.Serialize(archive);
        archive.Close();
    } catch (const CArchiveException&) {
        file.Discard();
        ShowError(kWriteErrorText);
        return EXIT_FAILURE;
    }
    OnSaveStep(SaveStep::Written);
    if (!file.Commit()) {
        ShowError(kWriteErrorText);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}

// While the dialog is open, a second start of the same account brings it
// (or its open pop-up) forward instead of opening another one.
void CDumpApp::RunDialog(CDumpDialog& dialog)
{
    SingleInstance endpoint([&dialog] { BringToForeground(dialog); });
    endpoint.Serve();
    dialog.ShowModal();
}

void CDumpApp::ShowError(const char* text)
{
    wxMessageBox(wxString::FromUTF8(text), kMessageCaption, wxOK | wxICON_ERROR, nullptr);
}
