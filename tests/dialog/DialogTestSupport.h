#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/filename.h>
#include <wx/textctrl.h>

#include "AppPaths.h"
#include "CDumpDialog.h"
#include "DumpDialogWindow.h"

// What a user does to the controls, as the toolkit reports it to the dialog.
namespace user {

inline void Click(wxWindow& dialog, int id)
{
    wxWindow* button = dialog.FindWindow(id);
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(button);
    button->HandleWindowEvent(event);
}

inline void Toggle(wxCheckBox* box)
{
    box->SetValue(!box->GetValue());
    wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
    event.SetEventObject(box);
    event.SetInt(box->GetValue() ? 1 : 0);
    box->HandleWindowEvent(event);
}

inline void Select(wxChoice* combo, int row)
{
    combo->SetSelection(row);
    wxCommandEvent event(wxEVT_CHOICE, combo->GetId());
    event.SetEventObject(combo);
    event.SetInt(row);
    combo->HandleWindowEvent(event);
}

inline void Type(wxTextCtrl* edit, const std::string& utf8)
{
    edit->SetValue(wxString::FromUTF8(utf8));
}

inline void LeaveFocus(wxTextCtrl* edit)
{
    wxFocusEvent event(wxEVT_KILL_FOCUS, edit->GetId());
    event.SetEventObject(edit);
    edit->HandleWindowEvent(event);
}

} // namespace user

inline std::string Text(const wxTextCtrl* edit)
{
    return std::string(edit->GetValue().utf8_str());
}

inline std::string Utf8(const wxString& text)
{
    return std::string(text.utf8_str());
}

// A directory of the test's own, removed with its files at the end.
class TempDir {
public:
    TempDir()
    {
        char pattern[] = "/tmp/trelk_dialog_XXXXXX";
        m_path = mkdtemp(pattern);
    }
    ~TempDir() { wxFileName::Rmdir(wxString::FromUTF8(m_path), wxPATH_RMDIR_RECURSIVE); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string MakeDir(const std::string& name) const
    {
        const std::string path = m_path + "/" + name;
        wxFileName::Mkdir(wxString::FromUTF8(path));
        return path;
    }
    std::string Touch(const std::string& name) const
    {
        const std::string path = m_path + "/" + name;
        std::ofstream(path) << "x";
        return path;
    }

private:
    std::string m_path;
};

// The process's current directory, as it was when the scope began, back
// at its end: the browse dialogs move it.
class CurrentDirectoryScope {
public:
    CurrentDirectoryScope()
    {
        char buffer[4096];
        m_path = getcwd(buffer, sizeof buffer) ? buffer : "/";
    }
    ~CurrentDirectoryScope()
    {
        if (chdir(m_path.c_str()) != 0)
            ADD_FAILURE() << "cannot go back to " << m_path;
    }
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

    static std::string Now()
    {
        char buffer[4096];
        return getcwd(buffer, sizeof buffer) ? buffer : "";
    }

private:
    std::string m_path;
};

// A main dialog with its window, as the start-up makes them: the values
// (CDumpDialog) and the window that shows them, which goes first at the end.
class OpenDialog {
public:
    OpenDialog() : m_dialog(m_paths), m_window(new DumpDialogWindow(m_dialog)) {}
    ~OpenDialog() { delete m_window; }
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;

    // The window as it stands after it opened: combo filled, values shown.
    DumpDialogWindow& Init()
    {
        m_window->InitDialog();
        return *m_window;
    }

    DumpDialogWindow& Window() { return *m_window; }
    CDumpDialog& Values() { return m_dialog; }
    CDumpDialog* operator->() { return &m_dialog; }

private:
    AppPaths m_paths;
    CDumpDialog m_dialog;
    DumpDialogWindow* m_window;
};
