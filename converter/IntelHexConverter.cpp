#include "IntelHexConverter.h"

#include "HexScan.h"
#include "LineReader.h"

namespace {

constexpr std::size_t kTypePosition = 8;
constexpr std::size_t kDataStart = 9;

// Made before main: the offset pattern is applied to every line.
const HexPattern kOffsetPattern(":%*2x%4x");
const HexPattern kOneValuePattern(":%*2x%*4x%*2x%4x");
const HexPattern kTwoValuesPattern(":%*2x%*4x%*2x%4x%4x");

}  // namespace

IntelHexConverter::IntelHexConverter(std::string lineFormat, std::int32_t fillerValue, std::string gapText,
                                     std::string h01Format_, std::string h02Format_, std::string h03Format_,
                                     std::string h04Format_, std::string h05Format_,
                                     LineReader& input, OutputChannel& output)
    : DumpConverter(std::move(lineFormat), fillerValue, std::move(gapText), input, output),
      h01Format(std::move(h01Format_)),
      h02Format(std::move(h02Format_)),
      h03Format(std::move(h03Format_)),
      h04Format(std::move(h04Format_)),
      h05Format(std::move(h05Format_)),
      compiledH02_(h02Format),
      compiledH03_(h03Format),
      compiledH04_(h04Format),
      compiledH05_(h05Format)
{
}

std::int32_t IntelHexConverter::convert()
{
    WorkingData work(fillerValue);
    // Each line's head: fields are read from it, and a data record reads on
    // to the end of its line.
    std::string_view line;
    while (input().nextLine(line)) {
        if (line.empty() || line[0] != ':')
            return 1;  // early stop: the pending line is not written
        std::uint32_t* target = &work.recordAddress;  // every line's offset, whatever its type
        kOffsetPattern.scan(line, &target);
        if (line.size() > kTypePosition)
            handleRecord(line, work);
    }
    flushPartialLine(work.nextAddress, work.ring, work.line);  // the pending line, if it holds anything
    return 0;
}

// Only the second digit of the type counts: a type field 10 is data.
void IntelHexConverter::handleRecord(std::string_view line, WorkingData& work)
{
    switch (line[kTypePosition]) {
    case '0': placeRecord(work, line, kDataStart); break;
    case '1': writePlainText(h01Format); break;
    case '2': handleAddressRecord(line, work, compiledH02_, 1); break;
    case '3': handleAddressRecord(line, work, compiledH03_, 2); break;
    case '4': handleAddressRecord(line, work, compiledH04_, 1); break;
    case '5': handleAddressRecord(line, work, compiledH05_, 1); break;
    default: break;  // other types: passed over
    }
}

// The pending line is written and the next data record starts afresh.
// Values that cannot be read keep those of the previous address record.
void IntelHexConverter::handleAddressRecord(std::string_view line, WorkingData& work,
                                            const PrintfFormat& format, std::size_t valueCount)
{
    if (!work.firstRecord) {
        work.firstRecord = true;
        work.nextAddress = flushPartialLine(work.nextAddress, work.ring, work.line);
    }
    std::uint32_t* targets[] = {&firstValue_, &secondValue_};
    (valueCount == 2 ? kTwoValuesPattern : kOneValuePattern).scan(line, targets);
    FormatArg args[] = {FormatArg::ofUnsigned(firstValue_), FormatArg::ofUnsigned(secondValue_)};
    writeMessage(format, args, valueCount);
}
