#include "CommandShell.h"

#include <windows.h>

#include <cstdlib>
#include <cwchar>
#include <process.h>
#include <vector>

#include "UniqueHandle.h"
#include "WideText.h"

namespace {

// Status of a command whose program is not found (as /bin/sh reports it),
// and of one whose redirection cannot be opened (as cmd.exe reports it).
constexpr int kNotFound = 127;
constexpr int kRedirectionFailed = 1;

// Characters that cmd.exe takes in a word as they stand. Everything else
// may end the word or change the command: blanks and , ; = (separators),
// < > | & (redirection and chaining), ^ (escape), % and ! (variables, even
// inside double quotes), ( ) (blocks), " (quoting), control characters.
// Characters above ASCII mean nothing to cmd.exe, which reads UTF-16.
bool IsPlainForCmd(wchar_t c)
{
    if (c >= 0x80)
        return true;
    if ((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9'))
        return true;
    return c != L'\0' && std::wcschr(L"\\:._-+@#$~[]{}", c) != nullptr;
}

bool IsPlainPath(const std::string& path)
{
    if (path.empty())
        return false;
    for (wchar_t c : WidenCp932(path))
        if (!IsPlainForCmd(c))
            return false;
    return true;
}

// The command line reaches cmd.exe only when each of its paths can.
bool ShellTakes(const ShellCommand& command)
{
    if (!IsPlainPath(command.program) || !IsPlainPath(command.input) || !IsPlainPath(command.output))
        return false;
    for (const std::string& argument : command.arguments)
        if (!IsPlainPath(argument))
            return false;
    return true;
}

bool IsFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool HasExtension(const std::wstring& path)
{
    const std::wstring::size_type name = path.find_last_of(L"\\/:");
    const std::wstring::size_type dot = path.rfind(L'.');
    return dot != std::wstring::npos && (name == std::wstring::npos || dot > name);
}

std::wstring SearchExecutable(const wchar_t* directories, const std::wstring& name)
{
    const DWORD size = SearchPathW(directories, name.c_str(), L".exe", 0, nullptr, nullptr);
    if (size == 0)
        return std::wstring();
    std::vector<wchar_t> found(size);
    if (SearchPathW(directories, name.c_str(), L".exe", size, found.data(), nullptr) == 0)
        return std::wstring();
    return found.data();
}

// The program file that cmd.exe would start for this word: a path as given,
// or with ".exe" when it names no extension; a bare name such as "sort" in
// the system directory first, then along PATH. Empty when there is none.
std::wstring ResolveProgram(const std::string& program)
{
    const std::wstring wide = WidenCp932(program);
    if (wide.empty())
        return std::wstring();
    if (wide.find_first_of(L"\\/:") != std::wstring::npos) {
        const std::wstring file = HasExtension(wide) ? wide : wide + L".exe";
        return IsFile(file) ? file : std::wstring();
    }
    wchar_t system[MAX_PATH];
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const std::wstring found = SearchExecutable(system, wide);
        if (!found.empty())
            return found;
    }
    const DWORD size = GetEnvironmentVariableW(L"PATH", nullptr, 0);
    if (size == 0)
        return std::wstring();
    std::vector<wchar_t> path(size);
    if (GetEnvironmentVariableW(L"PATH", path.data(), size) == 0)
        return std::wstring();
    return SearchExecutable(path.data(), wide);
}

// One argument as the C runtime's command-line parser reads it back.
std::wstring QuoteArgument(const std::wstring& argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped.
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    // Before the closing quote they are doubled as well.
    quoted.append(backslashes * 2, L'\\');
    quoted += L'"';
    return quoted;
}

HANDLE OpenInheritable(const std::wstring& path, DWORD access, DWORD share, DWORD disposition)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(path.c_str(), access, share, &inherit, disposition, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// The program started by this process, no shell between: the command line
// it gets is only its own name and arguments, and its standard input and
// output are files this process opened, the way cmd.exe's < and > open them.
int RunDirectly(const std::wstring& program, const ShellCommand& command)
{
    const UniqueHandle input(OpenInheritable(WidenCp932(command.input), GENERIC_READ,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING));
    if (!input.IsOpen())
        return kRedirectionFailed;
    const UniqueHandle output(OpenInheritable(WidenCp932(command.output), GENERIC_WRITE,
                                              FILE_SHARE_READ, CREATE_ALWAYS));
    if (!output.IsOpen())
        return kRedirectionFailed;
    // A program's complaints on standard error have nowhere to show in a
    // dialog program; cmd.exe would show them in a console window.
    const UniqueHandle error(OpenInheritable(L"NUL", GENERIC_WRITE,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING));

    std::wstring line = QuoteArgument(program);
    for (const std::string& argument : command.arguments)
        line += L" " + QuoteArgument(WidenCp932(argument));

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.Get();
    startup.hStdOutput = output.Get();
    startup.hStdError = error.IsOpen() ? error.Get() : output.Get();
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), &line[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &process))
        return kNotFound;
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

}  // namespace

std::string ShellQuote(const std::string& path)
{
    return IsPlainPath(path) ? path : "\"" + path + "\"";
}

int RunShellCommand(const std::string& command)
{
    // The line is code page 932 like every value; cmd.exe reads UTF-16, so
    // the locale's ANSI code page never touches it.
    return _wsystem(WidenCp932(command).c_str());
}

int RunCommand(const ShellCommand& command)
{
    const std::wstring program = ResolveProgram(command.program);
    if (program.empty())
        return kNotFound;
    if (ShellTakes(command))
        return RunShellCommand(command.line);
    return RunDirectly(program, command);
}
