#include "CDumpDialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/menu.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#ifdef __WXMSW__
#include <windows.h>
#endif

#include "AppIcon.h"
#include "BrowseDialog.h"
#include "CAboutDialog.h"
#include "DefaultExtension.h"
#include "DialogFont.h"
#include "DialogUnits.h"
#include "EditMenu.h"
#include "FormatPreset.h"
#include "NarrowEdit.h"
#include "ResourceIds.h"
#include "ResourceStrings.h"

namespace {

const char* const kCaption = "Trelk Dump";
constexpr DluRect kClient{0, 0, 320, 332};

const char* const kInputFilter =
    "S-Record (*.mot)|*.mot|Intel Hex (*.hex)|*.hex|全てのファイル (*.*)|*";
const char* const kOutputFilter = "Text File (*.txt)|*.txt|全てのファイル (*.*)|*";
const char* const kOutputDefaultExt = "txt";
const char* const kOpenTitle = "ファイルを開く";
const char* const kSaveTitle = "名前を付けて保存";

wxString Ui(const std::string& utf8)
{
    return wxString::FromUTF8(utf8.data(), utf8.size());
}

wxString Ui(const char* utf8)
{
    return wxString::FromUTF8(utf8);
}

std::string Bytes(const wxString& text)
{
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

int32_t CheckState(const wxCheckBox* box)
{
    return box->GetValue() ? 1 : 0;
}

// Builds the controls of template 102 in template order, which is also the
// tab order, each at its place in dialog units.
class TemplateBuilder {
public:
    static constexpr int kClosedListHeight = 14;

    explicit TemplateBuilder(wxDialog* dialog) : m_dialog(dialog) {}

    wxButton* Button(int id, const char* text, const DluRect& r)
    {
        return new wxButton(m_dialog, id, Ui(text), Pos(r), Size(r));
    }

    void Group(const char* text, const DluRect& r)
    {
        new wxStaticBox(m_dialog, wxID_ANY, Ui(text), Pos(r), Size(r));
    }

    void Label(const char* text, const DluRect& r)
    {
        new wxStaticText(m_dialog, wxID_ANY, Ui(text), Pos(r), Size(r), wxST_NO_AUTORESIZE);
    }

    wxTextCtrl* Edit(int id, const DluRect& r, long style = 0)
    {
        return new wxTextCtrl(m_dialog, id, wxString(), Pos(r), Size(r), style);
    }

    // A box lower than the toolkit's check mark gets the height it needs,
    // centred on the template's row.
    wxCheckBox* Check(int id, const char* text, const DluRect& r)
    {
        wxPoint pos = Pos(r);
        wxSize size = Size(r);
        auto* box = new wxCheckBox(m_dialog, id, Ui(text), pos, size);
        const int needed = box->GetBestSize().y;
        if (needed > size.y) {
            pos.y -= (needed - size.y) / 2;
            size.y = needed;
            box->SetSize(wxRect(pos, size));
        }
        return box;
    }

    // The template's height (70 units) is that of the open list, which the
    // toolkit sizes itself here; closed, the list is as high as a button.
    wxChoice* DropDownList(int id, const DluRect& r)
    {
        const wxSize size(Size(r).x, Size({0, 0, 0, kClosedListHeight}).y);
        return new wxChoice(m_dialog, id, Pos(r), size);
    }

private:
    wxPoint Pos(const DluRect& r) const { return DluPosition(m_dialog, r); }
    wxSize Size(const DluRect& r) const { return DluSize(m_dialog, r); }

    wxDialog* m_dialog;
};

} // namespace

CDumpDialog::CDumpDialog(wxWindow* parent)
{
    // No parent gives the dialog a taskbar entry of its own; no minimise or
    // maximise box, no resizing.
    Create(parent, IDD_TRELK_DUMP_DIALOG, Ui(kCaption), wxDefaultPosition, wxDefaultSize,
           wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | (parent ? 0 : wxDIALOG_NO_PARENT));
    SetFont(DialogFont());
    SetClientSize(DluSize(this, kClient));
    m_hIcon = LoadAppIcon();
    CreateControls();
    BindHandlers();
    Centre();
    SetDefaults();
}

CDumpDialog::~CDumpDialog() = default;

void CDumpDialog::CreateControls()
{
    TemplateBuilder t(this);
    t.Button(IDC_EXECUTE, "実行", {260, 7, 53, 14});
    t.Button(IDCANCEL_EXIT, "終了", {260, 26, 53, 14});
    t.Button(IDC_DEFAULTS, "デフォルト設定", {260, 45, 53, 14});
    // The false default: being the default button it takes the Enter key,
    // and having no handler it does nothing with it.
    wxButton* falseDefault = t.Button(IDC_FALSE_DEFAULT, "偽標準", {260, 64, 53, 14});
    falseDefault->SetDefault();
    falseDefault->Hide();

    t.Group("入力ファイル選択", {7, 3, 246, 32});
    m_editInput = t.Edit(IDC_INPUT, {13, 15, 200, 12});
    t.Button(IDC_BROWSE_INPUT, "参照", {218, 15, 31, 13});

    t.Group("出力ファイル指定", {7, 39, 246, 43});
    m_checkSameAsInput = t.Check(IDC_SAME_AS_INPUT, "入力ファイルと同じで拡張子は", {13, 48, 107, 10});
    m_editOutputExt = t.Edit(IDC_OUTPUT_EXT, {120, 48, 20, 12}, wxTE_CENTRE);
    FitNarrowEdit(m_editOutputExt);
    m_checkOpenOutput = t.Check(IDC_OPEN_OUTPUT, "出力ファイルを開く", {160, 48, 90, 13});
    m_editOutput = t.Edit(IDC_OUTPUT, {13, 62, 200, 12});
    m_btnBrowseOutput = t.Button(IDC_BROWSE_OUTPUT, "参照", {218, 62, 31, 13});

    t.Group("出力形式指定", {7, 87, 306, 78});
    t.Label("出力形式選択", {13, 100, 54, 10});
    m_comboFormat = t.DropDownList(IDC_FORMAT_PRESET, {70, 98, 235, 70});
    t.Label("書式制御文字列", {13, 115, 54, 10});
    m_editFormat = t.Edit(IDC_LINE_FORMAT, {70, 115, 235, 12});
    t.Label("アドレスの隙間を埋める詰草数値（１６進２桁）", {13, 134, 148, 10});
    m_editFiller = t.Edit(IDC_FILLER, {167, 134, 18, 12}, wxTE_CENTRE);
    FitNarrowEdit(m_editFiller);
    t.Label("アドレスに１行以上の隔たりがある時の表示（無指定は行挿入なし）", {13, 147, 219, 10});
    m_editGapText = t.Edit(IDC_GAP_TEXT, {235, 146, 70, 12});

    t.Group("Ｓレコード形式指定", {7, 169, 306, 58});
    m_checkSort = t.Check(IDC_SORT_OUTPUT, "変換後に出力ファイルをソートする", {13, 179, 290, 10});
    t.Label("Ｓ０レコード出力書式", {13, 194, 75, 10});
    t.Label("Ｓ９レコード出力書式", {13, 208, 75, 10});
    m_editS0 = t.Edit(IDC_S0_FORMAT, {90, 194, 215, 12});
    m_editS9 = t.Edit(IDC_S9_FORMAT, {90, 208, 215, 12});

    t.Group("INTEL HEX 形式指定", {7, 232, 306, 93});
    const char* const recordLabels[] = {"０１レコード出力書式", "０２レコード出力書式",
                                        "０３レコード出力書式", "０４レコード出力書式",
                                        "０５レコード出力書式"};
    for (int i = 0; i < 5; ++i)
        t.Label(recordLabels[i], {13, 244 + 15 * i, 70, 10});
    wxTextCtrl** recordEdits[] = {&m_editH01, &m_editH02, &m_editH03, &m_editH04, &m_editH05};
    for (int i = 0; i < 5; ++i)
        *recordEdits[i] = t.Edit(IDC_H01_FORMAT + i, {90, 244 + 15 * i, 215, 12});
}

void CDumpDialog::BindHandlers()
{
    // Button 2, Esc and the close box all end the dialog as cancel, without
    // taking the controls.
    SetEscapeId(IDCANCEL_EXIT);

    Bind(wxEVT_INIT_DIALOG, &CDumpDialog::OnInitDialog, this);
    Bind(wxEVT_MENU, &CDumpDialog::OnSysCommand, this, IDM_ABOUTBOX, IDM_ABOUTBOX + 0xF);
    Bind(wxEVT_CONTEXT_MENU, &CDumpDialog::OnContextMenu, this);
    Bind(wxEVT_BUTTON, &CDumpDialog::OnExecute, this, IDC_EXECUTE);
    Bind(wxEVT_BUTTON, &CDumpDialog::OnDefaults, this, IDC_DEFAULTS);
    Bind(wxEVT_BUTTON, &CDumpDialog::OnBrowseInput, this, IDC_BROWSE_INPUT);
    Bind(wxEVT_BUTTON, &CDumpDialog::OnBrowseOutput, this, IDC_BROWSE_OUTPUT);
    Bind(wxEVT_CHECKBOX, &CDumpDialog::OnSameAsInput, this, IDC_SAME_AS_INPUT);
    m_editOutputExt->Bind(wxEVT_KILL_FOCUS, &CDumpDialog::OnKillFocusOutputExt, this);
    Bind(wxEVT_CHECKBOX, &CDumpDialog::OnOpenOutput, this, IDC_OPEN_OUTPUT);
    Bind(wxEVT_CHOICE, &CDumpDialog::OnSelChangeFormat, this, IDC_FORMAT_PRESET);

    // Edits keep their own context menu; it offers the about entry too.
    const std::string aboutText = LoadResourceString(IDS_ABOUTBOX);
    for (wxWindow* child : GetChildren())
        if (auto* edit = dynamic_cast<wxTextCtrl*>(child))
            AppendToEditMenu(edit, aboutText, [this] { RunAboutBox(); });
}

void CDumpDialog::OnInitDialog(wxInitDialogEvent&)
{
    AppendSystemMenuEntry();
    SetIcons(m_hIcon);
    FillFormatCombo();
    ShowValues();
    // The focus starts on the first control that takes it: button 1008.
    FindWindow(IDC_EXECUTE)->SetFocus();
}

void CDumpDialog::FillFormatCombo()
{
    // Each showing of the window starts from an empty list, as a newly
    // created window would.
    m_comboFormat->Clear();
    for (const FormatPreset& row : g_formatPresets)
        m_comboFormat->Append(Ui(row.pszDescription));
}

void CDumpDialog::ShowValues()
{
    m_editInput->ChangeValue(Ui(m_strInputFile));
    m_checkOpenOutput->SetValue(m_bOpenOutput != 0);
    m_checkSameAsInput->SetValue(m_bSameAsInput != 0);
    const bool derived = m_bSameAsInput != 0;
    m_editOutputExt->ChangeValue(derived ? Ui(m_strOutputExt) : wxString());
    m_editOutputExt->Enable(derived);
    m_editOutput->ChangeValue(derived ? wxString() : Ui(m_strOutputFile));
    m_editOutput->Enable(!derived);
    m_btnBrowseOutput->Enable(!derived);

    // A damaged settings file may hold a row outside the table: row 0 then.
    const bool inTable = m_nFormatPreset >= 0 && m_nFormatPreset < kFormatPresetCount;
    m_comboFormat->SetSelection(inTable ? m_nFormatPreset : 0);
    const FormatPreset& row = PresetRow(m_nFormatPreset);
    const bool custom = IsCustomPreset(row);
    m_editFormat->ChangeValue(custom ? Ui(m_strCustomFormat) : Ui(row.pszFormat));
    m_editFormat->Enable(custom);

    m_editFiller->ChangeValue(Ui(m_strFiller));
    m_editGapText->ChangeValue(Ui(m_strGapText));
    m_checkSort->SetValue(m_bSortOutput != 0);
    m_editS0->ChangeValue(Ui(m_strS0Format));
    m_editS9->ChangeValue(Ui(m_strS9Format));
    m_editH01->ChangeValue(Ui(m_strH01Format));
    m_editH02->ChangeValue(Ui(m_strH02Format));
    m_editH03->ChangeValue(Ui(m_strH03Format));
    m_editH04->ChangeValue(Ui(m_strH04Format));
    m_editH05->ChangeValue(Ui(m_strH05Format));
}

void CDumpDialog::TakeValues()
{
    m_strInputFile = Bytes(m_editInput->GetValue());
    m_bOpenOutput = CheckState(m_checkOpenOutput);
    m_bSameAsInput = CheckState(m_checkSameAsInput);
    if (m_bSameAsInput != 0)
        m_strOutputExt = Bytes(m_editOutputExt->GetValue());
    else
        m_strOutputFile = Bytes(m_editOutput->GetValue());

    const int selection = m_comboFormat->GetSelection();
    m_nFormatPreset = selection == wxNOT_FOUND ? 0 : selection;
    if (IsCustomPreset(PresetRow(m_nFormatPreset)))
        m_strCustomFormat = Bytes(m_editFormat->GetValue());
    m_strLineFormat = Bytes(m_editFormat->GetValue());

    m_strFiller = Bytes(m_editFiller->GetValue());
    m_strGapText = Bytes(m_editGapText->GetValue());
    m_bSortOutput = CheckState(m_checkSort);
    m_strS0Format = Bytes(m_editS0->GetValue());
    m_strS9Format = Bytes(m_editS9->GetValue());
    m_strH01Format = Bytes(m_editH01->GetValue());
    m_strH02Format = Bytes(m_editH02->GetValue());
    m_strH03Format = Bytes(m_editH03->GetValue());
    m_strH04Format = Bytes(m_editH04->GetValue());
    m_strH05Format = Bytes(m_editH05->GetValue());
}

void CDumpDialog::AppendAboutEntry(wxMenu& menu)
{
    const std::string text = LoadResourceString(IDS_ABOUTBOX);
    if (text.empty())
        return;
    if (menu.GetMenuItemCount() > 0)
        menu.AppendSeparator();
    menu.Append(IDM_ABOUTBOX, Ui(text));
}

void CDumpDialog::AppendSystemMenuEntry()
{
#ifdef __WXMSW__
    HMENU systemMenu = ::GetSystemMenu(GetHWND(), FALSE);
    const std::string text = LoadResourceString(IDS_ABOUTBOX);
    if (systemMenu != nullptr && !text.empty()) {
        ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, Ui(text).wc_str());
    }
#endif
    // Elsewhere there is no system menu; the context menu offers the entry.
}

