#pragma once

#include <string>

// Brings the filler value typed by the user into the form the parameter file
// carries: one or two hexadecimal digits become two upper-case ones (f, F,
// 0f -> 0F). The padding and upper-casing are done in place before the digit
// test, so a refused value is left padded and upper-cased. Returns false for
// an empty value, more than two bytes, or a byte that is not a hex digit.
bool NormaliseFiller(std::string& filler);
