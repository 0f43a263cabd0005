#pragma once

#include <optional>
#include <string>

class RunPlatform;

// The main dialog's controls as the dialog logic reaches them: by their
// template identifiers, the way the dialog's own code does.
//
// Two kinds of text pass here. Values (SetText, GetText) are bytes as the
// dialog holds them, in the platform's multibyte encoding (UTF-8 here, code
// page 932 on Windows). Rows (AddRow) are the program's own literals, UTF-8
// on every platform. A window layer converts each kind as its controls need.
class DialogControls {
public:
    virtual ~DialogControls() = default;

    // Edits. Setting a text reports no change of it back to the dialog.
    virtual void SetText(int id, const std::string& value) = 0;
    virtual std::string GetText(int id) const = 0;

    // Check boxes.
    virtual void SetCheck(int id, bool checked) = 0;
    virtual bool GetCheck(int id) const = 0;

    // Any control.
    virtual void EnableControl(int id, bool enabled) = 0;

    // The drop-down list: rows in order, the selected row (-1: none).
    virtual void ClearRows(int id) = 0;
    virtual void AddRow(int id, const std::string& utf8) = 0;
    virtual void SelectRow(int id, int row) = 0;
    virtual int GetSelectedRow(int id) const = 0;
};

// The rest of what the dialog logic asks of its window: the file dialogs
// behind the browse buttons, the about box, and the desktop for a run.
class DialogWindow : public DialogControls {
public:
    enum class FileChoice {
        Input,   // the Open dialog of button 1001
        Output,  // the Save dialog of button 1003, which asks about overwriting
    };
    struct ChosenFile {
        std::string path;     // full path, a value as the dialog holds it
        bool overwriteAsked;  // the Save dialog asked about this very name
    };

    // Runs the file dialog modally; nothing when it was cancelled.
    virtual std::optional<ChosenFile> ChooseFile(FileChoice which) = 0;

    // Runs the about box (template 100) modally.
    virtual void RunAboutBox() = 0;

    // Message boxes, commands and the open step of a conversion run.
    virtual RunPlatform& Desktop() = 0;
};
