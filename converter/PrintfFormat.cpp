#include "PrintfFormat.h"

#include "ByteGlyphs.h"

#include <algorithm>
#include <cstring>

namespace {

using Kind = PrintfFormat::Piece::Kind;

// Room for any number: 22 octal digits of 64 bits, a sign or "0x".
constexpr std::size_t kNumberRoom = 24;
constexpr std::size_t kCopySlack = 16;

char* fill(char* out, char c, std::size_t count)
{
    std::memset(out, c, count);
    return out + count;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads a decimal field, saturating just above the largest accepted value.
int readNumber(std::string_view format, std::size_t& pos)
{
    int value = 0;
    while (pos < format.size() && isDigit(format[pos])) {
        if (value <= PrintfFormat::kMaxField)
            value = value * 10 + (format[pos] - '0');
        ++pos;
    }
    return value;
}

}  // namespace

PrintfFormat::PrintfFormat(std::string_view format)
{
    text_.reserve(format.size());
    std::size_t pos = 0;
    while (pos < format.size()) {
        std::size_t percent = format.find('%', pos);
        if (percent == std::string_view::npos)
            percent = format.size();
        if (percent > pos)
            addLiteral(format.substr(pos, percent - pos));
        pos = percent;
        if (pos < format.size())
            parseConversion(format, pos);
    }
    text_.append(kCopySlack, '\0');
    fixedBound_ += kCopySlack;
}

// Adjacent literal runs ("a%%b") merge into one.
void PrintfFormat::addLiteral(std::string_view literal)
{
    auto end = static_cast<std::uint32_t>(text_.size());
    text_.append(literal);
    auto size = static_cast<std::uint32_t>(literal.size());
    fixedBound_ += size;
    if (!pieces_.empty() && pieces_.back().kind == Kind::Literal
        && pieces_.back().textBegin + pieces_.back().textSize == end) {
        pieces_.back().textSize += size;
        return;
    }
    pieces_.push_back({Kind::Literal, 0, 0, Length::None, -1, -1, end, size});
}

void PrintfFormat::parseConversion(std::string_view format, std::size_t& pos)
{
    const std::size_t start = pos++;
    if (pos < format.size() && format[pos] == '%') {
        ++pos;
        addLiteral("%");
        return;
    }
    Piece piece{Kind::Verbatim, 0, 0, Length::None, -1, -1, 0, 0};
    bool fitting = true;
    for (; pos < format.size(); ++pos) {
        char c = format[pos];
        if (c == '-') piece.flags |= kMinus;
        else if (c == '+') piece.flags |= kPlus;
        else if (c == ' ') piece.flags |= kSpace;
        else if (c == '#') piece.flags |= kHash;
        else if (c == '0') piece.flags |= kZero;
        else break;
    }
    if (pos < format.size() && format[pos] == '*') {
        fitting = false;  // would take its width from an argument
        ++pos;
    } else if (pos < format.size() && isDigit(format[pos])) {
        piece.width = readNumber(format, pos);
    }
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        if (pos < format.size() && format[pos] == '*') {
            fitting = false;
            ++pos;
        } else {
            piece.precision = readNumber(format, pos);
        }
    }
    if (pos < format.size() && (format[pos] == 'h' || format[pos] == 'l')) {
        char letter = format[pos++];
        bool doubled = pos < format.size() && format[pos] == letter;
        if (doubled)
            ++pos;
        piece.length = letter == 'h' ? (doubled ? Length::hh : Length::h)
                                     : (doubled ? Length::ll : Length::l);
    } else if (pos < format.size() && std::string_view("Ljztq").find(format[pos]) != std::string_view::npos) {
        fitting = false;
        ++pos;
    }
    piece.textBegin = static_cast<std::uint32_t>(text_.size());
    if (pos >= format.size()) {
        // Unfinished at the end of the format: written out as it stands.
        addLiteral(format.substr(start));
        return;
    }
    const char letter = format[pos++];
    text_.append(format.substr(start, pos - start));
    piece.textSize = static_cast<std::uint32_t>(pos - start);

