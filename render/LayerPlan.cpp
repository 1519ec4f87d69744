#include "render/LayerPlan.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
/// x's four bytes times a / 255, each rounded as QPainter's raster engine
/// rounds it.
inline uint32_t byteMul(uint32_t x, uint32_t a)
{
    uint64_t t = ((uint64_t(x) | (uint64_t(x) << 24)) & 0x00ff00ff00ff00ffULL) * a;
    t = (t + ((t >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8;
    t &= 0x00ff00ff00ff00ffULL;
    return uint32_t(t) | uint32_t(t >> 24);
}
} // namespace

void LayerPlan::fillRect(const QRectF &rect, const QColor &colour)
{
    Step step;
    step.rect = rect;
    step.colour = colour;
    m_steps.push_back(std::move(step));
    m_recordedSize = {};
}

void LayerPlan::record(QSize frameSize)
{
    for (Step &step : m_steps) {
        step.runs.clear();
        if (!step.text.isEmpty())
            continue;
        // The probe covers the rectangle with a pixel to spare, but stops where
        // the frame does, so that QPainter clips it exactly as on the frame.
        const QRectF &rect = step.rect;
        const int left = std::max(0, int(std::floor(rect.left())) - 1);
        const int top = std::max(0, int(std::floor(rect.top())) - 1);
        const int right = std::min(frameSize.width(), int(std::ceil(rect.right())) + 1);
        const int bottom = std::min(frameSize.height(), int(std::ceil(rect.bottom())) + 1);
        if (right <= left || bottom <= top)
            continue;
        QImage probe(right - left, bottom - top, QImage::Format_ARGB32_Premultiplied);
        probe.fill(Qt::transparent);
        {
            QPainter painter(&probe);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.fillRect(rect.translated(-left, -top), Qt::white);
        }
        for (int y = 0; y < probe.height(); ++y) {
            const auto *row = reinterpret_cast<const uint32_t *>(probe.constScanLine(y));
            for (int x = 0; x < probe.width();) {
                const uint32_t coverage = qAlpha(row[x]);
                int end = x + 1;
                while (end < probe.width() && uint32_t(qAlpha(row[end])) == coverage)
                    ++end;
                if (coverage != 0)
                    step.runs.push_back({uint32_t((top + y) * frameSize.width() + left + x),
                                         uint32_t(end - x), coverage});
                x = end;
            }
        }
    }
    m_recordedSize = frameSize;
}

void LayerPlan::drawText(const ViewCoordinates &view, double x, double y, const QString &text,
                         const TextStyle &style)
{
    // The line box's bottom lies one descent below the baseline.
    Step step;
    step.textOrigin = view.point(x, y) - QPointF(0.0, QFontMetricsF(style.font).descent());
    step.text = text;
    step.style = style;
    m_steps.push_back(std::move(step));
}

void LayerPlan::replay(QImage &frame, QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const bool recorded = frame.format() == QImage::Format_ARGB32_Premultiplied &&
                          frame.devicePixelRatio() == 1.0 && painter.transform().isIdentity();
    if (recorded && m_recordedSize != frame.size())
        record(frame.size());
    auto *pixels = reinterpret_cast<uint32_t *>(frame.bits());
    for (const Step &step : m_steps) {
        if (!step.text.isEmpty()) {
            painter.setFont(step.style.font);
            painter.setPen(step.style.color);
            painter.drawText(step.textOrigin, step.text);
        } else if (!recorded) {
            painter.fillRect(step.rect, step.colour);
        } else {
            const uint32_t premultiplied = qPremultiply(step.colour.rgba());
            for (const Run &run : step.runs) {
                const uint32_t colour =
                    run.coverage == 255 ? premultiplied : byteMul(premultiplied, run.coverage);
                const uint32_t keep = 255 - qAlpha(colour);
                uint32_t *pixel = pixels + run.offset;
                for (uint32_t i = 0; i < run.length; ++i)
                    pixel[i] = colour + byteMul(pixel[i], keep);
            }
        }
    }
    painter.restore();
}
