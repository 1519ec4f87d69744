#include "render/PixelLayer.h"

#include "render/RasterBlend.h"

#include <algorithm>

void PixelLayerPass::clear()
{
    m_drawnOnce = false;
    m_key = {};
    m_kept.clear();
}

PixelLayerKey PixelLayerPass::keyOf(std::span<const std::unique_ptr<PixelLayer>> layers)
{
    PixelLayerKey key;
    for (const std::unique_ptr<PixelLayer> &layer : layers) {
        key.kinds.emplace_back(typeid(*layer));
        layer->addKey(key);
    }
    return key;
}

void PixelLayerPass::blendKept(uint8_t *bits, size_t stride, int32_t first, int32_t end) const
{
    for (int32_t row = std::max(first, 0); row < std::min(end, int32_t(m_kept.size())); ++row)
        m_kept[size_t(row)].blendOnto<Rounding::RasterEngine>(
            reinterpret_cast<uint32_t *>(bits + size_t(row) * stride));
}

void PixelLayerPass::draw(std::span<const std::unique_ptr<PixelLayer>> layers,
                          const PixelLayerKey &key, const PixelFrame &frame,
                          const PixelPlaces &places, uint8_t *bits, size_t stride, int threads)
{
    // Kept only the second time running: a frame drawn once never repays it.
    const bool keep = m_drawnOnce && frame == m_frame && key == m_key;
    m_drawnOnce = true;
    m_frame = frame;
    m_key = key;
    m_kept.assign(keep ? size_t(std::max(0, places.height())) : 0, {});
    // Each row is drawn onto transparent pixels first, then blended onto the
    // frame: what it drew is then at hand to keep.
    places.forEachRow(threads, [&](const PixelRow &row) {
        thread_local std::vector<uint32_t> drawn;
        drawn.assign(size_t(row.width), 0u);
        for (const std::unique_ptr<PixelLayer> &layer : layers)
            layer->drawRow(row, drawn.data());
        auto *line = reinterpret_cast<uint32_t *>(bits + size_t(row.row) * stride);
        blendRun(line, drawn.data(), uint32_t(row.width));
        if (!keep)
            return;
        m_kept[size_t(row.row)].add(drawn.data(), uint32_t(row.width), 0);
    });
}
