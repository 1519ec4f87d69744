#pragma once

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// QPainter's raster engine's arithmetic on premultiplied 32-bit pixels, for
// the layers drawn straight into a frame: the same bytes as QPainter paints.

/// x's four bytes times a / 255, each rounded as the raster engine rounds it.
inline uint32_t byteMul(uint32_t x, uint32_t a)
{
    uint32_t t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = x + ((x >> 8) & 0xff00ff) + 0x800080;
    x &= 0xff00ff00;
    return x | t;
}

/// How each channel times keep / 255 is rounded: as the raster engine does,
/// the half added with the correction, or as the lasting layers always have
/// been blended, the half added before it. They differ by one now and then.
enum class Rounding
{
    RasterEngine,
    HalfFirst,
};

/// A premultiplied colour composed over a pixel.
template <Rounding rounding = Rounding::RasterEngine>
inline uint32_t blendOver(uint32_t pixel, uint32_t colour)
{
    const uint32_t keep = 255 - (colour >> 24);
    if constexpr (rounding == Rounding::RasterEngine)
        return colour + byteMul(pixel, keep);
    // Two channels at a time.
    uint32_t redBlue = (pixel & 0x00ff00ffu) * keep + 0x00800080u;
    redBlue = ((redBlue + ((redBlue >> 8) & 0x00ff00ffu)) >> 8) & 0x00ff00ffu;
    uint32_t alphaGreen = ((pixel >> 8) & 0x00ff00ffu) * keep + 0x00800080u;
    alphaGreen = (alphaGreen + ((alphaGreen >> 8) & 0x00ff00ffu)) & 0xff00ff00u;
    return colour + redBlue + alphaGreen;
}

#if defined(__SSE2__)
/// Eight 16-bit channels times keep / 255, rounded as blendOver rounds them.
template <Rounding rounding> inline __m128i timesKeep(__m128i channels, __m128i keep)
{
    const __m128i half = _mm_set1_epi16(0x80);
    __m128i t = _mm_mullo_epi16(channels, keep);
    if constexpr (rounding == Rounding::HalfFirst)
        t = _mm_add_epi16(_mm_add_epi16(t, half), _mm_srli_epi16(_mm_add_epi16(t, half), 8));
    else
        t = _mm_add_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), half);
    return _mm_srli_epi16(t, 8);
}
#endif

/// Source-over of a run of colours onto as many pixels, with blendOver's
/// arithmetic to the bit. SSE2, which every x86-64 has, takes four pixels at
/// once in 16-bit lanes, where the compiler would keep to one.
template <Rounding rounding = Rounding::RasterEngine>
inline void blendRun(uint32_t *pixels, const uint32_t *colours, uint32_t count)
{
    uint32_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(255);
    for (; i + 4 <= count; i += 4) {
        const __m128i colour = _mm_loadu_si128(reinterpret_cast<const __m128i *>(colours + i));
        const __m128i pixel = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pixels + i));
        __m128i keep = _mm_sub_epi32(opaque, _mm_srli_epi32(colour, 24));
        keep = _mm_or_si128(keep, _mm_slli_epi32(keep, 16));
        const __m128i low =
            timesKeep<rounding>(_mm_unpacklo_epi8(pixel, zero), _mm_unpacklo_epi32(keep, keep));
        const __m128i high =
            timesKeep<rounding>(_mm_unpackhi_epi8(pixel, zero), _mm_unpackhi_epi32(keep, keep));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(pixels + i),
                         _mm_add_epi32(colour, _mm_packus_epi16(low, high)));
    }
#endif
    for (; i < count; ++i)
        pixels[i] = blendOver<rounding>(pixels[i], colours[i]);
}

/// Source-over of one colour onto a run of pixels, as blendRun would.
template <Rounding rounding = Rounding::RasterEngine>
inline void blendFill(uint32_t *pixels, uint32_t colour, uint32_t count)
{
    uint32_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i keep = _mm_set1_epi16(short(255 - (colour >> 24)));
    const __m128i colours = _mm_set1_epi32(int(colour));
    for (; i + 4 <= count; i += 4) {
        const __m128i pixel = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pixels + i));
        const __m128i low = timesKeep<rounding>(_mm_unpacklo_epi8(pixel, zero), keep);
        const __m128i high = timesKeep<rounding>(_mm_unpackhi_epi8(pixel, zero), keep);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(pixels + i),
                         _mm_add_epi32(colours, _mm_packus_epi16(low, high)));
    }
#endif
    for (; i < count; ++i)
        pixels[i] = blendOver<rounding>(pixels[i], colour);
}
