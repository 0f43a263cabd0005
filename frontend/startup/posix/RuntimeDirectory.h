#pragma once

#include <optional>
#include <string>

// The directory where this account's processes meet: the per-user lock files
// and the single-instance endpoint live there. It is $XDG_RUNTIME_DIR when
// that is set and private, else "<fallbackParent>/trelk-dump-<uid>", made
// on first use. A directory is private when it is a real directory (not a
// link) owned by the effective user with no access for group or others;
// nothing is returned when no private directory can be had.
std::optional<std::string> PrivateRuntimeDirectory();
std::optional<std::string> PrivateRuntimeDirectory(const char* xdgRuntimeDir,
                                                   const std::string& fallbackParent);

// True when path is a directory that only the effective user can reach.
bool IsPrivateDirectory(const std::string& path);
