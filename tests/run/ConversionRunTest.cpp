// The conversion run's checks, files and commands, with a fake desktop.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "AppPaths.h"
#include "ConversionRun.h"
#include "DumpValues.h"
#include "FakeRunPlatform.h"
#include "ParameterFile.h"
#include "RunTestFiles.h"

namespace fs = std::filesystem;

namespace {

using Box = RunPlatform::BoxType;
using Answer = RunPlatform::BoxAnswer;
using Message = FakeRunPlatform::Message;

const Message kInputError{"入力ファイルに誤りがあります！", Box::Ok};
const Message kKindError{"入力ファイルがＳレコードでもインテルHEXでもありません！", Box::Ok};
const Message kSameFile{"入力ファイルと出力ファイルが同じです！", Box::Ok};
const Message kSameAsParameterFile{"入力ファイルとパラメータファイルが同じです！", Box::Ok};
const Message kSameAsSortFile{"入力ファイルとソート用一時ファイルが同じです！", Box::Ok};
const Message kOverwrite{"出力ファイルは存在します。上書きしますか？", Box::OkCancel};
const Message kOutputError{"出力ファイルに誤りがあります！", Box::Ok};
const Message kNoFormat{"書式制御文字列が入力されていません！", Box::Ok};
const Message kFillerError{"詰草数値に誤りがあります！", Box::Ok};
const Message kParameterError{"パラメータファイルがオープンできません！", Box::Ok};
const Message kNotStarted{"変換プログラムを起動できません！", Box::Ok};

const std::string kOldOutput = "old dump\r\n";

// A start-up directory, an input file and an existing output file.
class RunFixture : public testing::Test {
protected:
    RunFixture()
    {
        m_paths = {m_dir.Path(), "user"};
        WriteFile(m_dir / "in.mot", kSRecordInput);
        WriteFile(m_dir / "out.txt", kOldOutput);
        m_values.m_strInputFile = m_dir / "in.mot";
        m_values.m_strOutputFile = m_dir / "out.txt";
        m_values.m_bSameAsInput = 0;
    }

    bool Run() { return ConversionRun(m_values, m_paths, m_platform).Execute(); }

    std::string ParameterPath() const { return m_dir / "user.prm"; }

