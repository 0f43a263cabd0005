// The dialogs in their modal loops, driven by synthetic mouse and keyboard
// input (XTest under Xvfb): focus, Enter, Esc, the Exit button, the close
// box and the about box.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "CAboutDialog.h"
#include "DialogTestSupport.h"
#include "ResourceIds.h"

#include <gtk/gtk.h>

namespace {

// Returned when a script failed to end the modal loop itself.
constexpr int kStuck = -77;

// Lets the toolkit deliver what is pending (input, focus, paint) until the
// condition holds or a generous bound runs out.
bool SettleUntil(const std::function<bool()>& condition)
{
    for (int i = 0; i < 200 && !condition(); ++i) {
        wxMilliSleep(10);
        wxYield();
    }
    return condition();
}

// For input that has no effect to wait for: a short, fixed number of rounds.
void Settle()
{
    for (int i = 0; i < 20; ++i) {
        wxMilliSleep(10);
        wxYield();
    }
}

// Shows the dialog modally and runs the script inside its loop. A watchdog
// ends a loop that the script left running, so a fault fails instead of
// hanging the test binary.
int RunModal(wxDialog& dialog, const std::function<void()>& script)
{
    wxTimer watchdog;
    watchdog.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        if (dialog.IsModal())
            dialog.EndModal(kStuck);
    });
    watchdog.StartOnce(20000);
    dialog.CallAfter([&] {
        SettleUntil([&] { return dialog.IsActive() || wxWindow::FindFocus() != nullptr; });
        script();
    });
    return dialog.ShowModal();
}

void ClickOn(wxWindow* window)
{
    wxUIActionSimulator sim;
    sim.MouseMove(window->GetScreenRect().GetPosition() + window->GetSize() / 2);
    Settle();
    sim.MouseClick();
}

void PressKey(int key)
{
    wxUIActionSimulator sim;
    sim.Char(key);
}

TEST(DumpDialogModal, OpensShowingTheValuesWithFocusOnExecute)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Window();
    CDumpDialog& d = dialog.Values();
    d.m_strInputFile = "/loaded.mot";
    d.m_nFormatPreset = 16;
    d.m_strCustomFormat = "%08X custom";
    wxWindow* focus = nullptr;
    std::string input;
    std::string format;
    const int result = RunModal(w, [&] {
        SettleUntil([&] { return wxWindow::FindFocus() != nullptr; });
        focus = wxWindow::FindFocus();
        input = Text(w.m_editInput);
        format = Text(w.m_editFormat);
        w.EndModal(wxID_CANCEL);
    });
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_EQ(input, "/loaded.mot");
    EXPECT_EQ(format, "%08X custom");
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->GetId(), IDC_EXECUTE);
}

TEST(DumpDialogModal, EnterInAnEditDoesNothingEscCloses)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Window();
    CDumpDialog& d = dialog.Values();
    bool openAfterEnter = false;
    std::string textAfterEnter;
    const int result = RunModal(w, [&] {
        w.m_editInput->SetFocus();
        SettleUntil([&] { return wxWindow::FindFocus() == w.m_editInput; });
        w.m_editInput->ChangeValue("/typed.mot");
        PressKey(WXK_RETURN);
        Settle();
        openAfterEnter = w.IsModal() && w.IsShown();
        textAfterEnter = Text(w.m_editInput);
        PressKey(WXK_ESCAPE);
    });
    EXPECT_TRUE(openAfterEnter);
    EXPECT_EQ(textAfterEnter, "/typed.mot");
    EXPECT_EQ(result, wxID_CANCEL);
    // Closing takes nothing from the controls.
    EXPECT_EQ(d.m_strInputFile, "");
}

TEST(DumpDialogModal, ExitButtonClosesWithoutTakingValues)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Window();
    CDumpDialog& d = dialog.Values();
    const int result = RunModal(w, [&] {
        w.m_editFiller->ChangeValue("00");
        ClickOn(w.FindWindow(IDCANCEL_EXIT));
    });
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_EQ(d.m_strFiller, "FF");
}

TEST(DumpDialogModal, CloseBoxCloses)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Window();
    const int result = RunModal(w, [&] { w.Close(); });
    EXPECT_EQ(result, wxID_CANCEL);
}

