#pragma once

#include <string>

// Runs one command line through /bin/sh (the C library's system()) and waits
// for it. Every command runs in the C locale, so that `sort` orders dump
// lines by their bytes, that is by address, whatever the user's locale.
// Returns the shell's exit status, 128 + n when the shell was ended by
// signal n, or -1 when no shell could be run.
int RunShellCommand(const std::string& command);
