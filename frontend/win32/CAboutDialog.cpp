#include "CAboutDialog.h"

#include "CenterWindow.h"
#include "ResourceIds.h"

namespace {

INT_PTR CALLBACK AboutProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        CenterWindow(window);
        return TRUE;
    case WM_COMMAND:
        // OK, Enter, Esc and the close box.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(window, LOWORD(wParam));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

void CAboutDialog::DoModal()
{
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUTBOX), m_hParent, AboutProc,
                    0);
}
