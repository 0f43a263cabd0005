#include "DataPlacement.h"

#include "DumpConverter.h"
#include "HexScan.h"
#include "LineReader.h"

#include <algorithm>

DataPlacement::DataPlacement(DumpConverter& dump, LineReader& input)
    : dump_(dump),
      input_(input),
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

// The line is written straight from the ring: its cells are the line buffer's
// content.
void DataPlacement::writeBlock(std::uint32_t blockAddress)
{
    dump_.writeValues(blockAddress, ring_.data() + (blockAddress & 0x3F0));
}

// Steps before the bytes: the pending line is written where the record
// leaves it, with the gap text where the addresses jump.
void DataPlacement::startRecord(std::uint32_t recordAddress)
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
}

// Each block is written as soon as the record leaves it, so a record of any
// length stays within the ring, and one running past FFFFFFFF goes on at
// address 0. Pairs are decoded a block at a time, straight into the block's
// cells.
void DataPlacement::storePairs(std::uint32_t& address, const char* pairs, std::size_t count)
{
    while (count > 0) {
        const std::size_t room = DumpConverter::kLineSize - (address & 0xF);
        const std::size_t run = count < room ? count : room;
        HexScan::scanPairs(pairs, run, ring_.data() + (address & 0x3FF));
        pairs += 2 * run;
        count -= run;
        address += static_cast<std::uint32_t>(run);
        if ((address & 0xF) == 0) {
            writeBlock(address - 16);
            nextAddress_ = address;
        }
    }
}

// The pair rule: a pair is data while two more characters follow it, so the
// checksum is never taken.
std::size_t DataPlacement::pairCount(std::string_view piece, std::size_t dataStart)
{
    return piece.size() >= dataStart + 4 ? (piece.size() - dataStart - 2) / 2 : 0;
}

void DataPlacement::placePairs(std::uint32_t& recordAddress, std::string_view piece, std::size_t dataStart)
{
    startRecord(recordAddress);
    std::uint32_t address = recordAddress;
    storePairs(address, piece.data() + dataStart, pairCount(piece, dataStart));
    recordAddress = address;
    // Within the pending block the next address never moves back, so bytes
    // stored earlier above a lower record are not overwritten by filler.
    if (address > nextAddress_)
        nextAddress_ = address;
}

// Each piece of a line longer than its head holds back its last two or three
// characters until the next piece is read: only the line's real end decides
// what they are. A piece goes on where the one before it ended, so placing
// it starts nothing anew: no line is written, nothing is filled.
void DataPlacement::placeLineRest(std::uint32_t& recordAddress, std::string_view head, std::size_t dataStart)
{
    std::size_t used = dataStart + 2 * pairCount(head, dataStart);
    do {
        const std::string_view piece = input_.continueLine(used);
        placePairs(recordAddress, piece, 0);
        used = 2 * pairCount(piece, 0);
    } while (!input_.lineComplete());
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
