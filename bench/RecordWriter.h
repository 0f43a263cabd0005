#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Writes one load file, one text record per line, each with a correct byte
// count and checksum so that every peer tool accepts the file. Subclasses lay
// out the records of one format; this base does the hex digits and the output.
class RecordWriter {
public:
    explicit RecordWriter(std::FILE* out) : out_(out) {}
    virtual ~RecordWriter() = default;

    RecordWriter(const RecordWriter&) = delete;
    RecordWriter& operator=(const RecordWriter&) = delete;

    virtual void begin() = 0;
    virtual void data(uint32_t address, const uint8_t* bytes, std::size_t count) = 0;
    virtual void end(uint32_t startAddress) = 0;

    // Bytes written so far, line ends included.
    uint64_t bytesWritten() const { return bytesWritten_; }

protected:
    // A record line is assembled here: the lead-in text, then bytes as pairs
    // of upper-case hex digits, each added to the running byte sum.
    void startLine(const char* leadIn);
    void putByte(uint8_t value);
    void putWord(uint16_t value);  // high byte first
    void putLong(uint32_t value);  // high byte first
    uint8_t byteSum() const { return sum_; }
    void finishLine();  // appends the line feed and writes the line

private:
    std::FILE* out_;
    std::string line_;
    uint8_t sum_ = 0;
    uint64_t bytesWritten_ = 0;
};
