#pragma once

#include <string>

struct DumpParameters;

// Reader of one parameter file: text lines KEY=VALUE, split at the first
// "=". A line longer than kMaxLine bytes ends the reading of the file; the
// settings read before it stay.
namespace ParameterFile {

constexpr std::size_t kMaxLine = 511;

// False when the file cannot be opened.
bool read(const std::string& path, DumpParameters& parameters);

}  // namespace ParameterFile
