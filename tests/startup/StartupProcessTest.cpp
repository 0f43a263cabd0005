// Trelk_Dump as a user meets it: real processes on an X server of the
// test's own, driven by keys and the close box.
#include "AppProcess.h"
#include "DirectoryEntries.h"
#include "PrivateXServer.h"
#include "TempDir.h"
#include "SystemAccountName.h"
#include "UserName.h"
#include "XSession.h"

#include <X11/keysym.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <set>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kMainTitle = "Trelk Dump";
const std::string kMessageTitle = "Trelk_Dump";
const std::string kAboutTitle = "Trelk_Dumpのﾊﾞｰｼﾞｮﾝ情報";

// The user name the program takes for the account that runs the tests.
std::string OwnUserName()
{
    return LogonUserName(SystemAccountName());
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

bool Exists(const std::string& path)
{
    struct stat info{};
    return stat(path.c_str(), &info) == 0;
}

class StartupProcessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_x.IsRunning()) << "Xvfb did not start";
        m_session = std::make_unique<XSession>(m_x.DisplayName());
        ASSERT_TRUE(m_session->IsOpen());
    }

    std::unique_ptr<AppProcess> Launch(const std::string& directory,
                                       std::map<std::string, std::string> extra = {},
                                       const std::string& program = TRELK_DUMP_PROGRAM,
                                       const AppProcess::Options& options = {})
    {
        extra["DISPLAY"] = m_x.DisplayName();
        extra["XDG_RUNTIME_DIR"] = m_runtime.Path();
        extra["GDK_BACKEND"] = "x11";
        extra["NO_AT_BRIDGE"] = "1";
        auto process = std::make_unique<AppProcess>(program, directory, extra, options);
        EXPECT_TRUE(process->Started());
        return process;
    }

    std::unique_ptr<AppProcess> LaunchAndWaitForDialog(XWindow& dialog)
    {
        return WaitForDialog(Launch(m_start.Path()), dialog);
    }

    std::unique_ptr<AppProcess> WaitForDialog(std::unique_ptr<AppProcess> process, XWindow& dialog)
    {
        dialog = m_session->WaitForWindow(kMainTitle);
        EXPECT_NE(dialog, kNoWindow) << "the main dialog did not open";
        // Keys typed before the dialog has settled could miss its controls.
        if (dialog != kNoWindow) {
            EXPECT_TRUE(m_session->Ping(dialog)) << "the dialog does not answer";
        }
        return process;
    }

    // Esc closes the dialog; the save that follows fails, a message box
    // reports it, and once it is answered the program ends with a failure.
    void CloseIntoAFailedSave(XWindow dialog, AppProcess& app)
    {
        m_session->PressKey(dialog, XK_Escape);
        XWindow box = m_session->WaitForWindow(kMessageTitle);
        ASSERT_NE(box, kNoWindow) << "the failed save was not reported";
        m_session->PressKey(box, XK_Return);
        std::optional<int> status = app.WaitForExit();
        ASSERT_TRUE(status.has_value());
        EXPECT_NE(*status, 0) << "a failed save must not end as success";
    }

    std::string SettingsFile() const { return m_start / (OwnUserName() + ".dat"); }

    static std::string DefaultSettings() { return ReadBytes(DEFAULT_SETTINGS_FILE); }

    PrivateXServer m_x;
    std::unique_ptr<XSession> m_session;
    TempDir m_start;
    TempDir m_runtime;
};

// ---------------------------------------------------------------- closing

// Esc reaches the dialog as a click of 終了, its escape button; the close
// box asks the dialog to close. (Moving the keyboard focus to 終了 with Tab
// is not used: the toolkit restores the dialog's focus at a moment a test
// cannot observe, so typed navigation would race with it.)
enum class CloseWay { Escape, CloseBox };

struct CloseCase {
    const char* label;
    CloseWay way;
};

void PrintTo(const CloseCase& closeCase, std::ostream* out)
{
    *out << closeCase.label;
}

class ClosingTest : public StartupProcessTest, public ::testing::WithParamInterface<CloseCase> {
protected:
    void Close(XWindow dialog, CloseWay way)
    {
        switch (way) {
        case CloseWay::Escape:
            m_session->PressKey(dialog, XK_Escape);
            break;
        case CloseWay::CloseBox:
            m_session->PressCloseBox(dialog);
            break;
        }
    }
};

