#pragma once

#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>
#include <string_view>

// Text-mode line input: a CR LF pair reads as one LF, a 0x1A byte ends the
// input, and lines are handed out without their LF as views into the read
// buffer, valid until the next call. Input is read in large blocks.
//
// A line of any length streams through in bounded memory. nextLine() hands
// out the line's head: the whole line when it holds at most kLineHead bytes,
// else exactly its first kLineHead bytes. continueLine() then hands out the
// rest, piece by piece; whatever is not read on is skipped by the next
// nextLine(). What is handed out depends only on the input's bytes, never
// on how they arrive (a file, a pipe, any size of read).
class LineReader {
public:
    static constexpr std::size_t kBlockSize = 64 * 1024;
    static constexpr std::size_t kLineHead = 64 * 1024;

    // Delivers at most `size` bytes into `buffer`; 0 at the end of the input.
    using Source = std::function<std::size_t(char* buffer, std::size_t size)>;

    // Reads from an open file descriptor, which it does not own.
    explicit LineReader(int fd);
    // Reads from bytes in memory, which must outlive the reader.
    explicit LineReader(std::string_view bytes);
    explicit LineReader(Source source);

    // The next byte without consuming it; -1 at end of input.
    int peek();
    // The head of the next line; false when no line is left.
    bool nextLine(std::string_view& line)
    {
        // The usual line: whole in the buffer, its LF with it.
        if (lineComplete_) {
            const char* start = buffer_.get() + begin_;
            const void* lf = std::memchr(start, '\n', end_ - begin_);
            if (lf) {
                const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
                const std::size_t length = lengthTo(begin_ + end);
                if (length <= kLineHead) {
                    line = std::string_view(start, length);
                    begin_ += end + 1;
                    return true;
                }
            }
        }
        return readLine(line);
    }
    // True once the current line has been handed out to its end.
    bool lineComplete() const { return lineComplete_; }
    // Reads on in a line that is not complete: drops the first `used` bytes
    // of the piece handed out last and returns the rest of it followed by the
    // line's next bytes. A piece that is not the line's last never ends in a
    // CR: that CR may still turn out to be part of a CR LF.
    std::string_view continueLine(std::size_t used);

private:
    bool readLine(std::string_view& line);
    bool refill();
    bool findLineFeed(std::size_t from, std::size_t& lf) const;
    // Bytes from the current line's start to the LF at `lf`, which ends it.
    std::size_t lengthTo(std::size_t lf) const
    {
        const std::size_t length = lf - begin_;
        return length > 0 && buffer_[lf - 1] == '\r' ? length - 1 : length;  // CR LF reads as LF
    }
    std::string_view handOut(std::size_t lf);
    void skipLineRest();

    Source source_;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;    // start of the current line's bytes not yet dropped
    std::size_t end_ = 0;
    std::size_t viewEnd_ = 0;  // end of the piece handed out last of a line that goes on
    bool lineComplete_ = true;
    bool atEnd_ = false;
};
