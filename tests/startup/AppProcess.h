#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/types.h>

// One run of a program under test, started in a directory of its choice
// with a few environment variables set; killed if a test leaves it running.
class AppProcess {
public:
    // How the program is started beyond its directory and environment.
    struct Options {
        // Standard error goes to this file instead of the test's own.
        std::string stderrFile;
        // A file size limit (RLIMIT_FSIZE): writes past it fail with EFBIG,
        // as on a full disk (SIGXFSZ is ignored, so the program goes on).
        std::optional<rlim_t> fileSizeLimit;
    };

    AppProcess(const std::string& program, const std::string& directory,
               const std::map<std::string, std::string>& environment,
               const Options& options = {});
    ~AppProcess();
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    bool Started() const { return m_pid > 0; }
    // The exit status once the program has ended within the time; nothing
    // while it still runs (or when it died from a signal: -signal then).
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(20));
    bool HasEnded();
    // True once the program has stopped itself (SIGSTOP) within the time.
    bool WaitForStop(std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // SIGKILL, then waits for the end; the status is then -SIGKILL.
    void Kill();

private:
    pid_t m_pid = -1;
    std::optional<int> m_status;
    bool m_bStopped = false;
};
