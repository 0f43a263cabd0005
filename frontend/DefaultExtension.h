#pragma once

#include <string>

// The Save dialog's default extension: a chosen name whose last path
// component has no dot gets "." and the extension; any other name is kept.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);
