#include "RuntimeDirectory.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

bool IsPrivateDirectory(const std::string& path)
{
    struct stat info{};
    if (lstat(path.c_str(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == geteuid()
        && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

std::optional<std::string> PrivateRuntimeDirectory(const char* xdgRuntimeDir,
                                                   const std::string& fallbackParent)
{
    if (xdgRuntimeDir != nullptr && xdgRuntimeDir[0] == '/' && IsPrivateDirectory(xdgRuntimeDir))
        return std::string(xdgRuntimeDir);

    // The uid in the name keeps accounts apart in a shared /tmp; an existing
    // entry that someone else made (or a link) fails the check below, so it
    // is never trusted.
    std::string own = fallbackParent + "/trelk-dump-" + std::to_string(geteuid());
    mkdir(own.c_str(), 0700);
    if (IsPrivateDirectory(own))
        return own;
    return std::nullopt;
}

std::optional<std::string> PrivateRuntimeDirectory()
{
    return PrivateRuntimeDirectory(std::getenv("XDG_RUNTIME_DIR"), "/tmp");
}
