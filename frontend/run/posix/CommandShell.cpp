#include "CommandShell.h"

#include <cstdlib>
#include <cstring>

#include <sys/wait.h>

namespace {

bool IsSafeByte(char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    // Left out: '~' (tilde expansion at the start of a word), '=' (a first
    // word like a=b/trelk_conv would be an assignment, not a command), and
    // every byte above 0x7F: a multibyte name is quoted like any other.
    return c != '\0' && std::strchr("_./+-,:@%", c) != nullptr;
}

}  // namespace

std::string ShellQuote(const std::string& path)
{
    bool bare = !path.empty();
    for (char c : path)
        bare = bare && IsSafeByte(c);
    if (bare)
        return path;

    std::string quoted = "'";
    for (char c : path) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    quoted += '\'';
    return quoted;
}

int RunShellCommand(const std::string& command)
{
    // A prefix assignment reaches the one command only; the front end's own
    // environment is left alone.
    const std::string line = "LC_ALL=C " + command;
    const int status = std::system(line.c_str());
    if (status == -1)
        return -1;
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return -1;
}

// /bin/sh takes every path safely once quoted.
int RunCommand(const ShellCommand& command)
{
    return RunShellCommand(command.line);
}
