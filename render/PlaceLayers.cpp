#include "render/PlaceLayers.h"

#include "astro/Sphere.h"
#include "places/GreatCircle.h"
#include "places/Locator.h"
#include "render/ViewLayers.h"

#include <QPainter>

#include <cmath>
#include <numbers>
#include <tuple>
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
} // namespace

void drawPaths(QPainter &painter, const GeoPoint &home, const GeoPoint &target,
               const PlaceToPoint &position, double jump)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const bool longPath : {true, false}) {
        const std::vector<GeoPoint> line = places::greatCircleSamples(home, target, longPath);
        // The dashes in units of each pen's width: 12 points on, 6 off for both.
        for (const auto &[colour, width] :
             {std::pair{QColor(0, 0, 0, 150), 3.0}, std::pair{pathColour(), 1.5}}) {
            QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
            if (longPath)
                pen.setDashPattern({12.0 / width, 6.0 / width});
            painter.setPen(pen);
            drawGeoPolyline(painter, position, jump, line);
        }
    }
    painter.restore();
}

void drawLocatorGrid(QPainter &painter, const MapGeometry &geometry, const TextStyle &style,
                     const ViewCoordinates &view)
{
    const double perDegree = geometry.pixelsPerDegree;
    if (!(perDegree > 0.05))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const bool squares = squaresShown(perDegree);
    const double south = std::max(0.0, double(latitudeToY(-90.0f, geometry)));
    const double north = std::min(double(geometry.mapHeight), double(latitudeToY(90.0f, geometry)));
    // The squares' lines under the fields'; each line the rectangle it covers.
    for (const auto &[step, width, colour] : {std::tuple{2.0, kSquareLineWidth, squareColour()},
                                              std::tuple{20.0, kFieldLineWidth, fieldColour()}}) {
        if (step == 2.0 && !squares)
            continue;
        for (double longitude = -180.0 + step; longitude < 180.0; longitude += step) {
            const double x = longitudeToX(float(longitude), geometry);
            painter.fillRect(view.rect(x - width / 2, south, width, north - south), colour);
        }
        for (double latitude = -90.0 + step / 2; latitude < 90.0; latitude += step / 2) {
            const double y = latitudeToY(float(latitude), geometry);
            painter.fillRect(view.rect(0, y - width / 2, geometry.mapWidth, width), colour);
        }
    }
    const TextStyle labelStyle{style.font, fieldColour()};
    forEachCell(squareLabelsShown(perDegree, style.font), [&](const GeoPoint &corner, double width,
                                                              double height, const QString &label) {
        if (!labelFits(label, style.font, width * perDegree, height * perDegree))
            return;
        const QSizeF size = ViewCoordinates::textSize(label, style.font);
        const double x =
            longitudeToX(float(corner.longitude + width / 2), geometry) - size.width() / 2;
        const double y =
            latitudeToY(float(corner.latitude + height / 2), geometry) - size.height() / 2;
        painter.fillRect(view.rect(x - 1, y, size.width() + 2, size.height()), labelBoxColour());
        view.drawText(painter, x, y, label, labelStyle);
    });
    painter.restore();
}

void drawViewLocatorGrid(QPainter &painter, const MapProjection &projection, const TextStyle &style)
{
    const auto at = [&projection](double latitude, double longitude) -> std::optional<QPointF> {
        const auto p = projection.forward({latitude, longitude});
        return p ? std::optional(QPointF(p->x, p->y)) : std::nullopt;
    };
    const auto span = [](const std::optional<QPointF> &a, const std::optional<QPointF> &b) {
        return a && b ? std::hypot(a->x() - b->x(), a->y() - b->y()) : 0.0;
    };
    // A cell's width and height in points, measured across its middle.
    const auto sizeOf = [&](const GeoPoint &corner, double width, double height) {
        const double middleLatitude = corner.latitude + height / 2;
        const double middleLongitude = corner.longitude + width / 2;
        return std::pair{span(at(middleLatitude, corner.longitude),
                              at(middleLatitude, corner.longitude + width)),
                         span(at(corner.latitude, middleLongitude),
                              at(corner.latitude + height, middleLongitude))};
    };
    std::vector<GeoPoint> line;
    const auto drawLine = [&](const GeoPoint &from, double north, double east) {
        line.clear();
        const int steps = int(std::max(north, east) / 0.5);
        for (int i = 0; i <= steps; ++i)
            line.push_back({from.latitude + north * i / steps, from.longitude + east * i / steps});
        drawGeoPolyline(painter, projection, line);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The squares of each field wide enough for them, where the view shows it
    // large; under the fields' lines.
    painter.setPen(QPen(squareColour(), kSquareLineWidth));
    forEachCell(false, [&](const GeoPoint &corner, double width, double height, const QString &) {
        if (!squaresShown(sizeOf(corner, width, height).first / width))
            return;
        for (int i = 1; i < 10; ++i) {
            drawLine({corner.latitude, corner.longitude + 2.0 * i}, height, 0.0);
            drawLine({corner.latitude + 1.0 * i, corner.longitude}, 0.0, width);
        }
    });
    painter.setPen(QPen(fieldColour(), kFieldLineWidth));
    for (double longitude = -180.0; longitude < 180.0; longitude += 20.0)
        drawLine({-90.0, longitude}, 180.0, 0.0);
    for (double latitude = -80.0; latitude < 90.0; latitude += 10.0)
        drawLine({latitude, -180.0}, 0.0, 360.0);
    painter.restore();
    // Each label where its cell has room for it.
    const double perDegree = projection.scale() * sphere::kDegToRad;
    const TextStyle labelStyle{style.font, fieldColour()};
    QList<QRectF> drawn;
    forEachCell(squareLabelsShown(perDegree, style.font), [&](const GeoPoint &corner, double width,
                                                              double height, const QString &label) {
        const auto centre = at(corner.latitude + height / 2, corner.longitude + width / 2);
        const auto [across, up] = sizeOf(corner, width, height);
        if (centre && labelFits(label, style.font, across, up))
            drawLabel(painter, *centre, label, labelStyle, drawn);
    });
}
