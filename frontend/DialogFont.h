#pragma once

#include <wx/font.h>

// The font of both dialog templates: "ＭＳ Ｐゴシック" at 9 points where it is
// installed, otherwise the proportional IPA Gothic, which has the same
// metrics class and covers the half-width kana of the texts.
wxFont DialogFont();
