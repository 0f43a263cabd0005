#include "OutputChannel.h"

#include "SystemFile.h"

#include <cstring>

OutputChannel::OutputChannel(int fd)
    : fd_(fd), buffer_(new char[kBufferSize])
{
}

OutputChannel::OutputChannel(std::string& capture)
    : capture_(&capture), buffer_(new char[kBufferSize])
{
}

OutputChannel::~OutputChannel()
{
    flush();
}

void OutputChannel::writeText(std::string_view text)
{
    while (!text.empty()) {
        const void* lf = std::memchr(text.data(), '\n', text.size());
        if (!lf) {
            put(text.data(), text.size());
            return;
        }
        std::size_t run = static_cast<std::size_t>(static_cast<const char*>(lf) - text.data());
        put(text.data(), run);
        put("\r\n", 2);
        text.remove_prefix(run + 1);
    }
}

void OutputChannel::put(const char* data, std::size_t size)
{
    if (size == 0)
        return;
    if (used_ + size > kBufferSize) {
        flush();
        if (size > kBufferSize) {
            emit(data, size);
            return;
        }
    }
    std::memcpy(buffer_.get() + used_, data, size);
    used_ += size;
}

void OutputChannel::flush()
{
    emit(buffer_.get(), used_);
    used_ = 0;
}

void OutputChannel::emit(const char* data, std::size_t size)
{
    if (size == 0 || failed_)
        return;
    if (capture_)
        capture_->append(data, size);
    else if (!SystemFile::writeAll(fd_, data, size))
        failed_ = true;
}
