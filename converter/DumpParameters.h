#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The ten keyed settings of one run, with their defaults. Every string
// default ends with a line feed.
struct DumpParameters {
    std::string lineFormat =
        "%08X : %02X%02X%02X%02X %02X%02X%02X%02X  %02X%02X%02X%02X %02X%02X%02X%02X : %-16s\n";
    std::int32_t fillerValue = 0xFF;
    std::string gapText = "\n";
    std::string s0Format = "Header Information : \"%s\"\n";
    std::string s9Format = "Starting Execution Address : %08X\n";
    std::string h01Format = "End Record\n";
    std::string h02Format = "Extended Segment Address Record : %04X\n";
    std::string h03Format = "Start Segment Address Record : %04X %04X\n";
    std::string h04Format = "Extended Linear Address Record : %04X\n";
    std::string h05Format = "Start Linear Address Record : %04X\n";

    // Applies one KEY=VALUE pair of a parameter file. Unknown keys and empty
    // values (other than for -G) change nothing.
    void apply(std::string_view key, std::string_view value);
};
