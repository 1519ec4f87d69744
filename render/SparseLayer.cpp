#include "render/SparseLayer.h"

#include "render/RasterBlend.h"

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
        blendRun<Rounding::HalfFirst>(pixels + m_runs[run], colours, m_runs[run + 1]);
        colours += m_runs[run + 1];
    }
}

void SparseLayer::clear()
{
    m_runs.clear();
    m_colours.clear();
    m_size = {};
}
