#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

// Text-mode line input: a CR LF pair reads as one LF, a 0x1A byte ends the
// input, and each line is handed out without its LF as a view into the read
// buffer, valid until the next call. Input is read in large blocks.
//
// A line is kept up to kMaxLine bytes; the rest of a longer line, up to its
// LF, is read and dropped, so memory stays bounded whatever the input.
class LineReader {
public:
    static constexpr std::size_t kBlockSize = 64 * 1024;
    static constexpr std::size_t kMaxLine = 64 * 1024;

    // Reads from an open file descriptor, which it does not own.
    explicit LineReader(int fd);
    // Reads from bytes in memory, which must outlive the reader.
    explicit LineReader(std::string_view bytes);

    // The next byte without consuming it; -1 at end of input.
    int peek();
    // False when no line is left.
    bool nextLine(std::string_view& line);

private:
    bool refill();
    void dropLineRest();

    int fd_ = -1;
    std::string_view memory_;
    bool fromMemory_ = false;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    bool droppingRest_ = false;
};
