// Drives Trelk_Dump.exe the way a user would, from the Windows side: starts
// it in a start-up directory of its own, finds its dialog by class and
// title, reads and sets controls, presses keys and buttons, reads message
// boxes, and checks the files it leaves. Run under wine by run.sh:
//
//   trelk_frontend_check.exe PROGRAMS FIXTURES WORK
//   trelk_frontend_check.exe --pose WHAT PROGRAMS WORK
//
// PROGRAMS holds Trelk_Dump.exe and trelk_conv.exe; FIXTURES the golden
// files (default.dat, default.prm, blink.mot and the Linux build's dumps
// blink.txt and blink-sorted.txt); WORK is an empty directory. Prints one
// line per check and "N passed, N failed" at the end; exits non-zero when
// a check failed.
//
// --pose shows the dialog for a screenshot (screenshot.sh): WHAT is dialog,
// custom (the custom row chosen), about, message (the filler's message
// box), open or save (the file dialog of a browse button). It writes WORK\ready once the picture
// stands and ends the program when WORK\done appears.
//
// Run as sort.exe it is a stand-in for the system's sort (wine has none):
// standard input's lines in byte order to standard output.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ResourceIds.h"
#include "WideText.h"

namespace {

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kStepTimeoutMs = 30000;
constexpr DWORD kPollMs = 50;

// The account's name as the program gets it, and so its files' names.
std::wstring UserName()
{
    wchar_t name[256];
    DWORD size = 256;
    if (!GetUserNameW(name, &size))
        return L"Trelk_Conv";
    return name;
}

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + NarrowCp932(path));
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + NarrowCp932(path));
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Require(bool condition, const std::string& what)
{
    if (!condition)
        throw std::runtime_error(what);
}

void RequireSameBytes(const std::wstring& actual, const std::wstring& expected)
{
    Require(Exists(actual), NarrowCp932(actual) + " was not written");
    Require(ReadBytes(actual) == ReadBytes(expected),
            NarrowCp932(actual) + " differs from " + NarrowCp932(expected));
}

// Waits until the condition holds; false after the time limit.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = kStepTimeoutMs)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > end)
            return false;
        Sleep(kPollMs);
    }
    return true;
}

std::wstring WindowText(HWND window)
{
    wchar_t text[1024] = L"";
    // Sent with a limit: a window busy with a run answers once it is done.
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                        kStepTimeoutMs, &length);
    return std::wstring(text, length);
}

bool IsDialogClass(HWND window)
{
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return std::wstring(name) == L"#32770";
}

struct DialogSearch {
    DWORD process;
    const std::wstring* caption;
    HWND owner;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<DialogSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->process || !IsDialogClass(window) || !IsWindowVisible(window))
        return TRUE;
    if (search->owner && GetWindow(window, GW_OWNER) != search->owner)
        return TRUE;
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    if (search->caption && *search->caption != text)
        return TRUE;
    search->found = window;
    return FALSE;
}

// A top-level dialog of the process with this caption (and this owner,
// when one is given).
HWND FindProcessDialog(DWORD process, const std::wstring& caption, HWND owner = nullptr)
{
    DialogSearch search{process, &caption, owner, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A dialog of the process owned by this window, whatever its caption.
HWND FindOwnedDialog(DWORD process, HWND owner)
{
    DialogSearch search{process, nullptr, owner, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Trelk_Dump.exe started in its start-up directory.
class App {
public:
    App(const std::wstring& directory, const std::wstring& extraPath = L"")
    {
        std::wstring command = L"\"" + directory + L"\\Trelk_Dump.exe\"";
        std::wstring environment;
        if (!extraPath.empty())
            environment = Environment(extraPath);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE,
                            CREATE_UNICODE_ENVIRONMENT, environment.empty() ? nullptr : &environment[0],
                            directory.c_str(), &startup, &m_process))
            throw std::runtime_error("cannot start Trelk_Dump.exe");
        CloseHandle(m_process.hThread);
    }
    ~App()
    {
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process.hProcess, 99);
        CloseHandle(m_process.hProcess);
    }
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    DWORD Id() const { return m_process.dwProcessId; }

    HWND WaitForDialog()
    {
        HWND dialog = nullptr;
        Require(WaitFor([&] { return (dialog = FindProcessDialog(Id(), L"Trelk Dump")) != nullptr; },
                        kStartTimeoutMs),
                "the main dialog did not appear");
        // Its thread is in the dialog's message loop once it answers.
        Require(SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_NORMAL, kStepTimeoutMs, nullptr) != 0,
                "the main dialog does not answer");
        return dialog;
    }

    // The exit code once the program has ended.
    DWORD WaitForExit(DWORD timeoutMs = kStepTimeoutMs)
    {
        Require(WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0,
                "the program did not end");
        DWORD code = 0;
        GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }

private:
    // This process's environment with a directory put in front of PATH.
    static std::wstring Environment(const std::wstring& extraPath)
    {
        std::wstring block;
        wchar_t* strings = GetEnvironmentStringsW();
        bool pathSeen = false;
        for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1) {
            std::wstring line = entry;
            if (_wcsnicmp(entry, L"PATH=", 5) == 0) {
                line = L"PATH=" + extraPath + L";" + line.substr(5);
                pathSeen = true;
            }
            block += line;
            block += L'\0';
        }
        FreeEnvironmentStringsW(strings);
        if (!pathSeen)
            block += L"PATH=" + extraPath + L'\0';
        block += L'\0';
        return block;
    }

    PROCESS_INFORMATION m_process{};
};

