#pragma once

#include <string>

// The file tests of a conversion run. Failures come back as results, never
// as exceptions, and a directory never counts as a file that opens.
namespace FileProbe {

// The input's first byte, for the kind test.
struct FirstByte {
    bool bOpened = false;  // false: missing, no access, a directory, empty name
    int nByte = -1;        // 0..255, or -1 for an empty file
};
FirstByte ReadFirstByte(const std::string& path);

bool OpensForReading(const std::string& path);

// Creates the file, or empties an existing one, and closes it at once.
bool CreateEmpty(const std::string& path);

}  // namespace FileProbe