    RunTempDir m_dir;
    AppPaths m_paths;
    DumpValues m_values;
    FakeRunPlatform m_platform;
};

enum class Output { Untouched, Emptied };

struct CheckCase {
    const char* label;
    std::function<void(RunFixture&, DumpValues&, FakeRunPlatform&)> arrange;
    std::vector<Message> messages;
    Output output;
    bool parameterFile;
    bool completed;
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.label; }

class CheckSequenceTest : public RunFixture, public testing::WithParamInterface<CheckCase> {
public:
    const RunTempDir& Dir() const { return m_dir; }
};

TEST_P(CheckSequenceTest, StopsAtTheFirstFailedCheck)
{
    const CheckCase& c = GetParam();
    c.arrange(*this, m_values, m_platform);
    const std::optional<std::string> input = ReadFile(m_dir / "in.mot");

    EXPECT_EQ(Run(), c.completed);

    EXPECT_EQ(m_platform.m_messages, c.messages);
    EXPECT_EQ(ReadFile(m_dir / "out.txt"), c.output == Output::Untouched ? kOldOutput : "");
    EXPECT_EQ(fs::is_regular_file(ParameterPath()), c.parameterFile);
    EXPECT_EQ(ReadFile(m_dir / "in.mot"), input) << "the input must never change";
    EXPECT_EQ(m_platform.m_commands.empty(), !c.completed);
}

CheckSequenceTest* Self(RunFixture& f) { return static_cast<CheckSequenceTest*>(&f); }

void Nothing(RunFixture&, DumpValues&, FakeRunPlatform&) {}

INSTANTIATE_TEST_SUITE_P(Checks, CheckSequenceTest, testing::Values(
    CheckCase{"InputMissing",
              [](RunFixture& f, DumpValues& v, FakeRunPlatform&) {
                  v.m_strInputFile = Self(f)->Dir() / "missing.mot";
              },
              {kInputError}, Output::Untouched, false, false},
    CheckCase{"InputNameEmpty",
              [](RunFixture&, DumpValues& v, FakeRunPlatform&) { v.m_strInputFile.clear(); },
              {kInputError}, Output::Untouched, false, false},
    CheckCase{"InputIsADirectory",
              [](RunFixture& f, DumpValues& v, FakeRunPlatform&) {
                  v.m_strInputFile = Self(f)->Dir().Path();
              },
              {kInputError}, Output::Untouched, false, false},
    CheckCase{"InputEmpty",
              [](RunFixture& f, DumpValues&, FakeRunPlatform&) {
                  WriteFile(Self(f)->Dir() / "in.mot", "");
              },
              {kKindError}, Output::Untouched, false, false},
    CheckCase{"InputStartsWithLowerCaseS",
              [](RunFixture& f, DumpValues&, FakeRunPlatform&) {
                  WriteFile(Self(f)->Dir() / "in.mot", "s00600004142433\r\n");
              },
              {kKindError}, Output::Untouched, false, false},
    CheckCase{"InputStartsWithBlank",
              [](RunFixture& f, DumpValues&, FakeRunPlatform&) {
                  WriteFile(Self(f)->Dir() / "in.mot", " " + kSRecordInput);
              },
              {kKindError}, Output::Untouched, false, false},
    CheckCase{"InputStartsWithByteOrderMark",
              [](RunFixture& f, DumpValues&, FakeRunPlatform&) {
                  WriteFile(Self(f)->Dir() / "in.mot", "\xEF\xBB\xBF" + kIntelHexInput);
              },
              {kKindError}, Output::Untouched, false, false},
    CheckCase{"OutputSameTextAsInput",
              [](RunFixture&, DumpValues& v, FakeRunPlatform&) {
                  v.m_strOutputFile = v.m_strInputFile;
              },
              {kSameFile}, Output::Untouched, false, false},
    CheckCase{"DerivedNameIsTheInput",
              [](RunFixture&, DumpValues& v, FakeRunPlatform&) {
                  v.m_bSameAsInput = 1;
                  v.m_strOutputExt = "mot";
              },
              {kSameFile}, Output::Untouched, false, false},
    CheckCase{"OutputIsTheInputSpeltOtherwise",
              [](RunFixture& f, DumpValues& v, FakeRunPlatform&) {
                  fs::create_directory(Self(f)->Dir() / "sub");
                  v.m_strOutputFile = Self(f)->Dir() / "sub/../in.mot";
              },
              {kSameFile}, Output::Untouched, false, false},
    CheckCase{"OutputIsAHardLinkToTheInput",
              [](RunFixture& f, DumpValues& v, FakeRunPlatform&) {
                  fs::create_hard_link(Self(f)->Dir() / "in.mot", Self(f)->Dir() / "link.txt");
                  v.m_strOutputFile = Self(f)->Dir() / "link.txt";
                  v.m_strBrowsedOutput = v.m_strOutputFile;  // no question to save it
              },
              {kSameFile}, Output::Untouched, false, false},
    CheckCase{"OverwriteCancelled",
              [](RunFixture&, DumpValues&, FakeRunPlatform& p) {
                  p.m_answers = {Answer::Cancel};
              },
              {kOverwrite}, Output::Untouched, false, false},
    CheckCase{"OverwriteAgreed", Nothing, {kOverwrite}, Output::Emptied, true, true},
    CheckCase{"BrowsedOutputAsksNothing",
              [](RunFixture&, DumpValues& v, FakeRunPlatform&) {
                  v.m_strBrowsedOutput = v.m_strOutputFile;
              },
              {}, Output::Emptied, true, true},
    CheckCase{"OutputIsADirectory",
              [](RunFixture& f, DumpValues& v, FakeRunPlatform&) {
                  v.m_strOutputFile = Self(f)->Dir().Path();
              },
              {kOutputError}, Output::Untouched, false, false},
    CheckCase{"OutputDirectoryMissing",
              [](RunFixture& f, DumpValues& v, FakeRunPlatform&) {
                  v.m_strOutputFile = Self(f)->Dir() / "missing/out.txt";
              },
              {kOutputError}, Output::Untouched, false, false},
    CheckCase{"OutputNameEmpty",
              [](RunFixture&, DumpValues& v, FakeRunPlatform&) { v.m_strOutputFile.clear(); },
              {kOutputError}, Output::Untouched, false, false},
    CheckCase{"LineFormatEmpty",
              [](RunFixture&, DumpValues& v, FakeRunPlatform&) {
                  v.m_strBrowsedOutput = v.m_strOutputFile;
                  v.m_strLineFormat.clear();
              },
              {kNoFormat}, Output::Emptied, false, false},
    CheckCase{"FillerEmpty",
              [](RunFixture&, DumpValues& v, FakeRunPlatform&) {
                  v.m_strBrowsedOutput = v.m_strOutputFile;
                  v.m_strFiller.clear();
              },
              {kFillerError}, Output::Emptied, false, false},
    CheckCase{"FillerTooLong",
              [](RunFixture&, DumpValues& v, FakeRunPlatform&) {
                  v.m_strBrowsedOutput = v.m_strOutputFile;
                  v.m_strFiller = "123";
              },
              {kFillerError}, Output::Emptied, false, false},
    CheckCase{"FillerNotHex",
              [](RunFixture&, DumpValues& v, FakeRunPlatform&) {
                  v.m_strBrowsedOutput = v.m_strOutputFile;
                  v.m_strFiller = "0x";
              },
              {kFillerError}, Output::Emptied, false, false},
    CheckCase{"ParameterFileCannotBeMade",
              [](RunFixture& f, DumpValues& v, FakeRunPlatform&) {
                  v.m_strBrowsedOutput = v.m_strOutputFile;
                  fs::create_directory(Self(f)->Dir() / "user.prm");
              },
              {kParameterError}, Output::Emptied, false, false}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.label; });

struct OwnFileCase {
    const char* label;
    std::string inputName;  // in the start-up directory, user "user"
    int32_t sort;
    std::optional<Message> refusal;  // none: the run goes through
};

void PrintTo(const OwnFileCase& c, std::ostream* os) { *os << c.label; }

class OwnFileTest : public RunFixture, public testing::WithParamInterface<OwnFileCase> {};

// The parameter file and the sort file are written over by every run.
TEST_P(OwnFileTest, NeverWritesOverTheInput)
{
    const std::string input = m_dir / GetParam().inputName;
    WriteFile(input, kSRecordInput);
    m_values.m_strInputFile = input;
    m_values.m_strBrowsedOutput = m_values.m_strOutputFile;
    m_values.m_bSortOutput = GetParam().sort;

    EXPECT_EQ(Run(), !GetParam().refusal);

    if (GetParam().refusal) {
        // The message names the file the input clashes with.
        EXPECT_EQ(m_platform.m_messages, std::vector<Message>{*GetParam().refusal});
        EXPECT_EQ(ReadFile(input), kSRecordInput);
        EXPECT_EQ(ReadFile(m_dir / "out.txt"), kOldOutput);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, OwnFileTest, testing::Values(
    OwnFileCase{"ParameterFile", "user.prm", 0, kSameAsParameterFile},
    OwnFileCase{"ParameterFileWhenSorting", "user.prm", 1, kSameAsParameterFile},
    OwnFileCase{"SortFileWhenSorting", "user.txt", 1, kSameAsSortFile},
    OwnFileCase{"SortFileUnused", "user.txt", 0, std::nullopt}),
    [](const testing::TestParamInfo<OwnFileCase>& info) { return info.param.label; });

TEST_F(RunFixture, ParameterFileFailureKeepsTheNormalisedFiller)
{
    m_values.m_strBrowsedOutput = m_values.m_strOutputFile;
    m_values.m_strFiller = "f";
    fs::create_directory(ParameterPath());
    EXPECT_FALSE(Run());
    EXPECT_EQ(m_values.m_strFiller, "0F");
}

TEST_F(RunFixture, RefusedFillerIsLeftPaddedAndUpperCased)
{
    m_values.m_strBrowsedOutput = m_values.m_strOutputFile;
    m_values.m_strFiller = "g";
    EXPECT_FALSE(Run());
    EXPECT_EQ(m_values.m_strFiller, "0G");
}

TEST_F(RunFixture, CancelledOverwriteKeepsTheDerivedName)
{
    m_values.m_bSameAsInput = 1;
    m_values.m_strOutputExt = "txt";
    m_values.m_strInputFile = m_dir / "out.mot";
    WriteFile(m_dir / "out.mot", kSRecordInput);
    m_platform.m_answers = {Answer::Cancel};
    EXPECT_FALSE(Run());
    EXPECT_EQ(m_values.m_strOutputFile, m_dir / "out.txt");
    EXPECT_EQ(ReadFile(m_dir / "out.txt"), kOldOutput);
}

struct DeriveCase {
    const char* label;
    std::string inputName;  // under the temp directory
    std::string outputName;
};

void PrintTo(const DeriveCase& c, std::ostream* os) { *os << c.label; }

class DerivedOutputTest : public RunFixture, public testing::WithParamInterface<DeriveCase> {};

TEST_P(DerivedOutputTest, ReplacesTheOutputName)
{
    fs::create_directories(fs::path(m_dir / GetParam().inputName).parent_path());
    WriteFile(m_dir / GetParam().inputName, kSRecordInput);
    m_values.m_strInputFile = m_dir / GetParam().inputName;
    m_values.m_bSameAsInput = 1;
    m_values.m_strOutputExt = "txt";

    EXPECT_TRUE(Run());
    EXPECT_EQ(m_values.m_strOutputFile, m_dir / GetParam().outputName);
    EXPECT_EQ(ReadFile(m_dir / GetParam().outputName), "");
}

INSTANTIATE_TEST_SUITE_P(Names, DerivedOutputTest, testing::Values(
    DeriveCase{"Extension", "prog.mot", "prog.txt"},
    DeriveCase{"NoExtension", "prog", "prog.txt"},
    DeriveCase{"DotInADirectoryOnly", "old.dir/prog", "old.txt"}),
    [](const testing::TestParamInfo<DeriveCase>& info) { return info.param.label; });

// The current directory is the process's; the test puts it back.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& path) : m_saved(fs::current_path())
    {
        fs::current_path(path);
    }
    ~WorkingDirectory() { fs::current_path(m_saved); }

private:
    fs::path m_saved;
};

TEST_F(RunFixture, RelativeInputDerivesAFullPath)
{
    fs::create_directory(m_dir / "work");
    const WorkingDirectory cwd(m_dir / "work");
    m_values.m_strInputFile = "../in.mot";
    m_values.m_bSameAsInput = 1;
    m_values.m_strOutputExt = "dump";

    EXPECT_TRUE(Run());
    EXPECT_EQ(m_values.m_strOutputFile, m_dir / "in.dump");
    EXPECT_TRUE(fs::exists(m_dir / "in.dump"));
}

struct CommandCase {
    const char* label;
    std::string input;
    int32_t sort;
    bool viaSortFile;
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.label; }

class CommandTest : public RunFixture, public testing::WithParamInterface<CommandCase> {};

TEST_P(CommandTest, RunsTheConverterAndSortWhenAsked)
{
    WriteFile(m_dir / "in.mot", GetParam().input);
    m_values.m_strBrowsedOutput = m_values.m_strOutputFile;
    m_values.m_bSortOutput = GetParam().sort;

    EXPECT_TRUE(Run());

    const std::string d = m_dir.Path();
    std::vector<std::string> expected;
    if (GetParam().viaSortFile) {
        expected = {d + "/trelk_conv < " + d + "/in.mot > " + d + "/user.txt -p" + d + "/user.prm",
                    "sort < " + d + "/user.txt > " + d + "/out.txt"};
    } else {
        expected = {d + "/trelk_conv < " + d + "/in.mot > " + d + "/out.txt -p" + d + "/user.prm"};
    }
    EXPECT_EQ(m_platform.m_commands, expected);
    EXPECT_TRUE(m_platform.m_busyDuringCommands);
    EXPECT_EQ(m_platform.m_nBusy, 0);
    EXPECT_TRUE(m_platform.m_messages.empty());

    // The same commands in parts, for a platform that starts them itself.
    const std::string target = d + (GetParam().viaSortFile ? "/user.txt" : "/out.txt");
    ASSERT_EQ(m_platform.m_commandParts.size(), expected.size());
    const ShellCommand& convert = m_platform.m_commandParts[0];
    EXPECT_EQ(convert.program, d + "/trelk_conv");
    EXPECT_EQ(convert.arguments, std::vector<std::string>{"-p" + d + "/user.prm"});
    EXPECT_EQ(convert.input, d + "/in.mot");
    EXPECT_EQ(convert.output, target);
    if (GetParam().viaSortFile) {
        const ShellCommand& sort = m_platform.m_commandParts[1];
        EXPECT_EQ(sort.program, "sort");
        EXPECT_TRUE(sort.arguments.empty());
        EXPECT_EQ(sort.input, target);
        EXPECT_EQ(sort.output, d + "/out.txt");
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, CommandTest, testing::Values(
    CommandCase{"SRecordSorted", kSRecordInput, 1, true},
    CommandCase{"SRecordUnsorted", kSRecordInput, 0, false},
    CommandCase{"SRecordSortValueNotOne", kSRecordInput, 2, false},
    CommandCase{"IntelHexSortAsked", kIntelHexInput, 1, false}),
    [](const testing::TestParamInfo<CommandCase>& info) { return info.param.label; });

TEST_F(RunFixture, PathsThatNeedQuotingAreQuoted)
{
    m_paths.m_strStartDir = m_dir / "start dir";
    m_paths.m_strUserName = "o'neil";
    fs::create_directory(m_paths.m_strStartDir);
    WriteFile(m_dir / "in $x.mot", kSRecordInput);
    m_values.m_strInputFile = m_dir / "in $x.mot";
    m_values.m_strBrowsedOutput = m_values.m_strOutputFile;
    m_values.m_bSortOutput = 1;

    EXPECT_TRUE(Run());

    const std::string d = m_dir.Path();
    const std::vector<std::string> expected = {
        "'" + d + "/start dir'/trelk_conv < '" + d + "/in $x.mot' > '" + d +
            "/start dir/o'\\''neil.txt' -p'" + d + "/start dir/o'\\''neil.prm'",
        "sort < '" + d + "/start dir/o'\\''neil.txt' > " + d + "/out.txt"};
    EXPECT_EQ(m_platform.m_commands, expected);
}

struct StartCase {
    const char* label;
    int status;
    bool reported;
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.label; }

class ConverterStartTest : public RunFixture, public testing::WithParamInterface<StartCase> {};

TEST_P(ConverterStartTest, ReportsAConverterThatCannotStart)
{
    m_values.m_strBrowsedOutput = m_values.m_strOutputFile;
    m_values.m_bSortOutput = 1;
    m_values.m_bOpenOutput = 1;
    m_platform.m_statuses = {GetParam().status};

    EXPECT_EQ(Run(), !GetParam().reported);

    const std::vector<Message> messages =
        GetParam().reported ? std::vector<Message>{kNotStarted} : std::vector<Message>{};
    EXPECT_EQ(m_platform.m_messages, messages);
    EXPECT_EQ(m_platform.m_commands.size(), GetParam().reported ? 1u : 2u) << "sort only after a start";
    EXPECT_EQ(m_platform.m_opened.size(), GetParam().reported ? 0u : 1u);
    EXPECT_EQ(m_platform.m_nBusy, 0);
}

INSTANTIATE_TEST_SUITE_P(Statuses, ConverterStartTest, testing::Values(
    StartCase{"Ran", 0, false},
    StartCase{"ShellRedirectionFailed", 2, false},
    StartCase{"NotExecutable", 126, true},
    StartCase{"NotFound", 127, true},
    StartCase{"NoShell", RunPlatform::kShellNotRun, true}),
    [](const testing::TestParamInfo<StartCase>& info) { return info.param.label; });

TEST_F(RunFixture, OpensTheOutputOnlyWhenAsked)
{
    m_values.m_strBrowsedOutput = m_values.m_strOutputFile;
    for (int32_t open : {0, 1, 2}) {
        m_platform.m_opened.clear();
        m_values.m_bOpenOutput = open;
        EXPECT_TRUE(Run());
        const std::vector<std::string> expected =
            open ? std::vector<std::string>{m_values.m_strOutputFile} : std::vector<std::string>{};
        EXPECT_EQ(m_platform.m_opened, expected) << open;
    }
}

TEST_F(RunFixture, WritesTheParameterFileFromTheValues)
{
    m_values.m_strBrowsedOutput = m_values.m_strOutputFile;
    m_values.m_strFiller = "a";
    m_values.m_strGapText = "----";
    EXPECT_TRUE(Run());
    EXPECT_EQ(m_values.m_strFiller, "0A");
    EXPECT_EQ(ReadFile(ParameterPath()), ParameterFile::Text(m_values));
    EXPECT_NE(ReadFile(ParameterPath())->find("\r\n-f=0A\r\n-G=----\r\n"), std::string::npos);
}

} // namespace
