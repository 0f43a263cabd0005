#include "SingleInstance.h"

#include "RuntimeDirectory.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <glib-unix.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// How long a second start waits for the running one to confirm; a running
// instance busy with a conversion does not answer until the run is over.
constexpr int kAnswerTimeoutMs = 1000;
constexpr char kAnswer = '1';

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() { if (m_fd >= 0) close(m_fd); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
    int Release() { int fd = m_fd; m_fd = -1; return fd; }
    void Reset(int fd) { if (m_fd >= 0) close(m_fd); m_fd = fd; }
private:
    int m_fd;
};

bool MakeAddress(const std::string& path, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool PeerIsOwnAccount(int fd)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == geteuid();
}

enum class Probe { Nobody, Answered, Busy };

// Connects to the endpoint if a live instance of this account serves it.
Probe ConnectTo(const std::string& path, FileDescriptor& connection)
{
    struct stat info{};
    if (lstat(path.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode) || info.st_uid != geteuid())
        return Probe::Nobody;
    sockaddr_un address;
    if (!MakeAddress(path, address))
        return Probe::Nobody;
    FileDescriptor fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.Get() < 0)
        return Probe::Nobody;
    if (connect(fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        // A full backlog means a live instance that is not answering just now.
        return errno == EAGAIN ? Probe::Busy : Probe::Nobody;
    if (!PeerIsOwnAccount(fd.Get()))
        return Probe::Nobody;
    connection.Reset(fd.Release());
    return Probe::Answered;
}

// Serialises the check-and-bind of Serve against the removal in StopServing,
// so that no process removes a socket that another one has just bound.
class EndpointGuard {
public:
    explicit EndpointGuard(const std::string& path)
        : m_fd(open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600))
    {
        if (m_fd.Get() >= 0)
            while (flock(m_fd.Get(), LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    bool Held() const { return m_fd.Get() >= 0; }
private:
    FileDescriptor m_fd;
};

gboolean OnEndpointReady(gint, GIOCondition, gpointer instance)
{
    static_cast<SingleInstance*>(instance)->AnswerPending();
    return G_SOURCE_CONTINUE;
}

}  // namespace

std::string SingleInstance::EndpointPath(const std::string& runtimeDirectory)
{
    return runtimeDirectory + "/Trelk_Dump.socket";
}

bool SingleInstance::SignalRunningInstance()
{
    std::optional<std::string> directory = PrivateRuntimeDirectory();
    if (!directory)
        return false;
    FileDescriptor connection;
    switch (ConnectTo(EndpointPath(*directory), connection)) {
    case Probe::Nobody:
        return false;
    case Probe::Busy:
        return true;
    case Probe::Answered:
        break;
    }
    pollfd answer{connection.Get(), POLLIN, 0};
    while (poll(&answer, 1, kAnswerTimeoutMs) < 0 && errno == EINTR) {
    }
    return true;
}

SingleInstance::SingleInstance(std::function<void()> onRequest) : m_onRequest(std::move(onRequest))
{
}

SingleInstance::~SingleInstance()
{
    StopServing();
}

bool SingleInstance::Serve()
{
    if (m_fd >= 0)
        return true;
    std::optional<std::string> directory = PrivateRuntimeDirectory();
    if (!directory)
        return false;
    std::string path = EndpointPath(*directory);
    sockaddr_un address;
    if (!MakeAddress(path, address))
        return false;

    EndpointGuard guard(path);
    if (!guard.Held())
        return false;
    FileDescriptor probe;
    if (ConnectTo(path, probe) != Probe::Nobody)
        return false;
    // Whatever is left at the path answers nobody: a crashed instance's socket.
    unlink(path.c_str());
    FileDescriptor fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.Get() < 0 || bind(fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        return false;
    struct stat info{};
    if (chmod(path.c_str(), 0600) != 0 || lstat(path.c_str(), &info) != 0 || listen(fd.Get(), 8) != 0) {
        unlink(path.c_str());
        return false;
    }
    m_strPath = path;
    m_device = info.st_dev;
    m_inode = info.st_ino;
    m_fd = fd.Release();
    m_watch = g_unix_fd_add(m_fd, G_IO_IN, OnEndpointReady, this);
    return true;
}

void SingleInstance::AnswerPending()
{
    if (m_fd < 0)
        return;
    for (;;) {
        FileDescriptor connection(accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
        if (connection.Get() < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (!PeerIsOwnAccount(connection.Get()))
            continue;
        if (m_onRequest)
            m_onRequest();
        send(connection.Get(), &kAnswer, 1, MSG_NOSIGNAL);
    }
}

void SingleInstance::StopServing()
{
    if (m_fd < 0)
        return;
    if (m_watch != 0)
        g_source_remove(m_watch);
    m_watch = 0;
    EndpointGuard guard(m_strPath);
    // Remove the socket only if it is still ours: a later instance may have
    // replaced it after this one stopped answering.
    struct stat info{};
    if (lstat(m_strPath.c_str(), &info) == 0 && info.st_dev == m_device && info.st_ino == m_inode)
        unlink(m_strPath.c_str());
    close(m_fd);
    m_fd = -1;
}
