#include "DumpConverter.h"
#include "LineReader.h"
#include "OutputChannel.h"

#include <gtest/gtest.h>

#include <numeric>
#include <ostream>
#include <string>
#include <vector>

namespace {

const char kDefaultFormat[] =
    "%08X : %02X%02X%02X%02X %02X%02X%02X%02X  %02X%02X%02X%02X %02X%02X%02X%02X : %-16s\n";

// The line operations need a concrete converter; its conversion does nothing.
class LineWriter : public DumpConverter {
public:
    LineWriter(LineReader& in, OutputChannel& out) : DumpConverter(kDefaultFormat, 0xFF, "\n", in, out) {}
    std::int32_t convert() override { return 0; }
};

struct FlushCase {
    std::uint32_t address;
    std::uint32_t returned;
    std::size_t firstIndex;  // ring index of the line's first cell
    const char* written;
};

void PrintTo(const FlushCase& c, std::ostream* os)
{
    *os << std::hex << c.address;
}

class FlushPartialLine : public ::testing::TestWithParam<FlushCase> {};

TEST_P(FlushPartialLine, FillsWritesAndReturnsTheNextLine)
{
    const FlushCase& c = GetParam();
    std::string captured;
    LineReader in(std::string_view{});
    std::vector<std::int32_t> ring(1024);
    for (std::size_t i = 0; i < ring.size(); ++i)
        ring[i] = static_cast<std::int32_t>(i & 0xFF);  // shows which cells a line takes
    std::vector<std::int32_t> before = ring;
    std::vector<std::int32_t> line(16, 0);
    {
        OutputChannel out(captured);
        LineWriter writer(in, out);
        EXPECT_EQ(writer.flushPartialLine(c.address, ring, line), c.returned);
    }
    EXPECT_EQ(captured, c.written);
    for (std::size_t i = 0; i < ring.size(); ++i) {
        bool filled = (c.address & 0xF) != 0 && i >= (c.address & 0x3FF) && i < c.firstIndex + 16;
        EXPECT_EQ(ring[i], filled ? 0xFF : before[i]) << "cell " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, FlushPartialLine,
    ::testing::Values(
        FlushCase{0x1000, 0x1000, 0x000, ""},
        FlushCase{0x1005, 0x1010, 0x000, "00001000 : 00010203 04FFFFFF  FFFFFFFF FFFFFFFF : ................\r\n"},
        FlushCase{0x13F5, 0x1400, 0x3F0, "000013F0 : F0F1F2F3 F4FFFFFF  FFFFFFFF FFFFFFFF : ................\r\n"},
        FlushCase{0x1405, 0x1410, 0x000, "00001400 : 00010203 04FFFFFF  FFFFFFFF FFFFFFFF : ................\r\n"},
        FlushCase{0xFFFFFFF5, 0x0, 0x3F0, "FFFFFFF0 : F0F1F2F3 F4FFFFFF  FFFFFFFF FFFFFFFF : ................\r\n"}));

TEST(BuildAsciiText, RendersPrintableBytesOnly)
{
    std::string captured;
    LineReader in(std::string_view{});
    OutputChannel out(captured);
    LineWriter writer(in, out);
    struct {
        std::vector<std::int32_t> values;
        std::string text;
    } cases[] = {
        {{0x20, 0x21, 0x41, 0x7E, 0x7F, 0x00, 0x1F, 0x80, 0xFF, -1, 0x100}, " !A~......."},
        {{}, ""},
        {std::vector<std::int32_t>(60, 'z'), std::string(60, 'z')},
    };
    for (const auto& c : cases) {
        std::string text = "old";
        writer.buildAsciiText(c.values, text);
        EXPECT_EQ(text, c.text);
    }
}

TEST(WriteLine, AllFillerLine)
{
    std::string captured;
    LineReader in(std::string_view{});
    {
        OutputChannel out(captured);
        LineWriter writer(in, out);
        EXPECT_EQ(writer.writeLine(0x1230, std::vector<std::int32_t>(16, 0xFF)), 0);
        std::vector<std::int32_t> letters(16);
        std::iota(letters.begin(), letters.end(), 0x41);
        writer.writeLine(0x1230, letters);
    }
    EXPECT_EQ(captured,
              "00001230 : FFFFFFFF FFFFFFFF  FFFFFFFF FFFFFFFF : ................\r\n"
              "00001230 : 41424344 45464748  494A4B4C 4D4E4F50 : ABCDEFGHIJKLMNOP\r\n");
}

}  // namespace
