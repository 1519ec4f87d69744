#include "render/LayerPlan.h"

#include "render/FastLines.h"
#include "render/RasterBlend.h"

#include "mapcore/Vectorise.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
/// The raster engine's blend of a premultiplied colour, already multiplied
/// by its coverage, over a rectangle of pixels rows stride apart. Built for
/// AVX2 too, chosen at run time.
__attribute__((target_clones("avx2", "default")))
DUSKMAP_VECTORISE("tree-vectorize") void blendRect(uint32_t *__restrict pixels, size_t stride,
                                                   int32_t width, int32_t height, uint32_t colour)
{
    for (int32_t y = 0; y < height; ++y, pixels += stride)
        for (int32_t i = 0; i < width; ++i)
            pixels[i] = blendOver(pixels[i], colour);
}
/// Whether the raster engine blends a colour as the replay does: opaque
/// colours, and translucent black. Other translucent colours go through a
/// path of its own that rounds differently, so QPainter paints them.
bool blendsAsRecorded(const QColor &colour)
{
    const QRgb rgba = colour.rgba();
    return qAlpha(rgba) == 255 || (rgba & 0x00ffffff) == 0;
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
        if (!step.text.isEmpty() || step.draw || !step.lines.empty())
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
        // Runs of one coverage along each row; a row like the one above it
        // makes that row's runs taller.
        size_t previousRow = step.runs.size();
        for (int y = 0; y < probe.height(); ++y) {
            const auto *row = reinterpret_cast<const uint32_t *>(probe.constScanLine(y));
            std::vector<Run> runs;
            for (int x = 0; x < probe.width();) {
                const uint32_t coverage = qAlpha(row[x]);
                int end = x + 1;
                while (end < probe.width() && uint32_t(qAlpha(row[end])) == coverage)
                    ++end;
                if (coverage != 0)
                    runs.push_back({left + x, top + y, end - x, 1, coverage});
                x = end;
            }
            const auto sameColumns = [](const Run &a, const Run &b) {
                return a.x == b.x && a.width == b.width && a.coverage == b.coverage;
            };
            if (!runs.empty() && step.runs.size() - previousRow == runs.size() &&
                std::equal(runs.begin(), runs.end(), step.runs.begin() + previousRow,
                           sameColumns)) {
                for (size_t i = previousRow; i < step.runs.size(); ++i)
                    ++step.runs[i].height;
                continue;
            }
            previousRow = step.runs.size();
            step.runs.insert(step.runs.end(), runs.begin(), runs.end());
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

std::optional<QRectF> straightLineRect(const FrameLine &piece, double width)
{
    if (piece.size() < 2)
        return std::nullopt;
    const auto [left, right] =
        std::minmax_element(piece.begin(), piece.end(),
                            [](const FramePoint &a, const FramePoint &b) { return a.x < b.x; });
    const auto [top, bottom] =
        std::minmax_element(piece.begin(), piece.end(),
                            [](const FramePoint &a, const FramePoint &b) { return a.y < b.y; });
    if (top->y == bottom->y)
        return QRectF(left->x, top->y - width / 2, right->x - left->x, width);
    if (left->x == right->x)
        return QRectF(left->x - width / 2, top->y, width, bottom->y - top->y);
    return std::nullopt;
}

void LayerPlan::drawLines(std::span<const FrameLine> pieces, const QColor &colour, double width)
{
    std::vector<FrameLine> curves;
    for (const FrameLine &piece : pieces) {
        if (piece.size() < 2)
            continue;
        if (const auto rect = straightLineRect(piece, width))
            fillRect(*rect, colour);
        else
            curves.push_back(piece);
    }
    if (curves.empty())
        return;
    Step step;
    step.lines = std::move(curves);
    step.colour = colour;
    step.colour.setAlphaF(colour.alphaF() * std::min(1.0, width));
    step.pixels = std::make_shared<SparseLayer>();
    m_steps.push_back(std::move(step));
    m_paintedSize = {};
}

void LayerPlan::paint(std::function<void(QPainter &)> draw,
                      std::function<void(QImage &, double)> rough)
{
    Step step;
    step.draw = std::move(draw);
    step.rough = std::move(rough);
    step.pixels = std::make_shared<SparseLayer>();
    m_steps.push_back(std::move(step));
    m_paintedSize = {};
}

void LayerPlan::recordDrawing(Step &step, const QImage &frame, const QPainter &painter,
                              double scale)
{
    QImage scratch(frame.size(), QImage::Format_ARGB32_Premultiplied);
    if (scratch.isNull()) {
        step.pixels->clear();
        return;
    }
    scratch.setDevicePixelRatio(frame.devicePixelRatio());
    scratch.fill(Qt::transparent);
    if (step.draw) {
        QPainter scratchPainter(&scratch);
        scratchPainter.setTransform(painter.transform());
        step.draw(scratchPainter);
    } else {
        drawLines(step, scratch, scale);
    }
    step.pixels->record(scratch);
}

void LayerPlan::drawLines(const Step &step, QImage &image, double scale)
{
    FastLines lines(image, step.colour.rgba());
    for (const FrameLine &line : step.lines)
        lines.polyline(line, scale);
}

void LayerPlan::replay(QImage &frame, QPainter &painter, double scale)
{
    play(frame, painter, scale, true);
}

void LayerPlan::paintOnce(QImage &frame, QPainter &painter, double scale)
{
    play(frame, painter, scale, false);
}

void LayerPlan::play(QImage &frame, QPainter &painter, double scale, bool keep)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Recording a fill's coverage or a drawing's pixels costs more than
    // painting it once, so a plan painted once records nothing.
    const bool recorded = keep && frame.format() == QImage::Format_ARGB32_Premultiplied &&
                          frame.devicePixelRatio() == 1.0 && painter.transform().isIdentity();
    if (recorded && m_recordedSize != frame.size())
        record(frame.size());
    auto *pixels = reinterpret_cast<uint32_t *>(frame.bits());
    const size_t width = size_t(frame.width());
    const bool paintAgain =
        keep && (m_paintedSize != frame.size() || m_paintedRatio != frame.devicePixelRatio());
    if (keep) {
        m_paintedSize = frame.size();
        m_paintedRatio = frame.devicePixelRatio();
    }
    for (Step &step : m_steps) {
        // Drawings and lines are kept as the pixels they cover: a view's
        // curved lines cost more to draw again than to blend.
        if (step.rough && !keep) {
            step.rough(frame, scale);
        } else if (step.draw && !keep) {
            step.draw(painter);
        } else if (!step.lines.empty() && !keep) {
            drawLines(step, frame, scale);
        } else if (step.pixels) {
            if (paintAgain)
                recordDrawing(step, frame, painter, scale);
            step.pixels->blendOnto(frame);
        } else if (!step.text.isEmpty()) {
            painter.setFont(step.style.font);
            painter.setPen(step.style.color);
            painter.drawText(step.textOrigin, step.text);
        } else if (!recorded || !blendsAsRecorded(step.colour)) {
            painter.fillRect(step.rect, step.colour);
        } else {
            const uint32_t premultiplied = qPremultiply(step.colour.rgba());
            for (const Run &run : step.runs) {
                const uint32_t colour =
                    run.coverage == 255 ? premultiplied : byteMul(premultiplied, run.coverage);
                blendRect(pixels + size_t(run.y) * width + size_t(run.x), width, run.width,
                          run.height, colour);
            }
        }
    }
    painter.restore();
}
