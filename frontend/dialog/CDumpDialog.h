#pragma once

#include "DumpValues.h"

struct AppPaths;
class DialogWindow;

// The main dialog (template 102) and the holder of the dialog values. It
// knows no toolkit: it reaches its controls by identifier through the
// window that shows it (DialogWindow), which calls its handlers.
//
// Values and controls are two copies: ShowValues writes every control from
// the values, TakeValues reads every control back (only a run does that),
// and a few handlers take one value each. Nothing else syncs them.
class CDumpDialog : public DumpValues {
public:
    // Every value at its default. The paths name the run's files; they
    // must outlive the dialog.
    explicit CDumpDialog(const AppPaths& paths);

    // The window that shows the dialog, from its creation to its end.
    // Without one, the operations on controls do nothing.
    void Attach(DialogWindow& window);
    void Detach();

    // The window has its controls: fill the presets list, show the values.
    void OnInitDialog();

    void FillFormatCombo();
    void ShowValues();
    void TakeValues();

    // Handlers of the controls and the menu.
    void OnExecute();
    void OnDefaults();
    void OnBrowseInput();
    void OnBrowseOutput();
    void OnSameAsInput();
    void OnKillFocusOutputExt();
    void OnOpenOutput();
    void OnSelChangeFormat();
    // True when the command was the about entry and the about box has run;
    // false for any other command, which gets the default processing.
    bool OnSysCommand(unsigned id);

private:
    const AppPaths& m_paths;
    DialogWindow* m_pWindow = nullptr;
};
