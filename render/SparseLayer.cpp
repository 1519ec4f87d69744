#include "render/SparseLayer.h"

void SparseLayer::record(const QImage &image)
{
    clear();
    m_size = image.size();
    const int width = image.width();
    for (int row = 0; row < image.height(); ++row) {
        const auto *line = reinterpret_cast<const uint32_t *>(image.constScanLine(row));
        for (int column = 0; column < width; ++column) {
            if (line[column] >> 24) {
                m_offsets.push_back(uint32_t(row) * uint32_t(width) + uint32_t(column));
                m_colours.push_back(line[column]);
            }
        }
    }
}

void SparseLayer::blendOnto(QImage &frame) const
{
    if (frame.size() != m_size || frame.format() != QImage::Format_ARGB32_Premultiplied ||
        frame.bytesPerLine() != frame.width() * 4)
        return;
    auto *pixels = reinterpret_cast<uint32_t *>(frame.bits());
    for (std::size_t i = 0; i < m_colours.size(); ++i) {
        const uint32_t source = m_colours[i];
        const uint32_t keep = 255u - (source >> 24);
        uint32_t &target = pixels[m_offsets[i]];
        // Two channels at a time, each x keep / 255 rounded.
        uint32_t redBlue = (target & 0x00ff00ffu) * keep + 0x00800080u;
        redBlue = ((redBlue + ((redBlue >> 8) & 0x00ff00ffu)) >> 8) & 0x00ff00ffu;
        uint32_t alphaGreen = ((target >> 8) & 0x00ff00ffu) * keep + 0x00800080u;
        alphaGreen = (alphaGreen + ((alphaGreen >> 8) & 0x00ff00ffu)) & 0xff00ff00u;
        target = source + redBlue + alphaGreen;
    }
}

void SparseLayer::clear()
{
    m_offsets.clear();
    m_colours.clear();
    m_size = {};
}