TEST_P(ClosingTest, WritesTheDefaultsWhenNoFileWasThere)
{
    XWindow dialog = kNoWindow;
    auto app = LaunchAndWaitForDialog(dialog);
    ASSERT_NE(dialog, kNoWindow);
    EXPECT_FALSE(Exists(SettingsFile())) << "nothing is written while the dialog is open";

    Close(dialog, GetParam().way);
    EXPECT_EQ(app->WaitForExit(), 0);
    std::string saved = ReadBytes(SettingsFile());
    EXPECT_EQ(saved.size(), 416u);
    EXPECT_EQ(saved, DefaultSettings());
}

// Toolkit warnings and the like are noise a user should never see.
TEST_F(StartupProcessTest, ACleanStartWritesNothingOnStandardError)
{
    TempDir logs;
    AppProcess::Options options;
    options.stderrFile = logs / "stderr";
    XWindow dialog = kNoWindow;
    auto app = WaitForDialog(Launch(m_start.Path(), {}, TRELK_DUMP_PROGRAM, options), dialog);
    ASSERT_NE(dialog, kNoWindow);
    m_session->PressKey(dialog, XK_Escape);
    EXPECT_EQ(app->WaitForExit(), 0);
    EXPECT_EQ(ReadBytes(options.stderrFile), "");
}

TEST_P(ClosingTest, KeepsWhatTheFileHeld)
{
    // A file of the program's own with extra bytes after the last item: it
    // loads, and the save writes the loaded values back without the extra.
    WriteBytes(SettingsFile(), DefaultSettings() + "trailing bytes");
    XWindow dialog = kNoWindow;
    auto app = LaunchAndWaitForDialog(dialog);
    ASSERT_NE(dialog, kNoWindow);
    Close(dialog, GetParam().way);
    EXPECT_EQ(app->WaitForExit(), 0);
    EXPECT_EQ(ReadBytes(SettingsFile()), DefaultSettings());
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingTest,
                         ::testing::Values(CloseCase{"Escape", CloseWay::Escape},
                                           CloseCase{"CloseBox", CloseWay::CloseBox}),
                         [](const auto& info) { return std::string(info.param.label); });

// ---------------------------------------------------------- damaged file

struct DamageCase {
    const char* label;
    std::size_t keptBytes;  // of the default file
};

void PrintTo(const DamageCase& damageCase, std::ostream* out)
{
    *out << damageCase.label;
}

class DamagedFileTest : public StartupProcessTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedFileTest, ShowsTheReadErrorAndLeavesTheFileAlone)
{
    const std::string damaged = DefaultSettings().substr(0, GetParam().keptBytes);
    WriteBytes(SettingsFile(), damaged);

    auto app = Launch(m_start.Path());
    XWindow box = m_session->WaitForWindow(kMessageTitle);
    ASSERT_NE(box, kNoWindow) << "no error message";
    EXPECT_EQ(m_session->FindWindow(kMainTitle), kNoWindow) << "the dialog must not open";

    m_session->PressKey(box, XK_Return);
    std::optional<int> status = app->WaitForExit();
    ASSERT_TRUE(status.has_value()) << "still running after the message";
    EXPECT_NE(*status, 0);
    EXPECT_EQ(ReadBytes(SettingsFile()), damaged);
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedFileTest,
                         ::testing::Values(DamageCase{"Empty", 0},
                                           DamageCase{"InsideFirstString", 1 + 0},
                                           DamageCase{"InsideANumber", 3},
                                           DamageCase{"InsideTheLineFormat", 60},
                                           DamageCase{"LastByteMissing", 415}),
                         [](const auto& info) { return std::string(info.param.label); });

// ------------------------------------------------------- failed save

// What the test puts in place of the settings file while the dialog is
// open, so that the save fails.
enum class Obstacle { Directory, FullDevice };

struct SaveCase {
    const char* label;
    Obstacle obstacle;
};

void PrintTo(const SaveCase& saveCase, std::ostream* out)
{
    *out << saveCase.label;
}

