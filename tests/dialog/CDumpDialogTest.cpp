// The main dialog on the toolkit's controls: what the window shows on
// opening, and where values and controls meet (ShowValues, TakeValues, the
// handlers) through real events. The logic alone: CDumpDialogLogicTest.cpp.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include <wx/stattext.h>
#include <wx/statbox.h>

#include "CArchive.h"
#include "CFile.h"
#include "DialogTestSupport.h"
#include "FormatPreset.h"
#include "ResourceIds.h"

namespace {

const std::string kRow0Format = g_formatPresets[0].pszFormat;
const std::string kRow3Format = g_formatPresets[3].pszFormat;

struct EditState {
    const char* name;
    int id;
    std::string text;
    bool enabled;
};

TEST(DumpDialogFirstStart, EditsShowTheDefaults)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    const std::vector<EditState> expected = {
        {"input", IDC_INPUT, "", true},
        {"extension", IDC_OUTPUT_EXT, "txt", true},
        {"output", IDC_OUTPUT, "", false},
        {"line format", IDC_LINE_FORMAT, kRow0Format, false},
        {"filler", IDC_FILLER, "FF", true},
        {"gap text", IDC_GAP_TEXT, "", true},
        {"S0", IDC_S0_FORMAT, "Header Information : \"%s\"", true},
        {"S9", IDC_S9_FORMAT, "Starting Execution Address : %08X", true},
        {"H01", IDC_H01_FORMAT, "End Record", true},
        {"H02", IDC_H02_FORMAT, "Extended Segment Address Record : %04X", true},
        {"H03", IDC_H03_FORMAT, "Start Segment Address Record : %04X %04X", true},
        {"H04", IDC_H04_FORMAT, "Extended Linear Address Record : %04X", true},
        {"H05", IDC_H05_FORMAT, "Start Linear Address Record : %04X", true},
    };
    for (const EditState& e : expected) {
        auto* edit = dynamic_cast<wxTextCtrl*>(w.FindWindow(e.id));
        ASSERT_NE(edit, nullptr) << e.name;
        EXPECT_EQ(Text(edit), e.text) << e.name;
        EXPECT_EQ(edit->IsEnabled(), e.enabled) << e.name;
    }
}

TEST(DumpDialogFirstStart, ChecksButtonsAndPresetList)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    EXPECT_TRUE(w.m_checkSameAsInput->GetValue());
    EXPECT_FALSE(w.m_checkOpenOutput->GetValue());
    EXPECT_FALSE(w.m_checkSort->GetValue());
    EXPECT_FALSE(w.m_btnBrowseOutput->IsEnabled());
    EXPECT_EQ(w.m_comboFormat->GetSelection(), 0);
    ASSERT_EQ(w.m_comboFormat->GetCount(), unsigned(kFormatPresetCount));
    for (int row = 0; row < kFormatPresetCount; ++row)
        EXPECT_EQ(Utf8(w.m_comboFormat->GetString(row)), g_formatPresets[row].pszDescription);
}

TEST(DumpDialogFirstStart, ReopeningDoesNotRepeatThePresets)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    w.InitDialog();
    EXPECT_EQ(w.m_comboFormat->GetCount(), unsigned(kFormatPresetCount));
}

struct TemplateControl {
    int id;
    const char* kind;
    const char* text;
};

