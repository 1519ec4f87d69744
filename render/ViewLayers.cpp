#include "render/ViewLayers.h"

#include "astro/Sphere.h"
#include "mapcore/GridLayout.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double kPi = std::numbers::pi;
} // namespace

void drawLabel(QPainter &painter, const QPointF &centre, const QString &text,
               const TextStyle &style, QList<QRectF> &drawn)
{
    const QSizeF size = ViewCoordinates::textSize(text, style.font);
    const QRectF box(centre.x() - size.width() / 2 - 1, centre.y() - size.height() / 2,
                     size.width() + 2, size.height());
    const QRectF frame = painter.window();
    const bool enlarged = style.font.pixelSize() > smallTextStyle().font.pixelSize();
    const auto meets = [&box](const QRectF &other) { return other.intersects(box); };
    if (!frame.contains(box) || (enlarged && std::any_of(drawn.begin(), drawn.end(), meets)))
        return;
    drawn.append(box);
    painter.fillRect(box, labelBoxColour());
    ViewCoordinates(frame.height())
        .drawText(painter, box.x() + 1, frame.height() - box.bottom(), text, style);
}

void drawGeoPolyline(QPainter &painter, const MapProjection &projection,
                     std::span<const GeoPoint> places)
{
    // A step longer than this is the line leaving one edge of a world map and
    // coming back at the other.
    const double jump = 0.25 * std::max(projection.frameWidth(), projection.frameHeight());
    drawGeoPolyline(
        painter,
        [&projection](const GeoPoint &place) -> std::optional<QPointF> {
            const auto p = projection.forward(place);
            return p ? std::optional(QPointF(p->x, p->y)) : std::nullopt;
        },
        jump, places);
}

void drawGeoPolyline(QPainter &painter, const PlaceToPoint &position, double jump,
                     std::span<const GeoPoint> places)
{
    QPolygonF run;
    auto flush = [&] {
        if (run.size() > 1)
            painter.drawPolyline(run);
        run.clear();
    };
    for (const GeoPoint &place : places) {
        const auto point = position(place);
        if (!point) {
            flush();
            continue;
        }
        if (!run.isEmpty() &&
            std::hypot(point->x() - run.back().x(), point->y() - run.back().y()) > jump)
            flush();
        run << *point;
    }
    flush();
}

void drawViewGrid(QPainter &painter, const MapProjection &projection, const TextStyle &style)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 0.5));
    std::vector<GeoPoint> line;
    const double centreLongitude = projection.centre().longitude;
    for (int latitude = -80; latitude <= 80; latitude += 10) {
        line.clear();
        for (int i = 0; i <= 720; ++i)
            line.push_back({double(latitude), centreLongitude - 180.0 + i * 0.5});
        drawGeoPolyline(painter, projection, line);
    }
    for (int longitude = -170; longitude <= 180; longitude += 10) {
        line.clear();
        for (int i = 0; i <= 360; ++i)
            line.push_back({-90.0 + i * 0.5, double(longitude)});
        drawGeoPolyline(painter, projection, line);
    }
    painter.restore();
    QList<QRectF> drawn;
    for (int latitude = -80; latitude <= 80; latitude += 10) {
        if (const auto p = projection.forward({double(latitude), centreLongitude}))
            drawLabel(painter, {p->x, p->y},
                      QString::fromStdString(latitudeLabelText(latitude)).trimmed(), style, drawn);
    }
    for (int longitude = -160; longitude <= 180; longitude += 20) {
        if (const auto p = projection.forward({0.0, double(longitude)}))
            drawLabel(painter, {p->x, p->y},
                      QString::fromStdString(longitudeLabelText(longitude)).trimmed(), style,
                      drawn);
    }
}

void drawViewSquares(QPainter &painter, const MapProjection &projection,
                     std::span<const GeoPoint> places)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 2.0));
    painter.setBrush(Qt::yellow);
    for (const GeoPoint &place : places) {
        if (const auto p = projection.forward(place))
            painter.drawRect(QRectF(p->x - 1.5, p->y - 1.5, 3.0, 3.0));
    }
    painter.restore();
}

void drawRangeRings(QPainter &painter, const MapProjection &projection, const TextStyle &style)
{
    if (projection.view() != MapView::Azimuthal)
        return;
    const auto centre = projection.forward(projection.centre());
    if (!centre)
        return;
    const QPointF middle(centre->x, centre->y);
    const double pixelsPerKm = projection.scale() / sphere::kMeanRadiusKm;
    const double rim = kPi * projection.scale();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 0.75));
    for (double km = 1000.0; km * pixelsPerKm < rim; km += 1000.0)
        painter.drawEllipse(middle, km * pixelsPerKm, km * pixelsPerKm);
    for (int bearing = 0; bearing < 360; bearing += 30) {
        const double a = bearing * sphere::kDegToRad;
        const QPointF towards(std::sin(a), -std::cos(a));
        painter.drawLine(middle, middle + towards * rim);
    }
    painter.restore();
    QList<QRectF> drawn;
    for (int bearing = 0; bearing < 360; bearing += 30) {
        const double a = bearing * sphere::kDegToRad;
        const QPointF at = middle + QPointF(std::sin(a), -std::cos(a)) * (rim - 12.0);
        drawLabel(painter, at,
                  bearing == 0 ? QCoreApplication::translate("RangeRings", "N", "north")
                               : QStringLiteral("%1°").arg(bearing),
                  style, drawn);
    }
}
