#include "UserName.h"

std::string LogonUserName(const std::optional<std::string>& accountName)
{
    if (!accountName || accountName->empty() || accountName->size() > kMaxUserNameBytes)
        return kFallbackUserName;
    return *accountName;
}
