#pragma once

#include <functional>
#include <string>
#include <sys/types.h>

// How a second start finds the running main dialog of the same account: a
// Unix-domain socket in the account's private runtime directory, served
// while the main dialog is open. Nobody else can reach it (the directory is
// the account's alone, and both ends check the peer's uid); a socket file
// left behind by a crash answers nobody and is replaced by the next serve.
class SingleInstance {
public:
    // Asks a running instance to bring its dialog forward. True when one was
    // reached; it has then been asked, and this start should end.
    static bool SignalRunningInstance();

    // onRequest runs on the user-interface thread for each request.
    explicit SingleInstance(std::function<void()> onRequest);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Opens the endpoint and watches it from the main loop. False when that
    // cannot be done: no private runtime directory, or another instance
    // already serves it (two starts close together both got past the check).
    bool Serve();

    // Answers every request waiting on the endpoint; the main-loop watch
    // calls it, tests may call it directly.
    void AnswerPending();

    static std::string EndpointPath(const std::string& runtimeDirectory);

private:
    void StopServing();

    std::function<void()> m_onRequest;
    std::string m_strPath;
    int m_fd = -1;
    unsigned m_watch = 0;
    dev_t m_device = 0;
    ino_t m_inode = 0;
};
