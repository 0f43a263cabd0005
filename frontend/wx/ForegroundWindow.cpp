#include "ForegroundWindow.h"

#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
#endif
#include <wx/toplevel.h>

namespace {

// How many transient-for steps lead from window to owner; 0 when the chain
// does not reach owner.
int OwnedDepth(GtkWindow* window, GtkWindow* owner)
{
    int depth = 0;
    for (GtkWindow* step = window; step != nullptr; step = gtk_window_get_transient_for(step)) {
        if (step == owner)
            return depth;
        ++depth;
    }
    return 0;
}

bool IsPopupCandidate(GtkWindow* window)
{
    return gtk_widget_get_visible(GTK_WIDGET(window))
        && gtk_window_get_window_type(window) == GTK_WINDOW_TOPLEVEL;
}

// The pop-up the user would have to answer first: the visible dialog that
// is owned, at the deepest level, by the main window (a confirmation over a
// file dialog wins over the file dialog), a modal one before others.
GtkWindow* LastActivePopup(GtkWindow* owner)
{
    GtkWindow* best = owner;
    int bestDepth = 0;
    bool bestModal = false;
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item != nullptr; item = item->next) {
        GtkWindow* window = GTK_WINDOW(item->data);
        if (window == owner || !IsPopupCandidate(window))
            continue;
        int depth = OwnedDepth(window, owner);
        bool modal = gtk_window_get_modal(window);
        if (depth > bestDepth || (depth == bestDepth && depth > 0 && modal && !bestModal)) {
            best = window;
            bestDepth = depth;
            bestModal = modal;
        }
    }
    g_list_free(windows);
    return best;
}

// Raises and activates the window. The request comes from another start of
// the program, not from an event of this one, so the time of this
// process's last input would be too old: the X server (and a window
// manager that guards against focus stealing) would refuse the focus.
// The server's current time stands for the new start.
void Present(GtkWindow* window)
{
#ifdef GDK_WINDOWING_X11
    GdkWindow* native = gtk_widget_get_window(GTK_WIDGET(window));
    if (native != nullptr && GDK_IS_X11_WINDOW(native)) {
        gtk_window_present_with_time(window, gdk_x11_get_server_time(native));
        return;
    }
#endif
    gtk_window_present(window);
}

}  // namespace

void BringToForeground(wxTopLevelWindow& mainWindow)
{
    GtkWindow* owner = GTK_WINDOW(mainWindow.GetHandle());
    if (mainWindow.IsIconized())
        mainWindow.Iconize(false);
    Present(owner);
    GtkWindow* popup = LastActivePopup(owner);
    if (popup != owner)
        Present(popup);
    // A window manager that refuses to hand over the focus still shows the
    // request on the taskbar.
    if (!mainWindow.IsActive())
        mainWindow.RequestUserAttention();
}
