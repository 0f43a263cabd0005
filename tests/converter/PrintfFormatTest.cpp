#include "PrintfFormat.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <random>
#include <string>

namespace {

std::string render(const std::string& format, std::initializer_list<FormatArg> args)
{
    std::string out;
    PrintfFormat(format).format(out, args.begin(), args.size());
    return out;
}

// What the C library prints for one 32-bit argument, passed as the type the
// conversion's length modifier asks for.
std::string reference(const std::string& format, const FormatArg& arg)
{
    char buffer[8192];
    const bool wide = format.find("ll") != std::string::npos;
    // A long of the host, where the table keeps to values on which a 32-bit
    // long agrees.
    const bool hostLong = !wide && format.find('l') != std::string::npos;
    if (arg.kind == FormatArg::Kind::String)
        std::snprintf(buffer, sizeof buffer, format.c_str(), std::string(arg.text).c_str());
    else if (wide && arg.kind == FormatArg::Kind::Signed)
        std::snprintf(buffer, sizeof buffer, format.c_str(), static_cast<long long>(static_cast<std::int32_t>(arg.bits)));
    else if (wide)
        std::snprintf(buffer, sizeof buffer, format.c_str(), static_cast<unsigned long long>(arg.bits));
    else if (hostLong && arg.kind == FormatArg::Kind::Signed)
        std::snprintf(buffer, sizeof buffer, format.c_str(), static_cast<long>(static_cast<std::int32_t>(arg.bits)));
    else if (hostLong)
        std::snprintf(buffer, sizeof buffer, format.c_str(), static_cast<unsigned long>(arg.bits));
    else
        std::snprintf(buffer, sizeof buffer, format.c_str(), static_cast<int>(arg.bits));
    return buffer;
}

struct FittingCase {
    const char* format;
    FormatArg arg;
};

void PrintTo(const FittingCase& c, std::ostream* os)
{
    *os << '"' << c.format << '"';
}

class FittingFormat : public ::testing::TestWithParam<FittingCase> {};

TEST_P(FittingFormat, PrintsAsTheCLibrary)
{
    const FittingCase& c = GetParam();
    EXPECT_EQ(render(c.format, {c.arg}), reference(c.format, c.arg)) << c.format;
}

const FormatArg kMinusOne = FormatArg::ofSigned(-1);
const FormatArg kZero = FormatArg::ofSigned(0);
const FormatArg kByte = FormatArg::ofSigned(0xA5);
const FormatArg kNegative = FormatArg::ofSigned(-1234567);
const FormatArg kHigh = FormatArg::ofUnsigned(0x89ABCDEFu);
const FormatArg kText = FormatArg::ofString("ABCDEFGHIJKLMNOP");

INSTANTIATE_TEST_SUITE_P(
    Conversions, FittingFormat,
    ::testing::Values(
        FittingCase{"%02X", kByte}, FittingCase{"%02x", kByte}, FittingCase{"%02X", kMinusOne},
        FittingCase{"%08X", kHigh}, FittingCase{"%08x", kZero}, FittingCase{"%X", kZero},
        FittingCase{"%4X", kByte}, FittingCase{"%-4X|", kByte}, FittingCase{"%#x", kByte},
        FittingCase{"%#X", kZero}, FittingCase{"%#010x", kByte}, FittingCase{"%.4x", kByte},
        FittingCase{"%8.4X", kByte}, FittingCase{"%08.4X", kByte}, FittingCase{"%.0x", kZero},
        FittingCase{"%d", kNegative}, FittingCase{"%+d", kByte}, FittingCase{"% d", kByte},
        FittingCase{"%+ d", kByte}, FittingCase{"%012d", kNegative}, FittingCase{"%-12d|", kNegative},
        FittingCase{"%i", kHigh}, FittingCase{"%u", kMinusOne}, FittingCase{"%+u", kByte},
        FittingCase{"%o", kHigh}, FittingCase{"%#o", kZero}, FittingCase{"%#.0o", kZero},
        FittingCase{"%#o", kByte}, FittingCase{"%.0d", kZero}, FittingCase{"%5.0d|", kZero},
        FittingCase{"%hhX", kMinusOne}, FittingCase{"%hhd", kByte}, FittingCase{"%hd", kHigh},
        FittingCase{"%hx", kHigh}, FittingCase{"%lX", kHigh}, FittingCase{"%ld", kNegative},
        FittingCase{"%llx", kMinusOne}, FittingCase{"%lld", kNegative}, FittingCase{"%llu", kHigh},
        FittingCase{"%c", FormatArg::ofSigned('A')}, FittingCase{"%3c|", FormatArg::ofSigned('A')},
        FittingCase{"%-3c|", FormatArg::ofSigned(0x141)}, FittingCase{"%s", kText},
        FittingCase{"%-20s|", kText}, FittingCase{"%20s|", kText}, FittingCase{"%.5s|", kText},
        FittingCase{"%8.3s|", kText}, FittingCase{"%.0s|", kText}, FittingCase{"%-16s", FormatArg::ofString("abc")},
        FittingCase{"%4096d|", kByte}, FittingCase{"100%% %d", kByte}));

TEST(PrintfFormat, WholeLineFormatsMatchTheCLibrary)
{
    const char* formats[] = {
        "%08X : %02X%02X%02X%02X %02X%02X%02X%02X  %02X%02X%02X%02X %02X%02X%02X%02X : %-16s\n",
        "%08x : %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x",
        "%08X : %02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X : %-16s",
    };
    const int v[16] = {0, 1, 0x20, 0x41, 0x7E, 0x7F, 0x80, 0xFF, -1, 0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE};
    FormatArg args[18];
    args[0] = FormatArg::ofUnsigned(0xFFFFFFF0u);
    for (int i = 0; i < 16; ++i)
        args[1 + i] = FormatArg::ofSigned(v[i]);
    args[17] = FormatArg::ofString(" ..A~...........");
    for (const char* format : formats) {
        char expected[512];
        std::snprintf(expected, sizeof expected, format, 0xFFFFFFF0u, v[0], v[1], v[2], v[3], v[4], v[5], v[6],
                      v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14], v[15], " ..A~...........");
        std::string out;
        PrintfFormat(format).format(out, args, 18);
        EXPECT_EQ(out, expected) << format;
    }
}

