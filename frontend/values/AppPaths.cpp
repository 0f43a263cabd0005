#include "AppPaths.h"

std::string AppPaths::InStartDir(const std::string& name) const
{
    return m_strStartDir + kPathSeparator + name;
}

std::string AppPaths::UserFile(const std::string& extension) const
{
    return InStartDir(m_strUserName + "." + extension);
}