class FailedSaveTest : public StartupProcessTest, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(FailedSaveTest, IsReportedAndEndsWithFailure)
{
    XWindow dialog = kNoWindow;
    auto app = LaunchAndWaitForDialog(dialog);
    ASSERT_NE(dialog, kNoWindow);
    switch (GetParam().obstacle) {
    case Obstacle::Directory:  // cannot be opened for writing
        ASSERT_EQ(mkdir(SettingsFile().c_str(), 0700), 0);
        break;
    case Obstacle::FullDevice:  // opens, but every write fails
        ASSERT_EQ(symlink("/dev/full", SettingsFile().c_str()), 0);
        break;
    }
    ASSERT_NO_FATAL_FAILURE(CloseIntoAFailedSave(dialog, *app));
}

INSTANTIATE_TEST_SUITE_P(Obstacles, FailedSaveTest,
                         ::testing::Values(SaveCase{"CannotOpen", Obstacle::Directory},
                                           SaveCase{"CannotWrite", Obstacle::FullDevice}),
                         [](const auto& info) { return std::string(info.param.label); });

// A directory in place of the settings file cannot be opened: the dialog
// opens with the defaults, without a message, and the save reports it.
TEST_F(StartupProcessTest, ASettingsPathThatIsADirectoryMeansTheDefaults)
{
    ASSERT_EQ(mkdir(SettingsFile().c_str(), 0700), 0);
    XWindow dialog = kNoWindow;
    auto app = LaunchAndWaitForDialog(dialog);
    ASSERT_NE(dialog, kNoWindow) << "the dialog did not open";
    EXPECT_EQ(m_session->FindWindow(kMessageTitle), kNoWindow);

    ASSERT_NO_FATAL_FAILURE(CloseIntoAFailedSave(dialog, *app));
    EXPECT_TRUE(std::filesystem::is_directory(SettingsFile()));
    EXPECT_EQ(DirectoryEntries(m_start.Path()), std::set<std::string>{OwnUserName() + ".dat"});
}

// ------------------------------------------- the save replaces, or keeps

// A file the program wrote, with bytes after the last item that a save
// would drop: whether it is still the old file shows at a glance.
std::string OldSettings()
{
    return ReadBytes(DEFAULT_SETTINGS_FILE) + "old file";
}

// Where the disk fills up during the save.
enum class Disk { FileSizeLimit, SmallTmpfs };

struct FullDiskCase {
    const char* label;
    Disk disk;
};

void PrintTo(const FullDiskCase& diskCase, std::ostream* out)
{
    *out << diskCase.label;
}

// A tmpfs of a few pages mounted on a fresh directory, where the system
// lets the test mount one (it needs CAP_SYS_ADMIN).
class SmallTmpfs {
public:
    SmallTmpfs()
    {
        m_bMounted = mount("tmpfs", m_dir.Path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
                           "size=64k,mode=0700") == 0;
        m_strWhyNot = m_bMounted ? "" : std::strerror(errno);
    }
    ~SmallTmpfs()
    {
        if (m_bMounted)
            umount2(m_dir.Path().c_str(), MNT_DETACH);
    }
    bool IsMounted() const { return m_bMounted; }
    const std::string& WhyNot() const { return m_strWhyNot; }
    const std::string& Path() const { return m_dir.Path(); }

