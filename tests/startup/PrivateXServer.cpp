#include "PrivateXServer.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void Stop(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

}  // namespace

PrivateXServer::PrivateXServer()
{
    int channel[2];
    if (pipe2(channel, O_CLOEXEC) != 0)
        return;
    pid_t pid = fork();
    if (pid == 0) {
        // The server writes the display number it chose to this descriptor.
        int displayFd = dup(channel[1]);
        std::string fd = std::to_string(displayFd);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp",
               "-screen", "0", "1024x768x24", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(channel[1]);
    std::string number;
    pollfd ready{channel[0], POLLIN, 0};
    char byte;
    while (pid > 0 && poll(&ready, 1, 20000) > 0 && read(channel[0], &byte, 1) == 1 && byte != '\n')
        number += byte;
    close(channel[0]);
    if (pid <= 0 || number.empty()) {
        Stop(pid);
        return;
    }
    m_server = pid;
    m_strDisplay = ":" + number;
}

PrivateXServer::~PrivateXServer()
{
    Stop(m_windowManager);
    Stop(m_server);
}

bool PrivateXServer::StartWindowManager(const std::string& configFile)
{
    pid_t pid = fork();
    if (pid == 0) {
        // In the C locale twm draws with single-byte fonts, which the
        // server's built-in "fixed" provides: no core X font package needed.
        setenv("LC_ALL", "C", 1);
        execlp("twm", "twm", "-display", m_strDisplay.c_str(), "-f", configFile.c_str(),
               static_cast<char*>(nullptr));
        _exit(127);
    }
    m_windowManager = pid;
    return pid > 0;
}
