#pragma once

#include <string>

#include "AppPaths.h"

class CDumpDialog;
class StartupPlatform;

// The front end's one application object, and the one holder of the
// start-up directory and the user name (AppPaths). Its whole life is
// InitInstance: the single-instance check, the naming of the per-user
// files, the settings load, the modal main dialog and the settings save.
// Toolkit-free: the platform does the rest.
class CDumpApp : public AppPaths {
public:
    explicit CDumpApp(StartupPlatform& platform);

    // Runs the whole program; returns its exit status: 0 when the dialog was
    // shown and the settings were saved (or another instance was brought
    // forward), non-zero when a failure ended it.
    int InitInstance();

    // True when no running main dialog of this user was found; false after
    // asking the one found to come forward.
    bool IsFirstInstance();

private:
    bool LoadSettings(CDumpDialog& dialog, const std::string& path);
    bool SaveSettings(CDumpDialog& dialog, const std::string& path);

    StartupPlatform& m_platform;
};
