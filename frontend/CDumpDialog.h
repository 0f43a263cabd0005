#pragma once

#include <wx/dialog.h>
#include <wx/iconbndl.h>

#include "DumpValues.h"
#include "RunContext.h"

class wxButton;
class wxCheckBox;
class wxChoice;
class wxCommandEvent;
class wxContextMenuEvent;
class wxFocusEvent;
class wxInitDialogEvent;
class wxMenu;
class wxTextCtrl;

// The main dialog (template 102) and the holder of the dialog values.
// Values and controls are two copies: ShowValues writes every control from
// the values, TakeValues reads every control back (only a run does that),
// and a few handlers take one value each. Nothing else syncs them.
class CDumpDialog : public wxDialog, public DumpValues {
public:
    // Creates the window with its controls and sets the defaults; the combo
    // box is filled and the values are shown when the dialog is shown.
    explicit CDumpDialog(wxWindow* parent = nullptr);
    ~CDumpDialog() override;

    void FillFormatCombo();
    void ShowValues();
    void TakeValues();

    // The about entry for a menu of the window: a separator first when the
    // menu already has entries; nothing when string 101 is empty.
    static void AppendAboutEntry(wxMenu& menu);

    // A conversion run from the current controls (CDumpDialogExecute.cpp).
    void RunConversion();

    // What the start-up code tells a run: start-up directory and user name.
    RunContext m_runContext;

    // Control members, in the order they are bound.
    wxTextCtrl* m_editH05 = nullptr;          // 1027
    wxTextCtrl* m_editH04 = nullptr;          // 1026
    wxTextCtrl* m_editH03 = nullptr;          // 1025
    wxTextCtrl* m_editH02 = nullptr;          // 1024
    wxTextCtrl* m_editH01 = nullptr;          // 1023
    wxTextCtrl* m_editS9 = nullptr;           // 1022
    wxTextCtrl* m_editS0 = nullptr;           // 1021
    wxCheckBox* m_checkSort = nullptr;        // 1020
    wxTextCtrl* m_editFormat = nullptr;       // 1019
    wxTextCtrl* m_editGapText = nullptr;      // 1018
    wxTextCtrl* m_editFiller = nullptr;       // 1017
    wxChoice* m_comboFormat = nullptr;        // 1016
    wxButton* m_btnBrowseOutput = nullptr;    // 1003
    wxCheckBox* m_checkSameAsInput = nullptr; // 1013
    wxCheckBox* m_checkOpenOutput = nullptr;  // 1014
    wxTextCtrl* m_editInput = nullptr;        // 1000
    wxTextCtrl* m_editOutput = nullptr;       // 1002
    wxTextCtrl* m_editOutputExt = nullptr;    // 1006

    wxIconBundle m_hIcon;                     // icon 128

protected:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnSysCommand(wxCommandEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnExecute(wxCommandEvent& event);
    void OnDefaults(wxCommandEvent& event);
    void OnBrowseInput(wxCommandEvent& event);
    void OnBrowseOutput(wxCommandEvent& event);
    void OnSameAsInput(wxCommandEvent& event);
    void OnKillFocusOutputExt(wxFocusEvent& event);
    void OnOpenOutput(wxCommandEvent& event);
    void OnSelChangeFormat(wxCommandEvent& event);

#ifdef __WXMSW__
    WXLRESULT MSWWindowProc(WXUINT message, WXWPARAM wParam, WXLPARAM lParam) override;
#endif

private:
    void CreateControls();
    void BindHandlers();
    void AppendSystemMenuEntry();
    void RunAboutBox();
};
