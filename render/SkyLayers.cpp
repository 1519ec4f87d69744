#include "render/SkyLayers.h"

#include "mapcore/TwilightLines.h"
#include "render/RasterBlend.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

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

/// An antialiased line one pixel wide along a polyline in device pixels,
/// drawn with Xiaolin Wu's method straight into the frame. QPainter's
/// antialiased strokes cost over a millisecond for the four lines of a large
/// map, many times a redraw's budget for them; this is a few hundredths.
class WuLine
{
public:
    WuLine(QImage &frame, QRgb colour)
        : m_pixels(reinterpret_cast<uint32_t *>(frame.bits())), m_width(frame.width()),
          m_height(frame.height()), m_stride(size_t(frame.bytesPerLine()) / 4),
          m_colour(qPremultiply(colour))
    {}

    void polyline(const QPolygonF &points)
    {
        for (qsizetype i = 1; i < points.size(); ++i)
            segment(points[i - 1], points[i]);
    }

private:
    void plot(int x, int y, double coverage)
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height || !(coverage > 0.0))
            return;
        const uint32_t alpha = uint32_t(std::min(coverage, 1.0) * 255.0 + 0.5);
        const uint32_t colour = byteMul(m_colour, alpha);
        uint32_t &pixel = m_pixels[size_t(y) * m_stride + size_t(x)];
        pixel = blendOver(pixel, colour);
    }

    void segment(QPointF from, QPointF to)
    {
        // Segments wholly off the frame, as most of a shifted copy's are, draw nothing.
        if ((from.x() < -1.0 && to.x() < -1.0) ||
            (from.x() > m_width + 1.0 && to.x() > m_width + 1.0) ||
            (from.y() < -1.0 && to.y() < -1.0) ||
            (from.y() > m_height + 1.0 && to.y() > m_height + 1.0))
            return;
        // Pixel centres at whole numbers.
        double x0 = from.x() - 0.5, y0 = from.y() - 0.5, x1 = to.x() - 0.5, y1 = to.y() - 0.5;
        const bool steep = std::fabs(y1 - y0) > std::fabs(x1 - x0);
        if (steep) {
            std::swap(x0, y0);
            std::swap(x1, y1);
        }
        if (x0 > x1) {
            std::swap(x0, x1);
            std::swap(y0, y1);
        }
        const double gradient = x1 == x0 ? 1.0 : (y1 - y0) / (x1 - x0);
        const auto put = [this, steep](int x, int y, double coverage) {
            steep ? plot(y, x, coverage) : plot(x, y, coverage);
        };
        const auto end = [&](double x, double y, double gap) {
            const double xEnd = std::round(x);
            const double yEnd = y + gradient * (xEnd - x);
            const double floorY = std::floor(yEnd);
            put(int(xEnd), int(floorY), (1.0 - (yEnd - floorY)) * gap);
            put(int(xEnd), int(floorY) + 1, (yEnd - floorY) * gap);
            return std::pair{int(xEnd), yEnd};
        };
        const auto [first, firstY] = end(x0, y0, 1.0 - (x0 + 0.5 - std::floor(x0 + 0.5)));
        const auto [last, lastY] = end(x1, y1, x1 + 0.5 - std::floor(x1 + 0.5));
        double y = firstY + gradient;
        for (int x = first + 1; x < last; ++x, y += gradient) {
            const double floorY = std::floor(y);
            put(x, int(floorY), 1.0 - (y - floorY));
            put(x, int(floorY) + 1, y - floorY);
        }
        (void)lastY;
    }

    uint32_t *m_pixels;
    int m_width;
    int m_height;
    size_t m_stride;
    uint32_t m_colour;
};

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
        // Only the copies that reach into the map; straight into a frame
        // painted without a world transform, else through QPainter.
        auto *frame = dynamic_cast<QImage *>(painter.device());
        const bool direct = frame && frame->format() == QImage::Format_ARGB32_Premultiplied &&
                            painter.worldTransform().isIdentity();
        const qreal ratio = frame ? frame->devicePixelRatio() : 1.0;
        QPen pen(line.colour, 1.0);
        pen.setCosmetic(true);
        painter.setPen(pen);
        for (int shift = -1; shift <= 1; ++shift) {
            if (west + 360.0 * shift >= 180.0 || east + 360.0 * shift <= -180.0)
                continue;
            const QPolygonF copy =
                polyline.translated(360.0 * shift * geometry.pixelsPerDegree, 0.0);
            if (direct)
                WuLine(*frame, line.colour.rgba())
                    .polyline(QTransform::fromScale(ratio, ratio).map(copy));
            else
                painter.drawPolyline(copy);
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
