#pragma once

#include <string>

#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include "CDumpDialog.h"

// What a user does to the controls, as the toolkit reports it to the dialog.
namespace user {

inline void Click(CDumpDialog& dialog, int id)
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

// A dialog as it stands after its window opened: combo filled, values shown.
class OpenDialog {
public:
    OpenDialog() : m_dialog(new CDumpDialog) {}
    ~OpenDialog() { delete m_dialog; }
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;

    CDumpDialog& Init()
    {
        m_dialog->InitDialog();
        return *m_dialog;
    }

    CDumpDialog& operator*() { return *m_dialog; }
    CDumpDialog* operator->() { return m_dialog; }

private:
    CDumpDialog* m_dialog;
};
