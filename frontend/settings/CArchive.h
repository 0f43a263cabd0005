#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class CFile;

// Buffered transfer of the settings file's items over a file the caller has
// opened (and closes again after the archive is done with it):
//  - string item: a length prefix, then the text's bytes, no terminating zero.
//    n < 255: one byte n; n < 65534: FF + n as 16 bits; otherwise
//    FF FF FF + n as 32 bits. Lengths count bytes. All numbers little-endian.
//  - number item: a 32-bit signed integer, four bytes, low byte first.
// Every failure is thrown as CArchiveException.
class CArchive {
public:
    enum Mode { store = 0, load = 1 };
    static constexpr std::size_t kBufferSize = 4096;

    CArchive(CFile& file, Mode mode);
    // A storing archive writes out what is still buffered; errors are lost
    // here, so callers that care call Close() first.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    CArchive& operator<<(const std::string& text);
    CArchive& operator<<(std::int32_t number);
    CArchive& operator>>(std::string& text);
    CArchive& operator>>(std::int32_t& number);

    // Storing: hands the buffered bytes to the file. Loading: does nothing.
    void Flush();
    // Loading: makes at least `needed` (at most kBufferSize) bytes available
    // in the buffer, or throws endOfFile.
    void FillBuffer(std::size_t needed);
    // Ends the transfer; a storing archive flushes. The file stays open.
    void Close();

private:
    void WriteBytes(const char* bytes, std::size_t count);
    void ReadBytes(char* bytes, std::size_t count);
    void WriteNumber(std::uint32_t value, std::size_t width);
    std::uint32_t ReadNumber(std::size_t width);
    std::uint32_t ReadLength();
    std::uint64_t BytesLeft();
    void RequireMode(Mode mode) const;

    CFile& m_file;
    Mode m_mode;
    bool m_bClosed = false;
    std::array<char, kBufferSize> m_buffer{};
    std::size_t m_nCur = 0;  // next byte to hand out (load) or fill (store)
    std::size_t m_nEnd = 0;  // loading: end of the bytes read into the buffer
};
