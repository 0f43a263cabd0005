#include "ParameterFile.h"

#include "DumpParameters.h"
#include "LineReader.h"
#include "SystemFile.h"

namespace ParameterFile {

static_assert(LineReader::kLineHead > kMaxLine, "the head of a longer line is too long as well");

bool read(const std::string& path, DumpParameters& parameters)
{
    int fd = SystemFile::openForReading(path.c_str());
    if (fd < 0)
        return false;
    LineReader reader(fd);
    std::string_view line;
    while (reader.nextLine(line) && line.size() <= kMaxLine) {
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0)
            continue;
        parameters.apply(line.substr(0, equals), line.substr(equals + 1));
    }
    SystemFile::close(fd);
    return true;
}

}  // namespace ParameterFile
