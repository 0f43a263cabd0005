#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

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

// The pair rule over `count` pairs from `pairs` on, into consecutive cells.
inline void scanPairs(const char* pairs, std::size_t count, std::int32_t* cells)
{
    for (std::size_t i = 0; i < count; ++i, pairs += 2) {
        int high = digitValue(pairs[0]);
        int low = digitValue(pairs[1]);
        if ((high | low) >= 0)
            cells[i] = high << 4 | low;
        else
            scanPair(std::string_view(pairs, 2), 0, cells[i]);
    }
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
    bool scanPlain(std::string_view line, std::uint32_t* const* targets, int& stored) const;

    std::vector<Item> items_;
    std::size_t plainLength_ = 0;  // characters of a line whose fields are all digits
};
