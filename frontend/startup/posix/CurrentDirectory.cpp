#include "CurrentDirectory.h"

#include <cerrno>
#include <unistd.h>
#include <vector>

std::optional<std::string> CurrentDirectory()
{
    // getcwd reports ERANGE while the buffer is too small: grow it until the
    // whole path fits, so deep directories work as well as short ones.
    std::vector<char> buffer(256);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return std::nullopt;
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.data());
}
