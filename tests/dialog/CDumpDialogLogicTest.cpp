// The main dialog's logic against a fake window: where values and controls
// meet (ShowValues, TakeValues, the handlers), what the browse buttons do
// with the chosen path, the Execute button and the about entry.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "AppPaths.h"
#include "FakeDialogWindow.h"
#include "FormatPreset.h"
#include "ResourceIds.h"
#include "RunTestFiles.h"
#include "StoredValues.h"

namespace {

const std::string kRow0Format = g_formatPresets[0].pszFormat;
const std::string kRow3Format = g_formatPresets[3].pszFormat;
constexpr int kCustomRow = kFormatPresetCount - 1;

// A dialog whose window has just opened.
class DialogLogicTest : public testing::Test {
protected:
    DialogLogicTest() : m_dialog(m_paths), m_window(m_dialog) { m_dialog.OnInitDialog(); }

    AppPaths m_paths;
    CDumpDialog m_dialog;
    FakeDialogWindow m_window;
};

struct ControlState {
    int id;
    std::string text;
    bool enabled;
};

TEST_F(DialogLogicTest, FirstStartShowsTheDefaults)
{
    const std::vector<ControlState> expected = {
        {IDC_INPUT, "", true},
        {IDC_OUTPUT_EXT, "txt", true},
        {IDC_OUTPUT, "", false},
        {IDC_LINE_FORMAT, kRow0Format, false},
        {IDC_FILLER, "FF", true},
        {IDC_GAP_TEXT, "", true},
        {IDC_S0_FORMAT, "Header Information : \"%s\"", true},
        {IDC_S9_FORMAT, "Starting Execution Address : %08X", true},
        {IDC_H01_FORMAT, "End Record", true},
        {IDC_H02_FORMAT, "Extended Segment Address Record : %04X", true},
        {IDC_H03_FORMAT, "Start Segment Address Record : %04X %04X", true},
        {IDC_H04_FORMAT, "Extended Linear Address Record : %04X", true},
        {IDC_H05_FORMAT, "Start Linear Address Record : %04X", true},
    };
    for (const ControlState& c : expected) {
        EXPECT_EQ(m_window.GetText(c.id), c.text) << c.id;
        EXPECT_EQ(m_window.IsEnabled(c.id), c.enabled) << c.id;
    }
    EXPECT_TRUE(m_window.GetCheck(IDC_SAME_AS_INPUT));
    EXPECT_FALSE(m_window.GetCheck(IDC_OPEN_OUTPUT));
    EXPECT_FALSE(m_window.GetCheck(IDC_SORT_OUTPUT));
    EXPECT_FALSE(m_window.IsEnabled(IDC_BROWSE_OUTPUT));
    EXPECT_EQ(m_window.GetSelectedRow(IDC_FORMAT_PRESET), 0);
}

TEST_F(DialogLogicTest, PresetListHoldsTheTableOnceInOrder)
{
    m_dialog.OnInitDialog();
    const std::vector<std::string>& rows = m_window.m_rows[IDC_FORMAT_PRESET];
    ASSERT_EQ(rows.size(), size_t(kFormatPresetCount));
    for (int row = 0; row < kFormatPresetCount; ++row)
        EXPECT_EQ(rows[row], g_formatPresets[row].pszDescription);
}

// Every row: the edit shows that row's format, editable only for the custom
// row, where it shows the custom format (row 0's on a first start).
TEST_F(DialogLogicTest, SelectingARowShowsItsFormat)
{
    for (int row = 0; row < kFormatPresetCount; ++row) {
        m_window.Select(IDC_FORMAT_PRESET, row);
        EXPECT_EQ(m_dialog.m_nFormatPreset, row);
        const bool custom = row == kCustomRow;
        EXPECT_EQ(m_window.GetText(IDC_LINE_FORMAT),
                  custom ? kRow0Format : g_formatPresets[row].pszFormat) << row;
        EXPECT_EQ(m_window.IsEnabled(IDC_LINE_FORMAT), custom) << row;
    }
}

TEST_F(DialogLogicTest, CustomFormatIsKeptOnlyOnceARunTookIt)
{
    m_window.Select(IDC_FORMAT_PRESET, kCustomRow);
    m_window.Type(IDC_LINE_FORMAT, "%08X: mine");
    m_window.Select(IDC_FORMAT_PRESET, 3);
    EXPECT_EQ(m_window.GetText(IDC_LINE_FORMAT), kRow3Format);
    m_window.Select(IDC_FORMAT_PRESET, kCustomRow);
    EXPECT_EQ(m_window.GetText(IDC_LINE_FORMAT), kRow0Format) << "typed, never taken: gone";

    m_window.Type(IDC_LINE_FORMAT, "%08X: mine");
    m_dialog.TakeValues();
    EXPECT_EQ(m_dialog.m_strCustomFormat, "%08X: mine");
    EXPECT_EQ(m_dialog.m_strLineFormat, "%08X: mine");
    m_window.Select(IDC_FORMAT_PRESET, 3);
    m_dialog.TakeValues();
    EXPECT_EQ(m_dialog.m_strLineFormat, kRow3Format);
    EXPECT_EQ(m_dialog.m_strCustomFormat, "%08X: mine");
    m_window.Select(IDC_FORMAT_PRESET, kCustomRow);
    EXPECT_EQ(m_window.GetText(IDC_LINE_FORMAT), "%08X: mine");
}

// A damaged settings file can hold any index: it reads as row 0.
TEST_F(DialogLogicTest, StoredIndexOutsideTheTableShowsRowZero)
{
    for (int32_t index : {-1, 17, 1000, INT_MIN, INT_MAX}) {
        m_dialog.m_nFormatPreset = index;
        m_dialog.ShowValues();
        EXPECT_EQ(m_window.GetSelectedRow(IDC_FORMAT_PRESET), 0) << index;
        EXPECT_EQ(m_window.GetText(IDC_LINE_FORMAT), kRow0Format) << index;
        EXPECT_FALSE(m_window.IsEnabled(IDC_LINE_FORMAT)) << index;
        m_dialog.TakeValues();
        EXPECT_EQ(m_dialog.m_nFormatPreset, 0) << index;
    }
}

TEST_F(DialogLogicTest, ShowValuesReplacesWhatWasTyped)
{
    m_dialog.m_strInputFile = "/work/taken.mot";
    m_dialog.ShowValues();
    m_window.Type(IDC_INPUT, "/work/typed.mot");
    m_window.Type(IDC_FILLER, "00");
    m_window.m_checks[IDC_SORT_OUTPUT] = true;
    m_window.Select(IDC_FORMAT_PRESET, 2);
    EXPECT_EQ(m_window.GetText(IDC_INPUT), "/work/taken.mot");
    EXPECT_EQ(m_window.GetText(IDC_FILLER), "FF");
    EXPECT_FALSE(m_window.GetCheck(IDC_SORT_OUTPUT));
    EXPECT_EQ(m_dialog.m_strInputFile, "/work/taken.mot");
}

struct TakeCase {
    bool sameAsInput;
    std::string outputFile;
    std::string outputExt;
};

// Only the name that 1013 leaves enabled is taken; the other keeps its value.
TEST_F(DialogLogicTest, SameAsInputDecidesWhichNameIsTaken)
{
    const std::vector<TakeCase> cases = {
        {true, "/work/kept.txt", "lst"},
        {false, "/work/typed.txt", "txt"},
    };
    for (const TakeCase& c : cases) {
        m_dialog.SetDefaults();
        m_dialog.m_strOutputFile = "/work/kept.txt";
        m_dialog.m_bSameAsInput = c.sameAsInput ? 1 : 0;
        m_dialog.ShowValues();
        m_window.Type(IDC_OUTPUT_EXT, "lst");
        m_window.Type(IDC_OUTPUT, "/work/typed.txt");
        m_dialog.TakeValues();
        EXPECT_EQ(m_dialog.m_strOutputFile, c.outputFile) << c.sameAsInput;
        EXPECT_EQ(m_dialog.m_strOutputExt, c.outputExt) << c.sameAsInput;
    }
}

TEST_F(DialogLogicTest, EveryControlReachesItsValue)
{
    const std::vector<std::pair<int, std::string DumpValues::*>> edits = {
        {IDC_INPUT, &DumpValues::m_strInputFile},   {IDC_FILLER, &DumpValues::m_strFiller},
        {IDC_GAP_TEXT, &DumpValues::m_strGapText},  {IDC_S0_FORMAT, &DumpValues::m_strS0Format},
        {IDC_S9_FORMAT, &DumpValues::m_strS9Format}, {IDC_H01_FORMAT, &DumpValues::m_strH01Format},
        {IDC_H02_FORMAT, &DumpValues::m_strH02Format}, {IDC_H03_FORMAT, &DumpValues::m_strH03Format},
        {IDC_H04_FORMAT, &DumpValues::m_strH04Format}, {IDC_H05_FORMAT, &DumpValues::m_strH05Format},
    };
    for (const auto& [id, value] : edits)
        m_window.Type(id, "text of " + std::to_string(id));
    m_window.m_checks[IDC_OPEN_OUTPUT] = true;
    m_window.m_checks[IDC_SORT_OUTPUT] = true;
    m_dialog.TakeValues();
    for (const auto& [id, value] : edits)
        EXPECT_EQ(m_dialog.*value, "text of " + std::to_string(id));
    EXPECT_EQ(m_dialog.m_bOpenOutput, 1);
    EXPECT_EQ(m_dialog.m_bSortOutput, 1);
}

TEST_F(DialogLogicTest, DefaultsResetEveryValueAndControl)
{
    m_dialog.m_strInputFile = "/in.mot";
    m_dialog.m_bOpenOutput = 1;
    m_dialog.m_bSameAsInput = 0;
    m_dialog.m_strOutputExt = "lst";
    m_dialog.m_strOutputFile = "/out.txt";
    m_dialog.m_strBrowsedOutput = "/browsed.txt";
    m_dialog.m_nFormatPreset = kCustomRow;
    m_dialog.m_strLineFormat = "%08X line";
    m_dialog.m_strCustomFormat = "%08X custom";
    m_dialog.m_strFiller = "00";
    m_dialog.m_strGapText = "----";
    m_dialog.m_bSortOutput = 1;
    m_dialog.m_strS0Format = m_dialog.m_strS9Format = "s";
    m_dialog.m_strH01Format = m_dialog.m_strH02Format = m_dialog.m_strH03Format = "h";
    m_dialog.m_strH04Format = m_dialog.m_strH05Format = "h";
    m_dialog.ShowValues();
    const DumpValues defaults;

    m_dialog.OnDefaults();

    EXPECT_EQ(StoredValues(m_dialog), StoredValues(defaults));
    EXPECT_EQ(m_dialog.m_strBrowsedOutput, "");
    m_dialog.TakeValues();
    EXPECT_EQ(StoredValues(m_dialog), StoredValues(defaults))
        << "the controls do not show the defaults";
}

TEST_F(DialogLogicTest, SameAsInputTakesItsStateAndShowsTheValues)
{
    // What a run with 1013 ticked leaves behind.
    m_dialog.m_strOutputFile = "/work/prog.txt";
    m_dialog.m_strBrowsedOutput = "/work/prog.txt";
    m_window.Type(IDC_INPUT, "/typed.mot");

    m_window.Toggle(IDC_SAME_AS_INPUT, &CDumpDialog::OnSameAsInput);
    EXPECT_EQ(m_dialog.m_bSameAsInput, 0);
    EXPECT_EQ(m_window.GetText(IDC_OUTPUT), "/work/prog.txt");
    EXPECT_TRUE(m_window.IsEnabled(IDC_OUTPUT));
    EXPECT_TRUE(m_window.IsEnabled(IDC_BROWSE_OUTPUT));
    EXPECT_EQ(m_window.GetText(IDC_OUTPUT_EXT), "");
    EXPECT_FALSE(m_window.IsEnabled(IDC_OUTPUT_EXT));
    EXPECT_EQ(m_window.GetText(IDC_INPUT), "") << "every control shown anew";
    EXPECT_EQ(m_dialog.m_strBrowsedOutput, "/work/prog.txt") << "clearing keeps it";

    m_window.Toggle(IDC_SAME_AS_INPUT, &CDumpDialog::OnSameAsInput);
    EXPECT_EQ(m_dialog.m_bSameAsInput, 1);
    EXPECT_EQ(m_dialog.m_strBrowsedOutput, "") << "ticking forgets it";
    EXPECT_EQ(m_dialog.m_strOutputFile, "/work/prog.txt");
}

// These take their one value and touch no control.
TEST_F(DialogLogicTest, ExtensionAndOpenOutputTakeOnlyTheirValue)
{
    m_window.Type(IDC_OUTPUT_EXT, "lst");
    m_window.Type(IDC_INPUT, "/typed.mot");
    m_dialog.OnKillFocusOutputExt();
    EXPECT_EQ(m_dialog.m_strOutputExt, "lst");
    m_window.Toggle(IDC_OPEN_OUTPUT, &CDumpDialog::OnOpenOutput);
    EXPECT_EQ(m_dialog.m_bOpenOutput, 1);
    m_window.Toggle(IDC_OPEN_OUTPUT, &CDumpDialog::OnOpenOutput);
    EXPECT_EQ(m_dialog.m_bOpenOutput, 0);
    EXPECT_EQ(m_dialog.m_strInputFile, "");
    EXPECT_EQ(m_window.GetText(IDC_INPUT), "/typed.mot");
}

TEST_F(DialogLogicTest, BrowseInputTakesThePathAndShowsTheValues)
{
    m_window.Type(IDC_FILLER, "00");
    m_window.m_chosenFiles.push_back(DialogWindow::ChosenFile{"/work/prog.mot", false});
    m_dialog.OnBrowseInput();
    EXPECT_EQ(m_window.m_fileDialogs, std::vector{DialogWindow::FileChoice::Input});
    EXPECT_EQ(m_dialog.m_strInputFile, "/work/prog.mot");
    EXPECT_EQ(m_window.GetText(IDC_INPUT), "/work/prog.mot");
    EXPECT_EQ(m_window.GetText(IDC_FILLER), "FF");
}

struct OutputCase {
    const char* label;
    bool overwriteAsked;
    std::string browsed;
};

// A name the Save dialog asked about needs no second question in the run.
TEST_F(DialogLogicTest, BrowseOutputRemembersWhetherTheDialogAsked)
{
    const std::vector<OutputCase> cases = {
        {"asked", true, "/work/dump.txt"},
        {"not asked", false, ""},
    };
    for (const OutputCase& c : cases) {
        m_dialog.m_bSameAsInput = 0;
        m_dialog.m_strBrowsedOutput = "/old.txt";
        m_window.m_chosenFiles.push_back(DialogWindow::ChosenFile{"/work/dump.txt", c.overwriteAsked});
        m_dialog.OnBrowseOutput();
        EXPECT_EQ(m_dialog.m_strOutputFile, "/work/dump.txt") << c.label;
        EXPECT_EQ(m_dialog.m_strBrowsedOutput, c.browsed) << c.label;
        EXPECT_EQ(m_window.GetText(IDC_OUTPUT), "/work/dump.txt") << c.label;
    }
}

TEST_F(DialogLogicTest, CancelledBrowseChangesNothing)
{
    m_dialog.m_strInputFile = "/old.mot";
    m_dialog.m_strOutputFile = m_dialog.m_strBrowsedOutput = "/old.txt";
    m_window.Type(IDC_INPUT, "/typed.mot");
    m_dialog.OnBrowseInput();
    m_dialog.OnBrowseOutput();
    EXPECT_EQ(m_window.m_fileDialogs.size(), 2u);
    EXPECT_EQ(m_dialog.m_strInputFile, "/old.mot");
    EXPECT_EQ(m_dialog.m_strOutputFile, "/old.txt");
    EXPECT_EQ(m_dialog.m_strBrowsedOutput, "/old.txt");
    EXPECT_EQ(m_window.GetText(IDC_INPUT), "/typed.mot") << "nothing shown again";
}

// The about entry's command with any of the low four bits; nothing else.
TEST_F(DialogLogicTest, AboutCommandRunsTheAboutBox)
{
    const struct {
        unsigned id;
        bool about;
    } cases[] = {{IDM_ABOUTBOX, true}, {IDM_ABOUTBOX + 0xF, true}, {0x20, false}, {0xF060, false}};
    for (const auto& c : cases) {
        m_window.m_nAboutBoxes = 0;
        EXPECT_EQ(m_dialog.OnSysCommand(c.id), c.about) << c.id;
        EXPECT_EQ(m_window.m_nAboutBoxes, c.about ? 1 : 0) << c.id;
    }
}

class DialogExecuteTest : public DialogLogicTest {
protected:
    DialogExecuteTest()
    {
        m_paths = {m_dir.Path(), "user"};
        WriteFile(m_dir / "prog.mot", kSRecordInput);
        m_window.Type(IDC_INPUT, m_dir / "prog.mot");
    }