    // Takes every free block of the file system.
    void Fill(const std::string& name) const
    {
        const int fd = open((m_dir / name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const std::string block(4096, 'x');
        while (write(fd, block.data(), block.size()) > 0) {
        }
        for (int room = 1; room > 0;)
            room = static_cast<int>(write(fd, "x", 1));
        close(fd);
    }

private:
    TempDir m_dir;
    bool m_bMounted = false;
    std::string m_strWhyNot;
};

class FullDiskTest : public StartupProcessTest, public ::testing::WithParamInterface<FullDiskCase> {};

// The new content goes into a file of its own first: a write that fails
// leaves the old settings as they were, reports the write error and leaves
// no other file behind.
TEST_P(FullDiskTest, KeepsTheOldFileAndReportsTheWriteError)
{
    SmallTmpfs tmpfs;
    std::string start = m_start.Path();
    AppProcess::Options options;
    std::set<std::string> expected = {OwnUserName() + ".dat"};
    if (GetParam().disk == Disk::SmallTmpfs) {
        if (!tmpfs.IsMounted())
            GTEST_SKIP() << "cannot mount a tmpfs here: " << tmpfs.WhyNot();
        start = tmpfs.Path();
    } else {
        options.fileSizeLimit = 200;  // the file needs more than twice that
    }
    const std::string settings = start + "/" + OwnUserName() + ".dat";
    WriteBytes(settings, OldSettings());
    if (GetParam().disk == Disk::SmallTmpfs) {
        tmpfs.Fill("filler");
        expected.insert("filler");
    }

    XWindow dialog = kNoWindow;
    auto app = WaitForDialog(Launch(start, {}, TRELK_DUMP_PROGRAM, options), dialog);
    ASSERT_NE(dialog, kNoWindow);
    ASSERT_NO_FATAL_FAILURE(CloseIntoAFailedSave(dialog, *app));
    EXPECT_EQ(ReadBytes(settings), OldSettings());
    EXPECT_EQ(DirectoryEntries(start), expected);
}

INSTANTIATE_TEST_SUITE_P(Disks, FullDiskTest,
                         ::testing::Values(FullDiskCase{"FileSizeLimit", Disk::FileSizeLimit},
                                           FullDiskCase{"SmallTmpfs", Disk::SmallTmpfs}),
                         [](const auto& info) { return std::string(info.param.label); });

struct KillCase {
    const char* label;
    const char* step;  // where the test build stops itself
};

void PrintTo(const KillCase& killCase, std::ostream* out)
{
    *out << killCase.label;
}

class KilledSaveTest : public StartupProcessTest, public ::testing::WithParamInterface<KillCase> {};

// Killed in the middle of the save, the program leaves the old settings
// file as it was: the next start loads it and its save tidies up.
TEST_P(KilledSaveTest, LeavesTheOldFileForTheNextStart)
{
    const std::map<std::string, std::string> account = {{"TRELK_TEST_ACCOUNT_NAME", "killed"}};
    const std::string settings = m_start / "killed.dat";
    WriteBytes(settings, OldSettings());

    auto stopping = account;
    stopping["TRELK_TEST_STOP_IN_SAVE"] = GetParam().step;
    XWindow dialog = kNoWindow;
    auto app = WaitForDialog(Launch(m_start.Path(), stopping, FAKE_ACCOUNT_PROGRAM), dialog);
    ASSERT_NE(dialog, kNoWindow);
    m_session->PressKey(dialog, XK_Escape);
    ASSERT_TRUE(app->WaitForStop()) << "the save did not reach the step";
    EXPECT_EQ(ReadBytes(settings), OldSettings()) << "while the save runs";
    app->Kill();
    EXPECT_EQ(ReadBytes(settings), OldSettings()) << "after the kill";

    auto next = WaitForDialog(Launch(m_start.Path(), account, FAKE_ACCOUNT_PROGRAM), dialog);
    ASSERT_NE(dialog, kNoWindow) << "the next start did not open the dialog";
    m_session->PressKey(dialog, XK_Escape);
    EXPECT_EQ(next->WaitForExit(), 0);
    EXPECT_EQ(ReadBytes(settings), DefaultSettings());
    EXPECT_EQ(DirectoryEntries(m_start.Path()), std::set<std::string>{"killed.dat"});
}

INSTANTIATE_TEST_SUITE_P(Steps, KilledSaveTest,
                         ::testing::Values(KillCase{"FileOpened", "opened"},
                                           KillCase{"ContentWritten", "written"}),
                         [](const auto& info) { return std::string(info.param.label); });

// ------------------------------------------------------------ the lock

// Whether some process waits for the flock on this file (the kernel lists
// blocked waiters with "->" in /proc/locks).
bool SomeoneWaitsFor(const std::string& lockFile)
{
    struct stat info{};
    if (stat(lockFile.c_str(), &info) != 0)
        return false;
    std::ifstream locks("/proc/locks");
    const std::string inode = ":" + std::to_string(info.st_ino) + " ";
    for (std::string line; std::getline(locks, line);)
        if (line.find("->") != std::string::npos && line.find(inode) != std::string::npos)
            return true;
    return false;
}

TEST_F(StartupProcessTest, TheLoadWaitsForTheLockAndTheDialogRunsWithoutIt)
{
    const std::string lockFile = m_runtime / ("TRELK_DUMP_" + OwnUserName() + "_MUTEX");
    int held = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX), 0);

