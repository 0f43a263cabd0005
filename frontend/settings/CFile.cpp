#include "CFile.h"

// What every platform shares: the stream once it is open. Opening, syncing
// and the length are the platform's (posix/, windows/).

CFile::~CFile()
{
    Close();
}

bool CFile::Open(const std::string& path, unsigned flags)
{
    if (m_pFile)
        return false;
    m_pFile = OpenStream(path, flags);
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

bool CFile::IsError() const
{
    return !m_pFile || std::ferror(m_pFile) != 0;
}
