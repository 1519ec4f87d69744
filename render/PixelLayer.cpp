#include "render/PixelLayer.h"

#include "mapcore/ViewShading.h"
#include "render/RasterBlend.h"

#include <algorithm>

void PixelLayerPass::clear()
{
    m_drawnOnce = false;
    m_key = {};
    m_kept.clear();
}

void PixelLayerPass::draw(std::span<const std::unique_ptr<PixelLayer>> layers,
                          const PixelFrame &frame, const PixelPlaces &places, uint8_t *bits,
                          size_t stride, int threads)
{
    PixelLayerKey key;
    for (const std::unique_ptr<PixelLayer> &layer : layers) {
        key.kinds.emplace_back(typeid(*layer));
        layer->addKey(key);
    }
    if (!m_kept.empty() && frame == m_frame && key == m_key) {
        // Drawn before: only the pixels it covered, blended again.
        view_shading::inBands(int32_t(m_kept.size()), threads, [&](int32_t first, int32_t end) {
            for (int32_t row = first; row < end; ++row) {
                auto *line = reinterpret_cast<uint32_t *>(bits + size_t(row) * stride);
                const Kept &kept = m_kept[size_t(row)];
                for (size_t i = 0; i < kept.columns.size(); ++i)
                    line[kept.columns[i]] = blendOver(line[kept.columns[i]], kept.colours[i]);
            }
        });
        return;
    }
    // Kept only the second time running: a frame drawn once never repays it.
    const bool keep = m_drawnOnce && frame == m_frame && key == m_key;
    m_drawnOnce = true;
    m_frame = frame;
    m_key = std::move(key);
    m_kept.assign(keep ? size_t(std::max(0, places.height())) : 0, {});
    // Each row is drawn onto transparent pixels first, then blended onto the
    // frame: what it drew is then at hand to keep.
    places.forEachRow(threads, [&](const PixelRow &row) {
        thread_local std::vector<uint32_t> drawn;
        drawn.assign(size_t(row.width), 0u);
        for (const std::unique_ptr<PixelLayer> &layer : layers)
            layer->drawRow(row, drawn.data());
        auto *line = reinterpret_cast<uint32_t *>(bits + size_t(row.row) * stride);
        for (int32_t column = 0; column < row.width; ++column) {
            if (const uint32_t colour = drawn[size_t(column)]) {
                line[column] = blendOver(line[column], colour);
                if (keep) {
                    m_kept[size_t(row.row)].columns.push_back(uint32_t(column));
                    m_kept[size_t(row.row)].colours.push_back(colour);
                }
            }
        }
    });
}
