#pragma once

#include "LinePlan.h"
#include "PrintfFormat.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class LineReader;
class OutputChannel;

// Common base of the two input kinds: holds the shared settings, writes the
// dump lines and places data records. Each converter reads its input from
// `input` and writes everything to the one output channel `output`. Calls
// run one way: a subclass's convert() into the operations here, these into
// the format engine and the output channel.
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
    std::uint32_t flushPartialLine(std::uint32_t address, std::vector<std::int32_t>& ring,
                                   std::vector<std::int32_t>& line);

protected:
    // The working data of one convert() call: created when it begins,
    // released when it returns.
    struct WorkingData {
        explicit WorkingData(std::int32_t fillerValue);

        std::vector<std::int32_t> ring;  // image ring: address A in cell A & 0x3FF
        std::vector<std::int32_t> line;  // line buffer
        bool firstRecord = true;         // the next data record starts afresh
        std::uint32_t nextAddress = 0;   // after the last byte stored; its block is the pending line
        std::uint32_t recordAddress = 0; // of the current record, behind its last byte once placed
    };

    // Converters live as local objects of their concrete class.
    ~DumpConverter() = default;

    LineReader& input() { return input_; }

    // Data placement (DataPlacement.cpp): stores the pairs of the current
    // input line from `dataStart` on at work.recordAddress, writing each
    // block the record leaves and the gap text where the addresses jump.
    // `line` is the line's head; a longer line is read on to its end.
    void placeRecord(WorkingData& work, std::string_view line, std::size_t dataStart);

    // Writes text as it stands, with no format processing.
    void writePlainText(std::string_view text);
    // Writes a user message format applied to `args`.
    void writeMessage(const PrintfFormat& format, const FormatArg* args, std::size_t count);

    const std::string lineFormat;
    const std::int32_t fillerValue;
    const std::string gapText;

private:
    // writeLine for sixteen values anywhere, such as a block of the image ring.
    void writeValues(std::uint32_t address, const std::int32_t* values);
    void writeFormatted(std::uint32_t address, const std::int32_t* values);

    void startRecord(WorkingData& work);
    void placePairs(WorkingData& work, std::string_view piece, std::size_t dataStart);
    void placeLineRest(WorkingData& work, std::string_view head, std::size_t dataStart);
    void storePairs(WorkingData& work, std::uint32_t& address, const char* pairs, std::size_t count);
    void fillUpTo(WorkingData& work, std::uint32_t from, std::uint32_t to) const;

    LineReader& input_;
    OutputChannel& output_;
    const PrintfFormat compiledLine_;
    const LinePlan plan_;
    std::vector<char> formatted_;
};
