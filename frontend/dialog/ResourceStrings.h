#pragma once

#include <string>

// The string table: the text of a string resource (UTF-8), or an empty
// text for an identifier that has none.
std::string LoadResourceString(int id);
