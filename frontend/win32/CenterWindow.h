#pragma once

#include <windows.h>

// Centres a dialog as its framework does when it opens: over its owner, or
// on the work area of its monitor when it has none, kept inside that area.
void CenterWindow(HWND window);
