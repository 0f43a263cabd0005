#pragma once

#include "LineReader.h"

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
    // `input` holds the lines whose records are placed.
    DataPlacement(DumpConverter& dump, LineReader& input);

    // Stores the data pairs of the current input line from `dataStart` on at
    // `recordAddress`, which ends up behind the last byte stored. `line` is
    // the line's head; a longer line is read on in `input` to its end.
    void placeRecord(std::uint32_t& recordAddress, std::string_view line, std::size_t dataStart)
    {
        placePairs(recordAddress, line, dataStart);
        // A line that goes on has a head of exactly kLineHead bytes: the
        // reader is asked only then.
        if (line.size() == LineReader::kLineHead && !input_.lineComplete())
            placeLineRest(recordAddress, line, dataStart);
    }

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
    static std::size_t pairCount(std::string_view piece, std::size_t dataStart);
    void placePairs(std::uint32_t& recordAddress, std::string_view piece, std::size_t dataStart);
    void placeLineRest(std::uint32_t& recordAddress, std::string_view head, std::size_t dataStart);
    void startRecord(std::uint32_t recordAddress);
    void storePairs(std::uint32_t& address, const char* pairs, std::size_t count);
    void fillUpTo(std::uint32_t from, std::uint32_t to);
    void writeBlock(std::uint32_t blockAddress);

    DumpConverter& dump_;
    LineReader& input_;
    std::vector<std::int32_t> ring_;
    std::vector<std::int32_t> line_;
    bool firstRecord_ = true;
    std::uint32_t nextAddress_ = 0;
};
