#include "render/SkyLayers.h"

#include "mapcore/TwilightLines.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

struct TwilightLine
{
    double altitudeDeg;
    QColor colour;
    const char *label;
};

const TwilightLine kTwilightLines[] = {
    {-0.833, QColor(255, 214, 64), nullptr},
    {-6.0, QColor(255, 150, 70), "civil"},
    {-12.0, QColor(214, 112, 230), "nautical"},
    {-18.0, QColor(110, 150, 255), "astronomical"},
};

// The symbols grow gently with the map: 1 on the small map.
double symbolScale(const MapGeometry &geometry)
{
    return std::sqrt(std::max(1.0, double(geometry.pixelsPerDegree) / 2.0));
}

QPointF mapPoint(const MapGeometry &geometry, const ViewCoordinates &view, double latitude,
                 double longitude)
{
    return view.point(geometry.meridianOffset + longitude * geometry.pixelsPerDegree,
                      geometry.equatorialOffset + latitude * geometry.pixelsPerDegree);
}

} // namespace

void drawSunSymbol(QPainter &painter, const MapGeometry &geometry, const ViewCoordinates &view,
                   const astro::GroundPoint &point)
{
    const double scale = symbolScale(geometry);
    const QPointF centre = mapPoint(geometry, view, point.latitude, point.longitude);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 190, 0), 1.0 * scale, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4.0;
        const QPointF d(std::cos(a), std::sin(a));
        painter.drawLine(centre + d * 3.2 * scale, centre + d * 4.5 * scale);
    }
    painter.setPen(QPen(QColor(40, 30, 0), 0.8 * scale));
    painter.setBrush(QColor(255, 221, 0));
    painter.drawEllipse(centre, 2.6 * scale, 2.6 * scale);
    painter.restore();
}

void drawMoonSymbol(QPainter &painter, const MapGeometry &geometry, const ViewCoordinates &view,
                    const astro::SkyPositions &sky)
{
    const double r = 5.5 * symbolScale(geometry);
    const QPointF centre = mapPoint(geometry, view, sky.sublunar.latitude, sky.sublunar.longitude);
    // The lit part: the bright limb's half circle and back along the
    // terminator, a half ellipse whose width follows the phase angle.
    const double litSide = sky.elongationDeg < 180.0 ? 1.0 : -1.0;
    const double terminator = -litSide * std::cos(sky.phaseAngleDeg * M_PI / 180.0);
    QPolygonF lit;
    constexpr int kSteps = 24;
    for (int i = 0; i <= kSteps; ++i) {
        const double a = -M_PI / 2.0 + M_PI * i / kSteps;
        lit << centre + QPointF(litSide * r * std::cos(a), r * std::sin(a));
    }
    for (int i = kSteps; i >= 0; --i) {
        const double a = -M_PI / 2.0 + M_PI * i / kSteps;
        lit << centre + QPointF(terminator * r * std::cos(a), r * std::sin(a));
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(58, 60, 72));
    painter.drawEllipse(centre, r, r);
    painter.setBrush(QColor(246, 244, 226));
    painter.drawPolygon(lit);
    painter.setPen(QPen(QColor(20, 20, 24), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, r, r);
    painter.restore();
}

void drawTwilightLines(QPainter &painter, const MapGeometry &geometry, const ViewCoordinates &view,
                       const SunQuantities &sun, const TextStyle &style)
{
    const GeoPoint subsolar = overlaySubsolarPoint(sun);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    int labelRow = 0;
    for (const TwilightLine &line : kTwilightLines) {
        const std::vector<GeoPoint> contour = altitudeContour(subsolar, line.altitudeDeg);
        double west = contour.front().longitude;
        double east = west;
        QPolygonF polyline;
        polyline.reserve(qsizetype(contour.size()));
        for (const GeoPoint &p : contour) {
            polyline << mapPoint(geometry, view, p.latitude, p.longitude);
            west = std::min(west, p.longitude);
            east = std::max(east, p.longitude);
        }
        // A cosmetic pen takes QPainter's fast path for thin antialiased lines.
        QPen pen(line.colour, 1.0);
        pen.setCosmetic(true);
        painter.setPen(pen);
        // Only the copies that reach into the map.
        for (int shift = -1; shift <= 1; ++shift) {
            if (west + 360.0 * shift >= 180.0 || east + 360.0 * shift <= -180.0)
                continue;
            const QPointF offset(360.0 * shift * geometry.pixelsPerDegree, 0.0);
            painter.drawPolyline(polyline.translated(offset));
        }
        if (!line.label)
            continue;
        // Staggered a little below the equator, so that the labels do not
        // overlap where the lines run close together.
        const double latitude = -5.0 * labelRow++;
        const double longitude = eveningLongitude(subsolar, line.altitudeDeg, latitude);
        if (std::isnan(longitude))
            continue;
        const QString text = QString::fromLatin1(line.label);
        const double width = ViewCoordinates::textSize(text, style.font).width();
        double x = geometry.meridianOffset + longitude * geometry.pixelsPerDegree + 2.0;
        if (x + width > geometry.mapWidth)
            x -= width + 4.0;
        const TextStyle lineStyle{style.font, line.colour};
        view.drawText(painter, x, geometry.equatorialOffset + latitude * geometry.pixelsPerDegree,
                      text, lineStyle);
    }
    painter.restore();
}
