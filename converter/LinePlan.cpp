#include "LinePlan.h"

#include "ByteGlyphs.h"
#include "LineGlyphs.h"

#include <cstring>

namespace {

// Wider fields than this are left to the general engine: they are never
// what a dump line needs, and the image stays small.
constexpr int kMaxPlanWidth = 256;
constexpr std::size_t kCopyBlock = 16;
constexpr std::size_t kAddressDigits = 8;
constexpr std::size_t kByteDigits = 2;

const ByteGlyphs& kTables = ByteGlyphs::tables();

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

LinePlan::LinePlan(std::string_view format)
{
    usable_ = parse(format) && image_.size() <= kMaxSize;
    if (!usable_) {
        image_.clear();
        runs_.clear();
    }
    chooseRendering();
    if (fromGlyphs_)
        planCopies();
}

// A run two characters apart is one stretch of digits: copied in pieces of
// 8, 4 and 2 characters. Other runs go pair by pair.
void LinePlan::planCopies()
{
    for (const ByteRun& run : runs_) {
        if (run.count > 1 && run.stride != 2) {
            spacedRuns_.push_back(run);
            continue;
        }
        std::size_t to = run.offset;
        std::size_t from = 2 * run.first;
        std::size_t left = 2 * run.count;
        while (left > 0) {
            std::size_t size = left >= 8 ? 8 : left >= 4 ? 4 : 2;
            copies_.push_back({static_cast<std::uint16_t>(to), static_cast<std::uint8_t>(from),
                               static_cast<std::uint8_t>(size)});
            to += size;
            from += size;
            left -= size;
        }
    }
}

void LinePlan::chooseRendering()
{
    fromGlyphs_ = true;
    for (const ByteRun& run : runs_) {
        if (run.pairs == kTables.zeroUpper)
            upperGlyphs_ = true;
        else if (run.pairs == kTables.zeroLower)
            upperGlyphs_ = false;
        else
            fromGlyphs_ = false;
    }
    for (const ByteRun& run : runs_) {
        if (run.pairs != (upperGlyphs_ ? kTables.zeroUpper : kTables.zeroLower))
            fromGlyphs_ = false;
    }
}

// Text mode: a line feed of the format leaves as CR LF.
void LinePlan::addLiteral(char c)
{
    if (c == '\n')
        image_ += "\r\n";
    else
        image_ += c;
}

// Accepts only what has one fixed rendering; false sends the whole format
// to the general engine.
bool LinePlan::parse(std::string_view format)
{
    std::size_t slot = 0;
    std::size_t pos = 0;
    while (pos < format.size()) {
        const char c = format[pos++];
        if (c != '%') {
            addLiteral(c);
            continue;
        }
        if (pos < format.size() && format[pos] == '%') {
            addLiteral('%');
            ++pos;
            continue;
        }
        bool zero = false;
        bool minus = false;
        for (; pos < format.size() && (format[pos] == '0' || format[pos] == '-'); ++pos)
            (format[pos] == '0' ? zero : minus) = true;
        int width = 0;
        for (; pos < format.size() && isDigit(format[pos]); ++pos) {
            width = width * 10 + (format[pos] - '0');
            if (width > kMaxPlanWidth)
                return false;
        }
        bool sized = false;
        bool truncating = false;  // h and hh cut the 32-bit address
        if (pos < format.size() && (format[pos] == 'h' || format[pos] == 'l')) {
            sized = true;
            truncating = format[pos] == 'h';
            const char letter = format[pos++];
            if (pos < format.size() && format[pos] == letter)
                ++pos;
        }
        if (pos >= format.size())
            return false;
        if ((slot == 0 && truncating) || (sized && format[pos] == 's'))
            return false;
        if (!addConversion(slot++, zero, minus, width, format[pos++]))
            return false;
    }
    return true;
}

bool LinePlan::addConversion(std::size_t slot, bool zero, bool minus, int width, char letter)
{
    const bool hex = letter == 'x' || letter == 'X';
    const bool upper = letter == 'X';
    if (slot == 0) {
        // A 32-bit address in at least eight zero-led digits: always eight
        // digits, after the extra zeros.
        if (!hex || minus || !zero || width < static_cast<int>(kAddressDigits))
            return false;
        image_.append(static_cast<std::size_t>(width) - kAddressDigits, '0');
        addressAt_ = image_.size();
        addressPairs_ = upper ? kTables.zeroUpper : kTables.zeroLower;
        image_.append(kAddressDigits, '0');
        return true;
    }
    if (slot <= kLineValues) {
        // A byte in at least two places: two characters after the padding.
        if (!hex || minus || width < static_cast<int>(kByteDigits))
            return false;
        image_.append(static_cast<std::size_t>(width) - kByteDigits, zero ? '0' : ' ');
        const char(*pairs)[2] = zero ? (upper ? kTables.zeroUpper : kTables.zeroLower)
                                     : (upper ? kTables.blankUpper : kTables.blankLower);
        addByte(image_.size(), slot - 1, pairs);
        image_.append(kByteDigits, '0');
        return true;
    }
    if (slot == kLineValues + 1) {
        if (letter != 's' || zero)
            return false;
        const std::size_t pad = width > static_cast<int>(kLineValues)
                                    ? static_cast<std::size_t>(width) - kLineValues
                                    : 0;
        if (!minus)
            image_.append(pad, ' ');
        textAt_ = image_.size();
        image_.append(kLineValues, ' ');
        if (minus)
            image_.append(pad, ' ');
        return true;
    }
    return false;  // more conversions than arguments
}

// Values come in order, so a value joins the last run when it lies where
// the run's distance puts the next one.
void LinePlan::addByte(std::size_t offset, std::size_t value, const char (*pairs)[2])
{
    if (!runs_.empty()) {
        ByteRun& run = runs_.back();
        const std::size_t last = run.offset + (run.count - 1) * run.stride;
        if (run.pairs == pairs && offset > last && (run.count == 1 || offset - last == run.stride)) {
            run.stride = offset - last;
            ++run.count;
            return;
        }
    }
    runs_.push_back({offset, value, 1, 0, pairs});
}

namespace {

template <std::size_t Stride>
void writeRun(char* out, const std::int32_t* values, std::size_t count, const char (*pairs)[2],
              std::size_t stride = Stride)
{
    for (std::size_t i = 0; i < count; ++i)
        std::memcpy(out + i * stride, pairs[values[i]], 2);
}

// Copies `count` digit pairs to places `stride` apart.
template <std::size_t Stride>
void copySpaced(char* out, const char* digits, std::size_t count, std::size_t stride = Stride)
{
#if defined(__GNUC__)
#pragma GCC unroll 16
#endif
    for (std::size_t i = 0; i < count; ++i)
        std::memcpy(out + i * stride, digits + 2 * i, 2);
}

// In whole blocks, the last one overlapping the one before: no call for a
// short copy of unknown length.
void copyImage(char* out, const std::string& image)
{
    const std::size_t size = image.size();
    if (size < kCopyBlock) {
        if (size > 0)
            std::memcpy(out, image.data(), size);
        return;
    }
    for (std::size_t i = 0; i + kCopyBlock <= size; i += kCopyBlock)
        std::memcpy(out + i, image.data() + i, kCopyBlock);
    std::memcpy(out + size - kCopyBlock, image.data() + size - kCopyBlock, kCopyBlock);
}

void writeAddress(char* at, std::uint32_t address, const char (*pairs)[2])
{
    std::memcpy(at, pairs[address >> 24], 2);
    std::memcpy(at + 2, pairs[(address >> 16) & 0xFF], 2);
    std::memcpy(at + 4, pairs[(address >> 8) & 0xFF], 2);
    std::memcpy(at + 6, pairs[address & 0xFF], 2);
}

}  // namespace

char* LinePlan::write(char* out, std::uint32_t address, const std::int32_t* values) const
{
    if (!fromGlyphs_)
        return writeFromTables(out, address, values);
    LineGlyphs glyphs;
    if (!glyphs.render(values, upperGlyphs_))
        return nullptr;
    copyImage(out, image_);
    if (addressAt_ != kNoField)
        writeAddress(out + addressAt_, address, addressPairs_);
    for (const DigitCopy& copy : copies_) {
        if (copy.size == 8)
            std::memcpy(out + copy.to, glyphs.hex + copy.from, 8);
        else if (copy.size == 4)
            std::memcpy(out + copy.to, glyphs.hex + copy.from, 4);
        else
            std::memcpy(out + copy.to, glyphs.hex + copy.from, 2);
    }
    // The presets with single bytes place them three characters apart.
    for (const ByteRun& run : spacedRuns_) {
        if (run.stride == 3)
            copySpaced<3>(out + run.offset, glyphs.hex + 2 * run.first, run.count);
        else
            copySpaced<0>(out + run.offset, glyphs.hex + 2 * run.first, run.count, run.stride);
    }
    if (textAt_ != kNoField)
        std::memcpy(out + textAt_, glyphs.text, kLineValues);
    return out + image_.size();
}

// Blank-led or mixed-case byte fields: each from its own table.
char* LinePlan::writeFromTables(char* out, std::uint32_t address, const std::int32_t* values) const
{
    std::uint32_t any = 0;
    for (std::size_t i = 0; i < kLineValues; ++i)
        any |= static_cast<std::uint32_t>(values[i]);
    if (any > 0xFF)
        return nullptr;
    std::memcpy(out, image_.data(), image_.size());
    if (addressAt_ != kNoField)
        writeAddress(out + addressAt_, address, addressPairs_);
    for (const ByteRun& run : runs_)
        writeRun<0>(out + run.offset, values + run.first, run.count, run.pairs, run.stride);
    if (textAt_ != kNoField) {
        char* at = out + textAt_;
        for (std::size_t i = 0; i < kLineValues; ++i)
            at[i] = kTables.text[values[i]];
    }
    return out + image_.size();
}
