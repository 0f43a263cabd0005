#pragma once

#include "RecordWriter.h"

// Motorola S-records with 32-bit addresses: an S0 header, S3 data records and
// an S7 record with the start address.
class SRecordWriter : public RecordWriter {
public:
    using RecordWriter::RecordWriter;

    void begin() override;
    void data(uint32_t address, const uint8_t* bytes, std::size_t count) override;
    void end(uint32_t startAddress) override;

private:
    // The count byte covers address, data and checksum; the checksum is the
    // ones' complement of the sum of count, address and data bytes.
    void putChecksum();
};
