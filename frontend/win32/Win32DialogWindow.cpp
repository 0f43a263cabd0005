#include "Win32DialogWindow.h"

#include <vector>

#include "BrowseDialog.h"
#include "CAboutDialog.h"
#include "CDumpDialog.h"
#include "CenterWindow.h"
#include "ResourceIds.h"
#include "WideText.h"

namespace {

HICON LoadAppIcon(int size)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR | LR_SHARED));
}

}  // namespace

Win32DialogWindow::Win32DialogWindow(CDumpDialog& dialog)
    : m_dialog(dialog),
      m_hIcon(LoadAppIcon(GetSystemMetrics(SM_CXICON))),
      m_hSmallIcon(LoadAppIcon(GetSystemMetrics(SM_CXSMICON)))
{
}

Win32DialogWindow::~Win32DialogWindow()
{
    m_dialog.Detach();
}

void Win32DialogWindow::DoModal()
{
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TRELK_DUMP_DIALOG), nullptr,
                    DialogProc, reinterpret_cast<LPARAM>(this));
    m_dialog.Detach();
    m_desktop.SetOwner(nullptr);
    m_hWnd = nullptr;
}

INT_PTR CALLBACK Win32DialogWindow::DialogProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Win32DialogWindow*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->m_hWnd = window;
        self->OnInitDialog();
        // The focus goes to the first control that takes it: button 1008.
        return TRUE;
    }
    auto* self = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    return self ? self->OnMessage(message, wParam, lParam) : FALSE;
}

INT_PTR Win32DialogWindow::OnMessage(UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_SYSCOMMAND:
        // TRUE: handled here; FALSE: the default processing.
        return m_dialog.OnSysCommand(static_cast<unsigned>(wParam)) ? TRUE : FALSE;
    case WM_PAINT:
        return OnPaint() ? TRUE : FALSE;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(m_hIcon);
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    }
    return FALSE;
}

void Win32DialogWindow::OnInitDialog()
{
    m_desktop.SetOwner(m_hWnd);
    m_dialog.Attach(*this);
    AppendAboutEntry();
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hSmallIcon));
    m_dialog.OnInitDialog();
    CenterWindow(m_hWnd);
}

// A separator and string 101 at the end of the system menu, as command 16.
// The "W" calls: the entry is Japanese, whatever the locale's code page.
void Win32DialogWindow::AppendAboutEntry()
{
    const HMENU menu = GetSystemMenu(m_hWnd, FALSE);
    if (!menu)
        return;
    // The string table of the program's resources (UTF-16 there).
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX,
                                   reinterpret_cast<wchar_t*>(&text), 0);
    if (length <= 0 || !text)
        return;
    const std::wstring entry(text, static_cast<std::size_t>(length));
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, entry.c_str());
}

bool Win32DialogWindow::OnCommand(int id, int code)
{
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_EXECUTE: m_dialog.OnExecute(); return true;
        case IDC_DEFAULTS: m_dialog.OnDefaults(); return true;
        case IDC_BROWSE_INPUT: m_dialog.OnBrowseInput(); return true;
        case IDC_BROWSE_OUTPUT: m_dialog.OnBrowseOutput(); return true;
        case IDC_SAME_AS_INPUT: m_dialog.OnSameAsInput(); return true;
        case IDC_OPEN_OUTPUT: m_dialog.OnOpenOutput(); return true;
        // 終了, Esc and the close box: the dialog ends without taking the
        // controls.
        case IDCANCEL_EXIT: EndDialog(m_hWnd, IDCANCEL); return true;
        }
    }
    if (id == IDC_OUTPUT_EXT && code == EN_KILLFOCUS) {
        m_dialog.OnKillFocusOutputExt();
        return true;
    }
    if (id == IDC_FORMAT_PRESET && code == CBN_SELCHANGE) {
        m_dialog.OnSelChangeFormat();
        return true;
    }
    // Enter reaches the hidden default button 1015, which has no handler.
    return false;
}

// Minimised, the window shows the icon centred in its client area; else the
// dialog paints as usual.
bool Win32DialogWindow::OnPaint()
{
    if (!IsIconic(m_hWnd))
        return false;
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(m_hWnd, &paint);
    return true;
}

HWND Win32DialogWindow::Control(int id) const
{
    return m_hWnd ? GetDlgItem(m_hWnd, id) : nullptr;
}

// A control that the template does not have is passed over: reads give an
// empty text, no tick, no row.

void Win32DialogWindow::SetText(int id, const std::string& value)
{
    if (const HWND control = Control(id))
        SetWindowTextW(control, WidenCp932(value).c_str());
}

std::string Win32DialogWindow::GetText(int id) const
{
    const HWND control = Control(id);
    if (!control)
        return std::string();
    const int length = GetWindowTextLengthW(control);
    if (length <= 0)
        return std::string();
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(control, text.data(), length + 1);
    return NarrowCp932(std::wstring(text.data(), got > 0 ? static_cast<std::size_t>(got) : 0));
}

void Win32DialogWindow::SetCheck(int id, bool checked)
{
    if (Control(id))
        CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Win32DialogWindow::GetCheck(int id) const
{
    return Control(id) && IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

void Win32DialogWindow::EnableControl(int id, bool enabled)
{
    if (const HWND control = Control(id))
        EnableWindow(control, enabled ? TRUE : FALSE);
}

void Win32DialogWindow::ClearRows(int id)
{
    if (const HWND control = Control(id))
        SendMessageW(control, CB_RESETCONTENT, 0, 0);
}

void Win32DialogWindow::AddRow(int id, const std::string& utf8)
{
    if (const HWND control = Control(id))
        SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WidenUtf8(utf8).c_str()));
}

void Win32DialogWindow::SelectRow(int id, int row)
{
    if (const HWND control = Control(id))
        SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

int Win32DialogWindow::GetSelectedRow(int id) const
{
    const HWND control = Control(id);
    return control ? static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)) : -1;
}

std::optional<DialogWindow::ChosenFile> Win32DialogWindow::ChooseFile(FileChoice which)
{
    const bool input = which == FileChoice::Input;
    const std::optional<std::string> path =
        BrowseForFile(m_hWnd, input ? BrowseKind::Open : BrowseKind::Save);
    if (!path)
        return std::nullopt;
    // The Save dialog itself asks about an existing file, the default
    // extension already added.
    return ChosenFile{*path, !input};
}

void Win32DialogWindow::RunAboutBox()
{
    CAboutDialog(m_hWnd).DoModal();
}
