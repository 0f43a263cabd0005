#pragma once

#include "LineGlyphs.h"
#include "PrintfFormat.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The line format compiled for the common case: every field has a fixed
// width, so a dump line is one copy of a ready-made image -- the literals,
// padding and text-mode CR LF already in place -- with the address, the byte
// values and the text column written over it at fixed offsets. The values
// are rendered once per line (LineGlyphs) and their fields copied from there.
//
// A plan is compiled from the parsed format and exists only for formats made
// of literals and these conversions, in argument order: the address as
// %0Nx / %0NX with N >= 8, up to sixteen byte values as %Nx / %0Nx / %NX /
// %0NX with N >= 2, and the text as %s / %Ns / %-Ns. Anything else leaves
// the plan unusable, and the general format engine does the work. A plan
// line must only be written for values 0 to 255; other values go to the
// general engine as well.
class LinePlan {
public:
    static constexpr std::size_t kLineValues = 16;
    // Longest planned line: it must fit the output buffer in one piece.
    // Longer ones, made of long literals, go through the general engine.
    static constexpr std::size_t kMaxSize = 16 * 1024;

    explicit LinePlan(const PrintfFormat& format);

    bool usable() const { return usable_; }
    // Bytes of every line, in output form (LF already CR LF).
    std::size_t size() const { return image_.size(); }

    // Writes one line to `out`, which has size() bytes of room, and returns
    // its end; nullptr when a value is not a byte (0 to 255): such a line is
    // the general engine's.
    char* write(char* out, std::uint32_t address, const std::int32_t* values) const;

private:
    static constexpr std::size_t kNoField = ~std::size_t{0};

    // Byte values that follow one another at a fixed distance in the line,
    // all in one digit set.
    struct ByteRun {
        std::size_t offset;
        std::size_t from;    // offset of the first value's digits in the glyphs, all sets in a row
        std::size_t count;
        std::size_t stride;
        LineGlyphs::Set set;
    };
    // Part of a run two characters apart, as one fixed-size copy from the
    // glyphs.
    struct DigitCopy {
        std::uint16_t to;
        std::uint8_t from;  // as in ByteRun
    };

    bool compile(const PrintfFormat& format);
    bool addConversion(std::size_t slot, const PrintfFormat::Piece& piece);
    void addLiteral(std::string_view text);
    void addByte(std::size_t offset, std::size_t value, LineGlyphs::Set set);
    void planCopies();

    std::string image_;
    bool usable_ = false;
    std::size_t addressAt_ = kNoField;
    const char (*addressPairs_)[2] = nullptr;
    std::size_t textAt_ = kNoField;
    unsigned sets_ = 0;  // the glyph sets the byte fields take
    std::vector<ByteRun> runs_;
    // The copies by size: 8, 4 and 2 characters, so that no copy asks for
    // its size.
    std::vector<DigitCopy> copies_[3];
    std::vector<ByteRun> spacedRuns_;  // runs with more than two characters per byte
};
