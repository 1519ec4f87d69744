#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

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
    std::vector<uint32_t> m_runs;    ///< first pixel's index in the frame and length, each run
    std::vector<uint32_t> m_colours; ///< premultiplied ARGB, run after run
    QSize m_size;
};
