#include "HexScan.h"


namespace HexScan {

#define TRELK_HEX_ROW_INVALID -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1
// Indexed by byte: 0-9, A-F and a-f give their value, every other byte -1.
const signed char kDigitTable[256] = {
    TRELK_HEX_ROW_INVALID, TRELK_HEX_ROW_INVALID, TRELK_HEX_ROW_INVALID,
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1, -1, -1, -1, -1, -1,
    -1, 10, 11, 12, 13, 14, 15, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    TRELK_HEX_ROW_INVALID,
    -1, 10, 11, 12, 13, 14, 15, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    TRELK_HEX_ROW_INVALID,
    TRELK_HEX_ROW_INVALID, TRELK_HEX_ROW_INVALID, TRELK_HEX_ROW_INVALID, TRELK_HEX_ROW_INVALID,
    TRELK_HEX_ROW_INVALID, TRELK_HEX_ROW_INVALID, TRELK_HEX_ROW_INVALID, TRELK_HEX_ROW_INVALID,
};
#undef TRELK_HEX_ROW_INVALID

namespace {

bool isScanSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

bool scanField(std::string_view text, std::size_t& pos, int width, std::uint32_t& value)
{
    while (pos < text.size() && isScanSpace(text[pos]))
        ++pos;
    std::size_t end = pos + static_cast<std::size_t>(width);
    if (end > text.size())
        end = text.size();
    bool negative = false;
    if (pos < end && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::uint32_t result = 0;
    bool anyDigit = false;
    // "0x" may lead the digits; the 0 alone already counts as a number.
    if (pos + 1 < end && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        pos += 2;
        anyDigit = true;
    }
    while (pos < end) {
        int digit = digitValue(text[pos]);
        if (digit < 0)
            break;
        result = result << 4 | static_cast<std::uint32_t>(digit);
        anyDigit = true;
        ++pos;
    }
    if (!anyDigit)
        return false;
    value = negative ? 0u - result : result;
    return true;
}

}  // namespace HexScan

HexPattern::HexPattern(std::string_view pattern)
{
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            items_.push_back({pattern[i], 0, false});
            continue;
        }
        bool stored = true;
        if (pattern[++i] == '*') {
            stored = false;
            ++i;
        }
        int width = 0;
        while (pattern[i] >= '0' && pattern[i] <= '9')
            width = width * 10 + (pattern[i++] - '0');
        items_.push_back({0, width, stored});  // pattern[i] is the 'x'
    }
    hasPlainForm_ = true;
    int storedFields = 0;
    for (const Item& item : items_) {
        if (item.literal) {
            if (plainLength_ != plainPrefix_.size())
                hasPlainForm_ = false;  // a literal between fields
            plainPrefix_ += item.literal;
        }
        plainLength_ += item.literal ? 1 : static_cast<std::size_t>(item.width);
        storedFields += item.stored;
    }
    if (storedFields > kMaxPlainStored)
        hasPlainForm_ = false;
}

namespace {

// `width` characters that must all be digits.
bool decodeDigits(const char* at, int width, std::uint32_t& value)
{
    if (width == 8) {  // a 32-bit address
        std::uint64_t bytes;
        if (!HexScan::decodeFourPairs(at, bytes))
            return false;
        value = static_cast<std::uint32_t>((bytes & 0xFF) << 24 | (bytes >> 16 & 0xFF) << 16
                                           | (bytes >> 32 & 0xFF) << 8 | bytes >> 48);
        return true;
    }
    std::uint32_t result = 0;
    for (int i = 0; i < width; ++i) {
        int digit = HexScan::digitValue(at[i]);
        if (digit < 0)
            return false;
        result = result << 4 | static_cast<std::uint32_t>(digit);
    }
    value = result;
    return true;
}

}  // namespace

// When every character after the literals is a digit, each field takes
// exactly its width and no white space, sign or 0x comes into play.
bool HexPattern::scanPlain(std::string_view line, std::uint32_t* const* targets, int& stored) const
{
    if (!hasPlainForm_ || line.size() < plainLength_)
        return false;
    const char* at = line.data();
    for (char literal : plainPrefix_) {
        if (*at++ != literal)
            return false;
    }
    std::uint32_t values[kMaxPlainStored];
    int count = 0;
    for (std::size_t i = plainPrefix_.size(); i < items_.size(); ++i) {
        const Item& item = items_[i];
        std::uint32_t value;
        if (!decodeDigits(at, item.width, value))
            return false;
        at += item.width;
        if (item.stored)
            values[count++] = value;
    }
    for (int i = 0; i < count; ++i)
        *targets[i] = values[i];
    stored = count;
    return true;
}

int HexPattern::scan(std::string_view line, std::uint32_t* const* targets) const
{
    int stored = 0;
    if (scanPlain(line, targets, stored))
        return stored;
    std::size_t pos = 0;
    for (const Item& item : items_) {
        if (item.literal) {
            if (pos >= line.size() || line[pos] != item.literal)
                break;
            ++pos;
            continue;
        }
        std::uint32_t value;
        if (!HexScan::scanField(line, pos, item.width, value))
            break;
        if (item.stored)
            *targets[stored++] = value;
    }
    return stored;
}
