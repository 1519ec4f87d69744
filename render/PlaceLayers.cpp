#include "render/PlaceLayers.h"

#include "astro/Sphere.h"
#include "places/GreatCircle.h"
#include "places/Locator.h"
#include "render/FastLines.h"
#include "render/LayerPlan.h"
#include "render/MapLayers.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

namespace {
/// Squares are drawn from this width of a field in points.
constexpr double kSquaresFromFieldWidth = 120.0;
constexpr double kFieldLineWidth = 0.5;
constexpr double kSquareLineWidth = 0.25;

QColor fieldColour()
{
    return {120, 230, 120};
}

QColor squareColour()
{
    return {70, 150, 70};
}

bool squaresShown(double pixelsPerDegree)
{
    return 20.0 * pixelsPerDegree >= kSquaresFromFieldWidth;
}

/// Each cell of the grid, fields first, then the squares when shown: its
/// south-west corner, its size in degrees and its locator.
template <typename Visit> void forEachCell(bool squares, Visit &&visit)
{
    for (const auto &[width, height, length] : {std::tuple{20.0, 10.0, 2}, {2.0, 1.0, 4}}) {
        if (length == 4 && !squares)
            break;
        for (double west = -180.0; west < 180.0; west += width)
            for (double south = -90.0; south < 90.0; south += height) {
                const GeoPoint centre{south + height / 2, west + width / 2};
                visit(GeoPoint{south, west}, width, height,
                      QString::fromStdString(places::locatorOf(centre, length)));
            }
    }
}

/// Whether a cell of the given size in points has room for its label, with a
/// margin; measured on the widest letters, once for each length.
bool labelFits(const QString &label, const QFont &font, double width, double height)
{
    const QSizeF size = ViewCoordinates::textSize(
        label.size() == 2 ? QStringLiteral("MM") : QStringLiteral("MM00"), font);
    return size.width() + 4.0 <= width && size.height() + 2.0 <= height;
}

/// Whether the squares are labelled at all at a scale: where the largest
/// square of a view has room.
bool squareLabelsShown(double pixelsPerDegree, const QFont &font)
{
    return squaresShown(pixelsPerDegree) &&
           labelFits(QStringLiteral("AA00"), font, 2.0 * pixelsPerDegree, pixelsPerDegree);
}

QPolygonF polygonOf(const FrameLine &piece)
{
    QPolygonF polygon;
    polygon.reserve(qsizetype(piece.size()));
    for (const FramePoint &p : piece)
        polygon << QPointF(p.x, p.y);
    return polygon;
}

/// Lines through the pieces, the given width: a piece straight along a row
/// or a column as the rectangle it covers, which is cheaper to fill than to
/// stroke.
void strokePieces(QPainter &painter, const std::vector<FrameLine> &pieces, const QColor &colour,
                  double width)
{
    painter.setPen(QPen(colour, width));
    for (const FrameLine &piece : pieces) {
        if (const auto rect = straightLineRect(piece, width))
            painter.fillRect(*rect, colour);
        else if (piece.size() > 1)
            painter.drawPolyline(polygonOf(piece));
    }
}
/// A cell's width and height in points, measured across its middle over a
/// short step either way, so that a cell the seam cuts is not taken for one
/// as wide as the map.
std::pair<double, double> cellSize(const MapFrame &frame, const GeoPoint &corner, double width,
                                   double height)
{
    const GeoPoint middle{corner.latitude + height / 2, corner.longitude + width / 2};
    constexpr double kStep = 0.01;
    const auto at = frame.toFrame(middle);
    if (!at)
        return {0.0, 0.0};
    double across = HUGE_VAL, up = HUGE_VAL;
    for (const double sign : {-1.0, 1.0}) {
        if (const auto p = frame.toFrame({middle.latitude, middle.longitude + sign * kStep}))
            across = std::min(across, std::hypot(p->x - at->x, p->y - at->y) / kStep * width);
        if (const auto p = frame.toFrame({middle.latitude + sign * kStep, middle.longitude}))
            up = std::min(up, std::hypot(p->x - at->x, p->y - at->y) / kStep * height);
    }
    return {std::isfinite(across) ? across : 0.0, std::isfinite(up) ? up : 0.0};
}

/// The fields' lines, over the squares' in each field wide enough for them.
void drawLocatorLines(QPainter &painter, const MapFrame &frame)
{
    std::vector<GeoPoint> line;
    const auto lineFrom = [&](const GeoPoint &from, double north, double east) {
        line.clear();
        const int steps = int(std::max(std::fabs(north), std::fabs(east)) / 10.0);
        for (int i = 0; i <= steps; ++i)
            line.push_back({from.latitude + north * i / steps, from.longitude + east * i / steps});
        return frame.cut(line);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The squares of each field wide enough for them, under the fields' lines.
    forEachCell(false, [&](const GeoPoint &corner, double width, double height, const QString &) {
        if (!squaresShown(cellSize(frame, corner, width, height).first / width))
            return;
        for (int i = 1; i < 10; ++i) {
            strokePieces(painter,
                         lineFrom({corner.latitude, corner.longitude + 2.0 * i}, height, 0),
                         squareColour(), kSquareLineWidth);
            strokePieces(painter, lineFrom({corner.latitude + 1.0 * i, corner.longitude}, 0, width),
                         squareColour(), kSquareLineWidth);
        }
    });
    for (double longitude = -180.0; longitude < 180.0; longitude += 20.0)
        strokePieces(painter, lineFrom({-90.0, longitude}, 180.0, 0.0), fieldColour(),
                     kFieldLineWidth);
    for (double latitude = -80.0; latitude < 90.0; latitude += 10.0)
        strokePieces(painter, lineFrom({latitude, -180.0}, 0.0, 360.0), fieldColour(),
                     kFieldLineWidth);
    painter.restore();
}
/// Each label of the locator grid where its cell has room for it on the map:
/// its box, and where its text starts in view coordinates.
template <typename Visit>
void forEachLocatorLabel(const MapFrame &frame, const TextStyle &style, Visit &&visit)
{
    const ViewCoordinates view(frame.height());
    std::vector<QRectF> drawn;
    forEachCell(squareLabelsShown(frame.pixelsPerDegree(), style.font),
                [&](const GeoPoint &corner, double width, double height, const QString &label) {
                    const auto [across, up] = cellSize(frame, corner, width, height);
                    const auto centre =
                        frame.toFrame({corner.latitude + height / 2, corner.longitude + width / 2});
                    if (!centre || !labelFits(label, style.font, across, up))
                        return;
                    const QSizeF size = ViewCoordinates::textSize(label, style.font);
                    const double x = centre->x - size.width() / 2;
                    const double y = (frame.height() - centre->y) - size.height() / 2;
                    const QRectF box = view.rect(x - 1, y, size.width() + 2, size.height());
                    if (labelFits(box, frame, drawn))
                        visit(box, x, y, label);
                });
}
} // namespace

namespace {
/// The paths' pens, the dark edge first: colour and width in points.
const std::pair<QColor, double> kPathPens[] = {{QColor(0, 0, 0, 150), 3.0}, {pathColour(), 1.5}};
/// The long path's dashes in points, for both pens: 12 on, 6 off.
constexpr double kPathDashOn = 12.0, kPathDashOff = 6.0;

/// Each path's pieces on the frame, the long path first.
template <typename Draw>
void forEachPath(const MapFrame &frame, const GeoPoint &home, const GeoPoint &target, Draw &&draw)
{
    for (const bool longPath : {true, false})
        draw(frame.cut(places::pathSamples(home, target, longPath)), longPath);
}
} // namespace

void drawPaths(QPainter &painter, const MapFrame &frame, const GeoPoint &home,
               const GeoPoint &target)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    forEachPath(frame, home, target, [&](const std::vector<FrameLine> &pieces, bool longPath) {
        for (const auto &[colour, width] : kPathPens) {
            QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
            // The pattern is in units of the pen's width.
            if (longPath)
                pen.setDashPattern({kPathDashOn / width, kPathDashOff / width});
            painter.setPen(pen);
            for (const FrameLine &piece : pieces)
                painter.drawPolyline(polygonOf(piece));
        }
    });
    painter.restore();
}

