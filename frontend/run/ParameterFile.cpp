#include "ParameterFile.h"

#include <utility>

#include "DumpValues.h"
#include "FileAccess.h"

namespace ParameterFile {

std::string Text(const DumpValues& values)
{
    const std::pair<const char*, const std::string*> lines[] = {
        {"-F=", &values.m_strLineFormat},   {"-f=", &values.m_strFiller},
        {"-G=", &values.m_strGapText},      {"-S0=", &values.m_strS0Format},
        {"-S9=", &values.m_strS9Format},    {"-H01=", &values.m_strH01Format},
        {"-H02=", &values.m_strH02Format},  {"-H03=", &values.m_strH03Format},
        {"-H04=", &values.m_strH04Format},  {"-H05=", &values.m_strH05Format},
    };
    std::string text;
    for (const auto& [key, value] : lines) {
        text += key;
        text += *value;
        text += "\r\n";
    }
    return text;
}

bool Write(const std::string& path, const DumpValues& values)
{
    // A short write (a full disk) would hand the converter half its settings.
    return FileAccess::WriteWhole(path, Text(values));
}

}  // namespace ParameterFile
