#include "UserLock.h"

#include "RuntimeDirectory.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

UserLock::UserLock(const std::string& name)
{
    std::optional<std::string> directory = PrivateRuntimeDirectory();
    if (!directory)
        return;
    m_strPath = *directory + "/" + name;
    // Close-on-exec: the converter and the programs that open the output
    // must not inherit the lock file.
    m_fd = open(m_strPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
}

UserLock::~UserLock()
{
    if (m_fd >= 0)
        close(m_fd);
}

void UserLock::Lock()
{
    if (m_fd < 0)
        return;
    while (flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

void UserLock::Unlock()
{
    if (m_fd >= 0)
        flock(m_fd, LOCK_UN);
}
