#pragma once

#include <string>
#include <sys/types.h>

// An X server of the test's own (Xvfb on a free display), so that keys,
// focus and stacking are not disturbed by other tests running at the same
// time. Optionally with a window manager, for minimising and restoring.
class PrivateXServer {
public:
    PrivateXServer();
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    bool IsRunning() const { return m_server > 0; }
    const std::string& DisplayName() const { return m_strDisplay; }

    // Starts twm on this server with the given configuration file.
    bool StartWindowManager(const std::string& configFile);

private:
    pid_t m_server = -1;
    pid_t m_windowManager = -1;
    std::string m_strDisplay;
};
