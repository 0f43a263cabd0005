#include "ParameterFile.h"

#include <cstdio>
#include <utility>

#include "DumpValues.h"
#include "RunContext.h"

namespace ParameterFile {

std::string PathFor(const RunContext& context)
{
    return context.m_strStartDir + "/" + context.m_strUserName + ".prm";
}

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
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const std::string text = Text(values);
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    // A short write (a full disk) would hand the converter half its settings.
    return (std::fclose(file) == 0) && written;
}

}  // namespace ParameterFile
