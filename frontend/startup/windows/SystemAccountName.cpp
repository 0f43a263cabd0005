#include "SystemAccountName.h"

#include <windows.h>

#include <lmcons.h>

#include "WideText.h"

std::optional<std::string> SystemAccountName()
{
    // Asked in UTF-16 and made code page 932 here: the "A" call would give
    // the locale's ANSI code page. Whole, so that the 15-byte rule counts
    // the code page 932 bytes as a 16-byte "A" buffer would.
    wchar_t name[UNLEN + 1];
    DWORD size = UNLEN + 1;
    if (!GetUserNameW(name, &size) || size == 0)
        return std::nullopt;
    bool lossy = false;
    std::string narrow = NarrowCp932(name, &lossy);
    if (lossy)
        return std::nullopt;
    return narrow;
}
