#include "render/MapLayers.h"

#include "render/LabelPlacer.h"
#include "render/LayerPlan.h"
#include "render/PlaceLayers.h"

#include "mapcore/GridLayout.h"
#include "mapcore/MarkerLayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <limits>

namespace {
constexpr qreal kGridLineWidth = 0.25;
constexpr qreal kSquareFrameWidth = 2.0;
constexpr qreal kPinRadius = 3.0;
constexpr qreal kGap = 3.0;

/// How far a mark reaches from its place, with its frame.
qreal reachOf(PlaceMark mark)
{
    return mark == PlaceMark::Pin ? kPinRadius + 0.5 : 5.5;
}
} // namespace

void planGridLines(LayerPlan &plan, const MapGeometry &geometry, const TextStyle &style,
                   const ViewCoordinates &view)
{
    const QFont &font = style.font;
    // Labels first, each box then its text; the lines of one direction are then
    // drawn over them. A line 0.25 wide centred on its segment is the rectangle
    // it covers, and filling that is much cheaper than stroking.
    constexpr qreal kHalfLine = kGridLineWidth / 2;
    QList<QRectF> lines;
    for (const GridLine &line : latitudeGridLines(geometry)) {
        const int32_t y = line.position;
        lines.append(view.rect(0, y - kHalfLine, geometry.mapWidth, kGridLineWidth));
        const QString text = QString::fromStdString(latitudeLabelText(line.degrees));
        const QSizeF size = ViewCoordinates::textSize(text, font);
        const float labelY = latitudeLabelY(y);
        plan.fillRect(view.rect(0, labelY, size.width() + 2, size.height()), labelBoxColour());
        plan.drawText(view, 0, labelY, text, style);
    }
    for (const QRectF &line : lines)
        plan.fillRect(line, Qt::white);

    // Meridians from pole to pole, their labels along the world's lower edge,
    // within the frame.
    const double south = std::max(0.0, double(latitudeToY(-90.0f, geometry)));
    const double north = std::min(double(geometry.mapHeight), double(latitudeToY(90.0f, geometry)));
    lines.clear();
    // Under larger text a label that would run into the one before it is left
    // out; at their own size they stay as they always were.
    const bool enlarged = font.pixelSize() > smallTextStyle().font.pixelSize();
    double labelsEnd = -std::numeric_limits<double>::infinity();
    for (const GridLine &line : longitudeGridLines(geometry)) {
        const int32_t x = line.position;
        lines.append(view.rect(x - kHalfLine, south, kGridLineWidth, north - south));
        if (!longitudeLabelShown(line.degrees))
            continue;
        const QString text = QString::fromStdString(longitudeLabelText(line.degrees));
        const QSizeF size = ViewCoordinates::textSize(text, font);
        const float labelX = longitudeLabelX(x, float(size.width()));
        if (enlarged && labelX < labelsEnd)
            continue;
        labelsEnd = labelX + size.width() + 2;
        plan.fillRect(view.rect(labelX, south, size.width() + 2, size.height()), labelBoxColour());
        plan.drawText(view, labelX, south, text, style);
    }
    for (const QRectF &line : lines)
        plan.fillRect(line, Qt::white);
}

void planLocationSquares(LayerPlan &plan, std::span<const GeoPoint> places,
                         const MapGeometry &geometry, const ViewCoordinates &view)
{
    // The frame, 2 wide and centred on the square's edges, covers the square
    // grown by 1 on every side; the yellow fill then replaces its inside.
    constexpr qreal kHalfFrame = kSquareFrameWidth / 2;
    for (const GeoPoint &place : places) {
        const RectF r =
            locationSquareRect(place.latitude, place.longitude, geometry.pixelsPerDegree,
                               geometry.equatorialOffset, geometry.meridianOffset);
        const QRectF square = view.rect(r.x, r.y, r.width, r.height);
        plan.fillRect(square.adjusted(-kHalfFrame, -kHalfFrame, kHalfFrame, kHalfFrame), Qt::black);
        plan.fillRect(square, Qt::yellow);
    }
}

