#include "DumpConverter.h"
#include "LineGlyphs.h"
#include "LinePlan.h"
#include "LineReader.h"
#include "OutputChannel.h"
#include "PrintfFormat.h"
#include "WithCrLf.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace {

// A converter whose conversion does nothing: the line output alone.
class LineWriter : public DumpConverter {
public:
    LineWriter(const std::string& format, LineReader& in, OutputChannel& out)
        : DumpConverter(format, 0xFF, "\n", in, out)
    {
    }
    std::int32_t convert() override { return 0; }
};

std::string textColumn(const std::vector<std::int32_t>& v)
{
    std::string text;
    for (std::int32_t x : v)
        text += x >= 0x20 && x <= 0x7E ? static_cast<char>(x) : '.';
    return text;
}

// What the C library prints for one line, in text mode.
std::string cLine(const char* format, std::uint32_t address, const std::vector<std::int32_t>& v)
{
    const std::string text = textColumn(v);
    char buffer[2048];
    std::snprintf(buffer, sizeof buffer, format, address, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8],
                  v[9], v[10], v[11], v[12], v[13], v[14], v[15], text.c_str());
    return withCrLf(buffer);
}

std::string converterLine(const std::string& format, std::uint32_t address, const std::vector<std::int32_t>& v)
{
    std::string captured;
    LineReader in(std::string_view{});
    {
        OutputChannel out(captured);
        LineWriter writer(format, in, out);
        writer.writeLine(address, v);
    }
    return captured;
}

const std::vector<std::vector<std::int32_t>> kByteLines = {
    {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F},
    {0x1F, 0x20, 0x7E, 0x7F, 0x80, 0xFF, 0x41, 0x0A, 0x0D, 0x25, 0x5C, 0x61, 0x39, 0x3A, 0xA0, 0xFE},
    {0x9C, 0x12, 0xE7, 0x3B, 0x50, 0xC4, 0x6D, 0x08, 0xB1, 0x77, 0x2E, 0xDA, 0x45, 0x10, 0xF3, 0x89},
};
const std::uint32_t kAddresses[] = {0, 0x1230, 0x0800ABC0, 0xFFFFFFF0};

struct PlanCase {
    const char* format;
    bool planned;              // takes the fixed-width line image
    const char* cFormat;       // the same output in the C library's terms, if the format differs
};

void PrintTo(const PlanCase& c, std::ostream* os)
{
    *os << '"' << c.format << '"';
}

class LineFormats : public ::testing::TestWithParam<PlanCase> {};

// Whether or not a format is planned, every line prints as the C library
// prints it, with LF as CR LF.
TEST_P(LineFormats, PrintAsTheCLibrary)
{
    const PlanCase& c = GetParam();
    const LinePlan plan{PrintfFormat(c.format)};
    EXPECT_EQ(plan.usable(), c.planned);
    const char* reference = c.cFormat ? c.cFormat : c.format;
    for (const auto& values : kByteLines) {
        for (std::uint32_t address : kAddresses) {
            const std::string expected = cLine(reference, address, values);
            EXPECT_EQ(converterLine(c.format, address, values), expected) << std::hex << address;
            if (!plan.usable())
                continue;
            // Exactly size() bytes, written within them.
            std::vector<char> line(plan.size());
            const char* end = plan.write(line.data(), address, values.data());
            ASSERT_EQ(end, line.data() + line.size());
            EXPECT_EQ(std::string(line.begin(), line.end()), expected) << std::hex << address;
        }
    }
}

#define TRELK_4(piece) piece piece piece piece
#define TRELK_16(piece) TRELK_4(piece) TRELK_4(piece) TRELK_4(piece) TRELK_4(piece)

INSTANTIATE_TEST_SUITE_P(
    Formats, LineFormats,
    ::testing::Values(
        // The front end's presets, as it writes them and with a line feed.
        PlanCase{"%08X : %02X%02X%02X%02X %02X%02X%02X%02X %02X%02X%02X%02X %02X%02X%02X%02X : %-16s", true, nullptr},
        PlanCase{"%08X : %02X%02X%02X%02X %02X%02X%02X%02X  %02X%02X%02X%02X %02X%02X%02X%02X : %-16s\n", true,
                 nullptr},
        PlanCase{"%08x : %02x%02x%02x%02x %02x%02x%02x%02x %02x%02x%02x%02x %02x%02x%02x%02x", true, nullptr},
        PlanCase{"%08X : %02X%02X %02X%02X %02X%02X %02X%02X %02X%02X %02X%02X %02X%02X %02X%02X : %-16s\n", true,
                 nullptr},
        PlanCase{"%08x : %02x%02x %02x%02x %02x%02x %02x%02x %02x%02x %02x%02x %02x%02x %02x%02x", true, nullptr},
        PlanCase{"%08X :" TRELK_16(" %02X") " : %-16s\n", true, nullptr},
        PlanCase{"%08x :" TRELK_16(" %02x"), true, nullptr},
        PlanCase{"%08X : " TRELK_16("%02X") " : %-16s", true, nullptr},
        PlanCase{"%08x : " TRELK_16("%02x") " : %-16s\n", true, nullptr},
        // Widths, padding, case, literals and length modifiers the plan takes.
        PlanCase{"%010x%%%04X %3X %2x %02x%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X\n%s|", true, nullptr},
        PlanCase{"%08X" TRELK_16("%2X") "%20s|\n", true, nullptr},
        PlanCase{"%08X" TRELK_16(" %02x") "%-20s|", true, nullptr},
        PlanCase{"%08x :" TRELK_4(" %02X%2x %02x%2X") " : %s\n", true, nullptr},
        PlanCase{"%08X" TRELK_4("%2x%2x%03x%2x") "%16s\n", true, nullptr},
        PlanCase{"%08lX %02hhX %02hX %02lX %02llx", true, "%08X %02hhX %02hX %02X %02x"},
        PlanCase{"%08llx: %02X", true, "%08x: %02X"},
        PlanCase{"%08X", true, nullptr},
        PlanCase{"only text\n", true, nullptr},
        PlanCase{"", true, nullptr},
        // Left to the general engine.
        PlanCase{"%X : %02X", false, nullptr},
        PlanCase{"%8X : %02X", false, nullptr},
        PlanCase{"%-08X : %02X", false, nullptr},
        PlanCase{"%08hX : %02X", false, nullptr},
        PlanCase{"%08X : %X", false, nullptr},
        PlanCase{"%08X : %-3X|", false, nullptr},
        PlanCase{"%08X : %.3X", false, nullptr},
        PlanCase{"%08X : %#04x", false, nullptr},
        PlanCase{"%08X : %d %u %o %c", false, nullptr},
        PlanCase{"%08X" TRELK_16(" %02X") " %.4s|", false, nullptr},
        PlanCase{"%08X : %0300X", false, nullptr}));

