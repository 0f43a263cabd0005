#pragma once

#include <string>

// The command shell that runs the converter and `sort`: how a path becomes
// one word of a command line, and how a command line is run. Each platform
// folder implements this header for its shell (/bin/sh here).

// One path as a single shell word. A path made only of characters that the
// shell never treats specially (letters, digits and _ . / + - , : @ %)
// stays as it is, so ordinary command lines read the way they are written;
// any other path is put in single quotes, a quote inside it becoming '\''.
// No file name can then end the word or start another command: blanks,
// quotes, $, `, ;, &, |, globs and newlines all arrive as part of the name.
std::string ShellQuote(const std::string& path);

// Runs one command line through the shell (the C library's system()) and
// waits for it. Every command runs in the C locale, so that `sort` orders
// dump lines by their bytes, that is by address, whatever the user's
// locale. Returns the shell's exit status, 128 + n when the shell was ended
// by signal n, or -1 when no shell could be run.
int RunShellCommand(const std::string& command);
