#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One argument of a user format: a 32-bit integer (signed or unsigned) or a
// string.
struct FormatArg {
    enum class Kind { Signed, Unsigned, String };

    static FormatArg ofSigned(std::int32_t v) { return {Kind::Signed, static_cast<std::uint32_t>(v), {}}; }
    static FormatArg ofUnsigned(std::uint32_t v) { return {Kind::Unsigned, v, {}}; }
    static FormatArg ofString(std::string_view s) { return {Kind::String, 0, s}; }

    Kind kind;
    std::uint32_t bits;
    std::string_view text;
};

// A printf-style format from the user, parsed once into literal runs and
// conversions, then applied to typed arguments. It never hands the user's
// text to the C library.
//
// Supported conversions: d i u o x X c s and %%, with the flags - + space # 0,
// a width and a precision (each at most kMaxField), and for the integer
// conversions the length modifiers hh h l ll. A supported conversion whose
// argument fits prints exactly as C printf would print it.
//
// The one rule for everything else: each conversion takes the next argument
// in order, and a conversion that does not fit -- no argument left, an
// argument of the wrong kind, %n, '*', floating point, an unknown letter, a
// flag or precision that C leaves undefined for it, a width or precision
// above kMaxField -- is written out as it stands in the format. An
// unfinished conversion at the end of the format is written out as well.
//
// Plain 32-bit values widen for ll the way the argument's own type would
// (sign-extended when signed); l is the 32-bit long of the target platform.
class PrintfFormat {
public:
    static constexpr int kMaxField = 4096;

    enum class Length : std::uint8_t { None, hh, h, l, ll };
    enum Flag : std::uint8_t { kMinus = 1, kPlus = 2, kSpace = 4, kHash = 8, kZero = 16 };

    // One piece of the parsed format, in format order. Every kind but
    // Literal takes the next argument.
    struct Piece {
        enum class Kind : std::uint8_t {
            Literal,   // text written as it stands ("%%" already one '%')
            Verbatim,  // a conversion that can never fit: written as it stands
            Hex,       // x or X: no flag but 0, no precision, width at most 8, no length but l
            Integer,   // d i o u x X with what C defines for them
            Char,      // c
            String,    // s
        };
        Kind kind;
        char letter;          // of a conversion that fits
        std::uint8_t flags;   // Flag bits
        Length length;
        int width;            // -1: none
        int precision;        // -1: none
        std::uint32_t textBegin;
        std::uint32_t textSize;  // the literal run, or the conversion as written
    };

    explicit PrintfFormat(std::string_view format);

    // Appends the formatted text to `out`.
    void format(std::string& out, const FormatArg* args, std::size_t count) const;

    // Room that format() needs at most for these arguments.
    std::size_t outputBound(const FormatArg* args, std::size_t count) const;
    // Writes the formatted text to `dest`, which has outputBound() bytes of
    // room; returns the end of the text.
    char* format(char* dest, const FormatArg* args, std::size_t count) const;

    // The parsed format, for what compiles it further (the line plan).
    const std::vector<Piece>& pieces() const { return pieces_; }
    std::string_view text(const Piece& piece) const
    {
        return std::string_view(text_.data() + piece.textBegin, piece.textSize);
    }

private:
    void parseConversion(std::string_view format, std::size_t& pos);
    void addLiteral(std::string_view literal);
    static bool fits(const Piece& piece, const FormatArg& arg);
    static char* formatInteger(char* out, const Piece& piece, const FormatArg& arg);
    static char* formatHex(char* out, const Piece& piece, std::uint32_t value);
    static char* formatString(char* out, const Piece& piece, std::string_view text);

    std::string text_;
    std::vector<Piece> pieces_;
    std::size_t fixedBound_ = 0;  // literals and conversions without string arguments
};
