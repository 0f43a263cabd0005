#pragma once

#include <string>
#include <wx/app.h>

#include "UserName.h"

class CDumpDialog;

// The front end's one application object. Its whole life is InitInstance:
// the single-instance check, the naming of the per-user files, the settings
// load, the modal main dialog and the settings save. No main loop runs; the
// program ends as soon as the dialog has closed.
class CDumpApp : public wxApp {
public:
    // The account-name source is replaceable for tests only; the shipped
    // program always asks the system.
    explicit CDumpApp(AccountNameSource accountName = SystemAccountName);

    bool OnInit() override;
    int OnRun() override;

    // Runs the whole program; returns its exit status: 0 when the dialog was
    // shown and the settings were saved (or another instance was brought
    // forward), non-zero when a failure ended it.
    int InitInstance();

    // True when no running main dialog of this account was found; false
    // after asking the one found to come forward.
    static bool IsFirstInstance();

    std::string m_strStartDir;    // current directory at start-up, never changed
    std::string m_strUserName;    // account name (<= 15 bytes) or "Trelk_Conv"

protected:
    // Points of the settings save where a test build can stop the process
    // to check what a kill at that moment leaves on disk. The shipped
    // program does nothing there.
    enum class SaveStep {
        Opened,   // the file being written is open, nothing written yet
        Written,  // every byte is written, the save not yet finished
    };
    virtual void OnSaveStep(SaveStep) {}

private:
    bool LoadSettings(CDumpDialog& dialog, const std::string& path);
    int SaveSettings(CDumpDialog& dialog, const std::string& path);
    void RunDialog(CDumpDialog& dialog);
    static void ShowError(const char* text);

    AccountNameSource m_accountName;
    int m_nExitCode = 0;
};