// Template order is the tab order: the window's children must come in it.
TEST(DumpDialogTemplate, ControlsInTemplateOrderWithTheirTexts)
{
    const std::vector<TemplateControl> expected = {
        {IDC_EXECUTE, "wxButton", "実行"},
        {IDCANCEL_EXIT, "wxButton", "終了"},
        {IDC_DEFAULTS, "wxButton", "デフォルト設定"},
        {IDC_FALSE_DEFAULT, "wxButton", "偽標準"},
        {wxID_ANY, "wxStaticBox", "入力ファイル選択"},
        {IDC_INPUT, "wxTextCtrl", ""},
        {IDC_BROWSE_INPUT, "wxButton", "参照"},
        {wxID_ANY, "wxStaticBox", "出力ファイル指定"},
        {IDC_SAME_AS_INPUT, "wxCheckBox", "入力ファイルと同じで拡張子は"},
        {IDC_OUTPUT_EXT, "wxTextCtrl", "txt"},
        {IDC_OPEN_OUTPUT, "wxCheckBox", "出力ファイルを開く"},
        {IDC_OUTPUT, "wxTextCtrl", ""},
        {IDC_BROWSE_OUTPUT, "wxButton", "参照"},
        {wxID_ANY, "wxStaticBox", "出力形式指定"},
        {wxID_ANY, "wxStaticText", "出力形式選択"},
        {IDC_FORMAT_PRESET, "wxChoice", nullptr},
        {wxID_ANY, "wxStaticText", "書式制御文字列"},
        {IDC_LINE_FORMAT, "wxTextCtrl", nullptr},
        {wxID_ANY, "wxStaticText", "アドレスの隙間を埋める詰草数値（１６進２桁）"},
        {IDC_FILLER, "wxTextCtrl", "FF"},
        {wxID_ANY, "wxStaticText", "アドレスに１行以上の隔たりがある時の表示（無指定は行挿入なし）"},
        {IDC_GAP_TEXT, "wxTextCtrl", ""},
        {wxID_ANY, "wxStaticBox", "Ｓレコード形式指定"},
        {IDC_SORT_OUTPUT, "wxCheckBox", "変換後に出力ファイルをソートする"},
        {wxID_ANY, "wxStaticText", "Ｓ０レコード出力書式"},
        {wxID_ANY, "wxStaticText", "Ｓ９レコード出力書式"},
        {IDC_S0_FORMAT, "wxTextCtrl", nullptr},
        {IDC_S9_FORMAT, "wxTextCtrl", nullptr},
        {wxID_ANY, "wxStaticBox", "INTEL HEX 形式指定"},
        {wxID_ANY, "wxStaticText", "０１レコード出力書式"},
        {wxID_ANY, "wxStaticText", "０２レコード出力書式"},
        {wxID_ANY, "wxStaticText", "０３レコード出力書式"},
        {wxID_ANY, "wxStaticText", "０４レコード出力書式"},
        {wxID_ANY, "wxStaticText", "０５レコード出力書式"},
        {IDC_H01_FORMAT, "wxTextCtrl", nullptr},
        {IDC_H02_FORMAT, "wxTextCtrl", nullptr},
        {IDC_H03_FORMAT, "wxTextCtrl", nullptr},
        {IDC_H04_FORMAT, "wxTextCtrl", nullptr},
        {IDC_H05_FORMAT, "wxTextCtrl", nullptr},
    };
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    EXPECT_EQ(Utf8(w.GetTitle()), "Trelk Dump");
    const wxWindowList& children = w.GetChildren();
    ASSERT_EQ(children.size(), expected.size());
    size_t i = 0;
    for (const wxWindow* child : children) {
        const TemplateControl& e = expected[i++];
        SCOPED_TRACE(testing::Message() << "template position " << i);
        EXPECT_EQ(Utf8(child->GetClassInfo()->GetClassName()), e.kind);
        if (e.id != wxID_ANY) {
            EXPECT_EQ(child->GetId(), e.id);
        }
        if (e.text == nullptr)
            continue;
        const wxString text = dynamic_cast<const wxTextCtrl*>(child)
                                  ? dynamic_cast<const wxTextCtrl*>(child)->GetValue()
                                  : child->GetLabel();
        EXPECT_EQ(Utf8(text), e.text);
    }
    EXPECT_FALSE(w.FindWindow(IDC_FALSE_DEFAULT)->IsShown());
    EXPECT_EQ(w.GetDefaultItem(), w.FindWindow(IDC_FALSE_DEFAULT));
}

TEST(DumpDialogTemplate, NoMinimiseMaximiseOrResize)
{
    OpenDialog dialog;
    const long style = dialog.Window().GetWindowStyleFlag();
    EXPECT_EQ(style & (wxMINIMIZE_BOX | wxMAXIMIZE_BOX | wxRESIZE_BORDER), 0);
    EXPECT_NE(style & wxCLOSE_BOX, 0);
}

// Every row: the edit shows that row's format, editable only for the custom
// row, where it shows the custom format (row 0's on a first start).
TEST(DumpDialogPresets, SelectingARowShowsItsFormat)
{
    for (int row = 0; row < kFormatPresetCount; ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        OpenDialog dialog;
        DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
        user::Select(w.m_comboFormat, row);
        EXPECT_EQ(d.m_nFormatPreset, row);
        const bool custom = row == kFormatPresetCount - 1;
        EXPECT_EQ(Text(w.m_editFormat), custom ? kRow0Format : g_formatPresets[row].pszFormat);
        EXPECT_EQ(w.m_editFormat->IsEnabled(), custom);
    }
}

