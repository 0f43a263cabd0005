#include "FullPath.h"

#include <filesystem>
#include <system_error>

std::string FullPath(const std::string& path)
{
    namespace fs = std::filesystem;
    fs::path full(path);
    if (full.is_relative()) {
        std::error_code error;
        const fs::path current = fs::current_path(error);
        if (error)
            return path;
        full = current / full;
    }
    return full.lexically_normal().string();
}