HWND FocusOf(HWND dialog)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus;
}

// A key as the keyboard gives it, to the control with the focus; the
// dialog's message loop sees it as typed.
void PressKey(HWND dialog, WPARAM key)
{
    const HWND focus = FocusOf(dialog);
    Require(focus != nullptr, "nothing has the focus");
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
    PostMessageW(focus, WM_KEYDOWN, key, 1 | (scan << 16));
    PostMessageW(focus, WM_KEYUP, key, 1 | (scan << 16) | (3u << 30));
}

// A button pressed, without waiting for what it does.
void Click(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Until every message before this one is handled: a run blocks the dialog.
void WaitUntilIdle(HWND dialog)
{
    Require(SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_NORMAL, kStepTimeoutMs, nullptr) != 0,
            "the dialog stays busy");
}

// The text of a message box (its static text has the identifier 0xFFFF).
std::wstring MessageText(HWND box)
{
    return WindowText(GetDlgItem(box, 0xFFFF));
}

class Checks {
public:
    Checks(std::wstring programs, std::wstring fixtures, std::wstring work)
        : m_programs(std::move(programs)), m_fixtures(std::move(fixtures)), m_work(std::move(work)),
          m_user(UserName())
    {
    }

    void Run(const char* name, const std::function<void()>& check)
    {
        try {
            check();
            ++m_passed;
            std::printf("passed: %s\n", name);
        } catch (const std::exception& error) {
            ++m_failed;
            std::printf("FAILED: %s: %s\n", name, error.what());
        }
        std::fflush(stdout);
    }

    int Summary() const
    {
        std::printf("%d passed, %d failed\n", m_passed, m_failed);
        return m_failed == 0 ? 0 : 1;
    }

    // A start-up directory with the two programs in it.
    std::wstring StartDirectory(const std::wstring& name) const
    {
        const std::wstring directory = m_work + L"\\" + name;
        CreateDirectoryW(directory.c_str(), nullptr);
        for (const wchar_t* program : {L"Trelk_Dump.exe", L"trelk_conv.exe"})
            Require(CopyFileW((m_programs + L"\\" + program).c_str(),
                              (directory + L"\\" + program).c_str(), FALSE) != 0,
                    "cannot copy the programs");
        return directory;
    }

    std::wstring Fixture(const wchar_t* name) const { return m_fixtures + L"\\" + name; }
    std::wstring UserFile(const std::wstring& directory, const wchar_t* extension) const
    {
        return directory + L"\\" + m_user + L"." + extension;
    }

    // The input, a copy of blink.mot, and the default settings naming it
    // in the start-up directory.
    void PlaceInputAndSettings(const std::wstring& directory, const std::wstring& input,
                               bool sort) const
    {
        Require(CopyFileW(Fixture(L"blink.mot").c_str(), input.c_str(), FALSE) != 0,
                "cannot copy the input");
        WriteBytes(UserFile(directory, L"dat"), Settings(input, sort));
    }

    // The default settings with item 1 (the input file) and item 11 (sort).
    std::string Settings(const std::wstring& input, bool sort) const
    {
        std::string settings = ReadBytes(Fixture(L"default.dat"));
        const std::string path = NarrowCp932(input);
        Require(path.size() < 255, "input path too long for a one-byte length");
        // Item 1 is the empty text (one byte 00) at the start; item 11 is
        // the 32-bit number just before item 12, the S0 format of 0x19 bytes.
        settings = std::string(1, static_cast<char>(path.size())) + path + settings.substr(1);
        const std::string s0 = "\x19Header Information : \"%s\"";
        const std::string::size_type at = settings.find(s0);
        Require(at != std::string::npos && at >= 4, "default.dat is not the default file");
        settings[at - 4] = sort ? 1 : 0;
        return settings;
    }

