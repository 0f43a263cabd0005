#include "ChunkedSource.h"
#include "ConverterEntry.h"
#include "LineReader.h"
#include "OutputChannel.h"
#include "WithCrLf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

std::string convert(LineReader& reader)
{
    std::string captured;
    {
        OutputChannel output(captured);
        const char* argv[] = {"trelk_conv"};
        runConverter(1, argv, reader, output);
    }
    return captured;
}

std::string convert(const std::string& input)
{
    LineReader reader(input);
    return convert(reader);
}

struct ConversionCase {
    const char* name;
    std::string input;  // LF line ends
    std::string expected;  // LF line ends; checked with CR LF
};

void PrintTo(const ConversionCase& c, std::ostream* os)
{
    *os << c.name;
}

class Conversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Conversion, DumpsTheExpectedBytes)
{
    EXPECT_EQ(convert(GetParam().input), withCrLf(GetParam().expected));
}

const std::string kLine1000 = "00001000 : FFFFFFFF FF414243  44FFFFFF FFFFFFFF : .....ABCD.......\n";
const std::string kFillerLine1000 = "00001000 : FFFFFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\n";

INSTANTIATE_TEST_SUITE_P(
    SRecord, Conversion,
    ::testing::Values(
        ConversionCase{"HeaderDataTermination", "S006000041424333\nS107100541424344D9\nS9030000FC\n",
                       "Header Information : \"ABC\"\n" + kLine1000 + "Starting Execution Address : 00000000\n"},
        ConversionCase{"SameBlockThenCrossing", "S107100541424344D9\nS10B100C30313233343536373C\n",
                       "00001000 : FFFFFFFF FF414243  44FFFFFF 30313233 : .....ABCD...0123\n"
                       "00001010 : 34353637 FFFFFFFF  FFFFFFFF FFFFFFFF : 4567............\n"},
        ConversionCase{"JumpWritesGapText", "S1041000AA00\nS1041020BB00\n",
                       "00001000 : AAFFFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\n\n"
                       "00001020 : BBFFFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\n"},
        ConversionCase{"NextBlockHasNoGap", "S104100FAA00\nS1041010BB00\n",
                       "00001000 : FFFFFFFF FFFFFFFF  FFFFFFFF FFFFFFAA : ................\n"
                       "00001010 : BBFFFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\n"},
        ConversionCase{"DistanceCountsFromTheEmptyBlock", "S104100FAA00\nS1041020BB00\nS1041040CC00\n",
                       "00001000 : FFFFFFFF FFFFFFFF  FFFFFFFF FFFFFFAA : ................\n"
                       "00001020 : BBFFFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\n\n"
                       "00001040 : CCFFFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\n"},
        ConversionCase{"EarlierBlockStartsAfresh", "S1041020BB00\nS1041001AA00\n",
                       "00001020 : BBFFFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\n\n"
                       "00001000 : FFAAFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\n"},
        ConversionCase{"RecordWithoutDataStillMoves", "S1031005F0\n", kFillerLine1000},
        ConversionCase{"HeaderAndTerminationOnly", "S00600004142430F\nS9031234B6\n",
                       "Header Information : \"ABC\"\nStarting Execution Address : 00001234\n"},
        ConversionCase{"HeaderBeforeThePendingLine", "S107100541424344D9\nS0050000585800\n",
                       "Header Information : \"XX\"\n" + kLine1000},
        ConversionCase{"EmptyLineStopsWithoutPendingLine", "S107100541424344D9\n\nS9030000FC\n", ""},
        ConversionCase{"EmptyLineAfterTerminationLosesNothing", "S107100541424344D9\nS9030000FC\n\n",
                       kLine1000 + "Starting Execution Address : 00000000\n"},
        ConversionCase{"CrLfInput", "S107100541424344D9\r\nS9030000FC\r\n",
                       kLine1000 + "Starting Execution Address : 00000000\n"},
        ConversionCase{"LowerCaseDigits", "S107100541424344d9\nS107100a61626364ff\n",
                       "00001000 : FFFFFFFF FF414243  44FF6162 6364FFFF : .....ABCD.abcd..\n"},
        ConversionCase{"S5IsPassedOver", "S5030001FB\nS1041000AA00\n",
                       "00001000 : AAFFFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\n"},
        ConversionCase{"OddCharactersLeaveTheLastThreeUnread", "S1041000AABBC\n",
                       "00001000 : AAFFFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\n"},
        // Mends and choices:
        ConversionCase{"RecordPastFFFFFFFFGoesOnAtZero", "S309FFFFFFFE1122334400\n",
                       "FFFFFFF0 : FFFFFFFF FFFFFFFF  FFFFFFFF FFFF1122 : ...............\"\n"
                       "00000000 : 3344FFFF FFFFFFFF  FFFFFFFF FFFFFFFF : 3D..............\n"},
        ConversionCase{"LongHeaderKeepsEveryByte",
                       "S0" + std::string("0000") + "00" + std::string(140, '4').replace(1, 1, "1") + "00\n",
                       "Header Information : \"" + std::string("A") + std::string(69, 'D') + "\"\n"},
        ConversionCase{"UnreadableAddressContinues", "S1041000AA00\nS104zzzzBB00\n",
                       "00001000 : AABBFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\n"},
        ConversionCase{"UnreadableCountLeavesTheAddressUnread", "S1zz1000AA00\n",
                       "00000000 : AAFFFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\n"},
        ConversionCase{"UnreadableAddressFirstIsZero", "S104zzzzBB00\n",
                       "00000000 : BBFFFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\n"},
        ConversionCase{"LineShorterThanDataStartIsPassedOver", "S1041000AA00\nS10410\nS1041001BB00\n",
                       "00001000 : AABBFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\n"},
        ConversionCase{"HeaderOddTailLeavesTheLastThreeUnread", "S00600004142433\nS9030000FC\n",
                       "Header Information : \"AB\"\nStarting Execution Address : 00000000\n"},
        ConversionCase{"HeaderPairNotHexIsBlank", "S0060000GG424333\n", "Header Information : \" BC\"\n"},
        ConversionCase{"ShortHeaderIsPassedOver", "S00600\nS9030000FC\n", "Starting Execution Address : 00000000\n"},
        ConversionCase{"UnreadableStartAddressIsZero", "S903zzzz\n", "Starting Execution Address : 00000000\n"},
        ConversionCase{"RecordBelowThePendingAddressKeepsLaterBytes", "S1041008AA00\nS1041004BB00\n",
                       "00001000 : FFFFFFFF BBFFFFFF  AAFFFFFF FFFFFFFF : ................\n"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    IntelHex, Conversion,
    ::testing::Values(
        ConversionCase{"AddressDataEnd", ":020000040800F2\n:0410050041424344DD\n:00000001FF\n",
                       "Extended Linear Address Record : 0800\nEnd Record\n" + kLine1000},
        ConversionCase{"StartSegmentAddress", ":0400000312345678E5\n", "Start Segment Address Record : 1234 5678\n"},
        ConversionCase{"StartLinearAddress", ":0400000508000123CB\n", "Start Linear Address Record : 0800\n"},
        ConversionCase{"ExtendedSegmentKeepsOffsets", ":020000021000EC\n:0110050041A9\n",
                       "Extended Segment Address Record : 1000\n"
                       "00001000 : FFFFFFFF FF41FFFF  FFFFFFFF FFFFFFFF : .....A..........\n"},
        ConversionCase{"AddressRecordSeparatesBlocks", ":0410050041424344DD\n:020000040800F2\n:0410050041424344DD\n",
                       kLine1000 + "Extended Linear Address Record : 0800\n" + kLine1000},
        ConversionCase{"EndRecordInTheMiddle", ":0110000041AE\n:00000001FF\n:0110010042AC\n",
                       "End Record\n00001000 : 4142FFFF FFFFFFFF  FFFFFFFF FFFFFFFF : AB..............\n"},
        ConversionCase{"UnreadableCountLeavesTheOffsetUnread", ":zz100000AA00\n",
                       "00000000 : AAFFFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\n"},
        ConversionCase{"TypeTenIsData", ":0110001041AE\n",
                       "00001000 : 41FFFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : A...............\n"},
        ConversionCase{"AddressRecordsOnly", ":020000040800F2\n:0400000508000123CB\n",
                       "Extended Linear Address Record : 0800\nStart Linear Address Record : 0800\n"},
        ConversionCase{"EmptyLineStops", ":0410050041424344DD\n\n:00000001FF\n", ""},
        ConversionCase{"CrLfInput", ":0410050041424344DD\r\n:00000001FF\r\n", "End Record\n" + kLine1000},
        ConversionCase{"ShortLinePassedOver", ":0000\n:0110000041AE\n",
                       "00001000 : 41FFFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : A...............\n"},
        ConversionCase{"RecordPastFFFFGoesOnAt10000", ":04FFFE0011223344AA\n",
                       "0000FFF0 : FFFFFFFF FFFFFFFF  FFFFFFFF FFFF1122 : ...............\"\n"
                       "00010000 : 3344FFFF FFFFFFFF  FFFFFFFF FFFFFFFF : 3D..............\n"},
        // Cells below a first record's offset show the filler value, not the
        // bytes another address left in the same ring cells.
        ConversionCase{"FillerBelowFirstRecordAfterAddressRecord",
                       ":101000000102030405060708090A0B0C0D0E0F1000\n:020000040800F2\n:01140800BB00\n",
                       "00001000 : 01020304 05060708  090A0B0C 0D0E0F10 : ................\n"
                       "Extended Linear Address Record : 0800\n"
                       "00001400 : FFFFFFFF FFFFFFFF  BBFFFFFF FFFFFFFF : ................\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Each block is written as soon as it is complete, so a record longer than
// the image ring cannot overwrite bytes whose line is still to come.
TEST(Conversion, RecordLongerThanTheRingKeepsEveryLine)
{
    const int blocks = 70;  // 1120 bytes
    std::string record = "S3FF00000000";
    std::string expected;
    for (int k = 0; k < blocks; ++k) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", k);
        for (int i = 0; i < 16; ++i)
            record += pair;
        char line[80];
        std::snprintf(line, sizeof line, "%08X : %s%s%s%s %s%s%s%s  %s%s%s%s %s%s%s%s : ", k * 16, pair, pair,
                      pair, pair, pair, pair, pair, pair, pair, pair, pair, pair, pair, pair, pair, pair);
        expected += line;
        for (int i = 0; i < 16; ++i)
            expected += k >= 0x21 && k <= 0x7E ? static_cast<char>(k) : (k == 0x20 ? ' ' : '.');
        expected += '\n';
    }
    EXPECT_EQ(convert(record + "00\n"), withCrLf(expected));
}

// Default dump lines of the blocks that `count` bytes of `value` from
// `address` on touch; the rest of each block is filler.
std::string uniformLines(std::uint32_t address, std::uint32_t count, int value)
{
    std::string lines;
    const char text = value >= 0x20 && value <= 0x7E ? static_cast<char>(value) : '.';
    for (std::uint32_t block = address & ~0xFu; block < address + count; block += 16) {
        char line[80];
        int at = std::snprintf(line, sizeof line, "%08X :", block);
        std::string column;
        for (std::uint32_t a = block; a < block + 16; ++a) {
            const bool data = a >= address && a < address + count;
            if (a % 4 == 0)
                at += std::snprintf(line + at, sizeof line - static_cast<std::size_t>(at), a % 16 == 8 ? "  " : " ");
            at += std::snprintf(line + at, sizeof line - static_cast<std::size_t>(at), "%02X", data ? value : 0xFF);
            column += data ? text : '.';
        }
        lines += std::string(line) + " : " + column + "\n";
    }
    return lines;
}

std::string repeated(const std::string& piece, std::size_t times)
{
    std::string out;
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

// Short records, a line each, over `bytes` bytes of input.
std::string shortRecords(std::size_t bytes, const char* lineEnd)
{
    std::string out;
    for (std::uint32_t address = 0x2000; out.size() < bytes; address += 16) {
        char record[48];
        std::snprintf(record, sizeof record, "S113%04X000102030405060708090A0B0C0D0E0F00%s", address & 0xFFFF, lineEnd);
        out += record;
    }
    return out;
}

struct StreamCase {
    const char* name;
    std::string input;
    std::string expected;  // LF line ends; empty: only compared between the ways of reading
};

void PrintTo(const StreamCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReadBoundaries : public ::testing::TestWithParam<StreamCase> {};

// A dump depends only on the input's bytes: not on the sizes in which they
// arrive, wherever a line, a CR LF or a 0x1A falls among the reads.
TEST_P(ReadBoundaries, GiveTheSameDump)
{
    const std::string whole = convert(GetParam().input);
    if (!GetParam().expected.empty()) {
        EXPECT_TRUE(whole == withCrLf(GetParam().expected)) << "the dump read at once differs";
    }
    for (const std::vector<std::size_t>& pattern : readPatterns()) {
        LineReader reader(chunkedSource(GetParam().input, pattern));
        EXPECT_TRUE(convert(reader) == whole) << "reads of " << pattern[0] << " bytes on";
    }
}

const std::size_t kBuffer = LineReader::kLineHead + LineReader::kBlockSize;
const std::string kLongRecord = "S1FF1000" + repeated("41", 35000) + "00\n";
const std::string kLongRecordDump = uniformLines(0x1000, 35000, 0x41);
const std::string kStart = "S9030000FC\n";
const std::string kStartMessage = "Starting Execution Address : 00000000\n";

INSTANTIATE_TEST_SUITE_P(
    Inputs, ReadBoundaries,
    ::testing::Values(
        StreamCase{"LongRecordKeepsEveryByte", kLongRecord + kStart, kLongRecordDump + kStartMessage},
        // Around the head: 32763 pairs and the checksum fill exactly 64 KiB.
        StreamCase{"RecordOfExactlyAHead", "S1FF1000" + repeated("41", 32763) + "00\n",
                   uniformLines(0x1000, 32763, 0x41)},
        StreamCase{"RecordOneLongerThanAHead", "S1FF1000" + repeated("41", 32763) + "000\r\n",
                   uniformLines(0x1000, 32763, 0x41)},
        StreamCase{"RecordTwoLongerThanAHead", "S1FF1000" + repeated("41", 32764) + "00\r\n",
                   uniformLines(0x1000, 32764, 0x41)},
        StreamCase{"LongRecordAfterShortLines", shortRecords(300000, "\n") + kStart + kLongRecord, ""},
        StreamCase{"LongRecordWithCrLf", "S1FF1000" + repeated("41", 35000) + "00\r\n" + kStart,
                   kLongRecordDump + kStartMessage},
        StreamCase{"LongRecordOddTailLeavesTheLastThreeUnread", "S1FF1000" + repeated("41", 35000) + "1\r\n",
                   uniformLines(0x1000, 34999, 0x41)},
        StreamCase{"RecordsLongerThanTheBuffer", "S1FF0000" + repeated("42", kBuffer) + "000\n" + "S2FF100000"
                                                     + repeated("43", 3 * kBuffer / 2 + 1) + "0\r\n",
                   uniformLines(0, kBuffer, 0x42) + "\n" + uniformLines(0x100000, 3 * kBuffer / 2, 0x43)},
        StreamCase{"LongIntelHexRecord", ":FF100000" + repeated("44", 40000) + "AA\r\n:00000001FF\r\n",
                   uniformLines(0x1000, 40000, 0x44) + "End Record\n"},
        StreamCase{"LongLastLineWithoutLf", shortRecords(1000, "\r\n") + "S1FF1000" + repeated("45", 40000) + "\r",
                   ""},
        StreamCase{"CrLfEverywhere", shortRecords(400000, "\r\n"), ""},
        StreamCase{"CtrlZAfterSeveralBlocks", shortRecords(3 * kBuffer, "\n") + "\x1A" + shortRecords(3 * kBuffer, "\n"),
                   ""},
        StreamCase{"CtrlZBeforeSeveralBlocks", kLongRecord + "\x1A" + shortRecords(3 * kBuffer, "\n"),
                   kLongRecordDump},
        StreamCase{"CtrlZInALongRecord", "S1FF1000" + repeated("41", 35000) + "\x1A" + shortRecords(kBuffer, "\n"),
                   uniformLines(0x1000, 34999, 0x41)},
        StreamCase{"LongHeaderKeepsItsFirst16KiB", "S0FF0000" + repeated("41", 40000) + "00\n",
                   "Header Information : \"" + std::string(16 * 1024, 'A') + "\"\n"},
        StreamCase{"LongTerminationRecord", "S1031005F0\nS9031234" + repeated("5", 3 * kBuffer) + "\n",
                   kFillerLine1000 + "Starting Execution Address : 00001234\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// The same file through a pipe and from a file gives the same dump.
TEST(ReadBoundaries, PipeAndFileGiveTheSameDump)
{
    const std::string input = shortRecords(70000, "\n") + kLongRecord + kStart;
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fwrite(input.data(), 1, input.size(), file), input.size());
    std::fflush(file);
    ASSERT_EQ(lseek(fileno(file), 0, SEEK_SET), 0);
    LineReader fromFile(fileno(file));
    const std::string fileDump = convert(fromFile);
    std::fclose(file);

    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    std::thread writer([&] {
        for (std::size_t at = 0; at < input.size(); at += 4096)
            (void)!write(ends[1], input.data() + at, std::min<std::size_t>(4096, input.size() - at));
        close(ends[1]);
    });
    LineReader fromPipe(ends[0]);
    const std::string pipeDump = convert(fromPipe);
    writer.join();
    close(ends[0]);

    EXPECT_TRUE(fileDump == pipeDump);
    const std::string tail = withCrLf(kLongRecordDump.substr(kLongRecordDump.size() - 68) + kStartMessage);
    EXPECT_EQ(pipeDump.substr(pipeDump.size() - tail.size()), tail);
}

}  // namespace
