#pragma once

#include <memory>
#include <optional>
#include <string>

#include "NamedLock.h"
#include "SettingsFile.h"

class CDumpDialog;

// What the start-up (CDumpApp::InitInstance) needs from the system and the
// desktop. Each front end implements it; tests put a fake in its place.
class StartupPlatform {
public:
    virtual ~StartupPlatform() = default;

    // Looks for a running main dialog of this user and asks it to come
    // forward (with its open pop-up on top). True when one was found.
    virtual bool BringRunningInstanceForward() = 0;

    // The process's current directory; nothing when it cannot be read.
    virtual std::optional<std::string> CurrentDirectory() = 0;

    // The logon name as the system gives it; nothing when it cannot be had.
    virtual std::optional<std::string> AccountName() = 0;

    // The named lock; made once, taken and given up around each transfer.
    virtual std::unique_ptr<NamedLock> CreateLock(const std::string& name) = 0;

    // Shows the main dialog modally and returns once it has closed. While
    // it is open, a second start of the same user brings it forward.
    virtual void RunDialog(CDumpDialog& dialog) = 0;

    // A modal error box under the program's name; the text is UTF-8.
    virtual void ShowError(const char* text) = 0;

    // A point of the settings save; a test build stops the process there.
    virtual void OnSaveStep(SettingsFile::SaveStep) {}
};
