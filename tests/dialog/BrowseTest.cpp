// The two browse buttons, with the file dialogs answered through the
// toolkit's modal-dialog test hook.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include <wx/filedlg.h>
#include <wx/testing.h>

#include "DialogTestSupport.h"
#include "ResourceIds.h"

namespace {

// What the dialog was opened with.
struct FileDialogSeen {
    bool shown = false;
    std::string wildcard;
    std::string fileName;
    std::string directory;
    long style = 0;
};

// Records the file dialog's set-up, then closes it with the given path; an
// empty path accepts the dialog as it opened, as Enter would.
class ExpectFileDialog : public wxExpectModalBase<wxFileDialog, ExpectFileDialog> {
public:
    ExpectFileDialog(FileDialogSeen* seen, const std::string& path, int result = wxID_OK)
        : m_seen(seen), m_path(path), m_result(result)
    {
    }

protected:
    int OnInvoked(wxFileDialog* dialog) const override
    {
        m_seen->shown = true;
        m_seen->wildcard = Utf8(dialog->GetWildcard());
        m_seen->fileName = Utf8(dialog->GetFilename());
        m_seen->directory = Utf8(dialog->GetDirectory());
        m_seen->style = dialog->GetWindowStyle();
        if (m_result == wxID_OK && !m_path.empty()) {
            const wxString path = wxString::FromUTF8(m_path);
            dialog->SetPath(path);
            // The native chooser takes the name once it has read the folder.
            for (int i = 0; i < 300 && dialog->GetPath() != path; ++i) {
                wxMilliSleep(10);
                wxYield();
            }
        }
        return m_result;
    }

private:
    FileDialogSeen* m_seen;
    std::string m_path;
    int m_result;
};

// Each dialog opens in the current directory, showing the files of its
// first filter, with no name filled in.
TEST(DumpDialogBrowse, InputDialogSetUpAndPathTaken)
{
    CurrentDirectoryScope cwd;
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
    TempDir dir;
    ASSERT_EQ(chdir(dir.Path().c_str()), 0);
    dir.MakeDir("load files");
    const std::string input = dir.Touch("load files/prog.mot");
    FileDialogSeen seen;
    wxTEST_DIALOG(user::Click(w, IDC_BROWSE_INPUT), ExpectFileDialog(&seen, input));
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.wildcard,
              "S-Record (*.mot)|*.mot|Intel Hex (*.hex)|*.hex|全てのファイル (*.*)|*");
    EXPECT_EQ(seen.fileName, "");
    EXPECT_EQ(seen.directory, dir.Path());
    EXPECT_NE(seen.style & wxFD_OPEN, 0);
    EXPECT_NE(seen.style & wxFD_FILE_MUST_EXIST, 0);
    EXPECT_EQ(seen.style & wxFD_CHANGE_DIR, 0);
    EXPECT_EQ(d.m_strInputFile, input);
    EXPECT_EQ(Text(w.m_editInput), input);
}

TEST(DumpDialogBrowse, InputDialogShowsTheValuesAgain)
{
    CurrentDirectoryScope cwd;
    OpenDialog dialog;
    DumpDialogWindow& w = dialog.Init();
    user::Type(w.m_editFiller, "00");
    TempDir dir;
    FileDialogSeen seen;
    wxTEST_DIALOG(user::Click(w, IDC_BROWSE_INPUT), ExpectFileDialog(&seen, dir.Touch("in.hex")));
    EXPECT_EQ(Text(w.m_editFiller), "FF");
}

TEST(DumpDialogBrowse, OutputDialogSetUpAndPathTaken)
{
    CurrentDirectoryScope cwd;
    OpenDialog dialog;
    dialog->m_bSameAsInput = 0;
    DumpDialogWindow& w = dialog.Init();
    CDumpDialog& d = dialog.Values();
    TempDir dir;
    ASSERT_EQ(chdir(dir.Path().c_str()), 0);
    const std::string output = dir.Path() + "/dump.txt";
    FileDialogSeen seen;
    wxTEST_DIALOG(user::Click(w, IDC_BROWSE_OUTPUT), ExpectFileDialog(&seen, output));
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.wildcard, "Text File (*.txt)|*.txt|全てのファイル (*.*)|*");
    EXPECT_EQ(seen.fileName, "");
    EXPECT_EQ(seen.directory, dir.Path());
    EXPECT_NE(seen.style & wxFD_SAVE, 0);
    EXPECT_NE(seen.style & wxFD_OVERWRITE_PROMPT, 0);
    EXPECT_EQ(seen.style & wxFD_CHANGE_DIR, 0);
    EXPECT_EQ(d.m_strOutputFile, output);
    EXPECT_EQ(d.m_strBrowsedOutput, output);
    EXPECT_EQ(Text(w.m_editOutput), output);
}

