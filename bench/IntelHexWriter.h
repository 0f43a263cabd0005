#pragma once

#include "RecordWriter.h"

// Intel HEX with 32-bit addresses: an extended linear address record (04)
// wherever the upper 16 address bits change, 16-bit offset data records (00)
// and an end-of-file record (01).
class IntelHexWriter : public RecordWriter {
public:
    using RecordWriter::RecordWriter;

    void begin() override {}
    void data(uint32_t address, const uint8_t* bytes, std::size_t count) override;
    void end(uint32_t startAddress) override;

private:
    void putRecordHead(uint8_t count, uint16_t offset, uint8_t type);
    // Two's complement of the sum of every byte after the colon.
    void putChecksum();
    void putLinearAddress(uint16_t upper);

    bool haveUpper_ = false;
    uint16_t upper_ = 0;
};