TEST(DumpDialogPresets, TypedCustomFormatWithoutARunIsLost)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
    user::Select(w.m_comboFormat, 16);
    user::Type(w.m_editFormat, "%08X: mine");
    user::Select(w.m_comboFormat, 3);
    EXPECT_EQ(Text(w.m_editFormat), kRow3Format);
    user::Select(w.m_comboFormat, 16);
    EXPECT_EQ(Text(w.m_editFormat), kRow0Format);
    EXPECT_EQ(d.m_strCustomFormat, kRow0Format);
}

TEST(DumpDialogPresets, CustomFormatTakenByARunIsKept)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
    user::Select(w.m_comboFormat, 16);
    user::Type(w.m_editFormat, "%08X: mine");
    d.TakeValues();
    EXPECT_EQ(d.m_strCustomFormat, "%08X: mine");
    EXPECT_EQ(d.m_strLineFormat, "%08X: mine");
    user::Select(w.m_comboFormat, 5);
    user::Select(w.m_comboFormat, 16);
    EXPECT_EQ(Text(w.m_editFormat), "%08X: mine");
}

TEST(DumpDialogPresets, RunUnderAPresetTakesItsFormatButKeepsTheCustomOne)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
    d.m_strCustomFormat = "%08X: mine";
    user::Select(w.m_comboFormat, 3);
    d.TakeValues();
    EXPECT_EQ(d.m_nFormatPreset, 3);
    EXPECT_EQ(d.m_strLineFormat, kRow3Format);
    EXPECT_EQ(d.m_strCustomFormat, "%08X: mine");
}

// A damaged settings file can hold any index: it reads as row 0.
TEST(DumpDialogPresets, StoredIndexOutsideTheTableShowsRowZero)
{
    for (int32_t index : {-1, 17, 1000, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(testing::Message() << "index " << index);
        OpenDialog dialog;
        dialog->m_nFormatPreset = index;
        DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
        EXPECT_EQ(w.m_comboFormat->GetSelection(), 0);
        EXPECT_EQ(Text(w.m_editFormat), kRow0Format);
        EXPECT_FALSE(w.m_editFormat->IsEnabled());
        d.TakeValues();
        EXPECT_EQ(d.m_nFormatPreset, 0);
        EXPECT_EQ(d.m_strLineFormat, kRow0Format);
    }
}

TEST(DumpDialogShowValues, TypedTextIsReplacedByTheTakenValues)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
    d.m_strInputFile = "/work/taken.mot";
    d.ShowValues();
    user::Type(w.m_editInput, "/work/typed.mot");
    user::Type(w.m_editFiller, "00");
    user::Type(w.m_editS0, "typed");
    w.m_checkSort->SetValue(true);
    user::Select(w.m_comboFormat, 2);
    EXPECT_EQ(Text(w.m_editInput), "/work/taken.mot");
    EXPECT_EQ(Text(w.m_editFiller), "FF");
    EXPECT_EQ(Text(w.m_editS0), "Header Information : \"%s\"");
    EXPECT_FALSE(w.m_checkSort->GetValue());
    EXPECT_EQ(d.m_strInputFile, "/work/taken.mot");
}

TEST(DumpDialogShowValues, UnicodePathsSurviveTheControls)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
    const std::string path = "/work/データ/ﾌｧｲﾙ.mot";
    user::Type(w.m_editInput, path);
    d.TakeValues();
    EXPECT_EQ(d.m_strInputFile, path);
    d.ShowValues();
    EXPECT_EQ(Text(w.m_editInput), path);
}

TEST(DumpDialogOutputName, ClearingSameAsInputShowsTheDerivedName)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
    // What a run with 1013 ticked leaves behind.
    d.m_strOutputFile = "/work/prog.txt";
    d.ShowValues();
    EXPECT_EQ(Text(w.m_editOutput), "");
    user::Toggle(w.m_checkSameAsInput);
    EXPECT_EQ(d.m_bSameAsInput, 0);
    EXPECT_EQ(Text(w.m_editOutput), "/work/prog.txt");
    EXPECT_TRUE(w.m_editOutput->IsEnabled());
    EXPECT_TRUE(w.m_btnBrowseOutput->IsEnabled());
    EXPECT_EQ(Text(w.m_editOutputExt), "");
    EXPECT_FALSE(w.m_editOutputExt->IsEnabled());
}