TEST(DumpDialogModal, TabOutOfTheExtensionTakesIt)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Window();
    CDumpDialog& d = dialog.Values();
    wxWindow* focusAfterTab = nullptr;
    RunModal(w, [&] {
        w.m_editOutputExt->SetFocus();
        SettleUntil([&] { return wxWindow::FindFocus() == w.m_editOutputExt; });
        w.m_editOutputExt->ChangeValue("lst");
        PressKey(WXK_TAB);
        SettleUntil([&] { return wxWindow::FindFocus() != w.m_editOutputExt; });
        focusAfterTab = wxWindow::FindFocus();
        w.EndModal(wxID_CANCEL);
    });
    EXPECT_EQ(d.m_strOutputExt, "lst");
    ASSERT_NE(focusAfterTab, nullptr);
    EXPECT_EQ(focusAfterTab->GetId(), IDC_OPEN_OUTPUT);
}

// The toolkit's file dialog that is open, if any.
GtkWidget* OpenFileDialog()
{
    GtkWidget* found = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item != nullptr; item = item->next) {
        auto* widget = static_cast<GtkWidget*>(item->data);
        if (GTK_IS_FILE_CHOOSER_DIALOG(widget) && gtk_widget_get_visible(widget))
            found = widget;
    }
    g_list_free(windows);
    return found;
}

// The real Save dialog, accepted as it opens (what Enter in its name field
// does), then closed if it is still open: the first filter's pattern must
// not come back as the output file.
TEST(DumpDialogModal, SaveDialogAcceptedAsItOpensGivesNoFile)
{
    CurrentDirectoryScope cwd;
    TempDir dir;
    ASSERT_EQ(chdir(dir.Path().c_str()), 0);
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Window();
    CDumpDialog& d = dialog.Values();
    d.m_bSameAsInput = 0;
    d.m_strOutputFile = "/old.txt";
    bool seen = false;
    int ticks = 0;
    wxTimer answer;
    answer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        GtkWidget* dialog = OpenFileDialog();
        if (dialog == nullptr)
            return;
        seen = true;
        auto* window = GTK_WINDOW(dialog);
        if (++ticks == 3)
            gtk_window_activate_default(window);
        else if (ticks == 10)
            gtk_dialog_response(GTK_DIALOG(window), GTK_RESPONSE_CANCEL);
    });
    RunModal(w, [&] {
        answer.Start(100);
        ClickOn(w.m_btnBrowseOutput);
        SettleUntil([&] { return seen && OpenFileDialog() == nullptr; });
        answer.Stop();
        w.EndModal(wxID_CANCEL);
    });
    EXPECT_TRUE(seen) << "the Save dialog did not open";
    EXPECT_EQ(d.m_strOutputFile, "/old.txt");
    EXPECT_EQ(d.m_strBrowsedOutput, "");
}

TEST(AboutBoxModal, ClosesWithItsOkButton)
{
    CAboutDialog about(nullptr);
    const int result = RunModal(about, [&] { ClickOn(about.FindWindow(IDOK_ABOUT)); });
    EXPECT_EQ(result, IDOK_ABOUT);
}

// What the about box showed when the main dialog's about command ran.
struct AboutSeen {
    bool shown = false;
    std::string caption;
    std::string texts;
    bool hasIcon = false;
    bool okIsDefault = false;
};

class ExpectAboutBox : public wxExpectModalBase<CAboutDialog, ExpectAboutBox> {
public:
    explicit ExpectAboutBox(AboutSeen* seen) : m_seen(seen) {}

protected:
    int OnInvoked(CAboutDialog* about) const override
    {
        m_seen->shown = true;
        m_seen->caption = Utf8(about->GetTitle());
        for (wxWindow* child : about->GetChildren()) {
            if (dynamic_cast<wxStaticText*>(child))
                m_seen->texts += Utf8(child->GetLabel()) + "\n";
            if (auto* bitmap = dynamic_cast<wxStaticBitmap*>(child))
                m_seen->hasIcon = bitmap->GetBitmap().IsOk();
        }
        m_seen->okIsDefault = about->GetDefaultItem() == about->FindWindow(IDOK_ABOUT);
        return IDOK_ABOUT;
    }

private:
    AboutSeen* m_seen;
};

TEST(DumpDialogAbout, AboutCommandShowsTheAboutBox)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    AboutSeen seen;
    wxCommandEvent command(wxEVT_MENU, IDM_ABOUTBOX);
    wxTEST_DIALOG(w.HandleWindowEvent(command), ExpectAboutBox(&seen));
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.caption, "Trelk_Dumpのﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(seen.texts.rfind("Trelk_Dump Version 1.2\n", 0), 0u) << seen.texts;
    EXPECT_TRUE(seen.hasIcon);
    EXPECT_TRUE(seen.okIsDefault);
}

