#include "WxDumpApp.h"

#include "CDumpApp.h"
#include "WxStartupPlatform.h"

bool WxDumpApp::OnInit()
{
    // The base's command-line parsing is left out on purpose: the program
    // takes no arguments and must not stop on unknown ones.
    const std::unique_ptr<StartupPlatform> platform = CreatePlatform();
    CDumpApp app(*platform);
    m_nExitCode = app.InitInstance();
    return true;
}

int WxDumpApp::OnRun()
{
    // Everything happened in OnInit; no main loop is wanted.
    return m_nExitCode;
}

std::unique_ptr<StartupPlatform> WxDumpApp::CreatePlatform()
{
    return std::make_unique<WxStartupPlatform>();
}