    const bool integer = std::string_view("diouxXc").find(letter) != std::string_view::npos;
    const bool text = letter == 's';
    if (!integer && !text)
        fitting = false;
    if (piece.width > kMaxField || piece.precision > kMaxField)
        fitting = false;
    // What C leaves undefined is not guessed at.
    if ((piece.flags & kHash) && letter != 'o' && letter != 'x' && letter != 'X')
        fitting = false;
    if (letter == 'c' || letter == 's') {
        if ((piece.flags & kZero) || piece.length != Length::None)
            fitting = false;
        if (letter == 'c' && piece.precision >= 0)
            fitting = false;
    }
    if (fitting) {
        piece.letter = letter;
        const bool plainHex = (letter == 'x' || letter == 'X') && (piece.flags & ~kZero) == 0
                              && piece.precision < 0 && piece.width <= 8
                              && (piece.length == Length::None || piece.length == Length::l);
        piece.kind = letter == 's' ? Kind::String : letter == 'c' ? Kind::Char : plainHex ? Kind::Hex : Kind::Integer;
    }
    // A conversion that never fits is only ever copied: its width and
    // precision, however large, cost no room.
    fixedBound_ += piece.textSize;
    if (fitting)
        fixedBound_ += static_cast<std::size_t>(std::max(piece.width, 0))
                       + static_cast<std::size_t>(std::max(piece.precision, 0)) + kNumberRoom;
    pieces_.push_back(piece);
}

bool PrintfFormat::fits(const Piece& piece, const FormatArg& arg)
{
    if (piece.kind == Kind::String)
        return arg.kind == FormatArg::Kind::String;
    return arg.kind != FormatArg::Kind::String;
}

std::size_t PrintfFormat::outputBound(const FormatArg* args, std::size_t count) const
{
    std::size_t bound = fixedBound_;
    for (std::size_t i = 0; i < count; ++i)
        bound += args[i].text.size();
    return bound;
}

