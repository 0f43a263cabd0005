#pragma once

#include <string>

// The output name made from the input's full path when "same as the input"
// is ticked: everything from the last "." of the whole path on is dropped,
// even when that dot lies in a directory name, then "." and the extension
// are appended. /work/prog.mot -> /work/prog.txt, /work/prog ->
// /work/prog.txt, /old.dir/prog -> /old.txt.
std::string DerivedOutputName(const std::string& fullInputPath, const std::string& extension);
