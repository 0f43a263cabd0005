#pragma once

#include <string>

struct DumpValues;

// The parameter file that hands the ten dump settings to the converter
// ("<start-up directory>/<user>.prm"): one KEY=VALUE line each, always all
// ten in the same order, the values exactly as the dialog holds them. Lines
// end in CR LF, the text-mode line end of the converter's home platform,
// which the converter's reader accepts as well.
namespace ParameterFile {

// The whole file as bytes.
std::string Text(const DumpValues& values);

// Creates or overwrites the file. False when it cannot be created or not
// all of it reaches the disk.
bool Write(const std::string& path, const DumpValues& values);

}  // namespace ParameterFile
