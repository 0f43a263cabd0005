#include "AppProcess.h"

#include "XSession.h"

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

AppProcess::AppProcess(const std::string& program, const std::string& directory,
                       const std::map<std::string, std::string>& environment)
{
    m_pid = fork();
    if (m_pid == 0) {
        for (const auto& [name, value] : environment)
            setenv(name.c_str(), value.c_str(), 1);
        if (chdir(directory.c_str()) != 0)
            _exit(126);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

AppProcess::~AppProcess()
{
    if (m_pid > 0 && !m_status) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

bool AppProcess::HasEnded()
{
    if (m_status)
        return true;
    int status = 0;
    if (m_pid <= 0 || waitpid(m_pid, &status, WNOHANG) != m_pid)
        return false;
    m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    return true;
}

std::optional<int> AppProcess::WaitForExit(std::chrono::milliseconds timeout)
{
    WaitUntil([this] { return HasEnded(); }, timeout);
    return m_status;
}
