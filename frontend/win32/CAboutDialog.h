#pragma once

#include <windows.h>

// The about box, template 100: the icon, the version line and a notice, and
// OK, which closes it. Nothing else.
class CAboutDialog {
public:
    explicit CAboutDialog(HWND parent) : m_hParent(parent) {}
    // Runs the box modally and returns once it has closed.
    void DoModal();

private:
    HWND m_hParent;
};
