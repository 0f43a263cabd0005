#include "DumpValues.h"

#include "FormatPreset.h"

void DumpValues::SetDefaults()
{
    m_strInputFile.clear();
    m_strOutputFile.clear();
    m_strBrowsedOutput.clear();
    m_strOutputExt = "txt";
    m_bSameAsInput = 1;
    m_bOpenOutput = 0;
    m_nFormatPreset = 0;
    m_strLineFormat = g_formatPresets[0].pszFormat;
    m_strCustomFormat = m_strLineFormat;
    m_strFiller = "FF";
    m_strGapText.clear();
    m_bSortOutput = 0;
    m_strS0Format = "Header Information : \"%s\"";
    m_strS9Format = "Starting Execution Address : %08X";
    m_strH01Format = "End Record";
    m_strH02Format = "Extended Segment Address Record : %04X";
    m_strH03Format = "Start Segment Address Record : %04X %04X";
    m_strH04Format = "Extended Linear Address Record : %04X";
    m_strH05Format = "Start Linear Address Record : %04X";
}
