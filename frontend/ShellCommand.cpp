#include "ShellCommand.h"

#include <cstdlib>

#include <sys/wait.h>

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
