#pragma once

#include <string>

// One path as a single /bin/sh word. A path made only of characters that
// the shell never treats specially (letters, digits and _ . / + - , : @ %)
// stays as it is, so ordinary command lines read the way they are written;
// any other path is put in single quotes, a quote inside it becoming '\''.
// No file name can then end the word or start another command: blanks,
// quotes, $, `, ;, &, |, globs and newlines all arrive as part of the name.
std::string ShellQuote(const std::string& path);