void drawMarkedPlaces(QPainter &painter, std::span<const MarkedPlace> places,
                      const PlaceToPoint &position, qreal mapWidth, const TextStyle &style,
                      const ViewCoordinates &view, LabelPlacer &placer)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    std::vector<std::optional<QPointF>> centres;
    centres.reserve(places.size());
    for (const MarkedPlace &marked : places) {
        centres.push_back(position(marked.place));
        if (!centres.back())
            continue; // on the far side of the view
        const QPointF c = *centres.back();
        painter.setPen(QPen(Qt::black, 1.0));
        switch (marked.mark) {
        case PlaceMark::Pin:
            painter.setBrush(Qt::cyan);
            painter.drawEllipse(c, kPinRadius, kPinRadius);
            break;
        case PlaceMark::Home: // a house: walls and a roof
            painter.setBrush(pathColour());
            painter.drawPolygon(QPolygonF{c + QPointF(-4, 4), c + QPointF(4, 4), c + QPointF(4, -1),
                                          c + QPointF(0, -5), c + QPointF(-4, -1)});
            break;
        case PlaceMark::Target:
            painter.setBrush(pathColour());
            painter.drawPolygon(QPolygonF{c + QPointF(0, -5), c + QPointF(5, 0), c + QPointF(0, 5),
                                          c + QPointF(-5, 0)});
            break;
        }
        // No label may hide another place's mark.
        const qreal reach = reachOf(marked.mark);
        placer.reserve(QRectF(c - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach)));
    }
    const TextStyle placeStyle{style.font, pathColour()};
    for (size_t i = 0; i < places.size(); ++i) {
        if (!centres[i])
            continue;
        const QPointF centre = *centres[i];
        const qreal radius = reachOf(places[i].mark) - 0.5;
        const QSizeF size = ViewCoordinates::textSize(places[i].label, style.font);
        // Beside the mark, to the right unless the map ends there; then the
        // other side; then a line or two higher or lower.
        const qreal right = centre.x() + radius + kGap;
        const qreal left = centre.x() - radius - kGap - size.width();
        const bool rightFirst = right + size.width() <= mapWidth;
        QRectF candidates[10];
        size_t count = 0;
        for (const qreal lines : {0.0, -1.0, 1.0, -2.0, 2.0}) {
            const qreal top = centre.y() - size.height() / 2 + lines * size.height();
            for (const qreal x : {rightFirst ? right : left, rightFirst ? left : right}) {
                if (x >= 0 && x + size.width() <= mapWidth)
                    candidates[count++] = QRectF(x - 1, top, size.width() + 2, size.height());
            }
        }
        const std::optional<QRectF> box = placer.place({candidates, count});
        if (!box)
            continue;
        painter.fillRect(*box, labelBoxColour());
        // The label's origin in map coordinates: the bottom of its line box.
        const QPointF origin = view.point(box->x() + 1, box->bottom()); // y-down to y-up and back
        view.drawText(painter, origin.x(), origin.y(), places[i].label,
                      places[i].mark == PlaceMark::Pin ? style : placeStyle);
    }
    painter.restore();
}

namespace {
QRectF zoneLabelRect(float markerX, float markerY, const QString &label, const TextStyle &style,
                     int32_t mapWidth, const ViewCoordinates &view, float *shift = nullptr)
{
    const QSizeF size = ViewCoordinates::textSize(label, style.font);
    const float width = float(size.width());
    const float height = float(size.height());
    const float labelMove = labelShift(markerX, width, mapWidth);
    if (shift)
        *shift = labelMove;
    const RectF box = zoneLabelBox(markerX, markerY, width, height, labelMove);
    return view.rect(box.x, box.y, box.width, box.height);
}
} // namespace

void reserveZoneMarker(LabelPlacer &placer, float markerX, float markerY, const QString &label,
                       const TextStyle &style, int32_t mapWidth, const ViewCoordinates &view)
{
    const RectF dot = markerDotRect(markerX, markerY);
    placer.reserve(view.rect(dot.x, dot.y, dot.width, dot.height));
    if (!label.isEmpty())
        placer.reserve(zoneLabelRect(markerX, markerY, label, style, mapWidth, view));
}

void drawZoneMarker(QPainter &painter, float markerX, float markerY, const QString &label,
                    const TextStyle &style, int32_t mapWidth, const ViewCoordinates &view)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const RectF dot = markerDotRect(markerX, markerY);
    painter.setBrush(Qt::red);
    painter.drawEllipse(view.rect(dot.x, dot.y, dot.width, dot.height));
    const RectF centre = markerCentreRect(markerX, markerY);
    painter.setBrush(Qt::black);
    painter.drawEllipse(view.rect(centre.x, centre.y, centre.width, centre.height));

    if (!label.isEmpty()) {
        float shift = 0;
        const QRectF box = zoneLabelRect(markerX, markerY, label, style, mapWidth, view, &shift);
        painter.fillRect(box, labelBoxColour());
        const PointF origin = zoneLabelTextOrigin(markerX, markerY, shift);
        view.drawText(painter, origin.x, origin.y, label, style);
    }
    painter.restore();
}
