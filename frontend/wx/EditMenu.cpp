#include "EditMenu.h"

#include <wx/textctrl.h>

#include <gtk/gtk.h>

namespace {

struct MenuEntry {
    std::string label;  // with the toolkit's "_" before the access key
    std::function<void()> chosen;
    wxTextCtrl* edit;
};

// "&" marks the access key in a menu text here, "_" in the toolkit's.
std::string ToolkitMnemonics(const std::string& label)
{
    std::string out;
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '_')
            out += "__";
        else if (label[i] == '&' && i + 1 < label.size() && label[i + 1] == '&')
            out += label[++i];
        else if (label[i] == '&')
            out += '_';
        else
            out += label[i];
    }
    return out;
}

void OnEntryChosen(GtkMenuItem*, gpointer data)
{
    auto* entry = static_cast<MenuEntry*>(data);
    // The menu is still closing: run the entry (a modal box, say) after it.
    entry->edit->CallAfter(entry->chosen);
}

void OnPopulatePopup(GtkEntry*, GtkWidget* popup, gpointer data)
{
    // With touch input the toolkit offers a bubble instead of a menu.
    if (!GTK_IS_MENU_SHELL(popup))
        return;
    auto* entry = static_cast<MenuEntry*>(data);
    GtkWidget* separator = gtk_separator_menu_item_new();
    GtkWidget* item = gtk_menu_item_new_with_mnemonic(entry->label.c_str());
    g_signal_connect(item, "activate", G_CALLBACK(OnEntryChosen), entry);
    gtk_menu_shell_append(GTK_MENU_SHELL(popup), separator);
    gtk_menu_shell_append(GTK_MENU_SHELL(popup), item);
    gtk_widget_show(separator);
    gtk_widget_show(item);
}

void FreeEntry(gpointer data, GClosure*)
{
    delete static_cast<MenuEntry*>(data);
}

}  // namespace

void AppendToEditMenu(wxTextCtrl* edit, const std::string& label, std::function<void()> chosen)
{
    if (label.empty())
        return;
    auto* entry = new MenuEntry{ToolkitMnemonics(label), std::move(chosen), edit};
    g_signal_connect_data(edit->GetHandle(), "populate-popup", G_CALLBACK(OnPopulatePopup), entry,
                          FreeEntry, GConnectFlags(0));
}
