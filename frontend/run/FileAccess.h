#pragma once

#include <string>

// What a conversion run asks of the file system, one call each. Failures
// come back as results, never as exceptions, and a directory never counts
// as a file that opens. Each platform folder implements this header.
namespace FileAccess {

// The input's first byte, for the kind test.
struct FirstByte {
    bool bOpened = false;  // false: missing, no access, a directory, empty name
    int nByte = -1;        // 0..255, or -1 for an empty file
};
FirstByte ReadFirstByte(const std::string& path);

bool OpensForReading(const std::string& path);

// Creates the file, or empties an existing one, and closes it at once.
bool CreateEmpty(const std::string& path);

// Creates or empties the file and writes these bytes as they are. False
// when it cannot be created or not all of it reaches the disk.
bool WriteWhole(const std::string& path, const std::string& bytes);

// True when both names lead to one existing file, whatever the spelling
// (relative and full path, "..", symbolic or hard links). False when either
// name does not lead to a file.
bool IsSameFile(const std::string& first, const std::string& second);

// The full path of a file as an open file object reports it: a relative path
// is taken against the current directory, and "." and ".." components and
// doubled separators are resolved by name (links are not followed). When the
// current directory cannot be read, a relative path stays as given.
std::string FullPath(const std::string& path);

}  // namespace FileAccess
