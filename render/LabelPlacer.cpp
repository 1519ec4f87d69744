#include "render/LabelPlacer.h"

#include <algorithm>

void LabelPlacer::clear()
{
    m_reserved.clear();
    m_placed.clear();
    m_avoided.clear();
}

std::optional<QRectF> LabelPlacer::place(std::span<const QRectF> candidates, bool avoiding)
{
    for (const bool clear : {avoiding, false}) {
        for (const QRectF &candidate : candidates) {
            if (isFree(candidate, clear)) {
                m_placed.push_back(candidate);
                return candidate;
            }
        }
    }
    return std::nullopt;
}

bool LabelPlacer::isFree(const QRectF &rect, bool avoiding) const
{
    const auto overlaps = [&rect](const QRectF &other) { return rect.intersects(other); };
    return !(avoiding && std::any_of(m_avoided.begin(), m_avoided.end(), overlaps)) &&
           std::none_of(m_reserved.begin(), m_reserved.end(), overlaps) &&
           std::none_of(m_placed.begin(), m_placed.end(), overlaps);
}
