#include "RecordWriter.h"

void RecordWriter::startLine(const char* leadIn)
{
    line_.assign(leadIn);  // keeps its capacity: no allocation per record
    sum_ = 0;
}

void RecordWriter::putByte(uint8_t value)
{
    static const char kDigits[] = "0123456789ABCDEF";
    line_.push_back(kDigits[value >> 4]);
    line_.push_back(kDigits[value & 0xF]);
    sum_ = static_cast<uint8_t>(sum_ + value);
}

void RecordWriter::putWord(uint16_t value)
{
    putByte(static_cast<uint8_t>(value >> 8));
    putByte(static_cast<uint8_t>(value));
}

void RecordWriter::putLong(uint32_t value)
{
    putWord(static_cast<uint16_t>(value >> 16));
    putWord(static_cast<uint16_t>(value));
}

void RecordWriter::finishLine()
{
    line_.push_back('\n');
    std::fwrite(line_.data(), 1, line_.size(), out_);
    bytesWritten_ += line_.size();
}
