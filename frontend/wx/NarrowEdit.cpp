#include "NarrowEdit.h"

#include <gtk/gtk.h>
#include <wx/textctrl.h>

namespace {

// The theme pads an entry by several pixels on each side; one keeps the
// text off the border and leaves room for four letters in 20 dialog units.
const char* const kNarrowEntryCss = "entry { padding-left: 1px; padding-right: 1px; }";

}  // namespace

void FitNarrowEdit(wxTextCtrl* edit)
{
    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(css, kNarrowEntryCss, -1, nullptr);
    GtkWidget* entry = static_cast<GtkWidget*>(edit->GetHandle());
    gtk_style_context_add_provider(gtk_widget_get_style_context(entry), GTK_STYLE_PROVIDER(css),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);
}
