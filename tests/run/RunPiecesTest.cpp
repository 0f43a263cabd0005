// The pieces a conversion run is built from: shell quoting and commands,
// names, the filler value, the same-file test and the parameter file.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "AppPaths.h"
#include "CommandShell.h"
#include "DerivedOutputName.h"
#include "DumpValues.h"
#include "FileAccess.h"
#include "FillerValue.h"
#include "ParameterFile.h"
#include "RunTestFiles.h"

namespace fs = std::filesystem;

namespace {

struct QuoteCase {
    std::string path;
    std::string quoted;
};

void PrintTo(const QuoteCase& c, std::ostream* os) { *os << testing::PrintToString(c.path); }

class ShellQuoteTest : public testing::TestWithParam<QuoteCase> {};

TEST_P(ShellQuoteTest, GivesTheWord)
{
    EXPECT_EQ(ShellQuote(GetParam().path), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(Paths, ShellQuoteTest, testing::Values(
    QuoteCase{"/work/prog.mot", "/work/prog.mot"},
    QuoteCase{"/a-b_c/d+e,f:g@h%i.txt", "/a-b_c/d+e,f:g@h%i.txt"},
    QuoteCase{"a=b", "'a=b'"},
    QuoteCase{"rel/x.mot", "rel/x.mot"},
    QuoteCase{"", "''"},
    QuoteCase{"/my dir/x.mot", "'/my dir/x.mot'"},
    QuoteCase{"/it's", "'/it'\\''s'"},
    QuoteCase{"~/x", "'~/x'"},
    QuoteCase{"/a*b", "'/a*b'"},
    QuoteCase{"/a\nb", "'/a\nb'"},
    QuoteCase{"/日本/x", "'/日本/x'"}));

// Whatever the name holds, the shell hands it on as one unchanged word.
TEST(ShellQuoteRoundTrip, ShellReadsBackTheSameBytes)
{
    const RunTempDir dir;
    const std::vector<std::string> names = {
        "plain.txt", "with blank", "quote'single", "quote\"double", "dollar$HOME",
        "back`id`tick", "semi;colon", "amp&ersand", "pi|pe", "new\nline",
        "$(touch injected)", "'; touch injected; '", "star*", "tab\there", "-dash",
        "ü日本", "\\back\\slash", "a'\"'\"b"};
    for (const std::string& name : names) {
        const std::string out = dir / "out";
        const int status =
            RunShellCommand("printf '%s' " + ShellQuote(name) + " > " + ShellQuote(out));
        EXPECT_EQ(status, 0) << name;
        EXPECT_EQ(ReadFile(out).value_or("<none>"), name);
    }
    EXPECT_FALSE(fs::exists(dir / "injected"));
    EXPECT_FALSE(fs::exists("injected"));
}

struct StatusCase {
    const char* label;
    std::string command;
    int status;
};

void PrintTo(const StatusCase& c, std::ostream* os) { *os << c.command; }

class ShellCommandTest : public testing::TestWithParam<StatusCase> {};

TEST_P(ShellCommandTest, ReportsTheShellStatus)
{
    EXPECT_EQ(RunShellCommand(GetParam().command), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(Statuses, ShellCommandTest, testing::Values(
    StatusCase{"Success", "true", 0},
    StatusCase{"ExitCode", "exit 3", 3},
    StatusCase{"NotFound", "/nonexistent-dir/trelk_conv < /dev/null", 127},
    StatusCase{"NotExecutable", "/dev/null", 126},
    StatusCase{"Signal", "kill -TERM $$", 128 + 15},
    // sort orders by bytes only in the C locale; the child must see it.
    StatusCase{"CLocale", "sh -c 'test \"$LC_ALL\" = C'", 0}),
    [](const testing::TestParamInfo<StatusCase>& info) { return info.param.label; });

struct DeriveCase {
    std::string input;
    std::string extension;
    std::string output;
};

void PrintTo(const DeriveCase& c, std::ostream* os) { *os << c.input << " " << c.extension; }

class DerivedOutputNameTest : public testing::TestWithParam<DeriveCase> {};

TEST_P(DerivedOutputNameTest, DropsFromTheLastDot)
{
    EXPECT_EQ(DerivedOutputName(GetParam().input, GetParam().extension), GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(Names, DerivedOutputNameTest, testing::Values(
    DeriveCase{"/work/prog.mot", "txt", "/work/prog.txt"},
    DeriveCase{"/work/prog", "txt", "/work/prog.txt"},
    DeriveCase{"/old.dir/prog", "txt", "/old.txt"},
    DeriveCase{"/work/prog.tar.mot", "txt", "/work/prog.tar.txt"},
    DeriveCase{"/work/prog.", "txt", "/work/prog.txt"},
    DeriveCase{"/a/x.mot", "mot", "/a/x.mot"},
    DeriveCase{"/work/prog.mot", "", "/work/prog."}));

TEST(FullPathTest, ResolvesAgainstTheCurrentDirectory)
{
    const std::string cwd = fs::current_path().string();
    const std::string parent = fs::current_path().parent_path().string();
    const struct {
        std::string path;
        std::string full;
    } cases[] = {
        {"/a/b/../c.mot", "/a/c.mot"},
        {"/a/./b//c.mot", "/a/b/c.mot"},
        {"in.mot", cwd + "/in.mot"},
        {"./x/../in.mot", cwd + "/in.mot"},
        {"../up.mot", parent + "/up.mot"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileAccess::FullPath(c.path), c.full) << c.path;
}

struct FillerCase {
    std::string typed;
    bool accepted;
    std::string after;
};

void PrintTo(const FillerCase& c, std::ostream* os) { *os << testing::PrintToString(c.typed); }

class FillerValueTest : public testing::TestWithParam<FillerCase> {};

TEST_P(FillerValueTest, NormalisesOrRefuses)
{
    std::string filler = GetParam().typed;
    EXPECT_EQ(NormaliseFiller(filler), GetParam().accepted);
    EXPECT_EQ(filler, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Values, FillerValueTest, testing::Values(
    FillerCase{"f", true, "0F"}, FillerCase{"F", true, "0F"},
    FillerCase{"0f", true, "0F"}, FillerCase{"0F", true, "0F"},
    FillerCase{"a9", true, "A9"}, FillerCase{"00", true, "00"},
    FillerCase{"", false, ""}, FillerCase{"123", false, "123"},
    FillerCase{"G", false, "0G"}, FillerCase{"0x", false, "0X"},
    FillerCase{" 1", false, " 1"}, FillerCase{"-1", false, "-1"},
    FillerCase{"ｆ", false, "ｆ"}));

TEST(SameFileTest, KnowsOneFileUnderTwoNames)
{
    const RunTempDir dir;
    WriteFile(dir / "in.mot", "S0");
    WriteFile(dir / "other.mot", "S0");
    fs::create_directory(dir / "sub");
    fs::create_hard_link(dir / "in.mot", dir / "hard.mot");
    fs::create_symlink(dir / "in.mot", dir / "soft.mot");
    const struct {
        std::string second;
        bool same;
    } cases[] = {
        {dir / "in.mot", true},
        {dir / "sub/../in.mot", true},
        {dir / "hard.mot", true},
        {dir / "soft.mot", true},
        {dir / "other.mot", false},
        {dir / "missing.mot", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileAccess::IsSameFile(dir / "in.mot", c.second), c.same) << c.second;
}

// Every file the front end makes itself: start-up directory, one separator,
// user name, dot, extension; nothing adjusted.
TEST(AppPathsTest, NamesTheUserFiles)
{
    const struct {
        AppPaths paths;
        std::string extension;
        std::string file;
    } cases[] = {
        {{"/opt/trelk", "alice"}, "prm", "/opt/trelk/alice.prm"},
        {{"/opt/trelk", "alice"}, "dat", "/opt/trelk/alice.dat"},
        {{"/opt/trelk", "Trelk_Conv"}, "txt", "/opt/trelk/Trelk_Conv.txt"},
        {{"/", "bob"}, "dat", "//bob.dat"},
        {{"/opt/my dir/", "b o b"}, "prm", "/opt/my dir//b o b.prm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.paths.UserFile(c.extension), c.file);
    EXPECT_EQ(AppPaths({"/opt/trelk", "alice"}).InStartDir("trelk_conv"), "/opt/trelk/trelk_conv");
}

TEST(ParameterFileTest, WritesTheTenLinesInOrderWithCrLf)
{
    DumpValues values;
    values.m_strLineFormat = "%08X = %-16s";
    values.m_strFiller = "0F";
    values.m_strGapText = "";
    values.m_strS0Format = "";
    values.m_strH03Format = "50% %04X %04X";
    const std::string expected =
        "-F=%08X = %-16s\r\n"
        "-f=0F\r\n"
        "-G=\r\n"
        "-S0=\r\n"
        "-S9=Starting Execution Address : %08X\r\n"
        "-H01=End Record\r\n"
        "-H02=Extended Segment Address Record : %04X\r\n"
        "-H03=50% %04X %04X\r\n"
        "-H04=Extended Linear Address Record : %04X\r\n"
        "-H05=Start Linear Address Record : %04X\r\n";

    const RunTempDir dir;
    WriteFile(dir / "u.prm", std::string(2000, 'x'));
    ASSERT_TRUE(ParameterFile::Write(dir / "u.prm", values));
    EXPECT_EQ(ReadFile(dir / "u.prm"), expected);
}

// The file of an unchanged dialog, byte for byte; the Windows build's check
// under wine compares its own parameter file with the same golden file.
TEST(ParameterFileTest, DefaultsGiveTheGoldenFile)
{
    EXPECT_EQ(ParameterFile::Text(DumpValues()), ReadFile(TRELK_DEFAULT_PRM).value_or("<none>"));
}

TEST(ParameterFileTest, FailsWhereNoFileCanBeMade)
{
    const RunTempDir dir;
    fs::create_directory(dir / "u.prm");
    const DumpValues values;
    EXPECT_FALSE(ParameterFile::Write(dir / "u.prm", values));
    EXPECT_FALSE(ParameterFile::Write(dir / "missing/u.prm", values));
    if (fs::exists("/dev/full")) {
        EXPECT_FALSE(ParameterFile::Write("/dev/full", values)) << "a full disk is a failure";
    }
}

} // namespace
