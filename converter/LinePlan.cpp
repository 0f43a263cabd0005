#include "LinePlan.h"

#include "ByteGlyphs.h"

#include <cstring>

namespace {

// Wider fields than this are left to the general engine: they are never
// what a dump line needs, and the image stays small.
constexpr int kMaxPlanWidth = 256;
constexpr std::size_t kCopyBlock = 16;
constexpr std::size_t kAddressDigits = 8;
constexpr std::size_t kByteDigits = 2;

using Piece = PrintfFormat::Piece;

}  // namespace

LinePlan::LinePlan(const PrintfFormat& format)
{
    usable_ = compile(format);
    if (!usable_) {
        image_.clear();
        runs_.clear();
        return;
    }
    planCopies();
}

// Takes only what has one fixed rendering; false sends the whole format
// to the general engine.
bool LinePlan::compile(const PrintfFormat& format)
{
    std::size_t slot = 0;
    for (const Piece& piece : format.pieces()) {
        if (piece.kind == Piece::Kind::Literal)
            addLiteral(format.text(piece));
        else if (piece.kind == Piece::Kind::Verbatim || !addConversion(slot++, piece))
            return false;
        if (image_.size() > kMaxSize)
            return false;
    }
    return true;
}

// Text mode: a line feed of the format leaves as CR LF.
void LinePlan::addLiteral(std::string_view text)
{
    for (char c : text) {
        if (c == '\n')
            image_ += "\r\n";
        else
            image_ += c;
    }
}

bool LinePlan::addConversion(std::size_t slot, const Piece& piece)
{
    const unsigned fixedFlags = PrintfFormat::kZero | PrintfFormat::kMinus;
    if ((piece.flags & ~fixedFlags) != 0 || piece.precision >= 0 || piece.width > kMaxPlanWidth)
        return false;
    const bool zero = piece.flags & PrintfFormat::kZero;
    const bool minus = piece.flags & PrintfFormat::kMinus;
    const std::size_t width = piece.width > 0 ? static_cast<std::size_t>(piece.width) : 0;
    const bool hex = piece.letter == 'x' || piece.letter == 'X';
    const bool upper = piece.letter == 'X';
    if (slot == 0) {
        // A 32-bit address in at least eight zero-led digits: always eight
        // digits, after the extra zeros. h and hh would cut it.
        const bool cut = piece.length == PrintfFormat::Length::h || piece.length == PrintfFormat::Length::hh;
        if (!hex || minus || !zero || width < kAddressDigits || cut)
            return false;
        image_.append(width - kAddressDigits, '0');
        addressAt_ = image_.size();
        addressPairs_ = ByteGlyphs::pairsOf(upper);
        image_.append(kAddressDigits, '0');
        return true;
    }
    if (slot <= kLineValues) {
        // A byte in at least two places: two characters after the padding.
        if (!hex || minus || width < kByteDigits)
            return false;
        image_.append(width - kByteDigits, zero ? '0' : ' ');
        addByte(image_.size(), slot - 1, LineGlyphs::setOf(upper, !zero));
        image_.append(kByteDigits, '0');
        return true;
    }
    if (slot == kLineValues + 1) {
        if (piece.kind != Piece::Kind::String)  // never with 0 or a length: those do not fit
            return false;
        const std::size_t pad = width > kLineValues ? width - kLineValues : 0;
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
void LinePlan::addByte(std::size_t offset, std::size_t value, LineGlyphs::Set set)
{
    sets_ |= LineGlyphs::bit(set);
    if (!runs_.empty()) {
        ByteRun& run = runs_.back();
        const std::size_t last = run.offset + (run.count - 1) * run.stride;
        if (run.set == set && offset > last && (run.count == 1 || offset - last == run.stride)) {
            run.stride = offset - last;
            ++run.count;
            return;
        }
    }
    runs_.push_back({offset, sizeof(LineGlyphs::hex[0]) * set + kByteDigits * value, 1, 0, set});
}

// A run two characters apart is one stretch of digits: copied in pieces of
// 8, 4 and 2 characters. Other runs go pair by pair.
void LinePlan::planCopies()
{
    for (const ByteRun& run : runs_) {
        if (run.count > 1 && run.stride != kByteDigits) {
            spacedRuns_.push_back(run);
            continue;
        }
        std::size_t to = run.offset;
        std::size_t from = run.from;
        std::size_t left = kByteDigits * run.count;
        while (left > 0) {
            const std::size_t kind = left >= 8 ? 0 : left >= 4 ? 1 : 2;
            const std::size_t size = std::size_t{8} >> kind;
            copies_[kind].push_back({static_cast<std::uint16_t>(to), static_cast<std::uint8_t>(from)});
            to += size;
            from += size;
            left -= size;
        }
    }
}

namespace {

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

// In whole blocks, two at a time, the last one overlapping the one before:
// no call for a short copy of unknown length.
void copyImage(char* out, const std::string& image)
{
    const std::size_t size = image.size();
    if (size < kCopyBlock) {
        if (size > 0)
            std::memcpy(out, image.data(), size);
        return;
    }
    std::size_t i = 0;
    for (; i + 2 * kCopyBlock <= size; i += 2 * kCopyBlock)
        std::memcpy(out + i, image.data() + i, 2 * kCopyBlock);
    if (i + kCopyBlock <= size)
        std::memcpy(out + i, image.data() + i, kCopyBlock);
    std::memcpy(out + size - kCopyBlock, image.data() + size - kCopyBlock, kCopyBlock);
}

}  // namespace

char* LinePlan::write(char* out, std::uint32_t address, const std::int32_t* values) const
{
    LineGlyphs glyphs;
    if (!glyphs.render(values, sets_))
        return nullptr;
    copyImage(out, image_);
    if (addressAt_ != kNoField)
        ByteGlyphs::writeEightDigits(out + addressAt_, address, addressPairs_);
    const char* digits = reinterpret_cast<const char*>(glyphs.hex);
    for (const DigitCopy& copy : copies_[0])
        std::memcpy(out + copy.to, digits + copy.from, 8);
    for (const DigitCopy& copy : copies_[1])
        std::memcpy(out + copy.to, digits + copy.from, 4);
    for (const DigitCopy& copy : copies_[2])
        std::memcpy(out + copy.to, digits + copy.from, 2);
    // The presets with single bytes place them three characters apart.
    for (const ByteRun& run : spacedRuns_) {
        if (run.stride == 3)
            copySpaced<3>(out + run.offset, digits + run.from, run.count);
        else
            copySpaced<0>(out + run.offset, digits + run.from, run.count, run.stride);
    }
    if (textAt_ != kNoField)
        std::memcpy(out + textAt_, glyphs.text, kLineValues);
    return out + image_.size();
}
