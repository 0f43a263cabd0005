#include "DumpParameters.h"

#include "HexScan.h"

void DumpParameters::apply(std::string_view key, std::string_view value)
{
    if (value.empty()) {
        if (key == "-G")
            gapText.clear();
        return;
    }
    // The file holds each text without its final line feed.
    std::string text(value);
    text.push_back('\n');
    if (key == "-f") {
        std::size_t pos = 0;
        std::uint32_t read;
        if (HexScan::scanField(text, pos, 2, read))
            fillerValue = static_cast<std::int32_t>(read);
        return;
    }
    struct Entry {
        std::string_view key;
        std::string DumpParameters::*field;
    };
    static const Entry kEntries[] = {
        {"-F", &DumpParameters::lineFormat}, {"-G", &DumpParameters::gapText},
        {"-S0", &DumpParameters::s0Format},  {"-S9", &DumpParameters::s9Format},
        {"-H01", &DumpParameters::h01Format}, {"-H02", &DumpParameters::h02Format},
        {"-H03", &DumpParameters::h03Format}, {"-H04", &DumpParameters::h04Format},
        {"-H05", &DumpParameters::h05Format},
    };
    for (const Entry& entry : kEntries) {
        if (entry.key == key) {
            this->*entry.field = std::move(text);
            return;
        }
    }
}
