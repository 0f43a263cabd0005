#pragma once

#include <windows.h>

#include "DialogWindow.h"
#include "Win32RunPlatform.h"

class CDumpDialog;

// The main dialog's window on Win32: template 102 from the program's
// resources, run modally by the system's dialog manager. The controls are
// reached by identifier for the dialog logic (CDumpDialog), whose handlers
// the window's messages call; values cross as code page 932 <-> UTF-16,
// the program's literals as UTF-8 -> UTF-16. Besides that: the system-menu
// entry and the about box, the icon, the file dialogs, and the desktop for
// a run.
class Win32DialogWindow : public DialogWindow {
public:
    // The dialog must outlive the window.
    explicit Win32DialogWindow(CDumpDialog& dialog);
    ~Win32DialogWindow() override;
    Win32DialogWindow(const Win32DialogWindow&) = delete;
    Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

    // Shows the dialog and returns once it has closed (終了, Esc, the close
    // box).
    void DoModal();

    // DialogWindow.
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

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void AppendAboutEntry();
    bool OnCommand(int id, int code);
    bool OnPaint();
    HWND Control(int id) const;

    CDumpDialog& m_dialog;
    HWND m_hWnd = nullptr;
    HICON m_hIcon;       // icon 128 at the system's icon size
    HICON m_hSmallIcon;  // the same at the small icon size (caption, taskbar)
    Win32RunPlatform m_desktop;
};
