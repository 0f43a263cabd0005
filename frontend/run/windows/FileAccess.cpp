#include "FileAccess.h"

#include <windows.h>

#include <vector>

#include "UniqueHandle.h"
#include "WideText.h"

namespace {

// Opened as the run's checks open a file: for reading, shared with nobody,
// so a file another program holds open counts as one that does not open. A
// directory does not open without backup semantics.
HANDLE OpenForReading(const std::string& path)
{
    if (path.empty())
        return INVALID_HANDLE_VALUE;
    return CreateFileW(WidenCp932(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE CreateForWriting(const std::string& path)
{
    if (path.empty())
        return INVALID_HANDLE_VALUE;
    return CreateFileW(WidenCp932(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

namespace FileAccess {

FirstByte ReadFirstByte(const std::string& path)
{
    FirstByte result;
    const UniqueHandle file(OpenForReading(path));
    if (!file.IsOpen())
        return result;
    result.bOpened = true;
    unsigned char byte = 0;
    DWORD got = 0;
    if (ReadFile(file.Get(), &byte, 1, &got, nullptr) && got == 1)
        result.nByte = byte;
    return result;
}

bool OpensForReading(const std::string& path)
{
    return UniqueHandle(OpenForReading(path)).IsOpen();
}

bool CreateEmpty(const std::string& path)
{
    return UniqueHandle(CreateForWriting(path)).IsOpen();
}

bool WriteWhole(const std::string& path, const std::string& bytes)
{
    const UniqueHandle file(CreateForWriting(path));
    if (!file.IsOpen())
        return false;
    DWORD written = 0;
    return WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// One file has one volume and one file index, whatever names lead to it.
bool IsSameFile(const std::string& first, const std::string& second)
{
    const auto identify = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
        if (path.empty())
            return false;
        const UniqueHandle file(CreateFileW(WidenCp932(path).c_str(), FILE_READ_ATTRIBUTES,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                            nullptr));
        return file.IsOpen() && GetFileInformationByHandle(file.Get(), &info) &&
               !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    };
    BY_HANDLE_FILE_INFORMATION a{};
    BY_HANDLE_FILE_INFORMATION b{};
    if (!identify(first, a) || !identify(second, b))
        return false;
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

std::string FullPath(const std::string& path)
{
    const std::wstring wide = WidenCp932(path);
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::vector<wchar_t> full(size);
    const DWORD length = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size)
        return path;
    return NarrowCp932Path(std::wstring(full.data(), length));
}

}  // namespace FileAccess
