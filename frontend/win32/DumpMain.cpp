#include <windows.h>

#include "CDumpApp.h"
#include "Win32StartupPlatform.h"

// The program's whole life is the application object's start-up: the
// modal main dialog runs inside it, and the program ends when it returns.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    Win32StartupPlatform platform;
    CDumpApp app(platform);
    return app.InitInstance();
}
