#pragma once

#include "StartupPlatform.h"

// The start-up on Windows: the running dialog found by class and title, the
// current directory and the logon name in code page 932, the named mutex,
// the modal dialog from its template and the error box.
class Win32StartupPlatform : public StartupPlatform {
public:
    bool BringRunningInstanceForward() override;
    std::optional<std::string> CurrentDirectory() override;
    std::optional<std::string> AccountName() override;
    std::unique_ptr<NamedLock> CreateLock(const std::string& name) override;
    void RunDialog(CDumpDialog& dialog) override;
    void ShowError(const char* text) override;
};
