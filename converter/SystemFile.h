#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Thin stand-in for the operating system's unbuffered file calls. Everything
// above this layer sees plain bytes: text-mode translation is done by
// LineReader and OutputChannel, identically on every platform.
namespace SystemFile {

constexpr int kStandardInput = 0;
constexpr int kStandardOutput = 1;

// Opens a file for reading; -1 when it cannot be opened or is a directory.
// On Windows the name is taken as UTF-8, as arguments() gives it.
int openForReading(const char* path);
void close(int fd);

// Reads at most `size` bytes; 0 at end of file or on a read error.
std::size_t readSome(int fd, char* buffer, std::size_t size);

// Writes all bytes; false on an error (a closed pipe included).
bool writeAll(int fd, const char* data, std::size_t size);

#ifdef _WIN32
// The program's arguments from the wide command line, as UTF-8: a parameter
// file name reaches openForReading whole, whatever the system's ANSI code
// page could spell of it.
std::vector<std::string> arguments(int argc, const wchar_t* const* argv);
#endif

// Puts the standard streams in binary mode where the runtime would translate
// them, and keeps a closed output pipe from killing the process.
void prepareStandardStreams();

}  // namespace SystemFile
