#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// The one buffered output channel of the converter, in text mode: every LF
// written leaves as CR LF. Nothing is flushed per line; the buffer goes out
// when full and at flush() / destruction. After an output error the rest of
// the output is dropped and the conversion carries on.
class OutputChannel {
public:
    static constexpr std::size_t kBufferSize = 256 * 1024;

    // Writes to an open file descriptor, which it does not own.
    explicit OutputChannel(int fd);
    // Appends everything to `capture` (for tests).
    explicit OutputChannel(std::string& capture);
    ~OutputChannel();

    OutputChannel(const OutputChannel&) = delete;
    OutputChannel& operator=(const OutputChannel&) = delete;

    void writeText(std::string_view text);
    void flush();

    // Room for `size` bytes (at most kBufferSize) straight in the buffer, for
    // text that is already in output form: CR LF in place, nothing is
    // translated. Write there, then hand the end to commit().
    char* reserve(std::size_t size)
    {
        if (used_ + size > kBufferSize)
            flush();
        return buffer_.get() + used_;
    }
    void commit(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.get()); }

private:
    void put(const char* data, std::size_t size);
    void emit(const char* data, std::size_t size);

    int fd_ = -1;
    std::string* capture_ = nullptr;
    bool failed_ = false;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
};