    const std::wstring m_programs;
    const std::wstring m_fixtures;
    const std::wstring m_work;
    const std::wstring m_user;

private:
    int m_passed = 0;
    int m_failed = 0;
};

// First start, nothing changed, closed with Esc: the default settings file.
void FirstStartWritesTheDefaults(const Checks& checks)
{
    const std::wstring directory = checks.StartDirectory(L"first");
    App app(directory);
    const HWND dialog = app.WaitForDialog();
    Require(GetDlgCtrlID(FocusOf(dialog)) == IDC_EXECUTE, "the focus is not on 実行");
    Require(WindowText(GetDlgItem(dialog, IDC_OUTPUT_EXT)) == L"txt", "edit 1006 does not show txt");
    Require(WindowText(GetDlgItem(dialog, IDC_S0_FORMAT)) == L"Header Information : \"%s\"",
            "edit 1021 does not show the S0 default");
    PressKey(dialog, VK_ESCAPE);
    Require(app.WaitForExit() == 0, "the program failed");
    RequireSameBytes(checks.UserFile(directory, L"dat"), checks.Fixture(L"default.dat"));
}

// A settings file naming the input, and the space bar on 実行, focused at
// open (wine, unlike Windows, does not make a push button that gets the
// focus at open the default one, so Enter would go to 1015 there): the
// dump and the parameter file as the Linux build writes them. The output
// name is derived from the input's.
void ExecuteWritesDumpAndParameters(const Checks& checks, const std::wstring& startName,
                                    const std::wstring& inputName, bool sort,
                                    const std::wstring& sortDirectory)
{
    const std::wstring directory = checks.StartDirectory(startName);
    const std::wstring input = directory + L"\\" + inputName + L".mot";
    checks.PlaceInputAndSettings(directory, input, sort);

    App app(directory, sortDirectory);
    const HWND dialog = app.WaitForDialog();
    Require(WindowText(GetDlgItem(dialog, IDC_INPUT)) == input, "edit 1000 does not show the input");
    Require(GetDlgCtrlID(FocusOf(dialog)) == IDC_EXECUTE, "the focus is not on 実行");
    PressKey(dialog, VK_SPACE);
    WaitUntilIdle(dialog);
    Require(FindProcessDialog(app.Id(), L"Trelk_Dump", dialog) == nullptr,
            "the run showed a message");
    PressKey(dialog, VK_ESCAPE);
    Require(app.WaitForExit() == 0, "the program failed");

    const std::wstring output = directory + L"\\" + inputName + L".txt";
    RequireSameBytes(output, checks.Fixture(sort ? L"blink-sorted.txt" : L"blink.txt"));
    RequireSameBytes(checks.UserFile(directory, L"prm"), checks.Fixture(L"default.prm"));
    if (sort)
        RequireSameBytes(checks.UserFile(directory, L"txt"), checks.Fixture(L"blink.txt"));
    Require(!Exists(directory + L"\\injected") && !Exists(checks.m_work + L"\\injected"),
            "a command hidden in a name was run");
}

// The filler "G": its message, in Japanese, under the program's name.
HWND ShowFillerMessage(App& app, HWND dialog)
{
    SendMessageTimeoutW(GetDlgItem(dialog, IDC_FILLER), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(L"G"), SMTO_NORMAL, kStepTimeoutMs, nullptr);
    Click(dialog, IDC_EXECUTE);
    HWND box = nullptr;
    Require(WaitFor([&] { return (box = FindProcessDialog(app.Id(), L"Trelk_Dump", dialog)) != nullptr; }),
            "no message box appeared");
    Require(MessageText(box) == WidenUtf8("詰草数値に誤りがあります！"),
            "the message box shows another text");
    return box;
}

void FillerGGivesItsMessage(const Checks& checks)
{
    const std::wstring directory = checks.StartDirectory(L"filler");
    const std::wstring input = directory + L"\\in.mot";
    checks.PlaceInputAndSettings(directory, input, false);
    App app(directory);
    const HWND dialog = app.WaitForDialog();
    const HWND box = ShowFillerMessage(app, dialog);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    Require(WaitFor([&] { return !IsWindow(box); }), "the message box stays");
    // The output was emptied before the check; the converter never ran.
    Require(Exists(directory + L"\\in.txt") && ReadBytes(directory + L"\\in.txt").empty(),
            "the output is not the emptied file");
    Require(!Exists(checks.UserFile(directory, L"prm")), "the parameter file was written");
    PressKey(dialog, VK_ESCAPE);
    app.WaitForExit();
}

