#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Longest account name taken as the user name, in bytes; a longer one gives
// kFallbackUserName, as does a missing or empty one.
constexpr std::size_t kMaxUserNameBytes = 15;
constexpr const char* kFallbackUserName = "Trelk_Conv";

// The user name that names the per-user files and the per-user lock, made
// from the account name as the system gave it (nothing: it could not be had).
std::string LogonUserName(const std::optional<std::string>& accountName);
