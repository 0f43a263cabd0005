// Trelk_Dump as built for the tests only, never installed:
//  - the account name comes from TRELK_TEST_ACCOUNT_NAME, so that the tests
//    can try names no real account has;
//  - with TRELK_TEST_STOP_IN_SAVE set to "opened" or "written", the process
//    stops itself (SIGSTOP) at that step of the settings save, so that a
//    test can kill it there.
#include "WxDumpApp.h"
#include "WxStartupPlatform.h"

#include <csignal>
#include <cstdlib>
#include <cstring>

namespace {

class FakeAccountPlatform : public WxStartupPlatform {
public:
    std::optional<std::string> AccountName() override
    {
        const char* name = std::getenv("TRELK_TEST_ACCOUNT_NAME");
        if (name == nullptr)
            return std::nullopt;
        return std::string(name);
    }

    void OnSaveStep(SettingsFile::SaveStep step) override
    {
        const char* stopAt = std::getenv("TRELK_TEST_STOP_IN_SAVE");
        if (stopAt == nullptr)
            return;
        const char* name = step == SettingsFile::SaveStep::Opened ? "opened" : "written";
        if (std::strcmp(stopAt, name) == 0)
            std::raise(SIGSTOP);
    }
};

class FakeAccountApp : public WxDumpApp {
protected:
    std::unique_ptr<StartupPlatform> CreatePlatform() override
    {
        return std::make_unique<FakeAccountPlatform>();
    }
};

}  // namespace

wxIMPLEMENT_APP(FakeAccountApp);
