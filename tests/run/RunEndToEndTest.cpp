// Whole runs on the desktop side: message boxes of the real platform,
// answered through the toolkit's test hook, the real shell and the built
// converter in a temporary start-up directory, and the Execute button of
// the main dialog. Only the open step is stubbed.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <wx/checkbox.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include "AppPaths.h"
#include "CDumpDialog.h"
#include "ConversionRun.h"
#include "DumpDialogWindow.h"
#include "DumpValues.h"
#include "RunTestFiles.h"
#include "WxRunPlatform.h"

namespace fs = std::filesystem;

namespace {

// What a message box showed, for checks after the run.
struct ShownBox {
    std::string text;
    std::string caption;
    long style = 0;
};

// Answers one message box and notes what it showed.
class ExpectMessage : public wxExpectModalBase<wxMessageDialog, ExpectMessage> {
public:
    ExpectMessage(int answer, ShownBox& shown) : m_answer(answer), m_shown(&shown) {}

protected:
    int OnInvoked(wxMessageDialog* box) const override
    {
        m_shown->text = box->GetMessage().utf8_str();
        m_shown->caption = box->GetTitle().utf8_str();
        m_shown->style = box->GetMessageDialogStyle();
        return m_answer;
    }

private:
    int m_answer;
    ShownBox* m_shown;
};

// The desktop as it is, but opening a document is only noted.
class NoOpenPlatform : public WxRunPlatform {
public:
    NoOpenPlatform() : WxRunPlatform(nullptr) {}
    void OpenDocument(const std::string& path) override { m_opened.push_back(path); }
    std::vector<std::string> m_opened;
};

const std::string kSRecordDump =
    "Header Information : \"ABC\"\r\n"
    "00001000 : FFFFFFFF FF414243 44FFFFFF FFFFFFFF : .....ABCD.......\r\n"
    "Starting Execution Address : 00000000\r\n";
const std::string kSRecordDumpSorted =
    "00001000 : FFFFFFFF FF414243 44FFFFFF FFFFFFFF : .....ABCD.......\r\n"
    "Header Information : \"ABC\"\r\n"
    "Starting Execution Address : 00000000\r\n";
const std::string kIntelHexDump =
    "End Record\r\n"
    "00000010 : 41424344 FFFFFFFF FFFFFFFF FFFFFFFF : ABCD............\r\n";

const std::string kDefaultParameters =
    "-F=%08X : %02X%02X%02X%02X %02X%02X%02X%02X %02X%02X%02X%02X %02X%02X%02X%02X : %-16s\r\n"
    "-f=FF\r\n"
    "-G=\r\n"
    "-S0=Header Information : \"%s\"\r\n"
    "-S9=Starting Execution Address : %08X\r\n"
    "-H01=End Record\r\n"
    "-H02=Extended Segment Address Record : %04X\r\n"
    "-H03=Start Segment Address Record : %04X %04X\r\n"
    "-H04=Extended Linear Address Record : %04X\r\n"
    "-H05=Start Linear Address Record : %04X\r\n";

// A start-up directory holding the built converter, named as given.
class StartDirectory {
public:
    explicit StartDirectory(const std::string& name, bool withConverter = true) : m_dir(name)
    {
        if (withConverter)
            fs::create_symlink(TRELK_CONV_PATH, m_dir / "trelk_conv");
    }
    const std::string& Path() const { return m_dir.Path(); }
    const std::string& Base() const { return m_dir.Base(); }
    std::string operator/(const std::string& name) const { return m_dir / name; }

private:
    RunTempDir m_dir;
};

bool AnyFileNamed(const std::string& root, const std::string& name)
{
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.path().filename() == name)
            return true;
    return false;
}

struct EndToEndCase {
    const char* label;
    std::string input;
    int32_t sort;
    std::string dump;
    bool sortFile;
};

void PrintTo(const EndToEndCase& c, std::ostream* os) { *os << c.label; }

struct NamingCase {
    const char* label;
    std::string dirName;   // start-up directory, also holds input and output
    std::string fileName;  // input and output files, before the extension
    std::string userName;
};

void PrintTo(const NamingCase& c, std::ostream* os) { *os << c.label; }

