#include "SRecordConverter.h"

#include "HexScan.h"
#include "LineReader.h"

namespace {

struct RecordKind {
    HexPattern pattern;
    std::size_t dataStart;  // also the shortest line that is handled
};

// Made before main: looked up for every record without a guard.
const RecordKind kDataKinds[] = {
    {HexPattern("S1%*2x%4x"), 8},
    {HexPattern("S2%*2x%6x"), 10},
    {HexPattern("S3%*2x%8x"), 12},
};

const HexPattern kTerminationPatterns[] = {
    HexPattern("S7%*2x%8x"),
    HexPattern("S8%*2x%6x"),
    HexPattern("S9%*2x%4x"),
};

constexpr std::size_t kHeaderDataStart = 8;
// The header text keeps this many characters at most. The line's head holds
// them all, whatever the line's length, so the text never depends on more.
constexpr std::size_t kMaxHeaderText = 16 * 1024;
static_assert(kHeaderDataStart + 2 * kMaxHeaderText + 2 <= LineReader::kLineHead,
              "a longer header line has all its text in its head");

}  // namespace

SRecordConverter::SRecordConverter(std::string lineFormat, std::int32_t fillerValue, std::string gapText,
                                   std::string s0Format_, std::string s9Format_,
                                   LineReader& input, OutputChannel& output)
    : DumpConverter(std::move(lineFormat), fillerValue, std::move(gapText), input, output),
      s0Format(std::move(s0Format_)),
      s9Format(std::move(s9Format_)),
      compiledS0_(s0Format),
      compiledS9_(s9Format)
{
}

std::int32_t SRecordConverter::convert()
{
    WorkingData work(fillerValue);
    // Each line's head: fields are read from it, and a data record reads on
    // to the end of its line.
    std::string_view line;
    while (input().nextLine(line)) {
        if (line.empty() || line[0] != 'S')
            return 1;  // early stop: the pending line is not written
        if (line.size() >= 2)
            handleRecord(line, work);
    }
    flushPartialLine(work.nextAddress, work.ring, work.line);  // the pending line, if it holds anything
    return 0;
}

void SRecordConverter::handleRecord(std::string_view line, WorkingData& work)
{
    const char type = line[1];
    if (type == '0') {
        handleHeader(line);
    } else if (type >= '1' && type <= '3') {
        const RecordKind& kind = kDataKinds[type - '1'];
        // A line that ends before its data start holds no record: passed over.
        if (line.size() < kind.dataStart)
            return;
        std::uint32_t* target = &work.recordAddress;
        kind.pattern.scan(line, &target);
        placeRecord(work, line, kind.dataStart);
    } else if (type >= '7' && type <= '9') {
        handleTermination(line, work);
    }
    // S4, S5, S6 and anything else: passed over.
}

// `line` is the line's head. Pairs after the first kMaxHeaderText are dropped.
void SRecordConverter::handleHeader(std::string_view line)
{
    if (line.size() < kHeaderDataStart)
        return;
    std::vector<std::int32_t> headerValues;
    for (std::size_t p = kHeaderDataStart; line.size() >= p + 4 && headerValues.size() < kMaxHeaderText; p += 2) {
        std::int32_t cell = ' ';
        HexScan::scanPair(line, p, cell);
        headerValues.push_back(cell);
    }
    std::string headerText;
    buildAsciiText(headerValues, headerText);
    FormatArg arg = FormatArg::ofString(headerText);
    writeMessage(compiledS0_, &arg, 1);
}

// An unreadable start address keeps the previous one (0 at first).
void SRecordConverter::handleTermination(std::string_view line, WorkingData& work)
{
    std::uint32_t* target = &startAddress_;
    kTerminationPatterns[line[1] - '7'].scan(line, &target);
    work.nextAddress = flushPartialLine(work.nextAddress, work.ring, work.line);
    FormatArg arg = FormatArg::ofUnsigned(startAddress_);
    writeMessage(compiledS9_, &arg, 1);
}
