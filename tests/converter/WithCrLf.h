#pragma once

#include <string>

// What the converter's text-mode output makes of a text: every LF leaves as
// CR LF.
inline std::string withCrLf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}