class EndToEndTest
    : public testing::TestWithParam<std::tuple<EndToEndCase, NamingCase>> {};

TEST_P(EndToEndTest, WritesTheDumpAndTheParameterFile)
{
    const auto& [kind, naming] = GetParam();
    const StartDirectory start(naming.dirName);
    const AppPaths paths{start.Path(), naming.userName};
    DumpValues values;
    values.m_strInputFile = start / (naming.fileName + ".mot");
    values.m_strOutputExt = "lst";
    values.m_bSortOutput = kind.sort;
    values.m_bOpenOutput = 1;
    WriteFile(values.m_strInputFile, kind.input);
    const fs::path cwd = fs::current_path();
    fs::current_path(start.Path());  // where an injected relative command would leave its mark
    NoOpenPlatform platform;

    const bool completed = ConversionRun(values, paths, platform).Execute();

    fs::current_path(cwd);
    ASSERT_TRUE(completed);
    const std::string output = start / (naming.fileName + ".lst");
    EXPECT_EQ(values.m_strOutputFile, output);
    EXPECT_EQ(ReadFile(output), kind.dump);
    EXPECT_EQ(ReadFile(start / (naming.userName + ".prm")), kDefaultParameters);
    EXPECT_EQ(fs::exists(start / (naming.userName + ".txt")), kind.sortFile);
    EXPECT_EQ(ReadFile(values.m_strInputFile), kind.input);
    EXPECT_EQ(platform.m_opened, std::vector<std::string>{output});
    EXPECT_FALSE(AnyFileNamed(start.Base(), "pwned"));
}

INSTANTIATE_TEST_SUITE_P(Runs, EndToEndTest, testing::Combine(
    testing::Values(
        EndToEndCase{"SRecordUnsorted", kSRecordInput, 0, kSRecordDump, false},
        EndToEndCase{"SRecordSorted", kSRecordInput, 1, kSRecordDumpSorted, true},
        EndToEndCase{"IntelHexSortAsked", kIntelHexInput, 1, kIntelHexDump, false}),
    testing::Values(
        NamingCase{"PlainNames", "", "prog", "alice"},
        NamingCase{"Blanks", "start dir", "my prog", "bob smith"},
        NamingCase{"Quotes", "it's \"here\"", "o'neil \"x\"", "d'arcy"},
        NamingCase{"Expansions", "$HOME `touch pwned` $(touch pwned)", "$(touch pwned)", "$USER"},
        NamingCase{"CommandSeparators", "a;touch pwned;b", "x & touch pwned | y", "u;touch pwned"},
        NamingCase{"Newline", "line\ntouch pwned;x", "two\nlines", "new\nline"},
        NamingCase{"Japanese", "変換 作業", "プログラム", "ユーザー"})));

TEST(EndToEndStart, MissingConverterIsReported)
{
    const StartDirectory start("", false);
    DumpValues values;
    values.m_strInputFile = start / "prog.mot";
    WriteFile(values.m_strInputFile, kSRecordInput);
    values.m_bSortOutput = 1;
    values.m_bOpenOutput = 1;
    NoOpenPlatform platform;
    ShownBox shown;

    bool completed = true;
    wxTEST_DIALOG(completed = ConversionRun(values, {start.Path(), "u"}, platform).Execute(),
                  ExpectMessage(wxID_OK, shown));

    EXPECT_FALSE(completed);
    EXPECT_EQ(shown.text, "変換プログラムを起動できません！");
    EXPECT_EQ(ReadFile(start / "prog.txt"), "");
    EXPECT_TRUE(platform.m_opened.empty());
}

// What to change from a good run: start-up directory, values.
using Arrange = void (*)(const StartDirectory&, DumpValues&);

struct BoxCase {
    const char* label;
    Arrange arrange;
    int answer;
    std::string text;
    long style;
    std::optional<std::string> output;  // prog.txt after the run
    bool parameterFile;
    bool completed;
};

void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.label; }

