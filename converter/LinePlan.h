#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The line format compiled for the common case: every field has a fixed
// width, so a dump line is one copy of a ready-made image -- the literals,
// padding and text-mode CR LF already in place -- with the address, the byte
// values and the text column written over it at fixed offsets.
//
// A plan exists only for formats made of literals, "%%" and these
// conversions, in argument order: the address as %0Nx / %0NX with N >= 8,
// up to sixteen byte values as %Nx / %0Nx / %NX / %0NX with N >= 2, and the
// text as %s / %Ns / %-Ns. Anything else leaves the plan unusable, and the
// general format engine does the work. A plan line must only be written for
// values 0 to 255; other values go to the general engine as well.
class LinePlan {
public:
    static constexpr std::size_t kLineValues = 16;
    // Longest planned line: it must fit the output buffer in one piece.
    // Longer ones, made of long literals, go through the general engine.
    static constexpr std::size_t kMaxSize = 16 * 1024;

    explicit LinePlan(std::string_view format);

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
    // all in one case and padding: written in one tight loop.
    struct ByteRun {
        std::size_t offset;
        std::size_t first;          // index of the first value
        std::size_t count;
        std::size_t stride;
        const char (*pairs)[2];     // two characters for each byte value
    };

    bool parse(std::string_view format);
    void chooseRendering();
    void planCopies();
    char* writeFromTables(char* out, std::uint32_t address, const std::int32_t* values) const;
    bool addConversion(std::size_t slot, bool zero, bool minus, int width, char letter);
    void addLiteral(char c);
    void addByte(std::size_t offset, std::size_t value, const char (*pairs)[2]);

    std::string image_;
    bool usable_ = false;
    std::size_t addressAt_ = kNoField;
    const char (*addressPairs_)[2] = nullptr;
    std::size_t textAt_ = kNoField;
    std::vector<ByteRun> runs_;
    // The runs as fixed-size copies from the glyphs' digits.
    struct DigitCopy {
        std::uint16_t to;
        std::uint8_t from;
        std::uint8_t size;  // 8, 4 or 2
    };
    std::vector<DigitCopy> copies_;
    std::vector<ByteRun> spacedRuns_;  // runs with more than two characters per byte
    // Every byte field zero-led and in one case: the fields are copied from
    // the line's glyphs, rendered once (LineGlyphs).
    bool fromGlyphs_ = false;
    bool upperGlyphs_ = true;
};
