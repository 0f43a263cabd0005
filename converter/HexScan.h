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

inline constexpr std::uint64_t kOnes = 0x0101010101010101u;

// Eight characters as one word, the first in the low byte.
inline std::uint64_t loadEight(const char* chars)
{
    std::uint64_t x;
    std::memcpy(&x, chars, sizeof x);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    x = __builtin_bswap64(x);
#endif
    return x;
}

// Eight characters (loadEight) that are all hexadecimal digits, decoded at
// once into the four byte values of their pairs: value i in bits 16 i to
// 16 i + 7. False, with nothing stored, when any of the eight is something
// else.
inline bool decodeFourPairs(std::uint64_t x, std::uint64_t& values)
{
    constexpr std::uint64_t kHigh = 0x8080808080808080u;
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

// The four byte values of decodeFourPairs as one number, the first highest.
inline std::uint32_t fourPairsValue(std::uint64_t values)
{
    return static_cast<std::uint32_t>((values & 0xFF) << 24 | (values >> 16 & 0xFF) << 16
                                      | (values >> 32 & 0xFF) << 8 | values >> 48);
}

#if defined(__SSE2__)
// Sixteen characters that are all hexadecimal digits, decoded at once: each
// 16-bit lane holds the byte value of its pair. False otherwise.
inline bool decodePairLanes(__m128i x, __m128i& lanes)
{
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
    lanes = _mm_or_si128(_mm_slli_epi16(_mm_and_si128(nibbles, _mm_set1_epi16(0xFF)), 4),
                         _mm_srli_epi16(nibbles, 8));
    return true;
}

// Sixteen characters that are all hexadecimal digits, decoded at once into
// the eight cells of their pairs. False, with nothing stored, otherwise.
inline bool decodeEightPairs(const char* chars, std::int32_t* cells)
{
    __m128i lanes;
    if (!decodePairLanes(_mm_loadu_si128(reinterpret_cast<const __m128i*>(chars)), lanes))
        return false;
    const __m128i zero = _mm_setzero_si128();
    _mm_storeu_si128(reinterpret_cast<__m128i*>(cells), _mm_unpacklo_epi16(lanes, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(cells + 4), _mm_unpackhi_epi16(lanes, zero));
    return true;
}

// Loaded from kRunMask + 16 - n: 0xFF in the first n bytes.
inline constexpr signed char kRunMask[32] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
#endif

// readDigits for a run near the end of its text, eight digits at a time and
// then one by one. Out of line: the usual record's run is read at once, and
// this one's registers stay out of its way.
[[gnu::noinline]] bool readDigitsInPieces(const char* chars, std::size_t count, std::uint64_t& value);

// A run of `count` characters (1 to 16) from `pos` on in `text` that are all
// hexadecimal digits, read as one number: for a field of up to eight, the
// value that sscanf's "%Nx" reads. False, with nothing stored, when any is
// something else (white space, a sign, 0x: the full scan's cases).
inline bool readDigits(std::string_view text, std::size_t pos, std::size_t count, std::uint64_t& value)
{
#if defined(__SSE2__)
    if (text.size() - pos >= 16) {
        // All at once: the characters after the run read as zeros and are
        // shifted out.
        const __m128i keep = _mm_loadu_si128(reinterpret_cast<const __m128i*>(kRunMask + 16 - count));
        const __m128i raw = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + pos));
        __m128i lanes;
        if (!decodePairLanes(_mm_or_si128(_mm_and_si128(raw, keep), _mm_andnot_si128(keep, _mm_set1_epi8('0'))),
                             lanes))
            return false;
        std::uint64_t bytes;  // pair values, the first in the lowest byte
        _mm_storel_epi64(reinterpret_cast<__m128i*>(&bytes), _mm_packus_epi16(lanes, lanes));
        value = __builtin_bswap64(bytes) >> (4 * (16 - count));
        return true;
    }
#endif
    return readDigitsInPieces(text.data() + pos, count, value);
}

// The pair rule over `count` pairs from `pairs` on, into consecutive cells.
inline void scanPairs(const char* pairs, std::size_t count, std::int32_t* cells)
{
#if defined(__SSE2__)
    for (; count >= 8 && decodeEightPairs(pairs, cells); count -= 8, pairs += 16, cells += 8) {
    }
#endif
    std::uint64_t values;
    for (; count >= 4 && decodeFourPairs(loadEight(pairs), values); count -= 4, pairs += 8, cells += 4) {
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
    // their values. Inline: it runs once per record.
    [[gnu::always_inline]] int scan(std::string_view line, std::uint32_t* const* targets) const
    {
        int stored;
        if (scanPlain(line, targets, stored))
            return stored;
        return scanFull(line, targets);
    }

private:
    struct Item {
        char literal;  // 0 for a field
        int width;
        bool stored;
    };
    // Where a stored field sits in the digits of the plain form.
    struct PlainField {
        unsigned shift;
        std::uint32_t mask;
    };
    static constexpr std::size_t kMaxPlainPrefix = sizeof(std::uint32_t);
    static constexpr std::size_t kMaxPlainDigits = 16;
    static constexpr int kMaxPlainStored = 4;

    // When every character after the literals is a digit, each field takes
    // exactly its width and no white space, sign or 0x comes into play: the
    // digits are read as one number and the fields cut from it.
    bool scanPlain(std::string_view line, std::uint32_t* const* targets, int& stored) const
    {
        if (!hasPlainForm_ || line.size() < plainPrefixSize_ + plainDigits_)
            return false;
        std::uint32_t head;  // the literals and whatever follows them
        std::memcpy(&head, line.data(), sizeof head);
        if ((head & plainPrefixMask_) != plainPrefixWord_)
            return false;
        std::uint64_t digits;
        if (!HexScan::readDigits(line, plainPrefixSize_, plainDigits_, digits))
            return false;
        const int count = plainStored_;
        for (int i = 0; i < count; ++i)
            *targets[i] = static_cast<std::uint32_t>(digits >> plainFields_[i].shift) & plainFields_[i].mask;
        stored = count;
        return true;
    }
    // Records with white space, signs or short fields: rare, and out of line
    // so that the usual record's scan stays small.
    [[gnu::cold, gnu::noinline]] int scanFull(std::string_view line, std::uint32_t* const* targets) const;
    void planPlainForm();

    std::vector<Item> items_;
    // The usual record's shape: a few literals, then fields of one to eight
    // digits, sixteen at most, four characters or more in all. Patterns of
    // another shape have no plain form.
    bool hasPlainForm_ = false;
    std::uint32_t plainPrefixWord_ = 0;  // the literals as the line's first bytes hold them
    std::uint32_t plainPrefixMask_ = 0;
    std::size_t plainPrefixSize_ = 0;
    std::size_t plainDigits_ = 0;
    PlainField plainFields_[kMaxPlainStored] = {};
    int plainStored_ = 0;
};