class MessageBoxTest : public testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxTest, ShowsTheBoxAndActsOnTheAnswer)
{
    const BoxCase& c = GetParam();
    const StartDirectory start("");
    DumpValues values;
    values.m_strInputFile = start / "prog.mot";
    WriteFile(values.m_strInputFile, kSRecordInput);
    WriteFile(start / "prog.txt", "kept\r\n");
    c.arrange(start, values);
    NoOpenPlatform platform;
    ShownBox shown;

    bool completed = false;
    wxTEST_DIALOG(completed = ConversionRun(values, {start.Path(), "u"}, platform).Execute(),
                  ExpectMessage(c.answer, shown));

    EXPECT_EQ(completed, c.completed);
    EXPECT_EQ(shown.text, c.text);
    EXPECT_EQ(shown.caption, "Trelk_Dump");
    EXPECT_EQ(shown.style & (wxOK | wxCANCEL | wxICON_MASK), c.style);
    EXPECT_EQ(ReadFile(start / "prog.txt"), c.output);
    EXPECT_EQ(fs::is_regular_file(start / "u.prm"), c.parameterFile);
}

constexpr long kOkBox = wxOK | wxICON_EXCLAMATION;
constexpr long kQuestionBox = wxOK | wxCANCEL | wxICON_EXCLAMATION;
const std::string kQuestion = "出力ファイルは存在します。上書きしますか？";

// Browsed: the Save dialog has asked, so the check under test comes first.
void Browsed(const StartDirectory& start, DumpValues& v)
{
    v.m_bSameAsInput = 0;
    v.m_strOutputFile = start / "prog.txt";
    v.m_strBrowsedOutput = v.m_strOutputFile;
}

INSTANTIATE_TEST_SUITE_P(Boxes, MessageBoxTest, testing::Values(
    BoxCase{"InputMissing",
            [](const StartDirectory& s, DumpValues& v) { v.m_strInputFile = s / "none.mot"; },
            wxID_OK, "入力ファイルに誤りがあります！", kOkBox, "kept\r\n", false, false},
    BoxCase{"InputKind",
            [](const StartDirectory& s, DumpValues&) { WriteFile(s / "prog.mot", "s0\r\n"); },
            wxID_OK, "入力ファイルがＳレコードでもインテルHEXでもありません！", kOkBox, "kept\r\n",
            false, false},
    BoxCase{"SameFile",
            [](const StartDirectory&, DumpValues& v) { v.m_strOutputExt = "mot"; },
            wxID_OK, "入力ファイルと出力ファイルが同じです！", kOkBox, "kept\r\n", false, false},
    BoxCase{"OverwriteCancelled", [](const StartDirectory&, DumpValues&) {},
            wxID_CANCEL, kQuestion, kQuestionBox, "kept\r\n", false, false},
    BoxCase{"OverwriteClosed", [](const StartDirectory&, DumpValues&) {},
            wxID_CLOSE, kQuestion, kQuestionBox, "kept\r\n", false, false},
    BoxCase{"OverwriteAgreed", [](const StartDirectory&, DumpValues&) {},
            wxID_OK, kQuestion, kQuestionBox, kSRecordDump, true, true},
    BoxCase{"OutputCannotBeMade",
            [](const StartDirectory& s, DumpValues& v) {
                v.m_bSameAsInput = 0;
                v.m_strOutputFile = s / "missing/prog.txt";
            },
            wxID_OK, "出力ファイルに誤りがあります！", kOkBox, "kept\r\n", false, false},
    BoxCase{"NoLineFormat",
            [](const StartDirectory& s, DumpValues& v) {
                Browsed(s, v);
                v.m_strLineFormat.clear();
            },
            wxID_OK, "書式制御文字列が入力されていません！", kOkBox, "", false, false},
    BoxCase{"FillerRefused",
            [](const StartDirectory& s, DumpValues& v) {
                Browsed(s, v);
                v.m_strFiller = "0x";
            },
            wxID_OK, "詰草数値に誤りがあります！", kOkBox, "", false, false},
    BoxCase{"ParameterFileCannotBeMade",
            [](const StartDirectory& s, DumpValues& v) {
                Browsed(s, v);
                fs::create_directory(s / "u.prm");
            },
            wxID_OK, "パラメータファイルがオープンできません！", kOkBox, "", false, false}),
    [](const testing::TestParamInfo<BoxCase>& info) { return info.param.label; });

