#pragma once

#include <string>

// True when both names lead to one existing file: the same device and inode,
// whatever the spelling (relative and full path, "..", symbolic or hard
// links). False when either name does not lead to a file.
bool IsSameFile(const std::string& first, const std::string& second);
