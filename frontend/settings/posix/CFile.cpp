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

std::FILE* CFile::OpenStream(const std::string& path, unsigned flags)
{
    const char* mode = nullptr;
    if (flags == modeRead)
        mode = "rb";
    else if (flags == (modeCreate | modeWrite))
        mode = "wb";
    else if (flags == (modeCreateNew | modeWrite))
        mode = "wbx";
    else
        return nullptr;
    std::FILE* file = std::fopen(path.c_str(), mode);
    if (file && flags == modeRead && IsDirectory(file)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

bool CFile::Sync()
{
    return m_pFile && std::fflush(m_pFile) == 0 && fsync(fileno(m_pFile)) == 0;
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