    auto app = Launch(m_start.Path());
    ASSERT_TRUE(WaitUntil([&] { return SomeoneWaitsFor(lockFile); })) << "the start did not wait for the lock";
    EXPECT_EQ(m_session->FindWindow(kMainTitle), kNoWindow);
    ASSERT_EQ(flock(held, LOCK_UN), 0);

    XWindow dialog = m_session->WaitForWindow(kMainTitle);
    ASSERT_NE(dialog, kNoWindow);
    EXPECT_EQ(flock(held, LOCK_EX | LOCK_NB), 0) << "the lock is held while the dialog is open";
    m_session->PressKey(dialog, XK_Escape);
    // The save waits in its turn.
    EXPECT_TRUE(WaitUntil([&] { return SomeoneWaitsFor(lockFile); }));
    EXPECT_FALSE(Exists(SettingsFile()));
    ASSERT_EQ(flock(held, LOCK_UN), 0);
    EXPECT_EQ(app->WaitForExit(), 0);
    EXPECT_EQ(ReadBytes(SettingsFile()), DefaultSettings());
    close(held);
}

// ---------------------------------------------------------- second start

TEST_F(StartupProcessTest, SecondStartBringsTheFirstForwardAndEnds)
{
    XWindow dialog = kNoWindow;
    auto first = LaunchAndWaitForDialog(dialog);
    ASSERT_NE(dialog, kNoWindow);
    XWindow cover = m_session->CoverScreen();
    ASSERT_TRUE(WaitUntil([&] { return m_session->HasFocus(cover); }));

    // From another directory holding a damaged settings file: reading it
    // would show a message instead of ending quietly.
    TempDir elsewhere;
    const std::string otherFile = elsewhere / (OwnUserName() + ".dat");
    WriteBytes(otherFile, "x");
    auto second = Launch(elsewhere.Path());
    EXPECT_EQ(second->WaitForExit(), 0);

    EXPECT_TRUE(WaitUntil([&] { return m_session->HasFocus(dialog) && m_session->IsAbove(dialog, cover); }))
        << "the running dialog did not come forward";
    EXPECT_EQ(ReadBytes(otherFile), "x");
    EXPECT_FALSE(Exists(SettingsFile()));
    EXPECT_EQ(m_session->FindWindow(kMessageTitle), kNoWindow);

    m_session->PressKey(dialog, XK_Escape);
    EXPECT_EQ(first->WaitForExit(), 0);
    EXPECT_EQ(ReadBytes(SettingsFile()), DefaultSettings());
}

TEST_F(StartupProcessTest, AStartAfterACrashIsNotBlocked)
{
    XWindow dialog = kNoWindow;
    {
        auto crashed = LaunchAndWaitForDialog(dialog);
        ASSERT_NE(dialog, kNoWindow);
    }  // killed with its endpoint and lock file left behind
    ASSERT_TRUE(WaitUntil([&] { return m_session->FindWindow(kMainTitle) == kNoWindow; }));

    auto next = LaunchAndWaitForDialog(dialog);
    ASSERT_NE(dialog, kNoWindow);
    m_session->PressKey(dialog, XK_Escape);
    EXPECT_EQ(next->WaitForExit(), 0);
    EXPECT_EQ(ReadBytes(SettingsFile()), DefaultSettings());
}

// A pop-up open in the running instance is what comes forward.
struct PopupCase {
    const char* label;
    std::vector<std::vector<unsigned long>> keys;  // typed into the dialog to open it
    std::string title;
    unsigned long dismissKey;
};

void PrintTo(const PopupCase& popupCase, std::ostream* out)
{
    *out << popupCase.label;
}

class PopupForwardTest : public StartupProcessTest, public ::testing::WithParamInterface<PopupCase> {};

