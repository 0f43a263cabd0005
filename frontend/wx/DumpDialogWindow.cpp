#include "DumpDialogWindow.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/menu.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "AppIcon.h"
#include "BrowseDialog.h"
#include "CAboutDialog.h"
#include "CDumpDialog.h"
#include "DialogBuilder.h"
#include "EditMenu.h"
#include "ResourceIds.h"
#include "ResourceStrings.h"

namespace {

const char* const kInputFilter =
    "S-Record (*.mot)|*.mot|Intel Hex (*.hex)|*.hex|全てのファイル (*.*)|*";
const char* const kOutputFilter = "Text File (*.txt)|*.txt|全てのファイル (*.*)|*";
const char* const kOutputDefaultExt = "txt";
const char* const kOpenTitle = "ファイルを開く";
const char* const kSaveTitle = "名前を付けて保存";

wxString Ui(const std::string& utf8)
{
    return wxString::FromUTF8(utf8);
}

} // namespace

DumpDialogWindow::DumpDialogWindow(CDumpDialog& dialog, wxWindow* parent)
    : m_dialog(dialog), m_desktop(this)
{
    CreateFromTemplate(*this, parent, IDD_TRELK_DUMP_DIALOG);
    m_hIcon = LoadAppIcon();
    DoDataExchange();
    BindHandlers();
    Centre();
    m_dialog.Attach(*this);
}

DumpDialogWindow::~DumpDialogWindow()
{
    m_dialog.Detach();
}

void DumpDialogWindow::DoDataExchange()
{
    m_editH05 = EditControl(IDC_H05_FORMAT);
    m_editH04 = EditControl(IDC_H04_FORMAT);
    m_editH03 = EditControl(IDC_H03_FORMAT);
    m_editH02 = EditControl(IDC_H02_FORMAT);
    m_editH01 = EditControl(IDC_H01_FORMAT);
    m_editS9 = EditControl(IDC_S9_FORMAT);
    m_editS0 = EditControl(IDC_S0_FORMAT);
    m_checkSort = CheckControl(IDC_SORT_OUTPUT);
    m_editFormat = EditControl(IDC_LINE_FORMAT);
    m_editGapText = EditControl(IDC_GAP_TEXT);
    m_editFiller = EditControl(IDC_FILLER);
    m_comboFormat = ListControl(IDC_FORMAT_PRESET);
    m_btnBrowseOutput = dynamic_cast<wxButton*>(FindWindow(IDC_BROWSE_OUTPUT));
    m_checkSameAsInput = CheckControl(IDC_SAME_AS_INPUT);
    m_checkOpenOutput = CheckControl(IDC_OPEN_OUTPUT);
    m_editInput = EditControl(IDC_INPUT);
    m_editOutput = EditControl(IDC_OUTPUT);
    m_editOutputExt = EditControl(IDC_OUTPUT_EXT);
}

void DumpDialogWindow::BindHandlers()
{
    // Button 2, Esc and the close box all end the dialog as cancel, without
    // taking the controls.
    SetEscapeId(IDCANCEL_EXIT);

    Bind(wxEVT_INIT_DIALOG, &DumpDialogWindow::OnInitDialog, this);
    Bind(wxEVT_MENU, &DumpDialogWindow::OnSysCommand, this, IDM_ABOUTBOX, IDM_ABOUTBOX + 0xF);
    Bind(wxEVT_CONTEXT_MENU, &DumpDialogWindow::OnContextMenu, this);

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { m_dialog.OnExecute(); }, IDC_EXECUTE);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { m_dialog.OnDefaults(); }, IDC_DEFAULTS);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { m_dialog.OnBrowseInput(); }, IDC_BROWSE_INPUT);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { m_dialog.OnBrowseOutput(); }, IDC_BROWSE_OUTPUT);
    Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { m_dialog.OnSameAsInput(); }, IDC_SAME_AS_INPUT);
    m_editOutputExt->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        m_dialog.OnKillFocusOutputExt();
        event.Skip();
    });
    Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { m_dialog.OnOpenOutput(); }, IDC_OPEN_OUTPUT);
    Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { m_dialog.OnSelChangeFormat(); }, IDC_FORMAT_PRESET);

    // Edits keep their own context menu; it offers the about entry too.
    const std::string aboutText = LoadResourceString(IDS_ABOUTBOX);
    for (wxWindow* child : GetChildren())
        if (auto* edit = dynamic_cast<wxTextCtrl*>(child))
            AppendToEditMenu(edit, aboutText, [this] { m_dialog.OnSysCommand(IDM_ABOUTBOX); });
}

