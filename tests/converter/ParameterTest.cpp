#include "DumpParameters.h"
#include "ParameterFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <ostream>
#include <string>

namespace {

// A unique directory per test: tests run in parallel.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = ::testing::TempDir() + "trelk_param_XXXXXX";
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempDir() { std::system(("rm -rf '" + path_ + "'").c_str()); }
    std::string write(const std::string& name, const std::string& bytes) const
    {
        std::string file = path_ + "/" + name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

struct LineCase {
    const char* name;
    std::string file;
    DumpParameters expected;
};

DumpParameters with(void (*change)(DumpParameters&))
{
    DumpParameters p;
    change(p);
    return p;
}

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.name;
}

class ParameterLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(ParameterLines, SetExactlyTheirKey)
{
    TempDir dir;
    DumpParameters p;
    ASSERT_TRUE(ParameterFile::read(dir.write("run.prm", GetParam().file), p));
    const DumpParameters& e = GetParam().expected;
    EXPECT_EQ(p.lineFormat, e.lineFormat);
    EXPECT_EQ(p.fillerValue, e.fillerValue);
    EXPECT_EQ(p.gapText, e.gapText);
    EXPECT_EQ(p.s0Format, e.s0Format);
    EXPECT_EQ(p.s9Format, e.s9Format);
    EXPECT_EQ(p.h01Format, e.h01Format);
    EXPECT_EQ(p.h02Format, e.h02Format);
    EXPECT_EQ(p.h03Format, e.h03Format);
    EXPECT_EQ(p.h04Format, e.h04Format);
    EXPECT_EQ(p.h05Format, e.h05Format);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ParameterLines,
    ::testing::Values(
        LineCase{"EmptyGap", "-G=\n", with([](DumpParameters& p) { p.gapText = ""; })},
        LineCase{"EmptyFormatIgnored", "-F=\n", DumpParameters{}},
        LineCase{"FillerOneDigit", "-f=1\n", with([](DumpParameters& p) { p.fillerValue = 1; })},
        LineCase{"FillerTwoOfThree", "-f=123\n", with([](DumpParameters& p) { p.fillerValue = 0x12; })},
        LineCase{"FillerMinusOne", "-f=-1\n", with([](DumpParameters& p) { p.fillerValue = -1; })},
        LineCase{"FillerWithoutDigit", "-f=zz\n", DumpParameters{}},
        LineCase{"IgnoredLines", "=abc\nabc\n-F =x\n-x=1\n\n", DumpParameters{}},
        LineCase{"SplitAtFirstEquals", "-S0=a=b\n", with([](DumpParameters& p) { p.s0Format = "a=b\n"; })},
        LineCase{"CrLfEnds", "-S9=%X\r\n-H01=end\r\n", with([](DumpParameters& p) {
                     p.s9Format = "%X\n";
                     p.h01Format = "end\n";
                 })},
        LineCase{"LastLineWithoutLf", "-H02=x", with([](DumpParameters& p) { p.h02Format = "x\n"; })},
        LineCase{"LastOneWins", "-H03=a\n-H03=b\n", with([](DumpParameters& p) { p.h03Format = "b\n"; })},
        LineCase{"KeysAreCaseSensitive", "-g=x\n-h04=y\n-H05=z\n", with([](DumpParameters& p) { p.h05Format = "z\n"; })},
        LineCase{"Line511Accepted", "-F=" + std::string(508, 'a') + "\n",
                 with([](DumpParameters& p) { p.lineFormat = std::string(508, 'a') + "\n"; })},
        LineCase{"Line512EndsTheFile", "-G=x\n-F=" + std::string(509, 'a') + "\n-S0=late\n",
                 with([](DumpParameters& p) { p.gapText = "x\n"; })},
        LineCase{"CtrlZEndsTheFile", "-G=x\n\x1A-S0=late\n", with([](DumpParameters& p) { p.gapText = "x\n"; })}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParameterFile, MissingFileOrDirectoryCannotBeOpened)
{
    TempDir dir;
    DumpParameters p;
    EXPECT_FALSE(ParameterFile::read(dir.path() + "/missing.prm", p));
    EXPECT_FALSE(ParameterFile::read(dir.path(), p));
    EXPECT_FALSE(ParameterFile::read("", p));
}

}  // namespace