struct SaveCase {
    const char* name;
    const char* chosen;     // relative to the temp dir
    const char* existing;   // file that exists beforehand, or nullptr
    const char* taken;
    bool browsed;           // m_strBrowsedOutput set: no second question
};

// A name typed without extension gets ".txt". If that file exists, the Save
// dialog asked about another name, so the run must still ask.
TEST(DumpDialogBrowse, OutputNameGetsTheDefaultExtension)
{
    const std::vector<SaveCase> cases = {
        {"extension given", "dump.lst", nullptr, "dump.lst", true},
        {"no extension, new file", "dump", nullptr, "dump.txt", true},
        {"no extension, .txt exists", "dump", "dump.txt", "dump.txt", false},
        {"chosen file exists", "dump.txt", "dump.txt", "dump.txt", true},
        {"dot only in the directory", "sub.d/dump", nullptr, "sub.d/dump.txt", true},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        CurrentDirectoryScope cwd;
        TempDir dir;
        dir.MakeDir("sub.d");
        if (c.existing)
            dir.Touch(c.existing);
        OpenDialog dialog;
        dialog->m_bSameAsInput = 0;
        DumpDialogWindow& w = dialog.Init();
        CDumpDialog& d = dialog.Values();
        FileDialogSeen seen;
        wxTEST_DIALOG(user::Click(w, IDC_BROWSE_OUTPUT),
                      ExpectFileDialog(&seen, dir.Path() + "/" + c.chosen));
        const std::string taken = dir.Path() + "/" + c.taken;
        EXPECT_EQ(d.m_strOutputFile, taken);
        EXPECT_EQ(d.m_strBrowsedOutput, c.browsed ? taken : "");
        EXPECT_EQ(Text(w.m_editOutput), taken);
    }
}

TEST(DumpDialogBrowse, CancelChangesNothing)
{
    const std::vector<int> buttons = {IDC_BROWSE_INPUT, IDC_BROWSE_OUTPUT};
    for (int button : buttons) {
        SCOPED_TRACE(button);
        CurrentDirectoryScope cwd;
        const std::string before = CurrentDirectoryScope::Now();
        OpenDialog dialog;
        dialog->m_bSameAsInput = 0;
        dialog->m_strInputFile = "/old.mot";
        dialog->m_strOutputFile = dialog->m_strBrowsedOutput = "/old.txt";
        DumpDialogWindow& w = dialog.Init();
        CDumpDialog& d = dialog.Values();
        user::Type(w.m_editInput, "/typed.mot");
        FileDialogSeen seen;
        wxTEST_DIALOG(user::Click(w, button), ExpectFileDialog(&seen, "/new", wxID_CANCEL));
        EXPECT_TRUE(seen.shown);
        EXPECT_EQ(d.m_strInputFile, "/old.mot");
        EXPECT_EQ(d.m_strOutputFile, "/old.txt");
        EXPECT_EQ(d.m_strBrowsedOutput, "/old.txt");
        // Cancel shows nothing again: the typed text stays.
        EXPECT_EQ(Text(w.m_editInput), "/typed.mot");
        EXPECT_EQ(CurrentDirectoryScope::Now(), before);
    }
}

struct AcceptCase {
    const char* name;
    int button;
};

