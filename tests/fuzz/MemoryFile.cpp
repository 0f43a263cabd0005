#include "MemoryFile.h"

#include "Check.h"

#include <algorithm>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::size_t kKeptSize = 16 << 20;
}

MemoryFile::MemoryFile()
    : fd_(memfd_create("trelk_fuzz", MFD_CLOEXEC))
{
    check(fd_ >= 0, "memfd_create failed");
    path_ = "/proc/self/fd/" + std::to_string(fd_);
}

MemoryFile::~MemoryFile()
{
    close(fd_);
}

// Written over the old contents, then cut to size: the pages stay.
void MemoryFile::assign(std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t put = pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        check(put > 0, "pwrite failed");
        done += static_cast<std::size_t>(put);
    }
    check(ftruncate(fd_, static_cast<off_t>(bytes.size())) == 0, "ftruncate failed");
    rewind();
}

void MemoryFile::rewind()
{
    // Keeps a run of huge output from holding its memory for good.
    if (size() > kKeptSize)
        check(ftruncate(fd_, 0) == 0, "ftruncate failed");
    check(lseek(fd_, 0, SEEK_SET) == 0, "lseek failed");
}

std::size_t MemoryFile::written() const
{
    off_t at = lseek(fd_, 0, SEEK_CUR);
    check(at >= 0, "lseek failed");
    return static_cast<std::size_t>(at);
}

std::size_t MemoryFile::size() const
{
    struct stat info;
    check(fstat(fd_, &info) == 0, "fstat failed");
    return static_cast<std::size_t>(info.st_size);
}

std::string MemoryFile::contents(std::size_t limit) const
{
    std::string bytes(std::min(size(), limit), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t got = pread(fd_, &bytes[done], bytes.size() - done, static_cast<off_t>(done));
        check(got > 0, "pread failed");
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}
