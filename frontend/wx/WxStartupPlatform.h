#pragma once

#include "StartupPlatform.h"

// The start-up on this desktop: the POSIX pieces for the directory, the
// account, the per-user lock and the single-instance endpoint; the wx
// dialog and message box for the rest.
class WxStartupPlatform : public StartupPlatform {
public:
    bool BringRunningInstanceForward() override;
    std::optional<std::string> CurrentDirectory() override;
    std::optional<std::string> AccountName() override;
    std::unique_ptr<NamedLock> CreateLock(const std::string& name) override;
    void RunDialog(CDumpDialog& dialog) override;
    void ShowError(const char* text) override;
};
