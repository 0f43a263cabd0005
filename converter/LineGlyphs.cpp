#include "LineGlyphs.h"

#include "ByteGlyphs.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

bool allBytes(const std::int32_t* values)
{
    std::uint32_t any = 0;
    for (int i = 0; i < LineGlyphs::kValues; ++i)
        any |= static_cast<std::uint32_t>(values[i]);
    return any <= 0xFF;
}

}  // namespace

bool LineGlyphs::renderPortable(const std::int32_t* values, unsigned sets)
{
    if (!allBytes(values))
        return false;
    for (unsigned set = 0; set < kSets; ++set) {
        if (!(sets & bit(static_cast<Set>(set))))
            continue;
        const bool blank = set >= kBlankUpper;
        const char (*pairs)[2] = ByteGlyphs::pairsOf(set == kZeroUpper || set == kBlankUpper);
        for (int i = 0; i < kValues; ++i) {
            std::memcpy(hex[set] + 2 * i, pairs[values[i]], 2);
            if (blank && values[i] < 0x10)
                hex[set][2 * i] = ' ';
        }
    }
    for (int i = 0; i < kValues; ++i)
        text[i] = ByteGlyphs::textOf(values[i]);
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

// The sixteen digit pairs of one set, high digit first.
void storePairs(char* out, __m128i highDigits, __m128i lowDigits)
{
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi8(highDigits, lowDigits));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16), _mm_unpackhi_epi8(highDigits, lowDigits));
}

// The zero-led and blank-led sets of one case, as far as `sets` asks.
template <bool Upper>
void renderCase(LineGlyphs& glyphs, unsigned sets, __m128i highNibbles, __m128i lowNibbles)
{
    constexpr LineGlyphs::Set zeroLed = LineGlyphs::setOf(Upper, false);
    constexpr LineGlyphs::Set blankLed = LineGlyphs::setOf(Upper, true);
    if (!(sets & (LineGlyphs::bit(zeroLed) | LineGlyphs::bit(blankLed))))
        return;
    const __m128i letterOffset = _mm_set1_epi8((Upper ? 'A' : 'a') - '0' - 10);
    const __m128i highDigits = digitsOf(highNibbles, letterOffset);
    const __m128i lowDigits = digitsOf(lowNibbles, letterOffset);
    if (sets & LineGlyphs::bit(zeroLed))
        storePairs(glyphs.hex[zeroLed], highDigits, lowDigits);
    if (sets & LineGlyphs::bit(blankLed)) {
        const __m128i highIsZero = _mm_cmpeq_epi8(highNibbles, _mm_setzero_si128());
        const __m128i blanked = _mm_or_si128(_mm_andnot_si128(highIsZero, highDigits),
                                             _mm_and_si128(highIsZero, _mm_set1_epi8(' ')));
        storePairs(glyphs.hex[blankLed], blanked, lowDigits);
    }
}

}  // namespace

bool LineGlyphs::render(const std::int32_t* values, unsigned sets)
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

    // The text rule, sixteen at once; bytes from 0x80 compare as negative.
    const __m128i shown = _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8(ByteGlyphs::kFirstShown - 1)),
                                        _mm_cmplt_epi8(bytes, _mm_set1_epi8(ByteGlyphs::kLastShown + 1)));
    const __m128i column = _mm_or_si128(_mm_and_si128(shown, bytes),
                                        _mm_andnot_si128(shown, _mm_set1_epi8(ByteGlyphs::kHidden)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(text), column);

    const __m128i lowMask = _mm_set1_epi8(0x0F);
    const __m128i highNibbles = _mm_and_si128(_mm_srli_epi16(bytes, 4), lowMask);
    const __m128i lowNibbles = _mm_and_si128(bytes, lowMask);
    renderCase<true>(*this, sets, highNibbles, lowNibbles);
    renderCase<false>(*this, sets, highNibbles, lowNibbles);
    return true;
}

#else

bool LineGlyphs::render(const std::int32_t* values, unsigned sets)
{
    return renderPortable(values, sets);
}

#endif
