#include "FormatPreset.h"

// Row 16 is the custom row: its format repeats row 0 and is never shown.
const FormatPreset g_formatPresets[kFormatPresetCount] = {
    {"ロング単位、１６進大文字、文字変換表示あり",
     "%08X : %02X%02X%02X%02X %02X%02X%02X%02X %02X%02X%02X%02X %02X%02X%02X%02X : %-16s"},
    {"ロング単位、１６進大文字、文字変換表示なし",
     "%08X : %02X%02X%02X%02X %02X%02X%02X%02X %02X%02X%02X%02X %02X%02X%02X%02X"},
    {"ロング単位、１６進小文字、文字変換表示あり",
     "%08x : %02x%02x%02x%02x %02x%02x%02x%02x %02x%02x%02x%02x %02x%02x%02x%02x : %-16s"},
    {"ロング単位、１６進小文字、文字変換表示なし",
     "%08x : %02x%02x%02x%02x %02x%02x%02x%02x %02x%02x%02x%02x %02x%02x%02x%02x"},
    {"ワード単位、１６進大文字、文字変換表示あり",
     "%08X : %02X%02X %02X%02X %02X%02X %02X%02X %02X%02X %02X%02X %02X%02X %02X%02X : %-16s"},
    {"ワード単位、１６進大文字、文字変換表示なし",
     "%08X : %02X%02X %02X%02X %02X%02X %02X%02X %02X%02X %02X%02X %02X%02X %02X%02X"},
    {"ワード単位、１６進小文字、文字変換表示あり",
     "%08x : %02x%02x %02x%02x %02x%02x %02x%02x %02x%02x %02x%02x %02x%02x %02x%02x : %-16s"},
    {"ワード単位、１６進小文字、文字変換表示なし",
     "%08x : %02x%02x %02x%02x %02x%02x %02x%02x %02x%02x %02x%02x %02x%02x %02x%02x"},
    {"バイト単位、１６進大文字、文字変換表示あり",
     "%08X : %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X : %-16s"},
    {"バイト単位、１６進大文字、文字変換表示なし",
     "%08X : %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X %02X"},
    {"バイト単位、１６進小文字、文字変換表示あり",
     "%08x : %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x : %-16s"},
    {"バイト単位、１６進小文字、文字変換表示なし",
     "%08x : %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x %02x"},
    {"境界なし、１６進大文字、文字変換表示あり",
     "%08X : %02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X : %-16s"},
    {"境界なし、１６進大文字、文字変換表示なし",
     "%08X : %02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X"},
    {"境界なし、１６進小文字、文字変換表示あり",
     "%08x : %02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x : %-16s"},
    {"境界なし、１６進小文字、文字変換表示なし",
     "%08x : %02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x%02x"},
    {"独自フォーマットを下段で指定する（自信あり）",
     "%08X : %02X%02X%02X%02X %02X%02X%02X%02X %02X%02X%02X%02X %02X%02X%02X%02X : %-16s"},
};

int PresetIndex(int32_t index)
{
    // Only a damaged settings file holds an index outside the table.
    return (index < 0 || index >= kFormatPresetCount) ? 0 : index;
}

const FormatPreset& PresetRow(int32_t index)
{
    return g_formatPresets[PresetIndex(index)];
}

bool IsCustomPreset(const FormatPreset& row)
{
    static const std::string kCustomMark = "独自フォーマット";
    return std::string(row.pszDescription).compare(0, kCustomMark.size(), kCustomMark) == 0;
}
