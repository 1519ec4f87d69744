#pragma once

#include <QImage>

#include <climits>
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
    /// Source-over onto a frame of the recorded size, ARGB32_Premultiplied;
    /// its rows [firstRow, endRow) only, when given.
    void blendOnto(QImage &frame, int firstRow = 0, int endRow = INT_MAX) const;
    void clear();

private:
    std::vector<uint32_t> m_offsets;      ///< pixel index in the frame
    std::vector<uint32_t> m_colours;      ///< premultiplied ARGB
    std::vector<std::size_t> m_rowStarts; ///< where each row's pixels begin, and the end
    QSize m_size;
};
