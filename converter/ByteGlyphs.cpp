#include "ByteGlyphs.h"

ByteGlyphs::ByteGlyphs()
{
    const char* upper = "0123456789ABCDEF";
    const char* lower = "0123456789abcdef";
    for (int i = 0; i < 256; ++i) {
        zeroUpper[i][0] = upper[i >> 4];
        zeroUpper[i][1] = upper[i & 0xF];
        zeroLower[i][0] = lower[i >> 4];
        zeroLower[i][1] = lower[i & 0xF];
        blankUpper[i][0] = i < 16 ? ' ' : upper[i >> 4];
        blankUpper[i][1] = upper[i & 0xF];
        blankLower[i][0] = i < 16 ? ' ' : lower[i >> 4];
        blankLower[i][1] = lower[i & 0xF];
        // The text column's rule: bytes 0x80 and up never pass, so no
        // multi-byte character reaches the text column.
        text[i] = i >= 0x20 && i <= 0x7E ? static_cast<char>(i) : '.';
    }
}

const ByteGlyphs& ByteGlyphs::tables()
{
    static const ByteGlyphs kTables;
    return kTables;
}
