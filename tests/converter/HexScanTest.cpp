#include "HexScan.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct FieldCase {
    const char* text;
    int width;
};

void PrintTo(const FieldCase& c, std::ostream* os)
{
    *os << '"' << c.text << "\" width " << c.width;
}

class HexField : public ::testing::TestWithParam<FieldCase> {};

// Value, success and the characters taken must all agree with sscanf.
TEST_P(HexField, ScansAsSscanf)
{
    const FieldCase& c = GetParam();
    const std::string format = "%" + std::to_string(c.width) + "x%n";
    unsigned expectedValue = 0xDEADBEEF;
    int expectedUsed = -1;
    int matched = std::sscanf(c.text, format.c_str(), &expectedValue, &expectedUsed);

    std::uint32_t value = 0xDEADBEEF;
    std::size_t pos = 0;
    bool ok = HexScan::scanField(c.text, pos, c.width, value);
    EXPECT_EQ(ok, matched == 1) << '"' << c.text << '"';
    EXPECT_EQ(value, expectedValue) << '"' << c.text << '"';
    if (ok) {
        EXPECT_EQ(pos, static_cast<std::size_t>(expectedUsed)) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, HexField,
    ::testing::Values(FieldCase{"41", 2}, FieldCase{"4", 2}, FieldCase{"a5", 2}, FieldCase{"Ff", 2},
                      FieldCase{"123", 2}, FieldCase{" 41", 2}, FieldCase{"\t\r\n 7", 2}, FieldCase{"-1", 2},
                      FieldCase{"+F", 2}, FieldCase{"-", 2}, FieldCase{"zz", 2}, FieldCase{"", 2},
                      FieldCase{"  ", 2}, FieldCase{"1G", 2}, FieldCase{"0x", 2}, FieldCase{"0x1", 4},
                      FieldCase{"0X1F", 4}, FieldCase{"0xG", 4}, FieldCase{"-0x1", 4}, FieldCase{"1005AB", 4},
                      FieldCase{"FFFFFFFF9", 8}, FieldCase{"-FFFFFFF", 8}, FieldCase{"-7", 8},
                      FieldCase{"12345678", 6}, FieldCase{"--1", 4}, FieldCase{"+-1", 4}));

struct PatternCase {
    const char* pattern;
    const char* line;
};

void PrintTo(const PatternCase& c, std::ostream* os)
{
    *os << c.pattern << " on \"" << c.line << '"';
}

class RecordPattern : public ::testing::TestWithParam<PatternCase> {};

TEST_P(RecordPattern, StoresWhatSscanfStores)
{
    const PatternCase& c = GetParam();
    unsigned expected[2] = {111, 222};
    int expectedCount = std::sscanf(c.line, c.pattern, &expected[0], &expected[1]);
    if (expectedCount < 0)
        expectedCount = 0;  // EOF before the first conversion stores nothing either

    std::uint32_t got[2] = {111, 222};
    std::uint32_t* targets[2] = {&got[0], &got[1]};
    EXPECT_EQ(HexPattern(c.pattern).scan(c.line, targets), expectedCount) << c.line;
    EXPECT_EQ(got[0], expected[0]) << c.line;
    EXPECT_EQ(got[1], expected[1]) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Records, RecordPattern,
    ::testing::Values(PatternCase{"S1%*2x%4x", "S107100541424344D9"}, PatternCase{"S1%*2x%4x", "S1071"},
                      PatternCase{"S1%*2x%4x", "S1"}, PatternCase{"S1%*2x%4x", "S2071005"},
                      PatternCase{"S1%*2x%4x", "S10GABCD"}, PatternCase{"S1%*2x%4x", "S10 10 5"},
                      PatternCase{"S2%*2x%6x", "S2081234567801"}, PatternCase{"S3%*2x%8x", "S30BFFFFFFF8AA"},
                      PatternCase{"S9%*2x%4x", "S903zzzz"}, PatternCase{":%*2x%4x", ":0410050041424344DD"},
                      PatternCase{":%*2x%*4x%*2x%4x%4x", ":0400000312345678E5"},
                      PatternCase{":%*2x%*4x%*2x%4x%4x", ":04000003123"},
                      PatternCase{":%*2x%*4x%*2x%4x", ":020000040800F2"},
                      PatternCase{"S3%*2x%8x", "S3250800abCD41"}, PatternCase{"S3%*2x%8x", "S32508000G0041"},
                      PatternCase{"S3%*2x%8x", "S325-8000000"}, PatternCase{"S3%*2x%8x", "S325 8000000"},
                      PatternCase{"S3%*2x%8x", "S3250x123456"}, PatternCase{"S3%*2x%8x", "S3250800"},
                      PatternCase{"S3%*2x%8x", "S3\xB0" "250800000041"}, PatternCase{":%*2x%4x", ":1a10e5"},
                      // Long enough to be read sixteen characters at a time.
                      PatternCase{"S3%*2x%8x", "S3250800abCD41424344454647484950"},
                      PatternCase{"S3%*2x%8x", "S32508000G0041424344454647484950"},
                      PatternCase{"S3%*2x%8x", "S325 8000000041424344454647484950"},
                      PatternCase{"S3%*2x%8x", "S3-50800000041424344454647484950"},
                      PatternCase{"S1%*2x%4x", "S1131005\xC1" "42434445464748494A4B4C4D4E4F"},
                      PatternCase{":%*2x%4x", ":10FfE0004142434445464748494A4B4C4D4E4F50"},
                      PatternCase{":%*2x%*4x%*2x%4x%4x", ":0400000312345678E5000000000000"},
                      PatternCase{":%*2x%*4x%*2x%4x%4x", ":04000003123x5678E5000000000000"}));

TEST(HexScan, PairRuleTakesTwoCharactersOnly)
{
    struct {
        const char* text;
        bool ok;
        std::int32_t cell;
    } cases[] = {{"41", true, 0x41}, {"fF", true, 0xFF}, {" 4", true, 4}, {"-1", true, -1},
                 {"G1", false, 7}, {"  ", false, 7}, {"4G", true, 4}};
    for (const auto& c : cases) {
        std::string line = std::string("xx") + c.text + "999";  // later digits must not be taken
        std::int32_t cell = 7;
        EXPECT_EQ(HexScan::scanPair(line, 2, cell), c.ok) << c.text;
        EXPECT_EQ(cell, c.cell) << c.text;
    }
}

// Runs of pairs are decoded many characters at a time; whatever stands in
// them, each cell must get what the pair rule gives its two characters.
TEST(HexScan, RunsOfPairsStoreWhatEachPairStores)
{
    const std::string digits = "0123456789ABCDEFabcdef98765432100123456789ABCDEFabcdef9876543210";
    const char odd[] = {'G', 'g', ' ', '-', '+', 'x', '/', ':', '@', '`', '\x80', '\xFF', '\0'};
    for (std::size_t count : {1, 3, 4, 7, 8, 9, 15, 16, 17, 32}) {
        for (char c : odd) {
            for (std::size_t at = 0; at <= 2 * count; ++at) {  // 2 * count: nothing odd
                std::string text = digits.substr(0, 2 * count);
                if (at < text.size())
                    text[at] = c;
                std::vector<std::int32_t> expected(count, 7);
                for (std::size_t i = 0; i < count; ++i) {
                    unsigned value;
                    if (std::sscanf(text.substr(2 * i, 2).c_str(), "%2x", &value) == 1)
                        expected[i] = static_cast<std::int32_t>(value);
                }
                std::vector<std::int32_t> cells(count, 7);
                HexScan::scanPairs(text.data(), count, cells.data());
                EXPECT_EQ(cells, expected) << count << " pairs, " << static_cast<int>(c) << " at " << at;
            }
        }
    }
}

// The direct read of a record's fields: taken only when every character is
// a digit, and then the value sscanf reads; the rest goes to the full scan.
// The run is read alone and with characters after it (long lines are read
// many characters at a time), which must not count.
TEST(HexScan, DigitRunsReadDirectlyOnlyWhenAllAreDigits)
{
    const std::string digits = "9aF0c3E71B5d0A8f";
    const char odd[] = {'G', ' ', '-', '+', 'x', '/', ':', '@', '`', '\x80', '\0'};
    for (const std::string after : {"", "zz zz zz zz zz zz zz zz", "0123456789abcdef"}) {
        for (std::size_t count : {1, 2, 4, 6, 7, 8, 10, 16}) {
            for (char c : odd) {
                for (std::size_t at = 0; at <= count; ++at) {  // count: nothing odd
                    std::string field = digits.substr(0, count);
                    if (at < count)
                        field[at] = c;
                    const std::string text = "S3" + field + after;
                    std::uint64_t value = 7;
                    const bool read = HexScan::readDigits(text, 2, count, value);
                    EXPECT_EQ(read, at == count) << text;
                    if (!read) {
                        EXPECT_EQ(value, 7u) << text;
                        continue;
                    }
                    unsigned long long expected = 0;
                    const std::string format = "%" + std::to_string(count) + "llx";
                    ASSERT_EQ(std::sscanf(field.c_str(), format.c_str(), &expected), 1);
                    EXPECT_EQ(value, expected) << text;
                }
            }
        }
    }
}

}  // namespace
