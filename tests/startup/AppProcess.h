#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>

// One run of a program under test, started in a directory of its choice
// with a few environment variables set; killed if a test leaves it running.
class AppProcess {
public:
    AppProcess(const std::string& program, const std::string& directory,
               const std::map<std::string, std::string>& environment);
    ~AppProcess();
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    bool Started() const { return m_pid > 0; }
    // The exit status once the program has ended within the time; nothing
    // while it still runs (or when it died from a signal: -signal then).
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(20));
    bool HasEnded();

private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
};