// Right click on the dialog's background, then the menu's only entry.
TEST(DumpDialogAbout, BackgroundMenuOpensTheAboutBox)
{
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Window();
    AboutSeen seen;
    RunModal(w, [&] {
        wxTimer chooseEntry;
        chooseEntry.Bind(wxEVT_TIMER, [](wxTimerEvent&) {
            PressKey(WXK_DOWN);
            PressKey(WXK_RETURN);
        });
        // Between the first group box and the buttons: plain background.
        const wxPoint background = w.ClientToScreen(w.ConvertDialogToPixels(wxPoint(256, 30)));
        wxTEST_DIALOG(
            {
                wxUIActionSimulator sim;
                sim.MouseMove(background);
                Settle();
                chooseEntry.StartOnce(500);
                sim.MouseClick(wxMOUSE_BTN_RIGHT);
                SettleUntil([&] { return seen.shown; });
            },
            ExpectAboutBox(&seen));
        w.EndModal(wxID_CANCEL);
    });
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.caption, "Trelk_Dumpのﾊﾞｰｼﾞｮﾝ情報");
}

struct MenuKeyCase {
    const char* name;
    int focus;      // the control with the focus
    int key;
    int modifiers;
};

// The menu from the keyboard, wherever the focus is: the context-menu key or
// Shift+F10, then Up (the about entry is the menu's last) and Enter. In an
// edit the edit's own menu opens, with the about entry at its end.
TEST(DumpDialogAbout, MenuKeysOpenTheAboutBox)
{
    const std::vector<MenuKeyCase> cases = {
        {"menu key on 実行", IDC_EXECUTE, WXK_MENU, wxMOD_NONE},
        {"Shift+F10 on 実行", IDC_EXECUTE, WXK_F10, wxMOD_SHIFT},
        {"menu key on a check box", IDC_SORT_OUTPUT, WXK_MENU, wxMOD_NONE},
        {"menu key on the presets list", IDC_FORMAT_PRESET, WXK_MENU, wxMOD_NONE},
        {"menu key in an edit", IDC_INPUT, WXK_MENU, wxMOD_NONE},
        {"Shift+F10 in an edit", IDC_S0_FORMAT, WXK_F10, wxMOD_SHIFT},
    };
    for (const MenuKeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        OpenDialog dialog;
        DumpDialogWindow& w = dialog.Window();
        AboutSeen seen;
        RunModal(w, [&] {
            wxWindow* focus = w.FindWindow(c.focus);
            focus->SetFocus();
            SettleUntil([&] { return wxWindow::FindFocus() == focus; });
            wxTimer chooseEntry;
            chooseEntry.Bind(wxEVT_TIMER, [](wxTimerEvent&) {
                PressKey(WXK_UP);
                PressKey(WXK_RETURN);
            });
            wxTEST_DIALOG(
                {
                    chooseEntry.StartOnce(500);
                    wxUIActionSimulator().Char(c.key, c.modifiers);
                    SettleUntil([&] { return seen.shown; });
                },
                ExpectAboutBox(&seen));
            if (w.IsModal())
                w.EndModal(wxID_CANCEL);
        });
        EXPECT_TRUE(seen.shown);
    }
}

TEST(DumpDialogAbout, MenuGetsTheEntryLastAfterASeparator)
{
    wxMenu empty;
    DumpDialogWindow::AppendAboutEntry(empty);
    ASSERT_EQ(empty.GetMenuItemCount(), 1u);
    EXPECT_EQ(empty.FindItemByPosition(0)->GetId(), IDM_ABOUTBOX);
    EXPECT_EQ(Utf8(empty.FindItemByPosition(0)->GetItemLabel()), "Trelk_Dump のﾊﾞｰｼﾞｮﾝ情報(&A)...");

    wxMenu withEntries;
    withEntries.Append(wxID_CLOSE, "Close");
    DumpDialogWindow::AppendAboutEntry(withEntries);
    ASSERT_EQ(withEntries.GetMenuItemCount(), 3u);
    EXPECT_TRUE(withEntries.FindItemByPosition(1)->IsSeparator());
    EXPECT_EQ(withEntries.FindItemByPosition(2)->GetId(), IDM_ABOUTBOX);
}

} // namespace
