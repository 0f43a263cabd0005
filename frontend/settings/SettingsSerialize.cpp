#include "CArchive.h"
#include "DumpValues.h"

// The settings file is these eighteen items in this order and nothing else:
// no signature, no version, no count. Changing the order or adding an item
// makes every stored file unreadable, so both lists must stay in step.
// m_strBrowsedOutput is deliberately not stored.
void DumpValues::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_strInputFile << m_bOpenOutput << m_bSameAsInput << m_strOutputExt
           << m_strOutputFile << m_nFormatPreset << m_strLineFormat << m_strCustomFormat
           << m_strFiller << m_strGapText << m_bSortOutput << m_strS0Format << m_strS9Format
           << m_strH01Format << m_strH02Format << m_strH03Format << m_strH04Format
           << m_strH05Format;
    } else {
        // Taken as stored, without range tests: the dialog copes with odd values.
        ar >> m_strInputFile >> m_bOpenOutput >> m_bSameAsInput >> m_strOutputExt
           >> m_strOutputFile >> m_nFormatPreset >> m_strLineFormat >> m_strCustomFormat
           >> m_strFiller >> m_strGapText >> m_bSortOutput >> m_strS0Format >> m_strS9Format
           >> m_strH01Format >> m_strH02Format >> m_strH03Format >> m_strH04Format
           >> m_strH05Format;
    }
}