#ifdef __WXMSW__
WXLRESULT CDumpDialog::MSWWindowProc(WXUINT message, WXWPARAM wParam, WXLPARAM lParam)
{
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == IDM_ABOUTBOX) {
        RunAboutBox();
        return 0;
    }
    return wxDialog::MSWWindowProc(message, wParam, lParam);
}
#endif

void CDumpDialog::OnSysCommand(wxCommandEvent& event)
{
    if ((event.GetId() & 0xFFF0) == IDM_ABOUTBOX)
        RunAboutBox();
    else
        event.Skip();
}

void CDumpDialog::RunAboutBox()
{
    CAboutDialog about(this);
    about.ShowModal();
}

// The about entry's menu stands in for the system menu. From the mouse the
// dialog's background offers it; from the keyboard (the context-menu key,
// Shift+F10) the control with the focus does, below that control. Edits
// keep their own menu, which ends with the about entry (BindHandlers).
void CDumpDialog::OnContextMenu(wxContextMenuEvent& event)
{
    wxObject* source = event.GetEventObject();
    const bool fromKeyboard = event.GetPosition() == wxDefaultPosition;
    const bool background = source == this || dynamic_cast<wxStaticText*>(source) ||
                            dynamic_cast<wxStaticBox*>(source);
    const bool edit = dynamic_cast<wxTextCtrl*>(source) != nullptr;
    if (fromKeyboard ? edit : !background) {
        event.Skip();
        return;
    }
    wxMenu menu;
    AppendAboutEntry(menu);
    if (menu.GetMenuItemCount() == 0)
        return;
    wxPoint at = wxDefaultPosition;
    auto* control = dynamic_cast<wxWindow*>(source);
    if (fromKeyboard && control != nullptr)
        at = ScreenToClient(control->GetScreenRect().GetBottomLeft());
    PopupMenu(&menu, at);
}