// The dialog as the user sees it, with its start-up directory.
class DialogRun {
public:
    explicit DialogRun(const StartDirectory& start)
        : m_paths{start.Path(), "user"}, m_dialog(m_paths), m_window(new DumpDialogWindow(m_dialog))
    {
        m_window->InitDialog();
    }
    ~DialogRun() { delete m_window; }
    DialogRun(const DialogRun&) = delete;
    DialogRun& operator=(const DialogRun&) = delete;

    DumpDialogWindow* operator->() { return m_window; }
    CDumpDialog& Values() { return m_dialog; }

    void ClickExecute()
    {
        wxCommandEvent event(wxEVT_BUTTON, 1008);
        event.SetEventObject(m_window->FindWindow(1008));
        m_window->FindWindow(1008)->HandleWindowEvent(event);
    }

private:
    AppPaths m_paths;
    CDumpDialog m_dialog;
    DumpDialogWindow* m_window;
};

std::string EditText(const wxTextCtrl* edit) { return std::string(edit->GetValue().utf8_str()); }

TEST(DialogExecute, CompletedRunShowsTheValuesAgain)
{
    const StartDirectory start("dialog run");
    WriteFile(start / "prog.mot", kSRecordInput);
    DialogRun dialog(start);
    dialog->m_editInput->SetValue(wxString::FromUTF8(start / "prog.mot"));
    dialog->m_editFiller->SetValue("f");

    dialog.ClickExecute();

    EXPECT_EQ(dialog.Values().m_strOutputFile, start / "prog.txt");
    EXPECT_EQ(EditText(dialog->m_editFiller), "0F");
    const std::string dump = ReadFile(start / "prog.txt").value_or("");
    EXPECT_NE(dump.find("00001000 : 0F0F0F0F 0F414243 440F0F0F 0F0F0F0F : .....ABCD......."),
              std::string::npos)
        << dump;
    EXPECT_NE(ReadFile(start / "user.prm").value_or("").find("\r\n-f=0F\r\n"), std::string::npos);
}

// A browse moves the current directory: a relative input typed afterwards
// names a file there, and the output derived from it lands there too, while
// the parameter file, the sort file and the converter stay in the start-up
// directory.
TEST(DialogExecute, RelativeInputMeansTheCurrentDirectory)
{
    const StartDirectory start("start");
    RunTempDir work("work");
    WriteFile(work / "prog.mot", kSRecordInput);
    DialogRun dialog(start);
    dialog->m_editInput->SetValue("prog.mot");
    dialog->m_checkSort->SetValue(true);
    const fs::path cwd = fs::current_path();
    fs::current_path(work.Path());

    dialog.ClickExecute();

    fs::current_path(cwd);
    EXPECT_EQ(dialog.Values().m_strOutputFile, work / "prog.txt");
    EXPECT_EQ(ReadFile(work / "prog.txt"), kSRecordDumpSorted);
    EXPECT_TRUE(fs::exists(start / "user.prm"));
    EXPECT_TRUE(fs::exists(start / "user.txt"));
    EXPECT_FALSE(fs::exists(work / "user.prm"));
    EXPECT_FALSE(fs::exists(work / "user.txt"));
}

TEST(DialogExecute, RefusedRunLeavesTheControlsAsTyped)
{
    const StartDirectory start("");
    WriteFile(start / "prog.mot", kSRecordInput);
    DialogRun dialog(start);
    dialog->m_editInput->SetValue(wxString::FromUTF8(start / "prog.mot"));
    dialog->m_editFiller->SetValue("g");
    ShownBox shown;

    wxTEST_DIALOG(dialog.ClickExecute(), ExpectMessage(wxID_OK, shown));

    EXPECT_EQ(shown.text, "詰草数値に誤りがあります！");
    EXPECT_EQ(dialog.Values().m_strFiller, "0G");
    EXPECT_EQ(EditText(dialog->m_editFiller), "g");
    EXPECT_EQ(ReadFile(start / "prog.txt"), "");
    EXPECT_FALSE(fs::exists(start / "user.prm"));
}

} // namespace
