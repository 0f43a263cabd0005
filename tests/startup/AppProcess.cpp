#include "AppProcess.h"

#include "XSession.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A wait status as AppProcess reports it: the exit code, or -signal.
int ExitStatus(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

}  // namespace

AppProcess::AppProcess(const std::string& program, const std::string& directory,
                       const std::map<std::string, std::string>& environment,
                       const Options& options)
{
    m_pid = fork();
    if (m_pid == 0) {
        for (const auto& [name, value] : environment)
            setenv(name.c_str(), value.c_str(), 1);
        if (chdir(directory.c_str()) != 0)
            _exit(126);
        if (!options.stderrFile.empty()) {
            const int fd = open(options.stderrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (fd < 0 || dup2(fd, STDERR_FILENO) < 0)
                _exit(126);
            close(fd);
        }
        if (options.fileSizeLimit) {
            // An ignored signal stays ignored across exec.
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{*options.fileSizeLimit, *options.fileSizeLimit};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
                _exit(126);
        }
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

AppProcess::~AppProcess()
{
    Kill();
}

bool AppProcess::HasEnded()
{
    if (m_status)
        return true;
    int status = 0;
    if (m_pid <= 0 || waitpid(m_pid, &status, WNOHANG) != m_pid)
        return false;
    m_status = ExitStatus(status);
    return true;
}

std::optional<int> AppProcess::WaitForExit(std::chrono::milliseconds timeout)
{
    WaitUntil([this] { return HasEnded(); }, timeout);
    return m_status;
}

bool AppProcess::WaitForStop(std::chrono::milliseconds timeout)
{
    return WaitUntil([this] {
        int status = 0;
        if (!m_bStopped && !m_status && waitpid(m_pid, &status, WNOHANG | WUNTRACED) == m_pid) {
            if (WIFSTOPPED(status))
                m_bStopped = true;
            else
                m_status = ExitStatus(status);
        }
        return m_bStopped || m_status.has_value();
    }, timeout) && m_bStopped;
}

void AppProcess::Kill()
{
    if (m_pid <= 0 || m_status)
        return;
    kill(m_pid, SIGKILL);
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_status = ExitStatus(status);
}
