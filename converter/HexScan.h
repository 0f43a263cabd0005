#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Hexadecimal field scanning with the rules of sscanf's "%Nx": leading white
// space is skipped, then at most `width` characters are taken: an optional
// sign, an optional 0x prefix, hexadecimal digits of either case. A minus
// sign negates the value in 32-bit unsigned arithmetic. Digits are decoded
// through a table, never through sscanf itself.
namespace HexScan {

extern const signed char kDigitTable[256];

// Value of a hexadecimal digit, or -1.
inline int digitValue(char c)
{
    return kDigitTable[static_cast<unsigned char>(c)];
}

// Scans one field starting at `pos`; on success stores the value, moves
// `pos` behind the field and returns true. On failure leaves `value` as it
// was; `pos` may have moved over white space and a sign.
bool scanField(std::string_view text, std::size_t& pos, int width, std::uint32_t& value);

// The pair rule: the two characters at `pos` and `pos + 1`, scanned as "%2x".
// On failure `cell` keeps its content.
inline bool scanPair(std::string_view text, std::size_t pos, std::int32_t& cell)
{
    int high = digitValue(text[pos]);
    int low = digitValue(text[pos + 1]);
    if ((high | low) >= 0) {
        cell = high << 4 | low;
        return true;
    }
    std::size_t at = 0;
    std::uint32_t value;
    if (!scanField(text.substr(pos, 2), at, 2, value))
        return false;
    cell = static_cast<std::int32_t>(value);
    return true;
}

// Eight characters that are all hexadecimal digits, decoded at once into
// the four byte values of their pairs: value i in bits 16 i to 16 i + 7.
// False, with nothing stored, when any of the eight is something else.
inline bool decodeFourPairs(const char* chars, std::uint64_t& values)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHigh = 0x8080808080808080u;
    std::uint64_t x;
    std::memcpy(&x, chars, sizeof x);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    x = __builtin_bswap64(x);  // the first character in the low byte
#endif
    if (x & kHigh)
        return false;
    // Each byte is below 0x80, so adding 0x80 - L sets its top bit exactly
    // when it is at least L, and never carries into the next byte.
    const std::uint64_t lower = x | kOnes * 0x20;
    const std::uint64_t digit = (x + kOnes * (0x80 - '0')) & ~(x + kOnes * (0x80 - '9' - 1));
    const std::uint64_t letter = (lower + kOnes * (0x80 - 'a')) & ~(lower + kOnes * (0x80 - 'f' - 1));
    if (((digit | letter) & kHigh) != kHigh)
        return false;
    const std::uint64_t nibbles = (x & kOnes * 0x0F) + ((letter & kHigh) >> 7) * 9;
    // Each 16-bit lane: its first character's nibble above its second's.
    constexpr std::uint64_t kLaneLow = 0x00FF00FF00FF00FFu;
    values = (nibbles & kLaneLow) << 4 | ((nibbles >> 8) & kLaneLow);
    return true;
}

// A field of `count` characters (at most 8) that are all hexadecimal
// digits, read as sscanf's "%Nx" reads it; false, with nothing stored, when
// any is something else (white space, a sign, 0x: the full scan's cases).
inline bool readDigits(const char* chars, std::size_t count, std::uint32_t& value)
{
    if (count == 8) {  // a 32-bit address
        std::uint64_t bytes;
        if (!decodeFourPairs(chars, bytes))
            return false;
        value = static_cast<std::uint32_t>((bytes & 0xFF) << 24 | (bytes >> 16 & 0xFF) << 16
                                           | (bytes >> 32 & 0xFF) << 8 | bytes >> 48);
        return true;
    }
    std::uint32_t result = 0;
    int any = 0;  // negative once a character is no digit
    for (std::size_t i = 0; i < count; ++i) {
        const int digit = digitValue(chars[i]);
        any |= digit;
        result = result << 4 | static_cast<std::uint32_t>(digit & 0xF);
    }
    if (any < 0)
        return false;
    value = result;
    return true;
}

