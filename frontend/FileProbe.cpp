#include "FileProbe.h"

#include <cstdio>
#include <memory>

#include <sys/stat.h>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr OpenFile(const std::string& path)
{
    FilePtr file(std::fopen(path.c_str(), "rb"));
    struct stat info {};
    if (file && (::fstat(fileno(file.get()), &info) != 0 || S_ISDIR(info.st_mode)))
        file.reset();
    return file;
}

}  // namespace

namespace FileProbe {

FirstByte ReadFirstByte(const std::string& path)
{
    FirstByte result;
    const FilePtr file = OpenFile(path);
    if (!file)
        return result;
    result.bOpened = true;
    const int c = std::fgetc(file.get());
    result.nByte = (c == EOF) ? -1 : c;
    return result;
}

bool OpensForReading(const std::string& path)
{
    return OpenFile(path) != nullptr;
}

bool CreateEmpty(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    return file != nullptr && std::fclose(file) == 0;
}

}  // namespace FileProbe
