#pragma once

#include <string>
#include <vector>

// One command of a conversion run, in two equal forms: the command line
// that the shell gets, with every path quoted as that shell needs it, and
// the same command in parts, for a platform that must start the program
// itself because its shell cannot take a path safely (cmd.exe expands
// %NAME% even inside double quotes). Paths are bytes as the dialog holds
// them.
struct ShellCommand {
    std::string line;                    // "<dir>/trelk_conv < <in> > <out> -p<prm>"
    std::string program;                 // a path, or a name the shell looks up ("sort")
    std::vector<std::string> arguments;  // each one word for the program, unquoted
    std::string input;                   // standard input is read from this file
    std::string output;                  // standard output goes to this file, emptied first
};
