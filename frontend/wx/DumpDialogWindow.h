#pragma once

#include <wx/dialog.h>
#include <wx/iconbndl.h>

#include "DialogWindow.h"
#include "WxRunPlatform.h"

class CDumpDialog;
class wxButton;
class wxCheckBox;
class wxChoice;
class wxCommandEvent;
class wxContextMenuEvent;
class wxInitDialogEvent;
class wxMenu;
class wxTextCtrl;

// The main dialog's window on this toolkit: the controls of template 102,
// reached by identifier for the dialog logic (CDumpDialog), whose handlers
// its events call. Besides that it has the file dialogs, the about menu and
// box, the icon, and the desktop for a run.
class DumpDialogWindow : public wxDialog, public DialogWindow {
public:
    // Creates the window with its controls for the dialog, which must
    // outlive it. The combo box is filled and the values are shown when the
    // window is shown.
    explicit DumpDialogWindow(CDumpDialog& dialog, wxWindow* parent = nullptr);
    ~DumpDialogWindow() override;

    // The about entry for a menu of the window: a separator first when the
    // menu already has entries; nothing when string 101 is empty.
    static void AppendAboutEntry(wxMenu& menu);

    // DialogWindow. Values and literals are both UTF-8 here.
    void SetText(int id, const std::string& value) override;
    std::string GetText(int id) const override;
    void SetCheck(int id, bool checked) override;
    bool GetCheck(int id) const override;
    void EnableControl(int id, bool enabled) override;
    void ClearRows(int id) override;
    void AddRow(int id, const std::string& utf8) override;
    void SelectRow(int id, int row) override;
    int GetSelectedRow(int id) const override;
    std::optional<ChosenFile> ChooseFile(FileChoice which) override;
    void RunAboutBox() override;
    RunPlatform& Desktop() override { return m_desktop; }

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

private:
    void DoDataExchange();
    void BindHandlers();
    void OnInitDialog(wxInitDialogEvent& event);
    void OnSysCommand(wxCommandEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);

    wxTextCtrl* EditControl(int id) const;
    wxCheckBox* CheckControl(int id) const;
    wxChoice* ListControl(int id) const;

    CDumpDialog& m_dialog;
    WxRunPlatform m_desktop;
};
