#include "LineReader.h"

#include "SystemFile.h"

#include <cstring>

namespace {

constexpr std::size_t kCapacity = LineReader::kLineHead + LineReader::kBlockSize;
constexpr char kEndOfText = 0x1A;
// Whether a line fits its head shows two bytes after the head: the first of
// them may be the CR of the line's CR LF.
constexpr std::size_t kHeadDecided = LineReader::kLineHead + 2;
static_assert(kHeadDecided < kCapacity, "a head is decided with room left to read");

}  // namespace

LineReader::LineReader(int fd)
    : LineReader(Source([fd](char* buffer, std::size_t size) { return SystemFile::readSome(fd, buffer, size); }))
{
}

LineReader::LineReader(std::string_view bytes)
    : LineReader(Source([bytes](char* buffer, std::size_t size) mutable {
          std::size_t got = bytes.size() < size ? bytes.size() : size;
          if (got > 0)
              std::memcpy(buffer, bytes.data(), got);
          bytes.remove_prefix(got);
          return got;
      }))
{
}

LineReader::LineReader(Source source)
    : source_(std::move(source)), buffer_(new char[kCapacity])
{
}

int LineReader::peek()
{
    if (begin_ == end_ && !refill())
        return -1;
    return static_cast<unsigned char>(buffer_[begin_]);
}

// Moves what is left to the front and reads behind it. Never called with a
// full buffer.
bool LineReader::refill()
{
    if (atEnd_)
        return false;
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    std::size_t got = source_(buffer_.get() + end_, kCapacity - end_);
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

bool LineReader::findLineFeed(std::size_t from, std::size_t& lf) const
{
    const void* found = std::memchr(buffer_.get() + from, '\n', end_ - from);
    if (!found)
        return false;
    lf = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.get());
    return true;
}

// The current line ends at the LF at `lf`: hands out its bytes up to there.
std::string_view LineReader::handOut(std::size_t lf)
{
    const std::string_view rest(buffer_.get() + begin_, lengthTo(lf));
    begin_ = lf + 1;
    lineComplete_ = true;
    return rest;
}

// Any line: one longer than its head, one that needs more input, the rest
// of a long line to skip first.
bool LineReader::readLine(std::string_view& line)
{
    if (!lineComplete_)
        skipLineRest();
    std::size_t scanned = begin_;
    for (;;) {
        std::size_t lf;
        if (findLineFeed(scanned, lf)) {
            const std::size_t length = lengthTo(lf);
            if (length > kLineHead)
                break;
            line = std::string_view(buffer_.get() + begin_, length);
            begin_ = lf + 1;
            return true;
        }
        const std::size_t have = end_ - begin_;
        if (have >= kHeadDecided)
            break;
        if (!refill()) {
            if (have == 0)
                return false;
            if (have > kLineHead)
                break;
            // A last line without LF; a CR at its end stays.
            line = std::string_view(buffer_.get() + begin_, have);
            begin_ = end_;
            return true;
        }
        scanned = begin_ + have;  // the bytes before it hold no LF
    }
    // Longer than its head: the rest comes through continueLine().
    line = std::string_view(buffer_.get() + begin_, kLineHead);
    viewEnd_ = begin_ + kLineHead;
    lineComplete_ = false;
    return true;
}

std::string_view LineReader::continueLine(std::size_t used)
{
    begin_ += used;
    std::size_t scanned = viewEnd_;  // the piece handed out holds no LF
    for (;;) {
        std::size_t lf;
        if (findLineFeed(scanned, lf))
            return handOut(lf);
        const std::size_t have = end_ - begin_;
        if (begin_ == 0 && end_ == kCapacity) {
            // A full buffer of the line: handed out but for a last CR.
            const std::size_t size = buffer_[end_ - 1] == '\r' ? have - 1 : have;
            viewEnd_ = size;
            return std::string_view(buffer_.get(), size);
        }
        if (!refill()) {
            // A last line without LF; a CR at its end stays.
            const std::string_view rest(buffer_.get() + begin_, have);
            begin_ = end_;
            lineComplete_ = true;
            return rest;
        }
        scanned = begin_ + have;
    }
}

// Drops what was not read of a line longer than its head, up to its LF.
void LineReader::skipLineRest()
{
    std::size_t scanned = viewEnd_;
    for (;;) {
        std::size_t lf;
        if (findLineFeed(scanned, lf)) {
            begin_ = lf + 1;
            break;
        }
        begin_ = end_;
        if (!refill())
            break;
        scanned = begin_;
    }
    lineComplete_ = true;
}
