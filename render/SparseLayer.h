#pragma once

#include "render/RasterBlend.h"

#include <QImage>

#include <cstdint>
#include <vector>

/// Pixels drawn once and kept to be blended again, as runs. A long run of
/// one colour, such as a footprint's fill, keeps its colour once; other runs
/// keep each pixel's. Runs are as long as a multiple of four pixels where
/// they can be, and runs a few transparent pixels apart are joined, so that
/// the short runs of thin lines blend four pixels at a time with few runs to
/// go through; a transparent pixel blends to what it covers, so nothing drawn
/// changes.
class PixelRuns
{
public:
    /// Keeps the pixels of `line`, `width` premultiplied pixels, that are not
    /// transparent; the line's first pixel lies at `offset` in what the runs
    /// are blended onto.
    void add(const uint32_t *line, uint32_t width, uint32_t offset);
    /// Source-over of what was kept onto `pixels`.
    template <Rounding rounding> void blendOnto(uint32_t *pixels) const;
    bool empty() const { return m_runs.empty(); }
    void clear();

    struct Run
    {
        uint32_t start, length;
        uint32_t colour; ///< the run's one colour, or 0: each pixel's, next in turn
    };

private:
    std::vector<Run> m_runs;
    std::vector<uint32_t> m_colours;
};

/// A drawing that stays the same from frame to frame, kept as the pixels it
/// covers: painted once by QPainter onto a transparent image, then blended
/// onto each frame without painting again. Layers of thin lines over a map
/// cover a few pixels in a hundred, so blending only those costs a fraction
/// of what QPainter spends on antialiased curves.
class SparseLayer
{
public:
    /// Keeps the pixels of a transparent ARGB32_Premultiplied image that are
    /// not transparent.
    void record(const QImage &image);
    /// Source-over onto a frame of the recorded size, ARGB32_Premultiplied.
    void blendOnto(QImage &frame) const;
    void clear();
    bool isEmpty() const { return m_size.isEmpty(); }

private:
    PixelRuns m_runs;
    QSize m_size;
};
