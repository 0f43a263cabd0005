#include "ReplacingFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FollowLinks(const std::string& path)
{
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string DirectoryOf(const std::string& path)
{
    const std::string::size_type slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The rename itself must reach the disk too, or a power cut could bring
// the old name back. Best effort: not every file system can sync a
// directory, and the new content is in place either way.
void SyncDirectory(const std::string& directory)
{
    const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

}  // namespace

bool ReplacingFile::Open()
{
    // Whether the file takes writing is asked of the file itself, without
    // emptying it: a directory or a file without write access is "cannot be
    // opened", as it was when the file was emptied and written in place.
    // Non-blocking, so that a pipe without a reader fails instead of
    // hanging the program.
    struct stat old {};
    bool existed = false;
    const int probe = open(m_strPath.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (probe >= 0) {
        const bool known = fstat(probe, &old) == 0;
        close(probe);
        if (!known)
            return false;
        if (!S_ISREG(old.st_mode))
            return m_file.Open(m_strPath, CFile::modeCreate | CFile::modeWrite);
        existed = true;
    } else if (errno != ENOENT) {
        return false;
    }

    m_strTarget = existed ? FollowLinks(m_strPath) : m_strPath;
    m_strTemp = m_strTarget + ".tmp";
    if (!CreateTemporary()) {
        m_strTemp.clear();
        return false;
    }
    // The new file keeps the old one's permissions.
    if (existed)
        chmod(m_strTemp.c_str(), old.st_mode & 07777);
    return true;
}

// Only one save per user name runs at a time (the per-user lock), so a
// temporary file that is already there was left by a save that was killed:
// it goes, and a new one is made.
bool ReplacingFile::CreateTemporary()
{
    if (m_file.Open(m_strTemp, CFile::modeCreateNew | CFile::modeWrite))
        return true;
    if (errno != EEXIST || unlink(m_strTemp.c_str()) != 0)
        return false;
    return m_file.Open(m_strTemp, CFile::modeCreateNew | CFile::modeWrite);
}

bool ReplacingFile::Commit()
{
    if (m_strTemp.empty())
        return m_file.Close();
    if (!m_file.Sync() || !m_file.Close() || rename(m_strTemp.c_str(), m_strTarget.c_str()) != 0) {
        Discard();
        return false;
    }
    m_strTemp.clear();
    SyncDirectory(DirectoryOf(m_strTarget));
    return true;
}

void ReplacingFile::Discard()
{
    m_file.Close();
    if (!m_strTemp.empty()) {
        unlink(m_strTemp.c_str());
        m_strTemp.clear();
    }
}