TEST_P(PopupForwardTest, ThePopupEndsUpInFront)
{
    XWindow dialog = kNoWindow;
    auto first = LaunchAndWaitForDialog(dialog);
    ASSERT_NE(dialog, kNoWindow);
    m_session->PressChords(dialog, GetParam().keys);
    XWindow popup = m_session->WaitForWindow(GetParam().title);
    ASSERT_NE(popup, kNoWindow) << "the pop-up did not open";

    XWindow cover = m_session->CoverScreen();
    ASSERT_TRUE(WaitUntil([&] { return m_session->HasFocus(cover); }));
    auto second = Launch(m_start.Path());
    EXPECT_EQ(second->WaitForExit(), 0);

    EXPECT_TRUE(WaitUntil([&] {
        return m_session->HasFocus(popup) && m_session->IsAbove(popup, cover)
            && m_session->IsAbove(popup, dialog) && m_session->IsAbove(dialog, cover);
    })) << "the pop-up is not in front: focus " << m_session->HasFocus(popup) << ", over the cover "
        << m_session->IsAbove(popup, cover) << ", over the dialog " << m_session->IsAbove(popup, dialog)
        << ", dialog over the cover " << m_session->IsAbove(dialog, cover);

    m_session->PressKey(popup, GetParam().dismissKey);
    ASSERT_TRUE(WaitUntil([&] { return m_session->FindWindow(GetParam().title) == kNoWindow; }));
    m_session->PressKey(dialog, XK_Escape);
    EXPECT_EQ(first->WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Popups, PopupForwardTest,
    ::testing::Values(
        // 実行 has the focus at first; with no input file the run says so.
        PopupCase{"MessageBox", {{XK_space}}, kMessageTitle, XK_Return},
        // The about entry's menu from the keyboard, then its one entry.
        PopupCase{"AboutBoxByMenuKey", {{XK_Menu}, {XK_Down}, {XK_Return}}, kAboutTitle, XK_Return},
        PopupCase{"AboutBoxByShiftF10", {{XK_Shift_L, XK_F10}, {XK_Down}, {XK_Return}}, kAboutTitle,
                  XK_Return}),
    [](const auto& info) { return std::string(info.param.label); });

// Restoring needs a window manager that minimises; twm does.
TEST_F(StartupProcessTest, AMinimisedDialogIsRestored)
{
    ASSERT_TRUE(m_x.StartWindowManager(TWM_CONFIG_FILE));
    XWindow dialog = kNoWindow;
    auto first = LaunchAndWaitForDialog(dialog);
    ASSERT_NE(dialog, kNoWindow);
    m_session->Minimise(dialog);
    ASSERT_TRUE(WaitUntil([&] { return m_session->IsMinimised(dialog) && !m_session->IsShown(dialog); }))
        << "the window manager did not minimise the dialog";

    auto second = Launch(m_start.Path());
    EXPECT_EQ(second->WaitForExit(), 0);
    EXPECT_TRUE(WaitUntil([&] { return !m_session->IsMinimised(dialog) && m_session->IsShown(dialog); }))
        << "the dialog stayed minimised";
    EXPECT_FALSE(Exists(SettingsFile()));

    m_session->PressKey(dialog, XK_Escape);
    EXPECT_EQ(first->WaitForExit(), 0);
}

// ---------------------------------------------------------- account names

struct AccountCase {
    const char* label;
    std::string account;
    std::string userName;
};

void PrintTo(const AccountCase& accountCase, std::ostream* out)
{
    *out << accountCase.label;
}

class AccountNameTest : public StartupProcessTest, public ::testing::WithParamInterface<AccountCase> {};

TEST_P(AccountNameTest, NamesTheSettingsFileAndTheLock)
{
    auto app = Launch(m_start.Path(), {{"TRELK_TEST_ACCOUNT_NAME", GetParam().account}},
                      FAKE_ACCOUNT_PROGRAM);
    XWindow dialog = m_session->WaitForWindow(kMainTitle);
    ASSERT_NE(dialog, kNoWindow);
    EXPECT_TRUE(Exists(m_runtime / ("TRELK_DUMP_" + GetParam().userName + "_MUTEX")));
    m_session->PressKey(dialog, XK_Escape);
    EXPECT_EQ(app->WaitForExit(), 0);
    EXPECT_EQ(ReadBytes(m_start / (GetParam().userName + ".dat")), DefaultSettings());
}

INSTANTIATE_TEST_SUITE_P(Accounts, AccountNameTest,
                         ::testing::Values(AccountCase{"Bytes15", "abcdefghijklmno", "abcdefghijklmno"},
                                           AccountCase{"Bytes16", "abcdefghijklmnop", "Trelk_Conv"}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
