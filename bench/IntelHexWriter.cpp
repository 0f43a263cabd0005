#include "IntelHexWriter.h"

void IntelHexWriter::data(uint32_t address, const uint8_t* bytes, std::size_t count)
{
    // A record's 16-bit offset must not wrap: split at a 64 KiB boundary.
    const std::size_t room = 0x10000 - (address & 0xFFFF);
    if (count > room) {
        data(address, bytes, room);
        data(address + static_cast<uint32_t>(room), bytes + room, count - room);
        return;
    }
    const auto upper = static_cast<uint16_t>(address >> 16);
    if (!haveUpper_ || upper != upper_)
        putLinearAddress(upper);
    putRecordHead(static_cast<uint8_t>(count), static_cast<uint16_t>(address), 0x00);
    for (std::size_t i = 0; i < count; ++i)
        putByte(bytes[i]);
    putChecksum();
    finishLine();
}

void IntelHexWriter::end(uint32_t /*startAddress*/)
{
    putRecordHead(0, 0, 0x01);
    putChecksum();
    finishLine();
}

void IntelHexWriter::putRecordHead(uint8_t count, uint16_t offset, uint8_t type)
{
    startLine(":");
    putByte(count);
    putWord(offset);
    putByte(type);
}

void IntelHexWriter::putChecksum()
{
    putByte(static_cast<uint8_t>(-byteSum()));
}

void IntelHexWriter::putLinearAddress(uint16_t upper)
{
    putRecordHead(2, 0, 0x04);
    putWord(upper);
    putChecksum();
    finishLine();
    haveUpper_ = true;
    upper_ = upper;
}
