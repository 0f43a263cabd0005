// The two browse buttons, with the file dialogs answered through the
// toolkit's modal-dialog test hook.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <wx/filedlg.h>
#include <wx/filename.h>
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

// Records the file dialog's set-up, then closes it with the given path.
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
        if (m_result == wxID_OK) {
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

// A directory of the test's own, removed with its files at the end.
class TempDir {
public:
    TempDir()
    {
        char pattern[] = "/tmp/trelk_dialog_XXXXXX";
        m_path = mkdtemp(pattern);
    }
    ~TempDir() { wxFileName::Rmdir(wxString::FromUTF8(m_path), wxPATH_RMDIR_RECURSIVE); }
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

TEST(DumpDialogBrowse, InputDialogSetUpAndPathTaken)
{
    OpenDialog dialog;
    CDumpDialog& d = dialog.Init();
    TempDir dir;
    dir.MakeDir("load files");
    const std::string input = dir.Touch("load files/prog.mot");
    FileDialogSeen seen;
    wxTEST_DIALOG(user::Click(d, IDC_BROWSE_INPUT), ExpectFileDialog(&seen, input));
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.wildcard,
              "S-Record (*.mot)|*.mot|Intel Hex (*.hex)|*.hex|全てのファイル (*.*)|*");
    EXPECT_EQ(seen.fileName, "*.mot");
    EXPECT_EQ(seen.directory, "");
    EXPECT_NE(seen.style & wxFD_OPEN, 0);
    EXPECT_NE(seen.style & wxFD_FILE_MUST_EXIST, 0);
    EXPECT_EQ(seen.style & wxFD_CHANGE_DIR, 0);
    EXPECT_EQ(d.m_strInputFile, input);
    EXPECT_EQ(Text(d.m_editInput), input);
}

TEST(DumpDialogBrowse, InputDialogShowsTheValuesAgain)
{
    OpenDialog dialog;
    CDumpDialog& d = dialog.Init();
    user::Type(d.m_editFiller, "00");
    TempDir dir;
    FileDialogSeen seen;
    wxTEST_DIALOG(user::Click(d, IDC_BROWSE_INPUT), ExpectFileDialog(&seen, dir.Touch("in.hex")));
    EXPECT_EQ(Text(d.m_editFiller), "FF");
}

TEST(DumpDialogBrowse, OutputDialogSetUpAndPathTaken)
{
    OpenDialog dialog;
    dialog->m_bSameAsInput = 0;
    CDumpDialog& d = dialog.Init();
    TempDir dir;
    const std::string output = dir.Path() + "/dump.txt";
    FileDialogSeen seen;
    wxTEST_DIALOG(user::Click(d, IDC_BROWSE_OUTPUT), ExpectFileDialog(&seen, output));
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.wildcard, "Text File (*.txt)|*.txt|全てのファイル (*.*)|*");
    EXPECT_EQ(seen.fileName, "*.txt");
    EXPECT_EQ(seen.directory, "");
    EXPECT_NE(seen.style & wxFD_SAVE, 0);
    EXPECT_NE(seen.style & wxFD_OVERWRITE_PROMPT, 0);
    EXPECT_EQ(seen.style & wxFD_CHANGE_DIR, 0);
    EXPECT_EQ(d.m_strOutputFile, output);
    EXPECT_EQ(d.m_strBrowsedOutput, output);
    EXPECT_EQ(Text(d.m_editOutput), output);
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
        TempDir dir;
        dir.MakeDir("sub.d");
        if (c.existing)
            dir.Touch(c.existing);
        OpenDialog dialog;
        dialog->m_bSameAsInput = 0;
        CDumpDialog& d = dialog.Init();
        FileDialogSeen seen;
        wxTEST_DIALOG(user::Click(d, IDC_BROWSE_OUTPUT),
                      ExpectFileDialog(&seen, dir.Path() + "/" + c.chosen));
        const std::string taken = dir.Path() + "/" + c.taken;
        EXPECT_EQ(d.m_strOutputFile, taken);
        EXPECT_EQ(d.m_strBrowsedOutput, c.browsed ? taken : "");
        EXPECT_EQ(Text(d.m_editOutput), taken);
    }
}

TEST(DumpDialogBrowse, CancelChangesNothing)
{
    const std::vector<int> buttons = {IDC_BROWSE_INPUT, IDC_BROWSE_OUTPUT};
    for (int button : buttons) {
        SCOPED_TRACE(button);
        OpenDialog dialog;
        dialog->m_bSameAsInput = 0;
        dialog->m_strInputFile = "/old.mot";
        dialog->m_strOutputFile = dialog->m_strBrowsedOutput = "/old.txt";
        CDumpDialog& d = dialog.Init();
        user::Type(d.m_editInput, "/typed.mot");
        FileDialogSeen seen;
        wxTEST_DIALOG(user::Click(d, button), ExpectFileDialog(&seen, "/new", wxID_CANCEL));
        EXPECT_TRUE(seen.shown);
        EXPECT_EQ(d.m_strInputFile, "/old.mot");
        EXPECT_EQ(d.m_strOutputFile, "/old.txt");
        EXPECT_EQ(d.m_strBrowsedOutput, "/old.txt");
        // Cancel shows nothing again: the typed text stays.
        EXPECT_EQ(Text(d.m_editInput), "/typed.mot");
    }
}

} // namespace
