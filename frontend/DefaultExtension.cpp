#include "DefaultExtension.h"

namespace {

#ifdef _WIN32
const char* const kSeparators = "\\/";
#else
const char* const kSeparators = "/";
#endif

} // namespace

std::string WithDefaultExtension(const std::string& path, const std::string& extension)
{
    const std::string::size_type slash = path.find_last_of(kSeparators);
    const std::string::size_type nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (nameStart == path.size() || path.find('.', nameStart) != std::string::npos)
        return path;
    return path + "." + extension;
}
