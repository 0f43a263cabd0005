#pragma once

#include <memory>
#include <wx/app.h>

class StartupPlatform;

// Trelk_Dump as a wx program. No main loop runs: OnInit runs the whole
// program (CDumpApp::InitInstance), and the program ends as soon as the
// dialog has closed, with InitInstance's status.
class WxDumpApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;

protected:
    // The platform the start-up runs on; a test build puts its own here.
    virtual std::unique_ptr<StartupPlatform> CreatePlatform();

private:
    int m_nExitCode = 0;
};
