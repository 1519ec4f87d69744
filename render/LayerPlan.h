#pragma once

#include "render/MapPainting.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

class QImage;
class QPainter;

/// Layer drawing planned once for a frame size and replayed onto every frame
/// of that size: antialiased rectangle fills and texts, in order.
///
/// QPainter's rasterizer spends most of a grid's drawing time working out the
/// coverage of thin lines, row by row, although it is the same for every
/// frame. So each fill's coverage is taken once from QPainter itself, by
/// painting the rectangle white onto a transparent probe, and replayed with
/// the raster engine's own blend of a solid colour: colour x coverage +
/// pixel x (255 - alpha), each product rounded as the engine rounds it. The
/// bytes are QPainter's; texts, and fills in translucent colours other than
/// black, are left to QPainter.
class LayerPlan
{
public:
    /// An antialiased fill of a rectangle, composed over the frame (or
    /// replacing it, which is the same for an opaque colour).
    void fillRect(const QRectF &rect, const QColor &colour);
    /// A text with the bottom-left corner of its line box at (x, y) in view
    /// coordinates.
    void drawText(const ViewCoordinates &view, double x, double y, const QString &text,
                  const TextStyle &style);

    /// Paints the plan with a painter on a frame. On a frame of one pixel a
    /// point in ARGB32_Premultiplied, the fills' coverage is recorded at the
    /// first replay and used from then on.
    void replay(QImage &frame, QPainter &painter);

private:
    /// Pixels of one coverage: a rectangle, as most of a line's are.
    struct Run
    {
        int32_t x, y, width, height;
        uint32_t coverage;
    };
    struct Step
    {
        QRectF rect;
        QColor colour;
        std::vector<Run> runs;
        QPointF textOrigin;
        QString text;
        TextStyle style;
    };

    void record(QSize frameSize);

    std::vector<Step> m_steps;
    QSize m_recordedSize; ///< empty until recorded
};
