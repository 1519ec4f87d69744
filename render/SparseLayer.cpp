#include "render/SparseLayer.h"

#include <algorithm>

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
            m_pixelCount += same;
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
        m_pixelCount += end - start;
        column = end;
    }
}

template <Rounding rounding> void PixelRuns::blendOnto(uint32_t *pixels) const
{
    // The frame's lines under short runs are far apart: asked for a few runs
    // ahead, they are at hand when blended.
    constexpr size_t kAhead = 16;
    const uint32_t *colours = m_colours.data();
    const size_t count = m_runs.size();
    for (size_t i = 0; i < count; ++i) {
        const Run &run = m_runs[i];
        if (i + kAhead < count)
            __builtin_prefetch(pixels + m_runs[i + kAhead].start, 1);
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
    m_pixelCount = 0;
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