void CDumpDialog::OnExecute(wxCommandEvent&)
{
    RunConversion();
}

void CDumpDialog::OnDefaults(wxCommandEvent&)
{
    SetDefaults();
    ShowValues();
}

void CDumpDialog::OnBrowseInput(wxCommandEvent&)
{
    const std::optional<wxString> path =
        BrowseForFile(this, Ui(kOpenTitle), Ui(kInputFilter), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (!path)
        return;
    m_strInputFile = Bytes(*path);
    ShowValues();
}

void CDumpDialog::OnBrowseOutput(wxCommandEvent&)
{
    const std::optional<wxString> path =
        BrowseForFile(this, Ui(kSaveTitle), Ui(kOutputFilter), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (!path)
        return;
    const std::string chosen = Bytes(*path);
    const std::string output = WithDefaultExtension(chosen, kOutputDefaultExt);
    m_strOutputFile = output;
    // The dialog asked about overwriting the name as typed. When the
    // extension was added here and that file exists, nobody has asked yet:
    // leave the question to the run.
    const bool asked = output == chosen || !wxFileExists(Ui(output));
    m_strBrowsedOutput = asked ? output : std::string();
    ShowValues();
}

void CDumpDialog::OnSameAsInput(wxCommandEvent&)
{
    m_bSameAsInput = CheckState(m_checkSameAsInput);
    if (m_bSameAsInput == 1)
        m_strBrowsedOutput.clear();
    ShowValues();
}

void CDumpDialog::OnKillFocusOutputExt(wxFocusEvent& event)
{
    m_strOutputExt = Bytes(m_editOutputExt->GetValue());
    event.Skip();
}

void CDumpDialog::OnOpenOutput(wxCommandEvent&)
{
    m_bOpenOutput = CheckState(m_checkOpenOutput);
}

void CDumpDialog::OnSelChangeFormat(wxCommandEvent&)
{
    const int selection = m_comboFormat->GetSelection();
    m_nFormatPreset = selection == wxNOT_FOUND ? 0 : selection;
    ShowValues();
}
