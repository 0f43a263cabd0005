// The two narrow edits show their few characters whole: the text fits the
// edit's text area, inside the border and the inner padding.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <wx/utils.h>

#include "DialogTestSupport.h"

#include <gtk/gtk.h>

namespace {

struct FitCase {
    const char* name;
    wxTextCtrl* DumpDialogWindow::*edit;
    std::vector<std::string> texts;
};

// Width of the text as the entry lays it out, and of the room it has.
int TextWidth(GtkEntry* entry)
{
    PangoRectangle logical{};
    pango_layout_get_pixel_extents(gtk_entry_get_layout(entry), nullptr, &logical);
    return logical.width;
}

int TextAreaWidth(GtkEntry* entry)
{
    GdkRectangle area{};
    gtk_entry_get_text_area(entry, &area);
    return area.width;
}

TEST(NarrowEdits, TheirTextFitsInside)
{
    const std::vector<FitCase> cases = {
        {"filler 1017", &DumpDialogWindow::m_editFiller, {"FF", "00", "0G", "8D"}},
        {"extension 1006", &DumpDialogWindow::m_editOutputExt, {"txt", "srec", "html", "dump"}},
    };
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    w.Show();
    for (int i = 0; i < 300 && gtk_widget_get_allocated_width(
                                  static_cast<GtkWidget*>(w.m_editFiller->GetHandle())) <= 1; ++i) {
        wxMilliSleep(10);
        wxYield();
    }
    for (const FitCase& c : cases) {
        wxTextCtrl* edit = w.*c.edit;
        auto* entry = GTK_ENTRY(edit->GetHandle());
        for (const std::string& text : c.texts) {
            edit->ChangeValue(wxString::FromUTF8(text));
            EXPECT_LE(TextWidth(entry), TextAreaWidth(entry)) << c.name << ": " << text;
        }
    }
    w.Hide();
}

}  // namespace