TEST(DumpDialogOutputName, TickingSameAsInputForgetsTheBrowsedOutput)
{
    OpenDialog dialog;
    dialog->m_bSameAsInput = 0;
    DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
    d.m_strBrowsedOutput = d.m_strOutputFile = "/work/out.txt";
    user::Toggle(w.m_checkSameAsInput);
    EXPECT_EQ(d.m_bSameAsInput, 1);
    EXPECT_EQ(d.m_strBrowsedOutput, "");
    EXPECT_EQ(d.m_strOutputFile, "/work/out.txt");
    user::Toggle(w.m_checkSameAsInput);
    EXPECT_EQ(d.m_strBrowsedOutput, "");
    EXPECT_EQ(Text(w.m_editOutput), "/work/out.txt");
}

TEST(DumpDialogOutputName, ClearingSameAsInputKeepsTheBrowsedOutput)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
    d.m_strBrowsedOutput = "/work/out.txt";
    user::Toggle(w.m_checkSameAsInput);
    EXPECT_EQ(d.m_strBrowsedOutput, "/work/out.txt");
}

struct TakeCase {
    const char* name;
    bool sameAsInput;
    std::string outputFile;
    std::string outputExt;
};

// Only the field that 1013 leaves enabled is taken; the other keeps its value.
TEST(DumpDialogTakeValues, SameAsInputDecidesWhichNameIsTaken)
{
    const std::vector<TakeCase> cases = {
        {"ticked", true, "/work/kept.txt", "lst"},
        {"cleared", false, "/work/typed.txt", "txt"},
    };
    for (const TakeCase& c : cases) {
        SCOPED_TRACE(c.name);
        OpenDialog dialog;
        dialog->m_strOutputFile = "/work/kept.txt";
        dialog->m_bSameAsInput = c.sameAsInput ? 1 : 0;
        DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
        if (c.sameAsInput)
            user::Type(w.m_editOutputExt, "lst");
        else
            user::Type(w.m_editOutput, "/work/typed.txt");
        d.TakeValues();
        EXPECT_EQ(d.m_strOutputFile, c.outputFile);
        EXPECT_EQ(d.m_strOutputExt, c.outputExt);
    }
}

TEST(DumpDialogTakeValues, EveryControlReachesItsValue)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
    user::Type(w.m_editInput, "/in.hex");
    w.m_checkOpenOutput->SetValue(true);
    w.m_checkSort->SetValue(true);
    user::Type(w.m_editFiller, "a");
    user::Type(w.m_editGapText, "----");
    const std::vector<std::pair<wxTextCtrl*, std::string*>> formats = {
        {w.m_editS0, &d.m_strS0Format},   {w.m_editS9, &d.m_strS9Format},
        {w.m_editH01, &d.m_strH01Format}, {w.m_editH02, &d.m_strH02Format},
        {w.m_editH03, &d.m_strH03Format}, {w.m_editH04, &d.m_strH04Format},
        {w.m_editH05, &d.m_strH05Format},
    };
    for (size_t i = 0; i < formats.size(); ++i)
        user::Type(formats[i].first, "f" + std::to_string(i));
    d.TakeValues();
    EXPECT_EQ(d.m_strInputFile, "/in.hex");
    EXPECT_EQ(d.m_bOpenOutput, 1);
    EXPECT_EQ(d.m_bSortOutput, 1);
    EXPECT_EQ(d.m_strFiller, "a");
    EXPECT_EQ(d.m_strGapText, "----");
    for (size_t i = 0; i < formats.size(); ++i)
        EXPECT_EQ(*formats[i].second, "f" + std::to_string(i)) << "format " << i;
}

