#pragma once

#include <cstdint>
#include <string>

// One row of the line-format presets offered in combo box 1016. Texts are
// held in the platform's multibyte encoding (UTF-8 here).
struct FormatPreset {
    const char* pszDescription;
    const char* pszFormat;
};

constexpr int kFormatPresetCount = 17;

extern const FormatPreset g_formatPresets[kFormatPresetCount];

// The row a stored preset index stands for: the index itself inside
// 0..16, row 0 outside.
int PresetIndex(int32_t index);
const FormatPreset& PresetRow(int32_t index);

// The custom row is recognised by its description ("独自フォーマット" at
// position 0), not by its number.
bool IsCustomPreset(const FormatPreset& row);
