#include "DumpConverter.h"

#include "ByteGlyphs.h"
#include "OutputChannel.h"

#include <algorithm>

DumpConverter::DumpConverter(std::string lineFormat_, std::int32_t fillerValue_, std::string gapText_,
                             LineReader& input, OutputChannel& output)
    : lineFormat(std::move(lineFormat_)),
      fillerValue(fillerValue_),
      gapText(std::move(gapText_)),
      input_(input),
      output_(output),
      compiledLine_(lineFormat),
      plan_(compiledLine_)
{
    const std::string blankText(kLineSize, ' ');
    const FormatArg text = FormatArg::ofString(blankText);
    formatted_.resize(compiledLine_.outputBound(&text, 1));
}

DumpConverter::WorkingData::WorkingData(std::int32_t fillerValue)
    : ring(kRingSize, fillerValue), line(kLineSize, 0)
{
}

void DumpConverter::buildAsciiText(const std::vector<std::int32_t>& values, std::string& text) const
{
    text.resize(values.size());
    std::transform(values.begin(), values.end(), text.begin(), ByteGlyphs::textOf);
}

std::int32_t DumpConverter::writeLine(std::uint32_t address, const std::vector<std::int32_t>& line)
{
    writeValues(address, line.data());
    return 0;
}

static_assert(LinePlan::kMaxSize <= OutputChannel::kBufferSize, "a planned line goes into the buffer whole");

void DumpConverter::writeValues(std::uint32_t address, const std::int32_t* values)
{
    if (plan_.usable()) {
        char* end = plan_.write(output_.reserve(plan_.size()), address, values);
        if (end) {
            output_.commit(end);
            return;
        }
    }
    writeFormatted(address, values);
}

// The general engine: any format, any values.
void DumpConverter::writeFormatted(std::uint32_t address, const std::int32_t* values)
{
    char text[kLineSize];
    FormatArg args[2 + kLineSize];
    args[0] = FormatArg::ofUnsigned(address);
    for (std::size_t i = 0; i < kLineSize; ++i) {
        args[1 + i] = FormatArg::ofSigned(values[i]);
        text[i] = ByteGlyphs::textOf(values[i]);
    }
    args[1 + kLineSize] = FormatArg::ofString(std::string_view(text, kLineSize));
    // The scratch buffer was sized for a line at construction.
    char* end = compiledLine_.format(formatted_.data(), args, 2 + kLineSize);
    output_.writeText(std::string_view(formatted_.data(), static_cast<std::size_t>(end - formatted_.data())));
}

std::uint32_t DumpConverter::flushPartialLine(std::uint32_t address, std::vector<std::int32_t>& ring,
                                              std::vector<std::int32_t>& line)
{
    if ((address & 0xF) == 0)
        return address;
    const std::uint32_t lineStart = address & ~0xFu;
    const std::size_t first = lineStart & 0x3F0;
    std::fill(ring.begin() + (address & 0x3FF), ring.begin() + first + kLineSize, fillerValue);
    std::copy(ring.begin() + first, ring.begin() + first + kLineSize, line.begin());
    writeLine(lineStart, line);
    return lineStart + 16;
}

void DumpConverter::writePlainText(std::string_view text)
{
    output_.writeText(text);
}

// The scratch buffer only grows: no allocation per line.
void DumpConverter::writeMessage(const PrintfFormat& format, const FormatArg* args, std::size_t count)
{
    std::size_t bound = format.outputBound(args, count);
    if (formatted_.size() < bound)
        formatted_.resize(bound);
    char* end = format.format(formatted_.data(), args, count);
    output_.writeText(std::string_view(formatted_.data(), static_cast<std::size_t>(end - formatted_.data())));
}
