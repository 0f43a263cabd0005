#include "HexScan.h"

#include <cstring>


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

bool readDigitsInPieces(const char* chars, std::size_t count, std::uint64_t& value)
{
    std::uint64_t result = 0;
    for (; count >= 8; count -= 8, chars += 8) {
        std::uint64_t values;
        if (!decodeFourPairs(loadEight(chars), values))
            return false;
        result = result << 32 | fourPairsValue(values);
    }
    int any = 0;  // negative once a character is no digit
    for (std::size_t i = 0; i < count; ++i) {
        const int digit = digitValue(chars[i]);
        any |= digit;
        result = result << 4 | static_cast<std::uint64_t>(digit & 0xF);
    }
    if (any < 0)
        return false;
    value = result;
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
    planPlainForm();
}

void HexPattern::planPlainForm()
{
    char prefix[kMaxPlainPrefix] = {};
    char mask[kMaxPlainPrefix] = {};
    std::size_t i = 0;
    for (; i < items_.size() && items_[i].literal; ++i) {
        if (i == kMaxPlainPrefix)
            return;
        prefix[i] = items_[i].literal;
        mask[i] = '\xFF';
    }
    std::memcpy(&plainPrefixWord_, prefix, sizeof prefix);
    std::memcpy(&plainPrefixMask_, mask, sizeof mask);
    plainPrefixSize_ = i;
    for (std::size_t j = i; j < items_.size(); ++j) {
        const Item& item = items_[j];
        if (item.literal || item.width < 1 || item.width > 8)
            return;  // a literal between fields, or a field of another size
        plainDigits_ += static_cast<std::size_t>(item.width);
        if (item.stored && plainStored_ == kMaxPlainStored)
            return;
        if (item.stored)
            plainFields_[plainStored_++].mask = item.width == 8 ? ~0u : (1u << 4 * item.width) - 1;
    }
    if (plainDigits_ > kMaxPlainDigits || plainPrefixSize_ + plainDigits_ < kMaxPlainPrefix)
        return;
    // Each stored field ends where the digits of the fields after it begin.
    std::size_t after = plainDigits_;
    int field = 0;
    for (std::size_t j = i; j < items_.size(); ++j) {
        after -= static_cast<std::size_t>(items_[j].width);
        if (items_[j].stored)
            plainFields_[field++].shift = static_cast<unsigned>(4 * after);
    }
    hasPlainForm_ = true;
}

int HexPattern::scanFull(std::string_view line, std::uint32_t* const* targets) const
{
    int stored = 0;
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
