#pragma once

#include <string>

#include "ShellCommand.h"

// What a conversion run needs from the desktop: message boxes, the command
// shell, opening a document and the busy cursor. The run itself is plain
// C++; the toolkit lives behind this interface (WxRunPlatform), and tests
// put a fake in its place.
class RunPlatform {
public:
    enum class BoxType {
        Ok,        // one OK button, exclamation icon
        OkCancel,  // the overwrite question
    };
    enum class BoxAnswer { Ok, Cancel };

    // The shell's result when it could not be run at all.
    static constexpr int kShellNotRun = -1;

    virtual ~RunPlatform() = default;

    // Modal; returns the button pressed (closing the box counts as Cancel).
    // The text is one of the program's own messages: UTF-8 on every platform.
    virtual BoxAnswer ShowMessage(const std::string& text, BoxType type) = 0;

    // Runs one command through the command shell and waits for it to end.
    // Returns the shell's exit status (128 + n when ended by signal n), or
    // kShellNotRun. Paths in it are bytes as the dialog holds them.
    virtual int RunCommand(const ShellCommand& command) = 0;

    // Opens the file with the desktop's default application; does not wait.
    virtual void OpenDocument(const std::string& path) = 0;

    virtual void BeginBusy() = 0;
    virtual void EndBusy() = 0;
};
