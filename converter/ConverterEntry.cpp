#include "ConverterEntry.h"

#include "DumpParameters.h"
#include "IntelHexConverter.h"
#include "LineReader.h"
#include "OutputChannel.h"
#include "ParameterFile.h"
#include "SRecordConverter.h"

#include <string_view>

namespace {

bool isHelpSwitch(std::string_view argument)
{
    static const std::string_view kSwitches[] = {"?", "-?", "/?", "help", "-help", "/help"};
    for (std::string_view prefix : kSwitches) {
        if (argument.substr(0, prefix.size()) == prefix)
            return true;
    }
    return false;
}

// "This file is neither a Motorola S-type" / "nor an Intel HEX file!",
// in code page 932:
//   このファイルはモトローラＳタイプでも
//   インテルＨＥＸファイルでもない！
const char kNeitherKindMessage[] =
    "\x82\xb1\x82\xcc\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xcd\x83\x82\x83\x67\x83\x8d"
    "\x81\x5b\x83\x89\x82\x72\x83\x5e\x83\x43\x83\x76\x82\xc5\x82\xe0\n"
    "\x83\x43\x83\x93\x83\x65\x83\x8b\x82\x67\x82\x64\x82\x77\x83\x74\x83\x40\x83\x43"
    "\x83\x8b\x82\xc5\x82\xe0\x82\xc8\x82\xa2\x81\x49\n";

void convertInput(const DumpParameters& p, LineReader& input, OutputChannel& output)
{
    switch (input.peek()) {
    case 'S': {
        SRecordConverter converter(p.lineFormat, p.fillerValue, p.gapText, p.s0Format, p.s9Format,
                                   input, output);
        converter.convert();
        break;
    }
    case ':': {
        IntelHexConverter converter(p.lineFormat, p.fillerValue, p.gapText, p.h01Format, p.h02Format,
                                    p.h03Format, p.h04Format, p.h05Format, input, output);
        converter.convert();
        break;
    }
    default:
        output.writeText(kNeitherKindMessage);
        break;
    }
}

}  // namespace

int runConverter(int argc, const char* const* argv, LineReader& input, OutputChannel& output)
{
    DumpParameters parameters;
    for (int i = 0; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (isHelpSwitch(argument)) {
            output.writeText("Trelk Converter\n"
                             "trelk_conv < input_file > output_file [-pParameterFile]\n");
            return 0;
        }
        if (argument.substr(0, 2) == "-p" && !ParameterFile::read(std::string(argument.substr(2)), parameters)) {
            output.writeText("parameter file open error\n");
            return 0;
        }
    }
    convertInput(parameters, input, output);
    return 0;
}
