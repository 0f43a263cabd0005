#include "LineReader.h"

#include "SystemFile.h"

#include <cstring>

namespace {
constexpr std::size_t kCapacity = LineReader::kMaxLine + LineReader::kBlockSize;
constexpr char kEndOfText = 0x1A;
}

LineReader::LineReader(int fd)
    : fd_(fd), buffer_(new char[kCapacity])
{
}

LineReader::LineReader(std::string_view bytes)
    : memory_(bytes), fromMemory_(true), buffer_(new char[kCapacity])
{
}

int LineReader::peek()
{
    if (begin_ == end_ && !refill())
        return -1;
    return static_cast<unsigned char>(buffer_[begin_]);
}

// Moves what is left to the front and reads one more block behind it.
bool LineReader::refill()
{
    if (atEnd_)
        return false;
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    std::size_t room = kCapacity - end_;
    std::size_t got;
    if (fromMemory_) {
        got = memory_.size() < room ? memory_.size() : room;
        std::memcpy(buffer_.get() + end_, memory_.data(), got);
        memory_.remove_prefix(got);
    } else {
        got = SystemFile::readSome(fd_, buffer_.get() + end_, room);
    }
    if (got == 0) {
        atEnd_ = true;
        return false;
    }
    const void* stop = std::memchr(buffer_.get() + end_, kEndOfText, got);
    if (stop) {
        got = static_cast<std::size_t>(static_cast<const char*>(stop) - (buffer_.get() + end_));
        atEnd_ = true;
    }
    end_ += got;
    return got > 0;
}

void LineReader::dropLineRest()
{
    while (droppingRest_) {
        const void* lf = std::memchr(buffer_.get() + begin_, '\n', end_ - begin_);
        if (lf) {
            begin_ = static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.get()) + 1;
            droppingRest_ = false;
        } else {
            begin_ = end_;
            if (!refill())
                droppingRest_ = false;
        }
    }
}

bool LineReader::nextLine(std::string_view& line)
{
    dropLineRest();
    std::size_t scanned = begin_;
    for (;;) {
        char* base = buffer_.get();
        const void* found = std::memchr(base + scanned, '\n', end_ - scanned);
        if (found) {
            std::size_t lf = static_cast<std::size_t>(static_cast<const char*>(found) - base);
            std::size_t length = lf - begin_;
            if (length > 0 && base[lf - 1] == '\r')
                --length;  // CR LF reads as LF
            line = std::string_view(base + begin_, length);
            begin_ = lf + 1;
            return true;
        }
        std::size_t have = end_ - begin_;
        if (have >= kMaxLine) {
            line = std::string_view(base + begin_, kMaxLine);
            begin_ += kMaxLine;
            droppingRest_ = true;
            return true;
        }
        if (!refill()) {
            if (end_ == begin_)
                return false;
            // A last line without LF.
            line = std::string_view(buffer_.get() + begin_, end_ - begin_);
            begin_ = end_;
            return true;
        }
        scanned = begin_ + have;  // the bytes before it hold no LF
    }
}
