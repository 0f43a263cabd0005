#include "RunningDialog.h"

#include <windows.h>

namespace {

// The system's predefined dialog class, by its atom.
const char* const kDialogClass = MAKEINTATOM(0x8002);
// The caption of template 102; the program never changes it.
const char* const kDialogTitle = "Trelk Dump";

}  // namespace

bool BringRunningDialogForward()
{
    const HWND found = FindWindowA(kDialogClass, kDialogTitle);
    if (!found)
        return false;
    const HWND popup = GetLastActivePopup(found);
    SetForegroundWindow(found);
    if (IsIconic(found))
        ShowWindow(found, SW_SHOWNORMAL);
    if (popup && popup != found)
        SetForegroundWindow(popup);
    return true;
}