#undef TRELK_16
#undef TRELK_4

// A line with a value outside 0 to 255 (a negative filler, a "-1" pair)
// leaves the plan for the general engine, which prints all its digits.
TEST(LinePlan, ValuesOutsideAByteTakeTheGeneralEngine)
{
    const char* format = "%08X : %02X%02X%02X%02X %02X%02X%02X%02X  %02X%02X%02X%02X %02X%02X%02X%02X : %-16s\n";
    const LinePlan plan{PrintfFormat(format)};
    ASSERT_TRUE(plan.usable());
    std::vector<std::vector<std::int32_t>> lines = {
        std::vector<std::int32_t>(16, -1),
        {0x41, 0x42, 0x100, 0x44, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<std::int32_t>(0x800000FF)},
    };
    for (const auto& values : lines) {
        std::vector<char> room(plan.size());
        EXPECT_EQ(plan.write(room.data(), 0x1000, values.data()), nullptr);
        EXPECT_EQ(converterLine(format, 0x1000, values), cLine(format, 0x1000, values));
    }
}

// A line longer than the output buffer takes (a long literal) still
// arrives whole.
TEST(LinePlan, LineLongerThanAnyBufferArrivesWhole)
{
    const std::string literal(300000, 'a');
    std::vector<std::int32_t> values(16, 0x41);
    EXPECT_EQ(converterLine(literal + "%08X : %02X\n", 0x1230, values), literal + "00001230 : 41\r\n");
    EXPECT_EQ(converterLine("%08X" + literal + "%02X\n", 0x1230, values), "00001230" + literal + "41\r\n");
}

// The vector rendering and the portable one agree with each other and with
// the C library, for every byte value in every digit set, and with the text
// column's rule.
TEST(LineGlyphs, EveryByteRendersAsPrintfAndTheTextRule)
{
    const struct {
        LineGlyphs::Set set;
        const char* format;
    } sets[] = {{LineGlyphs::kZeroUpper, "%02X"}, {LineGlyphs::kZeroLower, "%02x"},
                {LineGlyphs::kBlankUpper, "%2X"}, {LineGlyphs::kBlankLower, "%2x"}};
    for (const auto& s : sets) {
        for (int base = 0; base < 256; base += LineGlyphs::kValues) {
            std::vector<std::int32_t> values;
            std::string hex;
            for (int i = 0; i < LineGlyphs::kValues; ++i) {
                values.push_back(base + i);
                char pair[3];
                std::snprintf(pair, sizeof pair, s.format, base + i);
                hex += pair;
            }
            LineGlyphs fast;
            LineGlyphs portable;
            ASSERT_TRUE(fast.render(values.data(), LineGlyphs::bit(s.set)));
            ASSERT_TRUE(portable.renderPortable(values.data(), LineGlyphs::bit(s.set)));
            EXPECT_EQ(std::string(fast.hex[s.set], sizeof fast.hex[s.set]), hex) << s.format << ' ' << base;
            EXPECT_EQ(std::string(portable.hex[s.set], sizeof portable.hex[s.set]), hex) << s.format << ' ' << base;
            EXPECT_EQ(std::string(fast.text, sizeof fast.text), textColumn(values)) << base;
            EXPECT_EQ(std::string(portable.text, sizeof portable.text), textColumn(values)) << base;
        }
    }
}

TEST(LineGlyphs, ValuesOutsideAByteAreRefused)
{
    const unsigned allSets = (1u << LineGlyphs::kSets) - 1;
    const std::int32_t outside[] = {-1, 0x100, 0x1FF, INT32_MIN, 0x7FFFFF00, 0x10000041};
    for (std::int32_t bad : outside) {
        for (int at : {0, 5, 15}) {
            std::vector<std::int32_t> values(LineGlyphs::kValues, 0x41);
            values[static_cast<std::size_t>(at)] = bad;
            LineGlyphs glyphs;
            EXPECT_FALSE(glyphs.render(values.data(), allSets)) << bad << " at " << at;
            EXPECT_FALSE(glyphs.renderPortable(values.data(), allSets)) << bad << " at " << at;
        }
    }
}

}  // namespace