    RunTempDir m_dir;
};

TEST_F(DialogExecuteTest, CompletedRunShowsTheValuesAgain)
{
    m_window.Type(IDC_FILLER, "f");
    m_dialog.OnExecute();
    EXPECT_TRUE(m_window.m_desktop.m_messages.empty());
    ASSERT_EQ(m_window.m_desktop.m_commands.size(), 1u);
    EXPECT_EQ(m_window.m_desktop.m_commands[0].rfind(m_dir.Path() + "/trelk_conv < ", 0), 0u);
    EXPECT_EQ(m_dialog.m_strOutputFile, m_dir / "prog.txt");
    EXPECT_EQ(m_window.GetText(IDC_FILLER), "0F");
    EXPECT_NE(ReadFile(m_dir / "user.prm").value_or("").find("\r\n-f=0F\r\n"), std::string::npos);
}

TEST_F(DialogExecuteTest, RefusedRunLeavesTheControlsAsTyped)
{
    m_window.Type(IDC_FILLER, "g");
    m_dialog.OnExecute();
    ASSERT_EQ(m_window.m_desktop.m_messages.size(), 1u);
    EXPECT_EQ(m_window.m_desktop.m_messages[0].text, "詰草数値に誤りがあります！");
    EXPECT_EQ(m_dialog.m_strFiller, "0G");
    EXPECT_EQ(m_window.GetText(IDC_FILLER), "g");
    EXPECT_TRUE(m_window.m_desktop.m_commands.empty());
}

// Without a window the operations on controls do nothing, and no value
// changes for them.
TEST(DialogWithoutWindow, ControlOperationsDoNothing)
{
    const AppPaths paths;
    CDumpDialog dialog(paths);
    {
        FakeDialogWindow window(dialog);
        window.Type(IDC_INPUT, "/typed.mot");
    }
    dialog.TakeValues();
    dialog.OnExecute();
    dialog.OnSelChangeFormat();
    dialog.ShowValues();
    EXPECT_EQ(dialog.m_strInputFile, "");
    EXPECT_TRUE(dialog.OnSysCommand(IDM_ABOUTBOX));
}

}  // namespace
