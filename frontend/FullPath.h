#pragma once

#include <string>

// The full path of a file as an open file object reports it: a relative path
// is taken against the current directory, and "." and ".." components and
// doubled slashes are resolved by name (symbolic links are not followed).
// When the current directory cannot be read, a relative path stays as given.
std::string FullPath(const std::string& path);
