#include "WideText.h"

#include <windows.h>

#include <vector>

namespace {

constexpr UINT kCodePage932 = 932;

std::wstring Widen(UINT codePage, const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, &wide[0], length);
    return wide;
}

}  // namespace

std::wstring WidenCp932(const std::string& cp932)
{
    return Widen(kCodePage932, cp932);
}

std::wstring WidenUtf8(const std::string& utf8)
{
    return Widen(CP_UTF8, utf8);
}

std::string NarrowCp932(const std::wstring& wide, bool* lossy)
{
    if (lossy)
        *lossy = false;
    if (wide.empty())
        return std::string();
    const int size = static_cast<int>(wide.size());
    // No best fit: a character without its own code (say U+00E9) must not
    // turn into a look-alike that names another file.
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(kCodePage932, flags, wide.data(), size, nullptr, 0, "?", &usedDefault);
    if (length <= 0) {
        if (lossy)
            *lossy = true;
        return std::string();
    }
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kCodePage932, flags, wide.data(), size, &narrow[0], length, "?", &usedDefault);
    if (lossy)
        *lossy = usedDefault != FALSE;
    return narrow;
}

std::string NarrowCp932Path(const std::wstring& path)
{
    bool lossy = false;
    const std::string narrow = NarrowCp932(path, &lossy);
    if (!lossy)
        return narrow;
    const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (size == 0)
        return narrow;
    std::vector<wchar_t> shortPath(size);
    if (GetShortPathNameW(path.c_str(), shortPath.data(), size) == 0)
        return narrow;
    bool shortLossy = false;
    const std::string shortNarrow = NarrowCp932(shortPath.data(), &shortLossy);
    return shortLossy ? narrow : shortNarrow;
}
