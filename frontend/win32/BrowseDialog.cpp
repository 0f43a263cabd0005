#include "BrowseDialog.h"

#include <commdlg.h>

#include <vector>

#include "WideText.h"

namespace {

// The filters as the framework's file dialog takes them: description and
// pattern separated by bars, two bars at the end (全てのファイル: all files).
const char* const kInputFilter =
    "S-Record (*.mot)|*.mot|Intel Hex (*.hex)|*.hex|全てのファイル (*.*)|*.*||";
const char* const kOutputFilter = "Text File (*.txt)|*.txt|全てのファイル (*.*)|*.*||";

// Room for a long path; the dialog fails rather than cut one.
constexpr std::size_t kPathRoom = 32768;

// The bars become the zeros that the system's dialog reads.
std::wstring SystemFilter(const char* barred)
{
    std::wstring filter = WidenUtf8(barred);
    for (wchar_t& c : filter)
        if (c == L'|')
            c = L'\0';
    return filter;
}

// True when the file name (the part after the last separator) holds a
// wildcard: such a name is a filter, never a file.
bool IsWildcardName(const std::wstring& path)
{
    const std::wstring::size_type separator = path.find_last_of(L"\\/:");
    const std::wstring name = separator == std::wstring::npos ? path : path.substr(separator + 1);
    return name.find_first_of(L"*?") != std::wstring::npos;
}

}  // namespace

std::optional<std::string> BrowseForFile(HWND owner, BrowseKind kind)
{
    const bool open = kind == BrowseKind::Open;
    const std::wstring filter = SystemFilter(open ? kInputFilter : kOutputFilter);
    const std::wstring initialName = open ? L"*.mot" : L"*.txt";
    std::vector<wchar_t> file(kPathRoom, L'\0');
    initialName.copy(file.data(), initialName.size());

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = open ? nullptr : L"txt";
    ofn.Flags = open ? (OFN_HIDEREADONLY | OFN_FILEMUSTEXIST)      // 0x1004
                     : (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);   // 6
    const BOOL chosen = open ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (!chosen)
        return std::nullopt;
    const std::wstring path = file.data();
    if (path.empty() || IsWildcardName(path))
        return std::nullopt;
    // The dialog moves the current directory itself; said once more here, so
    // that a relative path typed later means a file in the chosen folder
    // on every system that runs the program.
    if (ofn.nFileOffset > 0 && ofn.nFileOffset < path.size())
        SetCurrentDirectoryW(path.substr(0, ofn.nFileOffset).c_str());
    return NarrowCp932Path(path);
}
