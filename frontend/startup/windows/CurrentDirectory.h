#pragma once

#include <optional>
#include <string>

// The process's current directory as code page 932 bytes, of any length;
// nothing when the system cannot tell it. A directory whose name code page
// 932 cannot spell is given by its short (8.3) name; nothing when it has
// none either, as no per-user file could be named in it.
std::optional<std::string> CurrentDirectory();
