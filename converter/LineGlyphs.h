#pragma once

#include <cstdint>

// The sixteen values of a dump line rendered once, densely: two hexadecimal
// digits per value (as %02X or %02x prints a byte) and the text column's
// character per value. The line plan copies its fields from here.
struct LineGlyphs {
    static constexpr int kValues = 16;

    char hex[2 * kValues];
    char text[kValues];

    // Renders `values`; false, with the glyphs undefined, when any value is
    // outside 0 to 255. Uses the processor's vector unit where there is one.
    bool render(const std::int32_t* values, bool upper);
    // The same in plain C++, for every processor.
    bool renderPortable(const std::int32_t* values, bool upper);
};
