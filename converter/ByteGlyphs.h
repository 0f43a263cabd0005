#pragma once

// Two characters for every byte value, zero-led as %02X/%02x print them and
// blank-led as %2X/%2x do, and the text column's character for every byte.
// Built once; shared by the line plan and the glyph renderer.
struct ByteGlyphs {
    char zeroUpper[256][2];
    char zeroLower[256][2];
    char blankUpper[256][2];
    char blankLower[256][2];
    char text[256];

    static const ByteGlyphs& tables();

private:
    ByteGlyphs();
};
