#include "CurrentDirectory.h"

#include <windows.h>

#include <vector>

#include "WideText.h"

std::optional<std::string> CurrentDirectory()
{
    // Asked in UTF-16: the "A" call would spell it in the locale's ANSI code
    // page, and not fit a deep directory into 260 bytes.
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0)
        return std::nullopt;
    std::vector<wchar_t> buffer(size);
    const DWORD length = GetCurrentDirectoryW(size, buffer.data());
    if (length == 0 || length >= size)
        return std::nullopt;
    std::string narrow = NarrowCp932Path(std::wstring(buffer.data(), length));
    // "?" is no character of a Windows path, nor a trail byte of code page
    // 932: here it stands for a character that code page 932 lacks.
    if (narrow.find('?') != std::string::npos)
        return std::nullopt;
    return narrow;
}
