#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// An anonymous file in memory that also has a path (/proc/self/fd/N), so
// that code which opens files by name, or reads and writes descriptors, runs
// on fuzz bytes without touching the disk or the real standard streams.
class MemoryFile {
public:
    MemoryFile();
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // Replaces the contents and rewinds the descriptor.
    void assign(std::string_view bytes);
    // Rewinds the descriptor before it is written anew; the old bytes stay
    // behind the new ones (cheaper than freeing and clearing pages each
    // time), so read back with contents(written()).
    void rewind();
    // Bytes written through the descriptor since the last rewind.
    std::size_t written() const;
    // At most `limit` bytes from the start.
    std::string contents(std::size_t limit = std::string::npos) const;
    std::size_t size() const;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }

private:
    int fd_;
    std::string path_;
};
