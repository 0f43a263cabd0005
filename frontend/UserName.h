#pragma once

#include <optional>
#include <string>

// Where the account name comes from: nothing when it cannot be had.
using AccountNameSource = std::optional<std::string> (*)();

// The name of the account the process runs as (effective user id).
std::optional<std::string> SystemAccountName();

// Longest account name taken as the user name, in bytes; a longer one gives
// kFallbackUserName, as does a missing or empty one.
constexpr std::size_t kMaxUserNameBytes = 15;
constexpr const char* kFallbackUserName = "Trelk_Conv";

// The user name that names the per-user files and the per-user lock.
std::string LogonUserName(AccountNameSource source = SystemAccountName);
