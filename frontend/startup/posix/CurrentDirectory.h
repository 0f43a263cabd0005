#pragma once

#include <optional>
#include <string>

// The process's current directory, of any length, as the system reports it;
// nothing when it cannot be had (removed, or not searchable any more).
std::optional<std::string> CurrentDirectory();
