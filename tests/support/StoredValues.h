#pragma once

#include <tuple>

#include "DumpValues.h"

// The eighteen stored values, in the settings file's order, for comparing
// two sets in one go. m_strBrowsedOutput is left out, as the file leaves it.
inline auto StoredValues(const DumpValues& v)
{
    return std::tie(v.m_strInputFile, v.m_bOpenOutput, v.m_bSameAsInput, v.m_strOutputExt,
                    v.m_strOutputFile, v.m_nFormatPreset, v.m_strLineFormat, v.m_strCustomFormat,
                    v.m_strFiller, v.m_strGapText, v.m_bSortOutput, v.m_strS0Format,
                    v.m_strS9Format, v.m_strH01Format, v.m_strH02Format, v.m_strH03Format,
                    v.m_strH04Format, v.m_strH05Format);
}
