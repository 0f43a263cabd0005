#pragma once

#include <cstdint>
#include <string>

class CArchive;

// The main dialog's values: what the settings file keeps and what a
// conversion run reads. Texts are the bytes the dialog holds (the platform's
// multibyte encoding: UTF-8 here, CP932 on Windows). Check states and the
// preset index are 32-bit signed numbers, as stored.
struct DumpValues {
    std::string m_strInputFile;
    std::string m_strOutputFile;
    std::string m_strBrowsedOutput;   // last path accepted in the Save dialog; never stored
    std::string m_strOutputExt;
    int32_t m_bSameAsInput = 1;
    int32_t m_bOpenOutput = 0;
    int32_t m_nFormatPreset = 0;
    std::string m_strLineFormat;
    std::string m_strCustomFormat;
    std::string m_strFiller;
    std::string m_strGapText;
    int32_t m_bSortOutput = 0;
    std::string m_strS0Format;
    std::string m_strS9Format;
    std::string m_strH01Format;
    std::string m_strH02Format;
    std::string m_strH03Format;
    std::string m_strH04Format;
    std::string m_strH05Format;

    DumpValues() { SetDefaults(); }

    // Every value back to its default, m_strBrowsedOutput included.
    void SetDefaults();

    // Settings-file transfer of the eighteen stored items (SettingsSerialize.cpp).
    // Throws CArchiveException on a short file or a failed write.
    void Serialize(CArchive& ar);
};