void drawPathsRoughly(QImage &image, double scale, const MapFrame &frame, const GeoPoint &home,
                      const GeoPoint &target)
{
    forEachPath(frame, home, target, [&](const std::vector<FrameLine> &pieces, bool longPath) {
        const auto dashes =
            longPath ? std::optional(FastLines::Dashes{kPathDashOn * scale, kPathDashOff * scale})
                     : std::nullopt;
        for (const auto &[colour, width] : kPathPens) {
            FastLines lines(image, colour.rgba());
            for (const FrameLine &piece : pieces)
                lines.widePolyline(piece, scale, width, dashes);
        }
    });
}

void planLocatorGrid(LayerPlan &plan, const MapFrame &frame, const TextStyle &style)
{
    if (!(frame.pixelsPerDegree() > 0.05))
        return;
    // Painted as one drawing, the labels' boxes known beforehand for the
    // labels placed over them.
    forEachLocatorLabel(frame, style, [&plan](const QRectF &box, double, double, const QString &) {
        plan.addLabel(box);
    });
    plan.paint([frame, style](QPainter &painter) {
        drawLocatorLines(painter, frame);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        const ViewCoordinates view(frame.height());
        const TextStyle labelStyle{style.font, fieldColour()};
        forEachLocatorLabel(frame, style,
                            [&](const QRectF &box, double x, double y, const QString &label) {
                                painter.fillRect(box, labelBoxColour());
                                view.drawText(painter, x, y, label, labelStyle);
                            });
        painter.restore();
    });
}
