#include "LineGlyphs.h"

#include "ByteGlyphs.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

const ByteGlyphs& kTables = ByteGlyphs::tables();

}  // namespace

bool LineGlyphs::renderPortable(const std::int32_t* values, bool upper)
{
    std::uint32_t any = 0;
    for (int i = 0; i < kValues; ++i)
        any |= static_cast<std::uint32_t>(values[i]);
    if (any > 0xFF)
        return false;
    const char (*pairs)[2] = upper ? kTables.zeroUpper : kTables.zeroLower;
    for (int i = 0; i < kValues; ++i) {
        std::memcpy(hex + 2 * i, pairs[values[i]], 2);
        text[i] = kTables.text[values[i]];
    }
    return true;
}

#if defined(__SSE2__)

namespace {

// Nibbles 0 to 15 to their digit characters.
__m128i digitsOf(__m128i nibbles, __m128i letterOffset)
{
    const __m128i letters = _mm_cmpgt_epi8(nibbles, _mm_set1_epi8(9));
    return _mm_add_epi8(_mm_add_epi8(nibbles, _mm_set1_epi8('0')), _mm_and_si128(letters, letterOffset));
}

}  // namespace

bool LineGlyphs::render(const std::int32_t* values, bool upper)
{
    const __m128i* in = reinterpret_cast<const __m128i*>(values);
    const __m128i v0 = _mm_loadu_si128(in);
    const __m128i v1 = _mm_loadu_si128(in + 1);
    const __m128i v2 = _mm_loadu_si128(in + 2);
    const __m128i v3 = _mm_loadu_si128(in + 3);
    const __m128i any = _mm_or_si128(_mm_or_si128(v0, v1), _mm_or_si128(v2, v3));
    const __m128i zero = _mm_setzero_si128();
    const __m128i high = _mm_and_si128(any, _mm_set1_epi32(~0xFF));
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(high, zero)) != 0xFFFF)
        return false;
    // All bytes now: the packs cannot saturate.
    const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(v0, v1), _mm_packs_epi32(v2, v3));

    // 0x20 to 0x7E stand for themselves; bytes from 0x80 compare as negative.
    const __m128i printable = _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8(0x1F)),
                                            _mm_cmplt_epi8(bytes, _mm_set1_epi8(0x7F)));
    const __m128i shown = _mm_or_si128(_mm_and_si128(printable, bytes),
                                       _mm_andnot_si128(printable, _mm_set1_epi8('.')));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(text), shown);

    const __m128i lowMask = _mm_set1_epi8(0x0F);
    const __m128i letterOffset = _mm_set1_epi8(upper ? 'A' - '0' - 10 : 'a' - '0' - 10);
    const __m128i highDigits = digitsOf(_mm_and_si128(_mm_srli_epi16(bytes, 4), lowMask), letterOffset);
    const __m128i lowDigits = digitsOf(_mm_and_si128(bytes, lowMask), letterOffset);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(hex), _mm_unpacklo_epi8(highDigits, lowDigits));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(hex + 16), _mm_unpackhi_epi8(highDigits, lowDigits));
    return true;
}

#else

bool LineGlyphs::render(const std::int32_t* values, bool upper)
{
    return renderPortable(values, upper);
}

#endif