// There is no system menu on this desktop: the context menu carries the
// about entry (OnContextMenu).
void DumpDialogWindow::OnInitDialog(wxInitDialogEvent&)
{
    SetIcons(m_hIcon);
    m_dialog.OnInitDialog();
    // The focus starts on the first control that takes it: button 1008.
    FindWindow(IDC_EXECUTE)->SetFocus();
}

void DumpDialogWindow::OnSysCommand(wxCommandEvent& event)
{
    if (!m_dialog.OnSysCommand(static_cast<unsigned>(event.GetId())))
        event.Skip();
}

void DumpDialogWindow::AppendAboutEntry(wxMenu& menu)
{
    const std::string text = LoadResourceString(IDS_ABOUTBOX);
    if (text.empty())
        return;
    if (menu.GetMenuItemCount() > 0)
        menu.AppendSeparator();
    menu.Append(IDM_ABOUTBOX, Ui(text));
}

// The about entry's menu stands in for the system menu. From the mouse the
// dialog's background offers it; from the keyboard (the context-menu key,
// Shift+F10) the control with the focus does, below that control. Edits
// keep their own menu, which ends with the about entry (BindHandlers).
void DumpDialogWindow::OnContextMenu(wxContextMenuEvent& event)
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

std::optional<DialogWindow::ChosenFile> DumpDialogWindow::ChooseFile(FileChoice which)
{
    if (which == FileChoice::Input) {
        const std::optional<wxString> path = BrowseForFile(
            this, Ui(kOpenTitle), Ui(kInputFilter), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
        if (!path)
            return std::nullopt;
        return ChosenFile{path->utf8_string(), false};
    }
    const std::optional<wxString> path = BrowseForFile(
        this, Ui(kSaveTitle), Ui(kOutputFilter), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (!path)
        return std::nullopt;
    const std::string chosen = path->utf8_string();
    const std::string output = WithDefaultExtension(chosen, kOutputDefaultExt);
    // The dialog asked about overwriting the name as typed. When the
    // extension was added here and that file exists, nobody has asked yet.
    const bool asked = output == chosen || !wxFileExists(Ui(output));
    return ChosenFile{output, asked};
}

void DumpDialogWindow::RunAboutBox()
{
    CAboutDialog about(this);
    about.ShowModal();
}

wxTextCtrl* DumpDialogWindow::EditControl(int id) const
{
    return dynamic_cast<wxTextCtrl*>(FindWindow(id));
}

wxCheckBox* DumpDialogWindow::CheckControl(int id) const
{
    return dynamic_cast<wxCheckBox*>(FindWindow(id));
}

wxChoice* DumpDialogWindow::ListControl(int id) const
{
    return dynamic_cast<wxChoice*>(FindWindow(id));
}

// A control that the template does not have, or of another kind, is
// passed over: reads give an empty text, no tick, no row.

void DumpDialogWindow::SetText(int id, const std::string& value)
{
    if (wxTextCtrl* edit = EditControl(id))
        edit->ChangeValue(Ui(value));
}

std::string DumpDialogWindow::GetText(int id) const
{
    const wxTextCtrl* edit = EditControl(id);
    return edit ? edit->GetValue().utf8_string() : std::string();
}

void DumpDialogWindow::SetCheck(int id, bool checked)
{
    if (wxCheckBox* box = CheckControl(id))
        box->SetValue(checked);
}

bool DumpDialogWindow::GetCheck(int id) const
{
    const wxCheckBox* box = CheckControl(id);
    return box && box->GetValue();
}

void DumpDialogWindow::EnableControl(int id, bool enabled)
{
    if (wxWindow* control = FindWindow(id))
        control->Enable(enabled);
}

void DumpDialogWindow::ClearRows(int id)
{
    if (wxChoice* list = ListControl(id))
        list->Clear();
}

void DumpDialogWindow::AddRow(int id, const std::string& utf8)
{
    if (wxChoice* list = ListControl(id))
        list->Append(Ui(utf8));
}

void DumpDialogWindow::SelectRow(int id, int row)
{
    if (wxChoice* list = ListControl(id))
        list->SetSelection(row);
}

int DumpDialogWindow::GetSelectedRow(int id) const
{
    const wxChoice* list = ListControl(id);
    return list ? list->GetSelection() : -1;
}
