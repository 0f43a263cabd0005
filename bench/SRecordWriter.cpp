#include "SRecordWriter.h"

#include <cstring>

void SRecordWriter::begin()
{
    static const char kHeader[] = "trelk bench";
    const std::size_t length = std::strlen(kHeader);
    startLine("S0");
    putByte(static_cast<uint8_t>(2 + length + 1));
    putWord(0);
    for (std::size_t i = 0; i < length; ++i)
        putByte(static_cast<uint8_t>(kHeader[i]));
    putChecksum();
    finishLine();
}

void SRecordWriter::data(uint32_t address, const uint8_t* bytes, std::size_t count)
{
    startLine("S3");
    putByte(static_cast<uint8_t>(4 + count + 1));
    putLong(address);
    for (std::size_t i = 0; i < count; ++i)
        putByte(bytes[i]);
    putChecksum();
    finishLine();
}

void SRecordWriter::end(uint32_t startAddress)
{
    startLine("S7");
    putByte(4 + 1);
    putLong(startAddress);
    putChecksum();
    finishLine();
}

void SRecordWriter::putChecksum()
{
    putByte(static_cast<uint8_t>(~byteSum()));
}
