#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A well-formed load file derived from fuzz bytes: S-record or Intel HEX,
// every record with its true byte count and checksum, upper-case digits and
// LF line ends (the last line possibly without one). Records come in any
// order and at any address, as real files from a linker or a patch tool do.
std::string buildWellFormedLoadFile(const std::uint8_t* data, std::size_t size);

// The same file with every LF as CR LF.
std::string withCrLf(std::string_view file);
// The same file with the hexadecimal digits A-F in lower case.
std::string withLowerCaseHex(std::string_view file);
