#include "ReplacingFile.h"

#include <windows.h>

#include "UniqueHandle.h"
#include "WideText.h"

namespace {

enum class Existing { None, DiskFile, Device, Refused };

// Whether the file takes writing is asked of the file itself, without
// emptying it: a directory, a read-only file or one without write access
// is "cannot be opened", as it was when the file was emptied in place.
Existing Probe(const std::wstring& path)
{
    const UniqueHandle probe(CreateFileW(path.c_str(), GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe.IsOpen())
        return (GetLastError() == ERROR_FILE_NOT_FOUND) ? Existing::None : Existing::Refused;
    return GetFileType(probe.Get()) == FILE_TYPE_DISK ? Existing::DiskFile : Existing::Device;
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool ReplacingFile::Open()
{
    if (m_strPath.empty())
        return false;
    switch (Probe(WidenCp932(m_strPath))) {
    case Existing::Refused:
        return false;
    case Existing::Device:
        // NUL, say: nothing to put in its stead.
        return m_file.Open(m_strPath, CFile::modeCreate | CFile::modeWrite);
    case Existing::None:
    case Existing::DiskFile:
        break;
    }
    m_strTarget = m_strPath;
    m_strTemp = m_strTarget + ".tmp";
    if (!CreateTemporary()) {
        m_strTemp.clear();
        return false;
    }
    return true;
}

// Only one save per user name runs at a time (the per-user lock), so a
// temporary file that is already there was left by a save that was killed:
// it goes, and a new one is made.
bool ReplacingFile::CreateTemporary()
{
    if (m_file.Open(m_strTemp, CFile::modeCreateNew | CFile::modeWrite))
        return true;
    const std::wstring temp = WidenCp932(m_strTemp);
    if (!Exists(temp) || !DeleteFileW(temp.c_str()))
        return false;
    return m_file.Open(m_strTemp, CFile::modeCreateNew | CFile::modeWrite);
}

bool ReplacingFile::Commit()
{
    if (m_strTemp.empty())
        return m_file.Close();
    // The rename is written through, so that a power cut cannot bring the
    // old name back once the call has returned.
    if (!m_file.Sync() || !m_file.Close() ||
        !MoveFileExW(WidenCp932(m_strTemp).c_str(), WidenCp932(m_strTarget).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Discard();
        return false;
    }
    m_strTemp.clear();
    return true;
}

void ReplacingFile::Discard()
{
    m_file.Close();
    if (!m_strTemp.empty()) {
        DeleteFileW(WidenCp932(m_strTemp).c_str());
        m_strTemp.clear();
    }
}
