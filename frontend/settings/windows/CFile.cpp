#include "CFile.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include "WideText.h"

namespace {

// The file opened by its UTF-16 name (the path is code page 932 on every
// locale), then handed to the C runtime as a binary stream.
std::FILE* OpenStream(const std::string& path, DWORD access, DWORD disposition)
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

CFile::~CFile()
{
    Close();
}

bool CFile::Open(const std::string& path, unsigned flags)
{
    if (m_pFile)
        return false;
    if (flags == modeRead)
        m_pFile = OpenStream(path, GENERIC_READ, OPEN_EXISTING);
    else if (flags == (modeCreate | modeWrite))
        m_pFile = OpenStream(path, GENERIC_WRITE, CREATE_ALWAYS);
    else if (flags == (modeCreateNew | modeWrite))
        m_pFile = OpenStream(path, GENERIC_WRITE, CREATE_NEW);
    else
        return false;
    if (!m_pFile)
        return false;
    std::setvbuf(m_pFile, nullptr, _IONBF, 0);
    return true;
}

bool CFile::Close()
{
    if (!m_pFile)
        return true;
    const bool ok = std::fclose(m_pFile) == 0;
    m_pFile = nullptr;
    return ok;
}

std::size_t CFile::Read(void* buffer, std::size_t count)
{
    return m_pFile ? std::fread(buffer, 1, count, m_pFile) : 0;
}

bool CFile::Write(const void* buffer, std::size_t count)
{
    return m_pFile && std::fwrite(buffer, 1, count, m_pFile) == count;
}

bool CFile::Sync()
{
    if (!m_pFile || std::fflush(m_pFile) != 0)
        return false;
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(m_pFile)));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle);
}

bool CFile::IsError() const
{
    return !m_pFile || std::ferror(m_pFile) != 0;
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
