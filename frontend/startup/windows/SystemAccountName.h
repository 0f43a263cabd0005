#pragma once

#include <optional>
#include <string>

// The logon name as code page 932 bytes, of any length (the 15-byte rule is
// LogonUserName's); nothing when the system cannot tell it or code page 932
// cannot spell it.
std::optional<std::string> SystemAccountName();
