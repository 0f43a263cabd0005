#include "CDumpApp.h"

#include <cstdlib>
#include <memory>

#include "CDumpDialog.h"
#include "SettingsFile.h"
#include "StartupPlatform.h"
#include "UserName.h"

namespace {

constexpr const char* kReadErrorText = "設定値保存ファイルの読み込みでエラーが発生しました！";
constexpr const char* kOpenErrorText = "設定値保存ファイルがオープンできません！";
constexpr const char* kWriteErrorText = "設定値保存ファイルの書き込みでエラーが発生しました！";

}  // namespace

CDumpApp::CDumpApp(StartupPlatform& platform) : m_platform(platform) {}

bool CDumpApp::IsFirstInstance()
{
    return !m_platform.BringRunningInstanceForward();
}

int CDumpApp::InitInstance()
{
    if (!IsFirstInstance())
        return EXIT_SUCCESS;

    const std::optional<std::string> startDir = m_platform.CurrentDirectory();
    if (!startDir)
        return EXIT_FAILURE;
    m_strStartDir = *startDir;
    m_strUserName = LogonUserName(m_platform.AccountName());

    CDumpDialog dialog(*this);
    // Fixed once: a later change of the current directory does not move it.
    const std::string settingsPath = UserFile("dat");
    const std::unique_ptr<NamedLock> lock =
        m_platform.CreateLock("TRELK_DUMP_" + m_strUserName + "_MUTEX");

    lock->Lock();
    if (!LoadSettings(dialog, settingsPath))
        return EXIT_FAILURE;
    lock->Unlock();

    m_platform.RunDialog(dialog);

    lock->Lock();
    const bool saved = SaveSettings(dialog, settingsPath);
    lock->Unlock();
    return saved ? EXIT_SUCCESS : EXIT_FAILURE;
}

// A file that cannot be opened (missing, or a directory) leaves the
// defaults, silently. A damaged one is reported (while the lock is held)
// and ends the program before the dialog, so the file stays as it is.
bool CDumpApp::LoadSettings(CDumpDialog& dialog, const std::string& path)
{
    if (SettingsFile::Load(path, dialog) != SettingsFile::LoadResult::Damaged)
        return true;
    m_platform.ShowError(kReadErrorText);
    return false;
}

bool CDumpApp::SaveSettings(CDumpDialog& dialog, const std::string& path)
{
    const auto result = SettingsFile::Save(path, dialog, [this](SettingsFile::SaveStep step) {
        m_platform.OnSaveStep(step);
    });
    switch (result) {
    case SettingsFile::SaveResult::Saved:
        return true;
    case SettingsFile::SaveResult::NotOpened:
        m_platform.ShowError(kOpenErrorText);
        return false;
    case SettingsFile::SaveResult::WriteFailed:
        break;
    }
    m_platform.ShowError(kWriteErrorText);
    return false;
}
