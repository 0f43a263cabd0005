#pragma once

#include <string>

#include "ShellCommand.h"

// The command shell that runs the converter and `sort`: how a path becomes
// one word of a command line, and how a command is run. Each platform
// folder implements this header for its shell (/bin/sh on POSIX, cmd.exe on
// Windows).

// One path as a single shell word.
//
// POSIX: a path made only of characters that the shell never treats
// specially (letters, digits and _ . / + - , : @ %) stays as it is, so
// ordinary command lines read the way they are written; any other path is
// put in single quotes, a quote inside it becoming '\''.
// No file name can then end the word or start another command: blanks,
// quotes, $, `, ;, &, |, globs and newlines all arrive as part of the name.
//
// Windows: a path that cmd.exe takes as it stands stays as it is; any other
// is shown in double quotes, but a command holding one is never given to
// cmd.exe (see RunCommand).
std::string ShellQuote(const std::string& path);

// Runs one command line through the shell (the C library's system()) and
// waits for it. POSIX: every command runs in the C locale, so that `sort`
// orders dump lines by their bytes, that is by address, whatever the user's
// locale. Returns the shell's exit status, 128 + n when the shell was ended
// by signal n, or -1 when no shell could be run.
int RunShellCommand(const std::string& command);

// Runs one command of a run and waits for it: its line through the shell,
// unless the platform's shell cannot take one of its paths safely; then the
// program is started directly, its standard input and output opened by this
// process. Returns the exit status as RunShellCommand does; 127 when the
// program is not found.
int RunCommand(const ShellCommand& command);
