#include "DataPlacement.h"

#include "DumpConverter.h"
#include "HexScan.h"

#include <algorithm>

DataPlacement::DataPlacement(DumpConverter& dump)
    : dump_(dump),
      ring_(DumpConverter::kRingSize, dump.filler()),
      line_(DumpConverter::kLineSize, 0)
{
}

// Sets the cells from `from` up to, not including, `to`; both lie in one block.
void DataPlacement::fillUpTo(std::uint32_t from, std::uint32_t to)
{
    if (to > from)
        std::fill(ring_.begin() + (from & 0x3FF), ring_.begin() + (from & 0x3FF) + (to - from), dump_.filler());
}

void DataPlacement::writeBlock(std::uint32_t blockAddress)
{
    auto first = ring_.begin() + (blockAddress & 0x3F0);
    std::copy(first, first + DumpConverter::kLineSize, line_.begin());
    dump_.writeLine(blockAddress, line_);
}

void DataPlacement::placeRecord(std::uint32_t& recordAddress, std::string_view line, std::size_t dataStart)
{
    if (firstRecord_) {
        firstRecord_ = false;
        nextAddress_ = recordAddress & ~0xFu;
        // After an address record the ring may still hold bytes of another
        // address in these cells: the block starts with the filler value.
    } else {
        const std::uint32_t d = (recordAddress >> 4) - (nextAddress_ >> 4);
        if (d != 0) {
            dump_.flushPartialLine(nextAddress_, ring_, line_);
            if (d != 1)
                dump_.writeGapText();
            nextAddress_ = recordAddress & ~0xFu;
        }
    }
    // A record below the pending address inside the pending block fills
    // nothing: its bytes go over the earlier ones.
    fillUpTo(nextAddress_, recordAddress);

    // Each block is written as soon as the record leaves it, so a record of
    // any length stays within the ring, and one running past FFFFFFFF goes
    // on at address 0.
    std::uint32_t address = recordAddress;
    for (std::size_t p = dataStart; line.size() >= p + 4; p += 2) {
        HexScan::scanPair(line, p, ring_[address & 0x3FF]);
        ++address;
        if ((address & 0xF) == 0) {
            writeBlock(address - 16);
            nextAddress_ = address;
        }
    }
    recordAddress = address;
    // Within the pending block the next address never moves back, so bytes
    // stored earlier above a lower record are not overwritten by filler.
    if (address > nextAddress_)
        nextAddress_ = address;
}

void DataPlacement::flushPending()
{
    nextAddress_ = dump_.flushPartialLine(nextAddress_, ring_, line_);
}

void DataPlacement::restartAfterAddressRecord()
{
    if (firstRecord_)
        return;
    firstRecord_ = true;
    flushPending();
}

void DataPlacement::finish()
{
    dump_.flushPartialLine(nextAddress_, ring_, line_);
}
