#include "SystemFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
#else
#include <csignal>
#include <unistd.h>
#endif

namespace SystemFile {

#ifdef _WIN32
using IoSize = unsigned int;

static std::wstring widen(const char* utf8)
{
    const int size = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, nullptr, 0);
    if (size <= 0)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, &wide[0], size);
    wide.resize(static_cast<std::size_t>(size) - 1);
    return wide;
}

static std::string narrow(const wchar_t* wide)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return std::string();
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, &utf8[0], size, nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(size) - 1);
    return utf8;
}

// A name that is no UTF-8 (bytes from a caller of our own) opens as it stands.
static int sysOpen(const char* path)
{
    const std::wstring wide = widen(path);
    if (wide.empty() && *path != '\0')
        return ::_open(path, _O_RDONLY | _O_BINARY);
    return ::_wopen(wide.c_str(), _O_RDONLY | _O_BINARY);
}
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

#ifdef _WIN32
std::vector<std::string> arguments(int argc, const wchar_t* const* argv)
{
    std::vector<std::string> result;
    for (int i = 0; i < argc; ++i)
        result.push_back(narrow(argv[i]));
    return result;
}
#endif

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
