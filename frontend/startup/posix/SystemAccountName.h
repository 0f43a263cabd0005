#pragma once

#include <optional>
#include <string>

// The name of the account the process runs as (effective user id), of any
// length; nothing when the system cannot tell it.
std::optional<std::string> SystemAccountName();
