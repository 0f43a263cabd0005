#pragma once

#include "DumpConverter.h"
#include "PrintfFormat.h"

#include <string>

// Dumps Intel HEX input: 00 data at its 16-bit load offsets, and one
// message line for each 01 to 05 record.
class IntelHexConverter : public DumpConverter {
public:
    IntelHexConverter(std::string lineFormat, std::int32_t fillerValue, std::string gapText,
                      std::string h01Format, std::string h02Format, std::string h03Format,
                      std::string h04Format, std::string h05Format,
                      LineReader& input, OutputChannel& output);

    std::int32_t convert() override;

private:
    void handleRecord(std::string_view line, WorkingData& work);
    void handleAddressRecord(std::string_view line, WorkingData& work, const PrintfFormat& format,
                             std::size_t valueCount);

    const std::string h01Format;
    const std::string h02Format;
    const std::string h03Format;
    const std::string h04Format;
    const std::string h05Format;
    const PrintfFormat compiledH02_;
    const PrintfFormat compiledH03_;
    const PrintfFormat compiledH04_;
    const PrintfFormat compiledH05_;
    std::uint32_t firstValue_ = 0;
    std::uint32_t secondValue_ = 0;
};
