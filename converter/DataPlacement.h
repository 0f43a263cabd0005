#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

class DumpConverter;

// The working data of one conversion and the steps that store one data
// record, shared by the S-record and Intel HEX conversions: bytes go into
// the 1024-cell image ring by address, and each 16-byte block is written
// the moment the record leaves it.
class DataPlacement {
public:
    explicit DataPlacement(DumpConverter& dump);

    // Stores the data pairs of `line` from `dataStart` on at `recordAddress`,
    // which ends up behind the last byte stored.
    void placeRecord(std::uint32_t& recordAddress, std::string_view line, std::size_t dataStart);

    // Completes and writes the pending line; the next address moves to the
    // following block (termination records).
    void flushPending();
    // The flush of an address record: the next data record starts afresh.
    void restartAfterAddressRecord();
    // End of input: writes the pending line if it holds anything.
    void finish();

    bool firstRecord() const { return firstRecord_; }
    std::uint32_t nextAddress() const { return nextAddress_; }

private:
    void fillUpTo(std::uint32_t from, std::uint32_t to);
    void writeBlock(std::uint32_t blockAddress);

    DumpConverter& dump_;
    std::vector<std::int32_t> ring_;
    std::vector<std::int32_t> line_;
    bool firstRecord_ = true;
    std::uint32_t nextAddress_ = 0;
};
