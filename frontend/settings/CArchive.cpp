#include "CArchive.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "CArchiveException.h"
#include "CFile.h"

namespace {

constexpr std::uint8_t kLongLength = 0xFF;     // the one-byte prefix that says "more follows"
constexpr std::uint16_t kWideMark = 0xFFFE;    // reserved for wide text; never a length here
constexpr std::uint16_t kDwordLength = 0xFFFF; // a 32-bit length follows

}  // namespace

CArchive::CArchive(CFile& file, Mode mode) : m_file(file), m_mode(mode) {}

CArchive::~CArchive()
{
    try {
        Close();
    } catch (const CArchiveException&) {
        // A destructor must not throw; Close() reports to those who ask.
    }
}

void CArchive::Close()
{
    if (m_bClosed)
        return;
    // Marked first: a failed flush must not be retried by the destructor.
    m_bClosed = true;
    Flush();
}

void CArchive::Flush()
{
    if (!IsStoring() || m_nCur == 0)
        return;
    const std::size_t count = m_nCur;
    // Dropped even on failure: writing them again would duplicate a part
    // the system may already have taken.
    m_nCur = 0;
    if (!m_file.Write(m_buffer.data(), count))
        throw CArchiveException(CArchiveException::writeFailed);
}

void CArchive::FillBuffer(std::size_t needed)
{
    RequireMode(load);
    needed = std::min(needed, kBufferSize);
    if (m_nEnd - m_nCur >= needed)
        return;
    std::memmove(m_buffer.data(), m_buffer.data() + m_nCur, m_nEnd - m_nCur);
    m_nEnd -= m_nCur;
    m_nCur = 0;
    while (m_nEnd < needed) {
        const std::size_t got = m_file.Read(m_buffer.data() + m_nEnd, kBufferSize - m_nEnd);
        if (got == 0)
            throw CArchiveException(m_file.IsError() ? CArchiveException::readFailed
                                                     : CArchiveException::endOfFile);
        m_nEnd += got;
    }
}

void CArchive::WriteBytes(const char* bytes, std::size_t count)
{
    RequireMode(store);
    while (count > 0) {
        if (m_nCur == kBufferSize)
            Flush();
        const std::size_t step = std::min(count, kBufferSize - m_nCur);
        std::memcpy(m_buffer.data() + m_nCur, bytes, step);
        m_nCur += step;
        bytes += step;
        count -= step;
    }
}

void CArchive::ReadBytes(char* bytes, std::size_t count)
{
    RequireMode(load);
    while (count > 0) {
        if (m_nCur == m_nEnd)
            FillBuffer(1);
        const std::size_t step = std::min(count, m_nEnd - m_nCur);
        std::memcpy(bytes, m_buffer.data() + m_nCur, step);
        m_nCur += step;
        bytes += step;
        count -= step;
    }
}

// Numbers move in place: the buffer is flushed or refilled first when the
// whole number does not fit, so it never straddles two transfers.
void CArchive::WriteNumber(std::uint32_t value, std::size_t width)
{
    RequireMode(store);
    if (kBufferSize - m_nCur < width)
        Flush();
    for (std::size_t i = 0; i < width; ++i)
        m_buffer[m_nCur++] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t CArchive::ReadNumber(std::size_t width)
{
    FillBuffer(width);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value |= std::uint32_t(static_cast<unsigned char>(m_buffer[m_nCur++])) << (8 * i);
    return value;
}

CArchive& CArchive::operator<<(std::int32_t number)
{
    WriteNumber(static_cast<std::uint32_t>(number), 4);
    return *this;
}

CArchive& CArchive::operator>>(std::int32_t& number)
{
    number = static_cast<std::int32_t>(ReadNumber(4));
    return *this;
}

CArchive& CArchive::operator<<(const std::string& text)
{
    const std::size_t n = text.size();
    if (n < kLongLength) {
        WriteNumber(static_cast<std::uint32_t>(n), 1);
    } else if (n < kWideMark) {
        WriteNumber(kLongLength, 1);
        WriteNumber(static_cast<std::uint32_t>(n), 2);
    } else if (n <= std::numeric_limits<std::uint32_t>::max()) {
        WriteNumber(kLongLength, 1);
        WriteNumber(kDwordLength, 2);
        WriteNumber(static_cast<std::uint32_t>(n), 4);
    } else {
        throw CArchiveException(CArchiveException::badIndex);
    }
    WriteBytes(text.data(), n);
    return *this;
}

std::uint32_t CArchive::ReadLength()
{
    const std::uint32_t b = ReadNumber(1);
    if (b < kLongLength)
        return b;
    const std::uint32_t w = ReadNumber(2);
    if (w == kWideMark)
        throw CArchiveException(CArchiveException::badIndex);
    if (w == kDwordLength)
        return ReadNumber(4);
    return w;  // even below 255, which the writer never produces
}

// Buffered bytes plus what the file still holds; the maximum when the file
// cannot tell its length.
std::uint64_t CArchive::BytesLeft()
{
    const std::uint64_t buffered = m_nEnd - m_nCur;
    const std::int64_t length = m_file.GetLength();
    const std::int64_t position = m_file.GetPosition();
    if (length < 0 || position < 0)
        return std::numeric_limits<std::uint64_t>::max();
    return buffered + static_cast<std::uint64_t>(std::max<std::int64_t>(length - position, 0));
}

CArchive& CArchive::operator>>(std::string& text)
{
    RequireMode(load);
    const std::uint32_t n = ReadLength();
    // A damaged length must fail before it can ask for memory the file
    // could never fill.
    if (n > m_nEnd - m_nCur && n > BytesLeft())
        throw CArchiveException(CArchiveException::endOfFile);
    std::string bytes;
    if (n > bytes.max_size())
        throw CArchiveException(CArchiveException::endOfFile);
    // Grown with the data actually read, so that a file which cannot tell its
    // length still gets no more memory than it delivers.
    while (bytes.size() < n) {
        const std::size_t old = bytes.size();
        const std::size_t step = std::min<std::size_t>(n - old, kBufferSize);
        bytes.resize(old + step);
        ReadBytes(&bytes[old], step);
    }
    text.swap(bytes);
    return *this;
}

void CArchive::RequireMode(Mode mode) const
{
    if (m_mode != mode)
        throw CArchiveException(mode == store ? CArchiveException::readOnly
                                              : CArchiveException::writeOnly);
}
