#include "render/SparseLayer.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
// Source-over of a run, each channel times keep / 255 rounded as the layers
// have always been: the half added before the correction. SSE2, which every
// x86-64 has, takes four pixels at once in 16-bit lanes.
void blendOver(uint32_t *pixels, const uint32_t *colours, uint32_t count)
{
    uint32_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi16(0x80);
    const __m128i opaque = _mm_set1_epi32(255);
    const auto times = [&](__m128i channels, __m128i keep) {
        __m128i t = _mm_add_epi16(_mm_mullo_epi16(channels, keep), half);
        return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
    };
    for (; i + 4 <= count; i += 4) {
        const __m128i colour = _mm_loadu_si128(reinterpret_cast<const __m128i *>(colours + i));
        const __m128i pixel = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pixels + i));
        __m128i keep = _mm_sub_epi32(opaque, _mm_srli_epi32(colour, 24));
        keep = _mm_or_si128(keep, _mm_slli_epi32(keep, 16));
        const __m128i low = times(_mm_unpacklo_epi8(pixel, zero), _mm_unpacklo_epi32(keep, keep));
        const __m128i high = times(_mm_unpackhi_epi8(pixel, zero), _mm_unpackhi_epi32(keep, keep));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(pixels + i),
                         _mm_add_epi32(colour, _mm_packus_epi16(low, high)));
    }
#endif
    for (; i < count; ++i) {
        const uint32_t source = colours[i];
        const uint32_t keep = 255u - (source >> 24);
        const uint32_t target = pixels[i];
        // Two channels at a time, each x keep / 255 rounded.
        uint32_t redBlue = (target & 0x00ff00ffu) * keep + 0x00800080u;
        redBlue = ((redBlue + ((redBlue >> 8) & 0x00ff00ffu)) >> 8) & 0x00ff00ffu;
        uint32_t alphaGreen = ((target >> 8) & 0x00ff00ffu) * keep + 0x00800080u;
        alphaGreen = (alphaGreen + ((alphaGreen >> 8) & 0x00ff00ffu)) & 0xff00ff00u;
        pixels[i] = source + redBlue + alphaGreen;
    }
}
} // namespace

void SparseLayer::record(const QImage &image)
{
    clear();
    m_size = image.size();
    const auto width = uint32_t(image.width());
    for (int row = 0; row < image.height(); ++row) {
        const auto *line = reinterpret_cast<const uint32_t *>(image.constScanLine(row));
        for (uint32_t column = 0; column < width;) {
            if (!(line[column] >> 24)) {
                ++column;
                continue;
            }
            const uint32_t start = column;
            while (column < width && line[column] >> 24)
                ++column;
            m_runs.insert(m_runs.end(), {uint32_t(row) * width + start, column - start});
            m_colours.insert(m_colours.end(), line + start, line + column);
        }
    }
}

void SparseLayer::blendOnto(QImage &frame) const
{
    if (frame.size() != m_size || frame.format() != QImage::Format_ARGB32_Premultiplied ||
        frame.bytesPerLine() != frame.width() * 4)
        return;
    auto *pixels = reinterpret_cast<uint32_t *>(frame.bits());
    const uint32_t *colours = m_colours.data();
    for (std::size_t run = 0; run < m_runs.size(); run += 2) {
        blendOver(pixels + m_runs[run], colours, m_runs[run + 1]);
        colours += m_runs[run + 1];
    }
}

void SparseLayer::clear()
{
    m_runs.clear();
    m_colours.clear();
    m_size = {};
}
