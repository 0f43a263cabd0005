#pragma once

#include <wx/dialog.h>

// The about box (template 100): icon, version line, notice line and OK.
// Run modally; its OK button (identifier 1) closes it.
class CAboutDialog : public wxDialog {
public:
    explicit CAboutDialog(wxWindow* parent);
};