struct HostileCase {
    const char* format;
    const char* expected;
};

void PrintTo(const HostileCase& c, std::ostream* os)
{
    *os << '"' << c.format << '"';
}

class HostileFormat : public ::testing::TestWithParam<HostileCase> {};

// Arguments as the line writer passes them: address, one value, the text.
TEST_P(HostileFormat, WritesWhatDoesNotFitAsItStands)
{
    const HostileCase& c = GetParam();
    EXPECT_EQ(render(c.format, {FormatArg::ofUnsigned(0x1000), FormatArg::ofSigned(0x41), FormatArg::ofString("txt")}),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, HostileFormat,
    ::testing::Values(
        HostileCase{"%s", "%s"},                           // string in a number's place
        HostileCase{"%X %X %d", "1000 41 %d"},             // a string argument for a number
        HostileCase{"%X %X %s %s %X", "1000 41 txt %s %X"},  // more conversions than arguments
        HostileCase{"%n%X", "%n41"},                       // %n takes its slot and is never run
        HostileCase{"%*d|%X", "%*d|41"},
        HostileCase{"%.*d|", "%.*d|"},
        HostileCase{"%f %e %g %p", "%f %e %g %p"},
        HostileCase{"%99999d", "%99999d"},
        HostileCase{"%.99999999999999999999x", "%.99999999999999999999x"},
        HostileCase{"%lc %ls", "%lc %ls"},
        HostileCase{"%#d %05s", "%#d %05s"},
        HostileCase{"%Lf %jd %zu", "%Lf %jd %zu"},
        HostileCase{"%1$s", "%1$s"},
        HostileCase{"abc%", "abc%"},
        HostileCase{"%08", "%08"},
        HostileCase{"%-", "%-"},
        HostileCase{"%%%X%%", "%1000%"}));

TEST(PrintfFormat, NoArgumentsLeavesEveryConversionAsItStands)
{
    std::string out;
    PrintfFormat("a%08X b%-16s c%%").format(out, nullptr, 0);
    EXPECT_EQ(out, "a%08X b%-16s c%");
}

// The line writer sizes its buffer with outputBound: a format of conversions
// that can never be formatted must not cost room for the widths they name.
TEST(PrintfFormat, ConversionsThatNeverFitCostOnlyTheirText)
{
    std::string format;
    while (format.size() + 13 <= 508)
        format += "%40969.40969d";
    FormatArg args[18];
    for (std::size_t i = 0; i < 17; ++i)
        args[i] = FormatArg::ofSigned(0x41);
    args[17] = FormatArg::ofString("0123456789ABCDEF");
    PrintfFormat compiled(format);
    EXPECT_LE(compiled.outputBound(args, 18), format.size() + 64);
    std::string out;
    compiled.format(out, args, 18);
    EXPECT_EQ(out, format);
}

// The line writer sizes its buffer with outputBound: any format, however
// hostile, must stay inside it.
TEST(PrintfFormat, RandomFormatsStayWithinTheirBound)
{
    const std::string alphabet = "%%%%-+ #0123456789.*hlLjzqdiouxXcsnpfS$ab\n";
    std::mt19937 random(12345);
    FormatArg args[3] = {FormatArg::ofUnsigned(0xFFFFFFFFu), FormatArg::ofSigned(-5), FormatArg::ofString("text")};
    for (int round = 0; round < 20000; ++round) {
        std::string format;
        std::size_t length = random() % 24;
        for (std::size_t i = 0; i < length; ++i)
            format.push_back(alphabet[random() % alphabet.size()]);
        PrintfFormat compiled(format);
        std::string out;
        compiled.format(out, args, 3);
        ASSERT_LE(out.size(), compiled.outputBound(args, 3)) << format;
    }
}

}  // namespace