// The file dialog a browse button opened, owned by the main dialog.
HWND WaitForFileDialog(App& app, HWND dialog)
{
    HWND box = nullptr;
    Require(WaitFor([&] { return (box = FindOwnedDialog(app.Id(), dialog)) != nullptr; }),
            "no file dialog appeared");
    return box;
}

// A name typed into the file dialog's name box (it has the focus when the
// dialog opens) and OK pressed.
void ChooseInFileDialog(HWND box, const std::wstring& name)
{
    HWND nameBox = nullptr;
    Require(WaitFor([&] { return (nameBox = FocusOf(box)) != nullptr && IsChild(box, nameBox); }),
            "the file dialog's name box has no focus");
    SendMessageW(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    Require(WaitFor([&] { return !IsWindow(box); }), "the file dialog stays open");
}

// The Open dialog gives the full path of the file chosen, and its folder
// becomes the current directory: a relative input typed afterwards means a
// file there. The settings stay in the start-up directory.
void BrowseMovesTheCurrentDirectory(const Checks& checks)
{
    const std::wstring directory = checks.StartDirectory(L"browse");
    const std::wstring data = directory + L"\\data";
    CreateDirectoryW(data.c_str(), nullptr);
    CopyFileW(checks.Fixture(L"blink.mot").c_str(), (data + L"\\picked.mot").c_str(), FALSE);
    CopyFileW(checks.Fixture(L"blink.mot").c_str(), (data + L"\\relative.mot").c_str(), FALSE);

    App app(directory);
    const HWND dialog = app.WaitForDialog();
    Click(dialog, IDC_BROWSE_INPUT);
    ChooseInFileDialog(WaitForFileDialog(app, dialog), data + L"\\picked.mot");
    WaitUntilIdle(dialog);
    Require(WindowText(GetDlgItem(dialog, IDC_INPUT)) == data + L"\\picked.mot",
            "edit 1000 does not show the chosen file");

    SendMessageW(GetDlgItem(dialog, IDC_INPUT), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"relative.mot"));
    Click(dialog, IDC_EXECUTE);
    WaitUntilIdle(dialog);
    Require(FindProcessDialog(app.Id(), L"Trelk_Dump", dialog) == nullptr,
            "the run showed a message");
    PressKey(dialog, VK_ESCAPE);
    Require(app.WaitForExit() == 0, "the program failed");
    RequireSameBytes(data + L"\\relative.txt", checks.Fixture(L"blink.txt"));
    RequireSameBytes(checks.UserFile(directory, L"prm"), checks.Fixture(L"default.prm"));
    Require(Exists(checks.UserFile(directory, L"dat")), "the settings were not saved");
}

// A second start while a message box is open: it ends, and the box is in
// front. Then with the dialog minimised: it is restored.
void SecondStartBringsTheFirstForward(const Checks& checks)
{
    const std::wstring directory = checks.StartDirectory(L"second");
    const std::wstring input = directory + L"\\in.mot";
    checks.PlaceInputAndSettings(directory, input, false);
    App first(directory);
    const HWND dialog = first.WaitForDialog();
    const HWND box = ShowFillerMessage(first, dialog);
    SetForegroundWindow(GetDesktopWindow());
    {
        App second(directory);
        Require(second.WaitForExit() == 0, "the second start failed");
    }
    Require(WaitFor([&] { return GetForegroundWindow() == box; }),
            "the first instance's message box is not in front");
    Require(FindProcessDialog(first.Id(), L"Trelk Dump") == dialog, "the first dialog is gone");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    Require(WaitFor([&] { return !IsWindow(box); }), "the message box stays");

    ShowWindow(dialog, SW_MINIMIZE);
    Require(WaitFor([&] { return IsIconic(dialog) != FALSE; }), "the dialog does not minimise");
    {
        App second(directory);
        Require(second.WaitForExit() == 0, "the second start failed");
    }
    Require(WaitFor([&] { return !IsIconic(dialog); }), "the minimised dialog was not restored");
    Require(WaitFor([&] { return GetForegroundWindow() == dialog; }), "the dialog is not in front");
    PressKey(dialog, VK_ESCAPE);
    Require(first.WaitForExit() == 0, "the first instance failed");
}

// Run as sort.exe: the lines of standard input in byte order.
int SortStandIn()
{
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    while (ReadFile(in, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line + "\n");
    std::sort(lines.begin(), lines.end());
    std::string sorted;
    for (const std::string& line : lines)
        sorted += line;
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), sorted.data(), static_cast<DWORD>(sorted.size()),
              &written, nullptr);
    return 0;
}

