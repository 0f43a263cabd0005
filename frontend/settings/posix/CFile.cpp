#include "CFile.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

// fopen opens a directory for reading as well; the first read then fails.
bool IsDirectory(std::FILE* file)
{
    struct stat info {};
    return fstat(fileno(file), &info) == 0 && S_ISDIR(info.st_mode);
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
    const char* mode = nullptr;
    if (flags == modeRead)
        mode = "rb";
    else if (flags == (modeCreate | modeWrite))
        mode = "wb";
    else if (flags == (modeCreateNew | modeWrite))
        mode = "wbx";
    else
        return false;
    m_pFile = std::fopen(path.c_str(), mode);
    if (!m_pFile)
        return false;
    if (flags == modeRead && IsDirectory(m_pFile)) {
        Close();
        return false;
    }
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
    return m_pFile && std::fflush(m_pFile) == 0 && fsync(fileno(m_pFile)) == 0;
}

bool CFile::IsError() const
{
    return !m_pFile || std::ferror(m_pFile) != 0;
}

std::int64_t CFile::GetLength()
{
    const std::int64_t here = GetPosition();
    if (here < 0 || std::fseek(m_pFile, 0, SEEK_END) != 0)
        return -1;
    const long end = std::ftell(m_pFile);
    if (std::fseek(m_pFile, static_cast<long>(here), SEEK_SET) != 0)
        return -1;
    return end;
}

std::int64_t CFile::GetPosition() const
{
    return m_pFile ? std::ftell(m_pFile) : -1;
}
