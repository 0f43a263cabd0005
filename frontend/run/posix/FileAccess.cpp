#include "FileAccess.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include <sys/stat.h>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// fopen opens a directory for reading as well; it is no file here.
FilePtr OpenForReading(const std::string& path)
{
    FilePtr file(std::fopen(path.c_str(), "rb"));
    struct stat info {};
    if (file && (::fstat(fileno(file.get()), &info) != 0 || S_ISDIR(info.st_mode)))
        file.reset();
    return file;
}

}  // namespace

namespace FileAccess {

FirstByte ReadFirstByte(const std::string& path)
{
    FirstByte result;
    const FilePtr file = OpenForReading(path);
    if (!file)
        return result;
    result.bOpened = true;
    const int c = std::fgetc(file.get());
    result.nByte = (c == EOF) ? -1 : c;
    return result;
}

bool OpensForReading(const std::string& path)
{
    return OpenForReading(path) != nullptr;
}

bool CreateEmpty(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    return file != nullptr && std::fclose(file) == 0;
}

bool WriteWhole(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    // A short write (a full disk) may only show when the buffer goes out.
    return (std::fclose(file) == 0) && written;
}

bool IsSameFile(const std::string& first, const std::string& second)
{
    struct stat a {};
    struct stat b {};
    if (::stat(first.c_str(), &a) != 0 || ::stat(second.c_str(), &b) != 0)
        return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

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

}  // namespace FileAccess