TEST(DumpDialogHandlers, DefaultsResetEveryValueAndControl)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
    d.m_strInputFile = "/in.mot";
    d.m_strOutputFile = d.m_strBrowsedOutput = "/out.txt";
    d.m_strOutputExt = "lst";
    d.m_bSameAsInput = 0;
    d.m_bOpenOutput = 1;
    d.m_bSortOutput = 1;
    d.m_nFormatPreset = 16;
    d.m_strCustomFormat = d.m_strLineFormat = "%08X";
    d.m_strFiller = "00";
    d.m_strH03Format = "changed";
    d.ShowValues();
    user::Click(w, IDC_DEFAULTS);
    EXPECT_EQ(d.m_strInputFile, "");
    EXPECT_EQ(d.m_strOutputFile, "");
    EXPECT_EQ(d.m_strBrowsedOutput, "");
    EXPECT_EQ(d.m_strOutputExt, "txt");
    EXPECT_EQ(d.m_bSameAsInput, 1);
    EXPECT_EQ(d.m_bOpenOutput, 0);
    EXPECT_EQ(d.m_bSortOutput, 0);
    EXPECT_EQ(d.m_nFormatPreset, 0);
    EXPECT_EQ(d.m_strLineFormat, kRow0Format);
    EXPECT_EQ(d.m_strCustomFormat, kRow0Format);
    EXPECT_EQ(d.m_strFiller, "FF");
    EXPECT_EQ(d.m_strH03Format, "Start Segment Address Record : %04X %04X");
    EXPECT_EQ(Text(w.m_editInput), "");
    EXPECT_TRUE(w.m_checkSameAsInput->GetValue());
    EXPECT_FALSE(w.m_checkOpenOutput->GetValue());
    EXPECT_FALSE(w.m_checkSort->GetValue());
    EXPECT_EQ(Text(w.m_editOutputExt), "txt");
    EXPECT_EQ(Text(w.m_editOutput), "");
    EXPECT_EQ(w.m_comboFormat->GetSelection(), 0);
    EXPECT_FALSE(w.m_editFormat->IsEnabled());
    EXPECT_EQ(Text(w.m_editH03), "Start Segment Address Record : %04X %04X");
}

// The values as the settings file would hold them, as bytes.
std::string StoredBytes(DumpValues& values)
{
    char path[] = "/tmp/trelk_dialog_values_XXXXXX";
    const int fd = mkstemp(path);
    close(fd);
    {
        CFile file;
        file.Open(path, CFile::modeCreate | CFile::modeWrite);
        CArchive archive(file, CArchive::store);
        values.Serialize(archive);
        archive.Close();
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::remove(path);
    return bytes;
}

std::string GoldenDefaults()
{
    std::ifstream in(TRELK_SETTINGS_GOLDEN, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// From a state where no value is at its default, the button must reach
// every one of them: the stored form equals the default settings file,
// both for the values and for what the controls show afterwards.
TEST(DumpDialogHandlers, DefaultsFromAStateWhereEveryValueDiffers)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
    d.m_strInputFile = "/in.mot";
    d.m_bOpenOutput = 1;
    d.m_bSameAsInput = 0;
    d.m_strOutputExt = "lst";
    d.m_strOutputFile = "/out.txt";
    d.m_strBrowsedOutput = "/browsed.txt";
    d.m_nFormatPreset = 16;
    d.m_strLineFormat = "%08X line";
    d.m_strCustomFormat = "%08X custom";
    d.m_strFiller = "00";
    d.m_strGapText = "----";
    d.m_bSortOutput = 1;
    d.m_strS0Format = "s0";
    d.m_strS9Format = "s9";
    d.m_strH01Format = "h01";
    d.m_strH02Format = "h02";
    d.m_strH03Format = "h03";
    d.m_strH04Format = "h04";
    d.m_strH05Format = "h05";
    d.ShowValues();
    const std::string golden = GoldenDefaults();
    ASSERT_EQ(golden.size(), 416u);
    ASSERT_NE(StoredBytes(d), golden);

    user::Click(w, IDC_DEFAULTS);

    EXPECT_EQ(StoredBytes(d), golden);
    EXPECT_EQ(d.m_strBrowsedOutput, "");
    d.TakeValues();
    EXPECT_EQ(StoredBytes(d), golden) << "the controls do not show the defaults";
}

TEST(DumpDialogHandlers, ExtensionIsTakenWhenItsEditLosesTheFocus)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
    user::Type(w.m_editOutputExt, "lst");
    user::Type(w.m_editInput, "/typed.mot");
    EXPECT_EQ(d.m_strOutputExt, "txt");
    user::LeaveFocus(w.m_editOutputExt);
    EXPECT_EQ(d.m_strOutputExt, "lst");
    EXPECT_EQ(d.m_strInputFile, "");
    EXPECT_EQ(Text(w.m_editInput), "/typed.mot");
}

TEST(DumpDialogHandlers, OpenOutputTakesOnlyItsCheckState)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
    user::Type(w.m_editInput, "/typed.mot");
    user::Toggle(w.m_checkOpenOutput);
    EXPECT_EQ(d.m_bOpenOutput, 1);
    EXPECT_EQ(Text(w.m_editInput), "/typed.mot");
    EXPECT_EQ(d.m_strInputFile, "");
    user::Toggle(w.m_checkOpenOutput);
    EXPECT_EQ(d.m_bOpenOutput, 0);
}

} // namespace
