#include "CFile.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "WideText.h"

namespace {

// The file opened by its UTF-16 name (the path is code page 932 on every
// locale), then handed to the C runtime as a binary stream.
std::FILE* OpenWide(const std::string& path, DWORD access, DWORD disposition)
{
    if (path.empty())
        return nullptr;
    // A directory does not open: no backup semantics are asked for.
    const HANDLE handle = CreateFileW(WidenCp932(path).c_str(), access, FILE_SHARE_READ, nullptr,
                                      disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    const bool reading = access == GENERIC_READ;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle),
                                   (reading ? _O_RDONLY : _O_WRONLY) | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = _fdopen(fd, reading ? "rb" : "wb");
    if (!file)
        _close(fd);
    return file;
}

}  // namespace

std::FILE* CFile::OpenStream(const std::string& path, unsigned flags)
{
    if (flags == modeRead)
        return OpenWide(path, GENERIC_READ, OPEN_EXISTING);
    if (flags == (modeCreate | modeWrite))
        return OpenWide(path, GENERIC_WRITE, CREATE_ALWAYS);
    if (flags == (modeCreateNew | modeWrite))
        return OpenWide(path, GENERIC_WRITE, CREATE_NEW);
    return nullptr;
}

bool CFile::Sync()
{
    if (!m_pFile || std::fflush(m_pFile) != 0)
        return false;
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(m_pFile)));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle);
}

std::int64_t CFile::GetLength()
{
    if (!m_pFile)
        return -1;
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(m_pFile)));
    LARGE_INTEGER size{};
    if (handle == INVALID_HANDLE_VALUE || GetFileType(handle) != FILE_TYPE_DISK ||
        !GetFileSizeEx(handle, &size))
        return -1;
    return size.QuadPart;
}

std::int64_t CFile::GetPosition() const
{
    return m_pFile ? _ftelli64(m_pFile) : -1;
}
