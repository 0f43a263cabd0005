#pragma once

#include <cstdint>
#include <cstring>

// How one value shows in a dump: hexadecimal digits, and one character in
// the text column. Every rendering of a value -- the format engine, the line
// plan and its glyph renderer, the header text -- takes its digits and its
// text rule from here.
namespace ByteGlyphs {

inline constexpr char kUpperDigits[] = "0123456789ABCDEF";
inline constexpr char kLowerDigits[] = "0123456789abcdef";

// The text column: 0x20 to 0x7E stand for themselves, every other value for
// a dot. Bytes from 0x80 never pass, so no multi-byte character of any code
// page reaches the column.
inline constexpr std::int32_t kFirstShown = 0x20;
inline constexpr std::int32_t kLastShown = 0x7E;
inline constexpr char kHidden = '.';

constexpr char textOf(std::int32_t value)
{
    return value >= kFirstShown && value <= kLastShown ? static_cast<char>(value) : kHidden;
}

// The two digits of every byte value, as %02X and %02x print it.
struct PairTable {
    char upper[256][2];
    char lower[256][2];

    constexpr PairTable() : upper{}, lower{}
    {
        for (int i = 0; i < 256; ++i) {
            upper[i][0] = kUpperDigits[i >> 4];
            upper[i][1] = kUpperDigits[i & 0xF];
            lower[i][0] = kLowerDigits[i >> 4];
            lower[i][1] = kLowerDigits[i & 0xF];
        }
    }
};

inline constexpr PairTable kPairs{};

inline const char (*pairsOf(bool upper))[2]
{
    return upper ? kPairs.upper : kPairs.lower;
}

// The eight digits of a 32-bit value, as %08X or %08x print it (`pairs`
// from pairsOf): four table look-ups.
inline void writeEightDigits(char* out, std::uint32_t value, const char (*pairs)[2])
{
    std::memcpy(out, pairs[value >> 24], 2);
    std::memcpy(out + 2, pairs[(value >> 16) & 0xFF], 2);
    std::memcpy(out + 4, pairs[(value >> 8) & 0xFF], 2);
    std::memcpy(out + 6, pairs[value & 0xFF], 2);
}

}  // namespace ByteGlyphs
