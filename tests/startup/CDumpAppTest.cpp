// The start-up sequence (InitInstance) with a fake platform: which steps
// run in which order, under the lock, with which messages, and what the
// settings file holds afterwards. No display, no real account.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CDumpApp.h"
#include "CDumpDialog.h"
#include "RunTestFiles.h"
#include "StartupPlatform.h"

namespace fs = std::filesystem;

namespace {

const std::string kReadError = "設定値保存ファイルの読み込みでエラーが発生しました！";
const std::string kOpenError = "設定値保存ファイルがオープンできません！";
const std::string kWriteError = "設定値保存ファイルの書き込みでエラーが発生しました！";

// Notes every call in one list of events, in order.
class FakeStartupPlatform : public StartupPlatform {
public:
    class FakeLock : public NamedLock {
    public:
        explicit FakeLock(std::vector<std::string>& events) : m_events(events) {}
        void Lock() override { m_events.push_back("lock"); }
        void Unlock() override { m_events.push_back("unlock"); }

    private:
        std::vector<std::string>& m_events;
    };

    bool BringRunningInstanceForward() override { return m_bRunning; }
    std::optional<std::string> CurrentDirectory() override { return m_strDirectory; }
    std::optional<std::string> AccountName() override { return m_strAccount; }
    std::unique_ptr<NamedLock> CreateLock(const std::string& name) override
    {
        m_events.push_back("create " + name);
        return std::make_unique<FakeLock>(m_events);
    }
    void RunDialog(CDumpDialog& dialog) override
    {
        m_events.push_back("dialog");
        m_shown = dialog;
        if (m_user)
            m_user(dialog);
    }
    void ShowError(const char* text) override { m_events.push_back(std::string("error ") + text); }
    void OnSaveStep(SettingsFile::SaveStep step) override
    {
        m_events.push_back(step == SettingsFile::SaveStep::Opened ? "opened" : "written");
    }

    bool m_bRunning = false;
    std::optional<std::string> m_strDirectory;
    std::optional<std::string> m_strAccount = std::string("alice");
    std::function<void(CDumpDialog&)> m_user;  // what the user does in the dialog
    std::optional<DumpValues> m_shown;         // the values the dialog opened with
    std::vector<std::string> m_events;
};

std::string DefaultSettings()
{
    return ReadFile(DEFAULT_SETTINGS_FILE).value_or("");
}

class CDumpAppTest : public testing::Test {
protected:
    CDumpAppTest() { m_platform.m_strDirectory = m_dir.Path(); }

    int Start()
    {
        CDumpApp app(m_platform);
        const int status = app.InitInstance();
        m_strStartDir = app.m_strStartDir;
        return status;
    }

    std::vector<std::string> Events() const { return m_platform.m_events; }

    RunTempDir m_dir;
    FakeStartupPlatform m_platform;
    std::string m_strStartDir;
};

const std::vector<std::string> kWholeRun = {
    "create TRELK_DUMP_alice_MUTEX", "lock", "unlock", "dialog", "lock", "opened", "written", "unlock",
};

TEST_F(CDumpAppTest, SecondStartTouchesNothing)
{
    m_platform.m_bRunning = true;
    EXPECT_EQ(Start(), EXIT_SUCCESS);
    EXPECT_TRUE(Events().empty());
    EXPECT_TRUE(fs::is_empty(m_dir.Path()));
}

TEST_F(CDumpAppTest, NoCurrentDirectoryEndsSilently)
{
    m_platform.m_strDirectory.reset();
    EXPECT_EQ(Start(), EXIT_FAILURE);
    EXPECT_TRUE(Events().empty());
}

// Without a settings file the dialog opens with the defaults, and closing
// it writes them: the 416 bytes of the default file.
TEST_F(CDumpAppTest, FirstStartShowsTheDefaultsAndWritesThem)
{
    EXPECT_EQ(Start(), EXIT_SUCCESS);
    EXPECT_EQ(Events(), kWholeRun);
    EXPECT_EQ(m_strStartDir, m_dir.Path());
    ASSERT_TRUE(m_platform.m_shown);
    EXPECT_EQ(m_platform.m_shown->m_strOutputExt, "txt");
    EXPECT_EQ(m_platform.m_shown->m_bSameAsInput, 1);
    EXPECT_EQ(ReadFile(m_dir / "alice.dat"), DefaultSettings());
    EXPECT_EQ(DefaultSettings().size(), 416u);
}

struct NameCase {
    const char* label;
    std::optional<std::string> account;
    std::string userName;
};

// The user name names the settings file and the lock.
TEST_F(CDumpAppTest, UserNameNamesTheFileAndTheLock)
{
    const std::vector<NameCase> cases = {
        {"15 bytes", "abcdefghijklmno", "abcdefghijklmno"},
        {"16 bytes", "abcdefghijklmnop", "Trelk_Conv"},
        {"no name", std::nullopt, "Trelk_Conv"},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.label);
        m_platform.m_events.clear();
        m_platform.m_strAccount = c.account;
        EXPECT_EQ(Start(), EXIT_SUCCESS);
        ASSERT_FALSE(Events().empty());
        EXPECT_EQ(Events().front(), "create TRELK_DUMP_" + c.userName + "_MUTEX");
        EXPECT_TRUE(fs::exists(m_dir / (c.userName + ".dat")));
    }
}

