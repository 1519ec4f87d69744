#include "render/SparseLayer.h"

#include <algorithm>
#include <span>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

/// A run of one colour at least this long keeps its colour once.
constexpr uint32_t kFillLength = 16;
/// Runs fewer transparent pixels apart than this are joined.
constexpr uint32_t kJoinGap = 8;

/// How many pixels from `at` have the colour of the pixel there.
uint32_t sameColourFrom(const uint32_t *line, uint32_t at, uint32_t width)
{
    uint32_t end = at + 1;
    while (end < width && line[end] == line[at])
        ++end;
    return end - at;
}

/// The frame's lines under short runs are far apart: asked for a few runs
/// ahead, they are at hand when blended.
constexpr size_t kPrefetchRuns = 16;

#if defined(__x86_64__)
/// Sixteen 16-bit channels times keep / 255, rounded as blendOver rounds them.
template <Rounding rounding>
__attribute__((target("avx2"))) inline __m256i timesKeepWide(__m256i channels, __m256i keep)
{
    const __m256i half = _mm256_set1_epi16(0x80);
    __m256i t = _mm256_mullo_epi16(channels, keep);
    if constexpr (rounding == Rounding::HalfFirst)
        t = _mm256_add_epi16(_mm256_add_epi16(t, half),
                             _mm256_srli_epi16(_mm256_add_epi16(t, half), 8));
    else
        t = _mm256_add_epi16(_mm256_add_epi16(t, _mm256_srli_epi16(t, 8)), half);
    return _mm256_srli_epi16(t, 8);
}

/// PixelRuns::blendOnto eight pixels at a time, on machines with AVX2: the
/// runs of a cloud map or a footprint cover most of a frame, and the blend
/// is bound by arithmetic rather than memory. The unpacking and packing work
/// within each half of the registers, so pixels come back in their order.
template <Rounding rounding>
__attribute__((target("avx2"))) void blendRunsWide(std::span<const PixelRuns::Run> runs,
                                                   const uint32_t *colours, uint32_t *pixels)
{
    const __m256i zero = _mm256_setzero_si256();
    for (size_t r = 0; r < runs.size(); ++r) {
        const PixelRuns::Run &run = runs[r];
        if (r + kPrefetchRuns < runs.size())
            __builtin_prefetch(pixels + runs[r + kPrefetchRuns].start, 1);
        uint32_t *out = pixels + run.start;
        uint32_t i = 0;
        if (run.colour) {
            const __m256i keep = _mm256_set1_epi16(short(255 - (run.colour >> 24)));
            const __m256i colour = _mm256_set1_epi32(int(run.colour));
            for (; i + 8 <= run.length; i += 8) {
                const __m256i pixel =
                    _mm256_loadu_si256(reinterpret_cast<const __m256i *>(out + i));
                const __m256i low =
                    timesKeepWide<rounding>(_mm256_unpacklo_epi8(pixel, zero), keep);
                const __m256i high =
                    timesKeepWide<rounding>(_mm256_unpackhi_epi8(pixel, zero), keep);
                _mm256_storeu_si256(reinterpret_cast<__m256i *>(out + i),
                                    _mm256_add_epi32(colour, _mm256_packus_epi16(low, high)));
            }
            blendFill<rounding>(out + i, run.colour, run.length - i);
            continue;
        }
        const __m256i opaque = _mm256_set1_epi32(255);
        for (; i + 8 <= run.length; i += 8) {
            const __m256i colour =
                _mm256_loadu_si256(reinterpret_cast<const __m256i *>(colours + i));
            const __m256i pixel = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(out + i));
            __m256i keep = _mm256_sub_epi32(opaque, _mm256_srli_epi32(colour, 24));
            keep = _mm256_or_si256(keep, _mm256_slli_epi32(keep, 16));
            const __m256i low = timesKeepWide<rounding>(_mm256_unpacklo_epi8(pixel, zero),
                                                        _mm256_unpacklo_epi32(keep, keep));
            const __m256i high = timesKeepWide<rounding>(_mm256_unpackhi_epi8(pixel, zero),
                                                         _mm256_unpackhi_epi32(keep, keep));
            _mm256_storeu_si256(reinterpret_cast<__m256i *>(out + i),
                                _mm256_add_epi32(colour, _mm256_packus_epi16(low, high)));
        }
        blendRun<rounding>(out + i, colours + i, run.length - i);
        colours += run.length;
    }
}
#endif

} // namespace

void PixelRuns::add(const uint32_t *line, uint32_t width, uint32_t offset)
{
    uint32_t column = 0;
    while (column < width) {
        if (!line[column]) {
            ++column;
            continue;
        }
        const uint32_t same = sameColourFrom(line, column, width);
        if (same >= kFillLength) {
            m_runs.push_back({offset + column, same, line[column]});
            column += same;
            continue;
        }
        // Pixels of varied colours, up to a wider gap or a long run of one colour.
        const uint32_t start = column;
        uint32_t drawnTo = column + same; // just past the last pixel drawn
        uint32_t limit = width;
        for (uint32_t next = drawnTo; next < width && next - drawnTo < kJoinGap;) {
            if (!line[next]) {
                ++next;
                continue;
            }
            const uint32_t run = sameColourFrom(line, next, width);
            if (run >= kFillLength) {
                limit = next;
                break;
            }
            next = drawnTo = next + run;
        }
        const uint32_t end = std::min(limit, start + ((drawnTo - start + 3) & ~3u));
        m_runs.push_back({offset + start, end - start, 0});
        m_colours.insert(m_colours.end(), line + start, line + end);
        column = end;
    }
}

template <Rounding rounding> void PixelRuns::blendOnto(uint32_t *pixels) const
{
#if defined(__x86_64__)
    static const bool wide = __builtin_cpu_supports("avx2");
    if (wide)
        return blendRunsWide<rounding>(m_runs, m_colours.data(), pixels);
#endif
    const uint32_t *colours = m_colours.data();
    for (size_t r = 0; r < m_runs.size(); ++r) {
        const Run &run = m_runs[r];
        if (r + kPrefetchRuns < m_runs.size())
            __builtin_prefetch(pixels + m_runs[r + kPrefetchRuns].start, 1);
        if (run.colour) {
            blendFill<rounding>(pixels + run.start, run.colour, run.length);
        } else {
            blendRun<rounding>(pixels + run.start, colours, run.length);
            colours += run.length;
        }
    }
}

template void PixelRuns::blendOnto<Rounding::RasterEngine>(uint32_t *) const;
template void PixelRuns::blendOnto<Rounding::HalfFirst>(uint32_t *) const;

void PixelRuns::clear()
{
    m_runs.clear();
    m_colours.clear();
}

void SparseLayer::record(const QImage &image)
{
    clear();
    m_size = image.size();
    const auto width = uint32_t(image.width());
    for (int row = 0; row < image.height(); ++row)
        m_runs.add(reinterpret_cast<const uint32_t *>(image.constScanLine(row)), width,
                   uint32_t(row) * width);
}

void SparseLayer::blendOnto(QImage &frame) const
{
    if (frame.size() != m_size || frame.format() != QImage::Format_ARGB32_Premultiplied ||
        frame.bytesPerLine() != frame.width() * 4)
        return;
    m_runs.blendOnto<Rounding::HalfFirst>(reinterpret_cast<uint32_t *>(frame.bits()));
}

void SparseLayer::clear()
{
    m_runs.clear();
    m_size = {};
}
