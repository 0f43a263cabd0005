#pragma once

#include "DumpConverter.h"
#include "PrintfFormat.h"

#include <string>

class DataPlacement;

// Dumps Motorola S-record input: S1/S2/S3 data, the S0 header text and the
// S7/S8/S9 start address.
class SRecordConverter : public DumpConverter {
public:
    SRecordConverter(std::string lineFormat, std::int32_t fillerValue, std::string gapText,
                     std::string s0Format, std::string s9Format,
                     LineReader& input, OutputChannel& output);

    std::int32_t convert() override;

private:
    void handleRecord(std::string_view line, DataPlacement& placement);
    void handleHeader(std::string_view line);
    void handleTermination(std::string_view line, DataPlacement& placement);

    const std::string s0Format;
    const std::string s9Format;
    const PrintfFormat compiledS0_;
    const PrintfFormat compiledS9_;
    std::uint32_t recordAddress_ = 0;
    std::uint32_t startAddress_ = 0;
};
