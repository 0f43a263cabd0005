#pragma once

#include "LinePlan.h"
#include "PrintfFormat.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class LineReader;
class OutputChannel;

// Common base of the two input kinds: holds the shared settings and writes
// the dump lines. Each converter reads its input from `input` and writes
// everything to the one output channel `output`.
class DumpConverter {
public:
    static constexpr std::size_t kLineSize = 16;
    static constexpr std::size_t kRingSize = 1024;

    DumpConverter(std::string lineFormat, std::int32_t fillerValue, std::string gapText,
                  LineReader& input, OutputChannel& output);

    // Runs one conversion of the input; 0 at end of input, 1 on an early stop.
    virtual std::int32_t convert() = 0;

    void buildAsciiText(const std::vector<std::int32_t>& values, std::string& text) const;
    std::int32_t writeLine(std::uint32_t address, const std::vector<std::int32_t>& line);
    // writeLine for sixteen values anywhere, such as a block of the image ring.
    void writeValues(std::uint32_t address, const std::int32_t* values);
    std::uint32_t flushPartialLine(std::uint32_t address, std::vector<std::int32_t>& ring,
                                   std::vector<std::int32_t>& line);

    std::int32_t filler() const { return fillerValue; }
    void writeGapText();
    // Writes text as it stands, with no format processing.
    void writePlainText(std::string_view text);
    // Writes a user message format applied to `args`.
    void writeMessage(const PrintfFormat& format, const FormatArg* args, std::size_t count);

protected:
    // Converters live as local objects of their concrete class.
    ~DumpConverter() = default;

    LineReader& input() { return input_; }

    const std::string lineFormat;
    const std::int32_t fillerValue;
    const std::string gapText;

private:
    void writeFormatted(std::uint32_t address, const std::int32_t* values);

    LineReader& input_;
    OutputChannel& output_;
    const PrintfFormat compiledLine_;
    const LinePlan plan_;
    std::vector<char> formatted_;
};
