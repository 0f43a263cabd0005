#pragma once

#include "DumpConverter.h"
#include "PrintfFormat.h"

#include <string>

// Dumps Motorola S-record input: S1/S2/S3 data, the S0 header text and the
// S7/S8/S9 start address.
class SRecordConverter : public DumpConverter {
public:
    SRecordConverter(std::string lineFormat, std::int32_t fillerValue, std::string gapText,
                     std::string s0Format, std::string s9Format,
                     LineReader& input, OutputChannel& output);

    std::int32_t convert() override;

private:
    void handleRecord(std::string_view line, WorkingData& work);
    void handleHeader(std::string_view line);
    void handleTermination(std::string_view line, WorkingData& work);

    const std::string s0Format;
    const std::string s9Format;
    const PrintfFormat compiledS0_;
    const PrintfFormat compiledS9_;
    std::uint32_t startAddress_ = 0;
};
