#include "SystemFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#else
#include <csignal>
#include <unistd.h>
#endif

namespace SystemFile {

#ifdef _WIN32
using IoSize = unsigned int;
static int sysOpen(const char* path) { return ::_open(path, _O_RDONLY | _O_BINARY); }
static int sysRead(int fd, char* buf, IoSize n) { return ::_read(fd, buf, n); }
static int sysWrite(int fd, const char* buf, IoSize n) { return ::_write(fd, buf, n); }
static void sysClose(int fd) { ::_close(fd); }
#else
using IoSize = std::size_t;
static int sysOpen(const char* path) { return ::open(path, O_RDONLY | O_CLOEXEC); }
static long sysRead(int fd, char* buf, IoSize n) { return static_cast<long>(::read(fd, buf, n)); }
static long sysWrite(int fd, const char* buf, IoSize n) { return static_cast<long>(::write(fd, buf, n)); }
static void sysClose(int fd) { ::close(fd); }
#endif

// Keeps single calls well inside what every platform's call accepts.
constexpr std::size_t kMaxChunk = 1u << 30;

int openForReading(const char* path)
{
    int fd = sysOpen(path);
    if (fd < 0)
        return -1;
    struct stat info;
    if (fstat(fd, &info) != 0 || (info.st_mode & S_IFMT) == S_IFDIR) {
        sysClose(fd);
        return -1;
    }
    return fd;
}

void close(int fd)
{
    if (fd >= 0)
        sysClose(fd);
}

std::size_t readSome(int fd, char* buffer, std::size_t size)
{
    if (size > kMaxChunk)
        size = kMaxChunk;
    for (;;) {
        auto got = sysRead(fd, buffer, static_cast<IoSize>(size));
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            return 0;
    }
}

bool writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        std::size_t chunk = size < kMaxChunk ? size : kMaxChunk;
        auto put = sysWrite(fd, data, static_cast<IoSize>(chunk));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

void prepareStandardStreams()
{
#ifdef _WIN32
    // The runtime's own text mode would translate a second time.
    ::_setmode(kStandardInput, _O_BINARY);
    ::_setmode(kStandardOutput, _O_BINARY);
#else
    // A reader that goes away must not turn the exit status into a signal.
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

}  // namespace SystemFile