std::wstring ModulePath()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length);
}

}  // namespace

// The dialog in one of its states until the screenshot is taken.
int Pose(const std::wstring& what, const std::wstring& programs, const std::wstring& work)
{
    const Checks checks(programs, L"", work);
    const std::wstring directory = checks.StartDirectory(L"pose-" + what);
    App app(directory);
    const HWND dialog = app.WaitForDialog();
    if (what == L"custom") {
        const HWND list = GetDlgItem(dialog, IDC_FORMAT_PRESET);
        SendMessageW(list, CB_SETCURSEL, 16, 0);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_FORMAT_PRESET, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    } else if (what == L"about") {
        PostMessageW(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        Require(WaitFor([&] {
                    return FindProcessDialog(app.Id(), WidenUtf8("Trelk_Dumpのﾊﾞｰｼﾞｮﾝ情報"), dialog);
                }),
                "no about box appeared");
    } else if (what == L"open" || what == L"save") {
        if (what == L"save")
            PostMessageW(GetDlgItem(dialog, IDC_SAME_AS_INPUT), BM_CLICK, 0, 0);
        Click(dialog, what == L"open" ? IDC_BROWSE_INPUT : IDC_BROWSE_OUTPUT);
        WaitForFileDialog(app, dialog);
    } else if (what == L"message") {
        const std::wstring input = directory + L"\\in.mot";
        WriteBytes(input, "S9030000FC\r\n");
        SendMessageW(GetDlgItem(dialog, IDC_INPUT), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(input.c_str()));
        ShowFillerMessage(app, dialog);
    }
    Sleep(500);  // painted
    WriteBytes(work + L"\\ready", "");
    WaitFor([&] { return Exists(work + L"\\done"); }, 60000);
    return 0;
}

int main()
{
    const std::wstring self = ModulePath();
    const std::wstring::size_type slash = self.find_last_of(L'\\');
    if (_wcsicmp(self.c_str() + slash + 1, L"sort.exe") == 0)
        return SortStandIn();

    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count == 5 && std::wstring(arguments[1]) == L"--pose") {
        try {
            return Pose(arguments[2], arguments[3], arguments[4]);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s\n", error.what());
            return 1;
        }
    }
    if (count != 4) {
        std::fprintf(stderr, "usage: trelk_frontend_check PROGRAMS FIXTURES WORK\n");
        return 2;
    }
    Checks checks(arguments[1], arguments[2], arguments[3]);
    LocalFree(arguments);

    // The stand-in sort, found along PATH as the system's would be.
    const std::wstring sortDirectory = checks.m_work + L"\\sort";
    CreateDirectoryW(sortDirectory.c_str(), nullptr);
    CopyFileW(self.c_str(), (sortDirectory + L"\\sort.exe").c_str(), FALSE);

    checks.Run("first start closed with Esc writes the default settings",
               [&] { FirstStartWritesTheDefaults(checks); });
    checks.Run("Execute writes the dump and the parameter file (cmd.exe)",
               [&] { ExecuteWritesDumpAndParameters(checks, L"plain", L"in", false, L""); });
    checks.Run("Execute with sort runs sort into the output (cmd.exe)",
               [&] { ExecuteWritesDumpAndParameters(checks, L"sorted", L"in", true, sortDirectory); });
    // Every character that cmd.exe would act on, in both the start-up
    // directory and the input name: the commands start without cmd.exe.
    checks.Run("a hostile input name converts and runs nothing else",
               [&] {
                   ExecuteWritesDumpAndParameters(
                       checks, L"start dir & (x) %OS% !OS! ^",
                       L"in & mkdir injected & %OS% !OS! (x) ^ ;,= '", true, sortDirectory);
               });
    // "ソ" is 83 5C in code page 932: a trail byte that reads as a backslash.
    // The start-up directory in Japanese too: trelk_conv.exe must open its
    // parameter file there whatever the system's ANSI code page is.
    checks.Run("an input name and a start-up directory in Japanese convert", [&] {
        ExecuteWritesDumpAndParameters(checks, WidenUtf8("開始ソ"), WidenUtf8("入力ソース"), false, L"");
    });
    checks.Run("the filler G gives its message", [&] { FillerGGivesItsMessage(checks); });
    checks.Run("the Open dialog moves the current directory",
               [&] { BrowseMovesTheCurrentDirectory(checks); });
    checks.Run("a second start brings the first forward",
               [&] { SecondStartBringsTheFirstForward(checks); });
    return checks.Summary();
}
