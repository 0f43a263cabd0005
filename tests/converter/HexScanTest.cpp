#include "HexScan.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

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
                      PatternCase{":%*2x%*4x%*2x%4x", ":020000040800F2"}));

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

}  // namespace