// What the file holds reaches the dialog; what the dialog holds when it
// closes is saved.
TEST_F(CDumpAppTest, StoredValuesComeBackAndChangesAreSaved)
{
    m_platform.m_user = [](CDumpDialog& dialog) { dialog.m_strInputFile = "/work/prog.mot"; };
    ASSERT_EQ(Start(), EXIT_SUCCESS);

    m_platform.m_user = [](CDumpDialog& dialog) { dialog.m_strFiller = "00"; };
    ASSERT_EQ(Start(), EXIT_SUCCESS);
    ASSERT_TRUE(m_platform.m_shown);
    EXPECT_EQ(m_platform.m_shown->m_strInputFile, "/work/prog.mot");

    m_platform.m_user = nullptr;
    ASSERT_EQ(Start(), EXIT_SUCCESS);
    EXPECT_EQ(m_platform.m_shown->m_strInputFile, "/work/prog.mot");
    EXPECT_EQ(m_platform.m_shown->m_strFiller, "00");
}

struct DamagedCase {
    const char* label;
    std::size_t keep;  // bytes of the default file left in place
};

// A damaged file is reported while the lock is held; the dialog never
// opens and the file stays as it was.
TEST_F(CDumpAppTest, DamagedFileEndsBeforeTheDialog)
{
    const std::vector<DamagedCase> cases = {{"empty", 0}, {"cut in item 7", 40}, {"last byte gone", 415}};
    for (const DamagedCase& c : cases) {
        SCOPED_TRACE(c.label);
        m_platform.m_events.clear();
        const std::string damaged = DefaultSettings().substr(0, c.keep);
        WriteFile(m_dir / "alice.dat", damaged);
        EXPECT_EQ(Start(), EXIT_FAILURE);
        const std::vector<std::string> expected = {
            "create TRELK_DUMP_alice_MUTEX", "lock", "error " + kReadError};
        EXPECT_EQ(Events(), expected);
        EXPECT_EQ(ReadFile(m_dir / "alice.dat"), damaged);
    }
}

// A settings "file" that cannot be opened for reading is no file: the
// defaults, silently; that it cannot be written either is reported.
TEST_F(CDumpAppTest, SettingsPathThatTakesNoFileIsReportedAtTheSave)
{
    fs::create_directory(m_dir / "alice.dat");
    EXPECT_EQ(Start(), EXIT_FAILURE);
    const std::vector<std::string> expected = {
        "create TRELK_DUMP_alice_MUTEX", "lock", "unlock", "dialog", "lock",
        "error " + kOpenError, "unlock"};
    EXPECT_EQ(Events(), expected);
}

// A device that takes no bytes: every write fails (a full disk).
TEST_F(CDumpAppTest, FailedWriteIsReported)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    fs::create_symlink("/dev/full", m_dir / "alice.dat");
    EXPECT_EQ(Start(), EXIT_FAILURE);
    const std::vector<std::string> expected = {
        "create TRELK_DUMP_alice_MUTEX", "lock", "unlock", "dialog", "lock", "opened",
        "error " + kWriteError, "unlock"};
    EXPECT_EQ(Events(), expected);
}

}  // namespace
