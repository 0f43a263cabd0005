#include "SystemAccountName.h"

#include <cerrno>
#include <pwd.h>
#include <unistd.h>
#include <vector>

std::optional<std::string> SystemAccountName()
{
    long hint = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(hint > 0 ? static_cast<std::size_t>(hint) : 1024);
    passwd entry{};
    passwd* found = nullptr;
    int error;
    while ((error = getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found)) == ERANGE)
        buffer.resize(buffer.size() * 2);
    if (error != 0 || found == nullptr || found->pw_name == nullptr)
        return std::nullopt;
    return std::string(found->pw_name);
}
