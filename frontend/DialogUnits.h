#pragma once

#include <wx/window.h>

// A control's place on a dialog template, in dialog units. Converted with the
// dialog's own font, so the dialog must have its font before the conversion.
struct DluRect {
    int x;
    int y;
    int width;
    int height;
};

inline wxPoint DluPosition(const wxWindow* dialog, const DluRect& r)
{
    return dialog->ConvertDialogToPixels(wxPoint(r.x, r.y));
}

inline wxSize DluSize(const wxWindow* dialog, const DluRect& r)
{
    return dialog->ConvertDialogToPixels(wxSize(r.width, r.height));
}