void PrintfFormat::format(std::string& out, const FormatArg* args, std::size_t count) const
{
    const std::size_t old = out.size();
    out.resize(old + outputBound(args, count));
    char* end = format(&out[old], args, count);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

char* PrintfFormat::format(char* out, const FormatArg* args, std::size_t count) const
{
    std::size_t next = 0;
    for (const Piece& piece : pieces_) {
        if (piece.kind == Kind::Literal) {
            // Short runs are copied as one fixed block: text_ and the bound
            // both carry kCopySlack spare bytes for it.
            if (piece.textSize <= kCopySlack)
                std::memcpy(out, text_.data() + piece.textBegin, kCopySlack);
            else
                std::memcpy(out, text_.data() + piece.textBegin, piece.textSize);
            out += piece.textSize;
            continue;
        }
        const FormatArg* arg = next < count ? &args[next] : nullptr;
        ++next;
        switch (arg && fits(piece, *arg) ? piece.kind : Kind::Verbatim) {
        case Kind::Hex:
            out = formatHex(out, piece, arg->bits);
            break;
        case Kind::Integer:
            out = formatInteger(out, piece, *arg);
            break;
        case Kind::Char: {
            const char c = static_cast<char>(static_cast<unsigned char>(arg->bits));
            out = formatString(out, piece, std::string_view(&c, 1));
            break;
        }
        case Kind::String:
            out = formatString(out, piece, arg->text);
            break;
        default:  // as it stands
            std::memcpy(out, text_.data() + piece.textBegin, piece.textSize);
            out += piece.textSize;
            break;
        }
    }
    return out;
}

char* PrintfFormat::formatString(char* out, const Piece& piece, std::string_view text)
{
    if (piece.precision >= 0 && text.size() > static_cast<std::size_t>(piece.precision))
        text = text.substr(0, static_cast<std::size_t>(piece.precision));
    std::size_t pad = piece.width > 0 && static_cast<std::size_t>(piece.width) > text.size()
                          ? static_cast<std::size_t>(piece.width) - text.size()
                          : 0;
    const bool left = piece.flags & kMinus;
    if (!left)
        out = fill(out, ' ', pad);
    if (!text.empty())
        std::memcpy(out, text.data(), text.size());
    out += text.size();
    if (left)
        out = fill(out, ' ', pad);
    return out;
}

namespace {

int hexDigitCount(std::uint32_t value)
{
#if defined(__GNUC__)
    return value == 0 ? 1 : (32 - __builtin_clz(value) + 3) / 4;
#else
    int used = 1;
    while (used < 8 && (value >> (4 * used)) != 0)
        ++used;
    return used;
#endif
}

}  // namespace

// %0Nx / %0NX / %Nx / %NX without other flags, N <= 8: the common case of
// the line format. Eight zero-led digits come from four table look-ups; the
// last max(N, digits) of them are the result.
char* PrintfFormat::formatHex(char* out, const Piece& piece, std::uint32_t value)
{
    const char (*pairs)[2] = ByteGlyphs::pairsOf(piece.letter == 'X');
    const bool zeroLed = piece.flags & kZero;
    if (zeroLed && piece.width == 2 && value < 0x100) {  // a byte value
        std::memcpy(out, pairs[value], 2);
        return out + 2;
    }
    char digits[8];
    ByteGlyphs::writeEightDigits(digits, value, pairs);
    if (zeroLed && piece.width == 8) {  // an address
        std::memcpy(out, digits, 8);
        return out + 8;
    }
    const int used = hexDigitCount(value);
    if (piece.width <= used) {
        std::memcpy(out, digits + 8 - used, static_cast<std::size_t>(used));
        return out + used;
    }
    if (zeroLed) {
        std::memcpy(out, digits + 8 - piece.width, static_cast<std::size_t>(piece.width));
    } else {
        std::memset(out, ' ', static_cast<std::size_t>(piece.width - used));
        std::memcpy(out + piece.width - used, digits + 8 - used, static_cast<std::size_t>(used));
    }
    return out + piece.width;
}

char* PrintfFormat::formatInteger(char* out, const Piece& piece, const FormatArg& arg)
{
    const char c = piece.letter;
    const bool signedConversion = c == 'd' || c == 'i';
    const std::int64_t widened = arg.kind == FormatArg::Kind::Signed
                                     ? static_cast<std::int64_t>(static_cast<std::int32_t>(arg.bits))
                                     : static_cast<std::int64_t>(arg.bits);
    // The value as C would see it after the length modifier's conversion.
    std::uint64_t magnitude;
    bool negative = false;
    if (signedConversion) {
        std::int64_t v;
        switch (piece.length) {
        case Length::hh: v = static_cast<std::int8_t>(arg.bits); break;
        case Length::h: v = static_cast<std::int16_t>(arg.bits); break;
        case Length::ll: v = widened; break;
        default: v = static_cast<std::int32_t>(arg.bits); break;
        }
        negative = v < 0;
        magnitude = negative ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    } else {
        switch (piece.length) {
        case Length::hh: magnitude = static_cast<std::uint8_t>(arg.bits); break;
        case Length::h: magnitude = static_cast<std::uint16_t>(arg.bits); break;
        case Length::ll: magnitude = static_cast<std::uint64_t>(widened); break;
        default: magnitude = arg.bits; break;
        }
    }

    char digits[24];
    char* end = digits + sizeof digits;
    char* first = end;
    if (c == 'x' || c == 'X') {
        const char* digitSet = c == 'X' ? ByteGlyphs::kUpperDigits : ByteGlyphs::kLowerDigits;
        for (std::uint64_t v = magnitude; v != 0; v >>= 4)
            *--first = digitSet[v & 0xF];
    } else if (c == 'o') {
        for (std::uint64_t v = magnitude; v != 0; v >>= 3)
            *--first = static_cast<char>('0' + (v & 7));
    } else {
        for (std::uint64_t v = magnitude; v != 0; v /= 10)
            *--first = static_cast<char>('0' + v % 10);
    }
    std::size_t digitCount = static_cast<std::size_t>(end - first);
    const std::size_t precision = piece.precision >= 0 ? static_cast<std::size_t>(piece.precision) : 1;
    std::size_t zeros = precision > digitCount ? precision - digitCount : 0;
    if (c == 'o' && (piece.flags & kHash) && zeros == 0 && (digitCount == 0 || *first != '0'))
        zeros = 1;

    char prefix[2] = {};
    std::size_t prefixSize = 0;
    if (signedConversion) {
        if (negative) prefix[prefixSize++] = '-';
        else if (piece.flags & kPlus) prefix[prefixSize++] = '+';
        else if (piece.flags & kSpace) prefix[prefixSize++] = ' ';
    } else if ((piece.flags & kHash) && (c == 'x' || c == 'X') && magnitude != 0) {
        prefix[prefixSize++] = '0';
        prefix[prefixSize++] = c;
    }

    std::size_t total = prefixSize + zeros + digitCount;
    std::size_t pad = piece.width > 0 && static_cast<std::size_t>(piece.width) > total
                          ? static_cast<std::size_t>(piece.width) - total
                          : 0;
    const bool left = piece.flags & kMinus;
    if (pad && !left && (piece.flags & kZero) && piece.precision < 0) {
        zeros += pad;
        pad = 0;
    }
    if (!left)
        out = fill(out, ' ', pad);
    for (std::size_t i = 0; i < prefixSize; ++i)
        *out++ = prefix[i];
    out = fill(out, '0', zeros);
    std::memcpy(out, first, digitCount);
    out += digitCount;
    if (left)
        out = fill(out, ' ', pad);
    return out;
}
