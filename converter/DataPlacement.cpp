// The data placement steps of DumpConverter, shared by the S-record and
// Intel HEX conversions: bytes go into the 1024-cell image ring by address,
// and each 16-byte block is written the moment the record leaves it.
#include "DumpConverter.h"

#include "HexScan.h"
#include "LineReader.h"

#include <algorithm>

void DumpConverter::placeRecord(WorkingData& work, std::string_view line, std::size_t dataStart)
{
    placePairs(work, line, dataStart);
    // A line that goes on has a head of exactly kLineHead bytes: the reader
    // is asked only then.
    if (line.size() == LineReader::kLineHead && !input_.lineComplete())
        placeLineRest(work, line, dataStart);
}

// Sets the cells from `from` up to, not including, `to`; both lie in one block.
void DumpConverter::fillUpTo(WorkingData& work, std::uint32_t from, std::uint32_t to) const
{
    if (to > from)
        std::fill(work.ring.begin() + (from & 0x3FF), work.ring.begin() + (from & 0x3FF) + (to - from), fillerValue);
}

// Steps before the bytes: the pending line is written where the record
// leaves it, with the gap text where the addresses jump.
void DumpConverter::startRecord(WorkingData& work)
{
    const std::uint32_t recordAddress = work.recordAddress;
    if (work.firstRecord) {
        work.firstRecord = false;
        work.nextAddress = recordAddress & ~0xFu;
        // After an address record the ring may still hold bytes of another
        // address in these cells: the block starts with the filler value.
    } else {
        const std::uint32_t d = (recordAddress >> 4) - (work.nextAddress >> 4);
        if (d != 0) {
            flushPartialLine(work.nextAddress, work.ring, work.line);
            if (d != 1)
                writePlainText(gapText);
            work.nextAddress = recordAddress & ~0xFu;
        }
    }
    // A record below the pending address inside the pending block fills
    // nothing: its bytes go over the earlier ones.
    fillUpTo(work, work.nextAddress, recordAddress);
}

// Each block is written as soon as the record leaves it, straight from the
// ring's cells, so a record of any length stays within the ring, and one
// running past FFFFFFFF goes on at address 0. Pairs are decoded a block at a
// time, straight into the block's cells.
void DumpConverter::storePairs(WorkingData& work, std::uint32_t& address, const char* pairs, std::size_t count)
{
    while (count > 0) {
        const std::size_t room = kLineSize - (address & 0xF);
        const std::size_t run = count < room ? count : room;
        HexScan::scanPairs(pairs, run, work.ring.data() + (address & 0x3FF));
        pairs += 2 * run;
        count -= run;
        address += static_cast<std::uint32_t>(run);
        if ((address & 0xF) == 0) {
            writeValues(address - 16, work.ring.data() + ((address - 16) & 0x3F0));
            work.nextAddress = address;
        }
    }
}

namespace {

// The pair rule: a pair is data while two more characters follow it, so the
// checksum is never taken.
std::size_t pairCount(std::string_view piece, std::size_t dataStart)
{
    return piece.size() >= dataStart + 4 ? (piece.size() - dataStart - 2) / 2 : 0;
}

}  // namespace

void DumpConverter::placePairs(WorkingData& work, std::string_view piece, std::size_t dataStart)
{
    startRecord(work);
    std::uint32_t address = work.recordAddress;
    storePairs(work, address, piece.data() + dataStart, pairCount(piece, dataStart));
    work.recordAddress = address;
    // Within the pending block the next address never moves back, so bytes
    // stored earlier above a lower record are not overwritten by filler.
    if (address > work.nextAddress)
        work.nextAddress = address;
}

// Each piece of a line longer than its head holds back its last two or three
// characters until the next piece is read: only the line's real end decides
// what they are. A piece goes on where the one before it ended, so placing
// it starts nothing anew: no line is written, nothing is filled.
void DumpConverter::placeLineRest(WorkingData& work, std::string_view head, std::size_t dataStart)
{
    std::size_t used = dataStart + 2 * pairCount(head, dataStart);
    do {
        const std::string_view piece = input_.continueLine(used);
        placePairs(work, piece, 0);
        used = 2 * pairCount(piece, 0);
    } while (!input_.lineComplete());
}
