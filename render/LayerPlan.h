#pragma once

#include "mapcore/MapFrame.h"
#include "render/MapPainting.h"
#include "render/SparseLayer.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QImage;
class QPainter;

/// The rectangle a line the given width covers along a piece straight along
/// a row or a column, centred on it; none for any other piece. Filling it is
/// much cheaper than stroking the line.
std::optional<QRectF> straightLineRect(const FrameLine &piece, double width);

/// A layer's drawing, planned once while what it shows stays and replayed onto
/// every frame: antialiased rectangle fills, texts, lines and drawings of any
/// other kind, in order. Every lasting layer of every view is kept this way.
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
    /// Lines through the pieces of frame points, drawn with the fast lines, as
    /// faint as a line of that width would look; a piece straight along a row
    /// or a column is the fill of the rectangle it covers instead.
    void drawLines(std::span<const FrameLine> pieces, const QColor &colour, double width);
    /// Drawing of any other kind, by QPainter in the layers' points: kept as
    /// the pixels it covers at the first replay on a frame of each size. A
    /// plan painted once may draw it roughly instead, straight onto the
    /// frame, scale device pixels a point.
    void paint(std::function<void(QPainter &)> draw,
               std::function<void(QImage &, double scale)> rough = {});
    /// A label's box, which the labels placed over the layer keep clear of
    /// where they can.
    void addLabel(const QRectF &box) { m_labels.push_back(box); }
    const std::vector<QRectF> &labels() const { return m_labels; }
    bool isEmpty() const { return m_steps.empty(); }

    /// Paints the plan with a painter on a frame, scale device pixels a
    /// point. On a frame of one pixel a point in ARGB32_Premultiplied, the
    /// fills' coverage is recorded at the first replay and used from then on.
    void replay(QImage &frame, QPainter &painter, double scale);
    /// Paints the plan once, straight onto the frame, recording nothing: for a
    /// plan made for one frame only, as while the map's centre moves.
    void paintOnce(QImage &frame, QPainter &painter, double scale);

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
        std::vector<FrameLine> lines;
        std::function<void(QPainter &)> draw;
        std::function<void(QImage &, double)> rough;
        std::shared_ptr<SparseLayer> pixels; ///< what draw or lines cover, once painted
    };

    void play(QImage &frame, QPainter &painter, double scale, bool keep);
    void record(QSize frameSize);
    void recordDrawing(Step &step, const QImage &frame, const QPainter &painter, double scale);
    static void drawLines(const Step &step, QImage &image, double scale);

    std::vector<Step> m_steps;
    std::vector<QRectF> m_labels;
    QSize m_recordedSize; ///< empty until recorded
    QSize m_paintedSize;  ///< the drawings' frame size, empty until painted
    qreal m_paintedRatio = 0;
};
