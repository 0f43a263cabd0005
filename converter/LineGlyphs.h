#pragma once

#include <cstdint>

// The sixteen values of a dump line rendered once, densely: two hexadecimal
// digits per value in each digit set that the line format uses, and the
// text column's character per value. The line plan copies its fields from
// here.
struct LineGlyphs {
    static constexpr int kValues = 16;

    // How a byte field prints a value: zero-led as %02X / %02x, or blank-led
    // as %2X / %2x (a blank for a high digit of 0).
    enum Set : unsigned { kZeroUpper, kZeroLower, kBlankUpper, kBlankLower, kSets };

    static constexpr unsigned bit(Set set) { return 1u << set; }
    static constexpr Set setOf(bool upper, bool blank)
    {
        return static_cast<Set>((blank ? kBlankUpper : kZeroUpper) + (upper ? 0 : 1));  // lower after upper
    }

    char hex[kSets][2 * kValues];  // only the sets asked for are rendered
    char text[kValues];

    // Renders `values` in the digit sets whose bit() is in `sets`; false,
    // with the glyphs undefined, when any value is outside 0 to 255. Uses
    // the processor's vector unit where there is one.
    bool render(const std::int32_t* values, unsigned sets);
    // The same from the digit table, for every processor.
    bool renderPortable(const std::int32_t* values, unsigned sets);
};