#if defined(__SSE2__)
// Sixteen characters that are all hexadecimal digits, decoded at once into
// the eight cells of their pairs. False, with nothing stored, otherwise.
inline bool decodeEightPairs(const char* chars, std::int32_t* cells)
{
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chars));
    // Bytes from 0x80 up compare as negative and fail both ranges.
    const __m128i lower = _mm_or_si128(x, _mm_set1_epi8(0x20));
    const __m128i digit = _mm_and_si128(_mm_cmpgt_epi8(x, _mm_set1_epi8('0' - 1)),
                                        _mm_cmplt_epi8(x, _mm_set1_epi8('9' + 1)));
    const __m128i letter = _mm_and_si128(_mm_cmpgt_epi8(lower, _mm_set1_epi8('a' - 1)),
                                         _mm_cmplt_epi8(lower, _mm_set1_epi8('f' + 1)));
    if (_mm_movemask_epi8(_mm_or_si128(digit, letter)) != 0xFFFF)
        return false;
    const __m128i nibbles = _mm_add_epi8(_mm_and_si128(x, _mm_set1_epi8(0x0F)),
                                         _mm_and_si128(letter, _mm_set1_epi8(9)));
    // Each 16-bit lane: its first character's nibble above its second's.
    const __m128i values = _mm_or_si128(_mm_slli_epi16(_mm_and_si128(nibbles, _mm_set1_epi16(0xFF)), 4),
                                        _mm_srli_epi16(nibbles, 8));
    const __m128i zero = _mm_setzero_si128();
    _mm_storeu_si128(reinterpret_cast<__m128i*>(cells), _mm_unpacklo_epi16(values, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(cells + 4), _mm_unpackhi_epi16(values, zero));
    return true;
}
#endif

// The pair rule over `count` pairs from `pairs` on, into consecutive cells.
inline void scanPairs(const char* pairs, std::size_t count, std::int32_t* cells)
{
#if defined(__SSE2__)
    for (; count >= 8 && decodeEightPairs(pairs, cells); count -= 8, pairs += 16, cells += 8) {
    }
#endif
    std::uint64_t values;
    for (; count >= 4 && decodeFourPairs(pairs, values); count -= 4, pairs += 8, cells += 4) {
        cells[0] = static_cast<std::int32_t>(values & 0xFF);
        cells[1] = static_cast<std::int32_t>(values >> 16 & 0xFF);
        cells[2] = static_cast<std::int32_t>(values >> 32 & 0xFF);
        cells[3] = static_cast<std::int32_t>(values >> 48);
    }
    for (std::size_t i = 0; i < count; ++i, pairs += 2)
        scanPair(std::string_view(pairs, 2), 0, cells[i]);
}

}  // namespace HexScan

// A record pattern such as "S1%*2x%4x" or ":%*2x%*4x%*2x%4x%4x", parsed once:
// literal characters that must match, "%Nx" fields that are stored in order
// and "%*Nx" fields that are read and skipped.
class HexPattern {
public:
    explicit HexPattern(std::string_view pattern);

    // Applies the pattern to the whole line; returns how many fields were
    // stored. Scanning stops at the first mismatch; fields not reached keep
    // their values.
    int scan(std::string_view line, std::uint32_t* const* targets) const;

private:
    struct Item {
        char literal;  // 0 for a field
        int width;
        bool stored;
    };
    static constexpr int kMaxPlainStored = 4;
    bool scanPlain(std::string_view line, std::uint32_t* const* targets, int& stored) const;

    std::vector<Item> items_;
    // The usual record: the leading literals, then fields of digits only,
    // which sit at fixed places. Patterns of another shape have no plain form.
    bool hasPlainForm_ = false;
    std::string plainPrefix_;
    std::size_t plainLength_ = 0;
};
