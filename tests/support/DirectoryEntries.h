#pragma once

#include <filesystem>
#include <set>
#include <string>

// The names in a directory, without its path: what a save left behind.
inline std::set<std::string> DirectoryEntries(const std::string& directory)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.insert(entry.path().filename().string());
    return names;
}