// The first filter's pattern is what the dialog shows, never a name: a
// dialog accepted as it opened leaves the path as it was.
TEST(DumpDialogBrowse, AcceptedAsItOpensTakesNoName)
{
    const std::vector<AcceptCase> cases = {
        {"input", IDC_BROWSE_INPUT},
        {"output", IDC_BROWSE_OUTPUT},
    };
    for (const AcceptCase& c : cases) {
        SCOPED_TRACE(c.name);
        CurrentDirectoryScope cwd;
        TempDir dir;
        ASSERT_EQ(chdir(dir.Path().c_str()), 0);
        OpenDialog dialog;
        dialog->m_bSameAsInput = 0;
        dialog->m_strInputFile = "/old.mot";
        dialog->m_strOutputFile = "/old.txt";
        DumpDialogWindow& w = dialog.Init();
        CDumpDialog& d = dialog.Values();
        FileDialogSeen seen;
        wxTEST_DIALOG(user::Click(w, c.button), ExpectFileDialog(&seen, ""));
        ASSERT_TRUE(seen.shown);
        EXPECT_EQ(d.m_strInputFile, "/old.mot");
        EXPECT_EQ(d.m_strOutputFile, "/old.txt");
        EXPECT_EQ(d.m_strBrowsedOutput, "");
    }
}

struct PatternCase {
    const char* name;
    int button;
    const char* pattern;
    const char* chosen;
    std::string DumpValues::*value;
};

// A pattern typed as the name shows the files it matches, in its folder, as
// the Windows file dialogs do; the file then chosen is taken. (Only the Save dialog lets a name that names no file through.)
TEST(DumpDialogBrowse, TypedPatternShowsItsFilesAndIsNotTaken)
{
    const std::vector<PatternCase> cases = {
        {"output", IDC_BROWSE_OUTPUT, "*.lst", "dump.lst", &DumpValues::m_strOutputFile},
        {"output, question mark", IDC_BROWSE_OUTPUT, "dump?.lst", "dump1.lst",
         &DumpValues::m_strOutputFile},
    };
    for (const PatternCase& c : cases) {
        SCOPED_TRACE(c.name);
        CurrentDirectoryScope cwd;
        TempDir dir;
        const std::string sub = dir.MakeDir("sub");
        const std::string chosen = dir.Touch(std::string("sub/") + c.chosen);
        OpenDialog dialog;
        dialog->m_bSameAsInput = 0;
        DumpDialogWindow& w = dialog.Init();
        CDumpDialog& d = dialog.Values();
        FileDialogSeen typed;
        FileDialogSeen again;
        wxTEST_DIALOG(user::Click(w, c.button),
                      ExpectFileDialog(&typed, sub + "/" + c.pattern),
                      ExpectFileDialog(&again, chosen));
        ASSERT_TRUE(again.shown) << "the dialog did not open again";
        const std::string pattern = c.pattern;
        EXPECT_EQ(again.wildcard.rfind(pattern + "|" + pattern + "|", 0), 0u) << again.wildcard;
        EXPECT_EQ(again.directory, sub);
        EXPECT_EQ(again.fileName, "");
        EXPECT_EQ(d.*c.value, chosen);
    }
}

// As with the Windows file dialogs, which are not asked to keep the current
// directory: the folder of the chosen file becomes the current
// directory, and the next browse opens there.
TEST(DumpDialogBrowse, TheChosenFilesFolderBecomesTheCurrentDirectory)
{
    CurrentDirectoryScope cwd;
    TempDir dir;
    const std::string loads = dir.MakeDir("loads");
    const std::string dumps = dir.MakeDir("dumps");
    const std::string input = dir.Touch("loads/prog.mot");
    ASSERT_EQ(chdir(dir.Path().c_str()), 0);
    OpenDialog dialog;
    dialog->m_bSameAsInput = 0;
    DumpDialogWindow& w = dialog.Init();

    FileDialogSeen first;
    wxTEST_DIALOG(user::Click(w, IDC_BROWSE_INPUT), ExpectFileDialog(&first, input));
    EXPECT_EQ(first.directory, dir.Path());
    EXPECT_EQ(CurrentDirectoryScope::Now(), loads);

    FileDialogSeen second;
    wxTEST_DIALOG(user::Click(w, IDC_BROWSE_OUTPUT), ExpectFileDialog(&second, dumps + "/prog.txt"));
    EXPECT_EQ(second.directory, loads);
    EXPECT_EQ(CurrentDirectoryScope::Now(), dumps);

    FileDialogSeen third;
    wxTEST_DIALOG(user::Click(w, IDC_BROWSE_INPUT), ExpectFileDialog(&third, "", wxID_CANCEL));
    EXPECT_EQ(third.directory, dumps);
}

} // namespace
