#include "render/SkyLayers.h"

#include "astro/Sphere.h"
#include "mapcore/TwilightLines.h"
#include "render/LabelPlacer.h"
#include "render/RasterBlend.h"
#include "render/ViewLayers.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStaticText>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace {

struct TwilightLine
{
    double altitudeDeg;
    QColor colour;
    const char *label;
};

const TwilightLine kTwilightLines[] = {
    //: Label on the map beside the line where the Sun sets
    {-0.833, QColor(255, 214, 64), QT_TRANSLATE_NOOP("TwilightLines", "sunset")},
    //: Label on the map beside the line where civil twilight ends (Sun 6° below the horizon)
    {-6.0, QColor(255, 150, 70), QT_TRANSLATE_NOOP("TwilightLines", "civil")},
    //: Label on the map beside the line where nautical twilight ends (Sun 12° below)
    {-12.0, QColor(214, 112, 230), QT_TRANSLATE_NOOP("TwilightLines", "nautical")},
    //: Label on the map beside the line where astronomical twilight ends (Sun 18° below)
    {-18.0, QColor(110, 150, 255), QT_TRANSLATE_NOOP("TwilightLines", "astronomical")},
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

/// Whole number below or at v, without a call into the maths library.
inline int floorInt(double v)
{
    const int i = int(v);
    return i - (v < double(i));
}

/// blendOver with the four channels in 16-bit lanes of one 64-bit word: one
/// multiplication instead of two, the same rounding.
inline uint32_t blendOverWide(uint32_t pixel, uint32_t colour)
{
    constexpr uint64_t kLanes = 0x00ff00ff00ff00ffull;
    const uint64_t spread = (pixel & 0x00ff00ffu) | (uint64_t(pixel & 0xff00ff00u) << 24);
    uint64_t t = spread * (255 - (colour >> 24));
    t = ((t + ((t >> 8) & kLanes) + 0x0080008000800080ull) >> 8) & kLanes;
    return colour + (uint32_t(t & 0x00ff00ffu) | uint32_t((t >> 24) & 0xff00ff00u));
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
          m_height(frame.height()), m_stride(size_t(frame.bytesPerLine()) / 4)
    {
        const uint32_t premultiplied = qPremultiply(colour);
        for (uint32_t alpha = 0; alpha < 256; ++alpha)
            m_colours[alpha] = byteMul(premultiplied, alpha);
    }

    /// The polyline moved right by dx pixels.
    void polyline(const std::vector<QPointF> &points, double dx)
    {
        for (size_t i = 1; i < points.size(); ++i)
            segment(points[i - 1].x() + dx, points[i - 1].y(), points[i].x() + dx, points[i].y());
    }

private:
    static int alphaOf(double coverage) { return int(coverage * 255.0 + 0.5); }

    void segment(double x0, double y0, double x1, double y1)
    {
        // Segments wholly off the frame, as most of a shifted copy's are, draw nothing.
        if ((x0 < -1.0 && x1 < -1.0) || (x0 > m_width + 1.0 && x1 > m_width + 1.0) ||
            (y0 < -1.0 && y1 < -1.0) || (y0 > m_height + 1.0 && y1 > m_height + 1.0))
            return;
        // Pixel centres at whole numbers.
        if (std::fabs(y1 - y0) > std::fabs(x1 - x0))
            run<true>(y0 - 0.5, x0 - 0.5, y1 - 0.5, x1 - 0.5);
        else
            run<false>(x0 - 0.5, y0 - 0.5, x1 - 0.5, y1 - 0.5);
    }

    /// Along the major axis from (a0, b0) to (a1, b1), the minor axis
    /// changing by at most a pixel a step; for a steep segment the major
    /// axis is y.
    template <bool Steep> void run(double a0, double b0, double a1, double b1)
    {
        // Held in locals: the frame's pixels could alias the members, which
        // would otherwise be read again after every pixel written.
        uint32_t *const pixels = m_pixels;
        const uint32_t *const colours = m_colours;
        const int width = m_width, height = m_height;
        const size_t stride = m_stride;
        // Alpha runs from 0 to 255: coverage is at most 1.
        const auto plot = [=](int major, int minor, int alpha) {
            const int x = Steep ? minor : major, y = Steep ? major : minor;
            if (unsigned(x) >= unsigned(width) || unsigned(y) >= unsigned(height))
                return;
            uint32_t &pixel = pixels[size_t(y) * stride + size_t(x)];
            pixel = blendOverWide(pixel, colours[alpha]);
        };
        if (a0 > a1) {
            std::swap(a0, a1);
            std::swap(b0, b1);
        }
        const double gradient = a1 == a0 ? 1.0 : (b1 - b0) / (a1 - a0);
        const auto end = [&](double a, double b, double gap) {
            const int aEnd = floorInt(a + 0.5);
            const double bEnd = b + gradient * (aEnd - a);
            const int row = floorInt(bEnd);
            const double below = bEnd - row;
            plot(aEnd, row, alphaOf((1.0 - below) * gap));
            plot(aEnd, row + 1, alphaOf(below * gap));
            return std::pair{aEnd, bEnd};
        };
        const auto [first, firstB] = end(a0, b0, 1.0 - (a0 + 0.5 - floorInt(a0 + 0.5)));
        const int last = end(a1, b1, a1 + 0.5 - floorInt(a1 + 0.5)).first;
        // Only the steps within the frame along the major axis.
        const int from = std::max(first + 1, 0), to = std::min(last, Steep ? height : width);
        double b = firstB + gradient * (from - first);
        // Within the frame along the major axis, only the minor needs checking.
        const int minorExtent = Steep ? width : height;
        const ptrdiff_t majorStep = Steep ? ptrdiff_t(stride) : 1;
        const ptrdiff_t minorStep = Steep ? 1 : ptrdiff_t(stride);
        for (int a = from; a < to; ++a, b += gradient) {
            const int row = floorInt(b);
            const int below = alphaOf(b - row);
            const ptrdiff_t at = a * majorStep + row * minorStep;
            if (unsigned(row) < unsigned(minorExtent))
                pixels[at] = blendOverWide(pixels[at], colours[255 - below]);
            if (unsigned(row + 1) < unsigned(minorExtent))
                pixels[at + minorStep] = blendOverWide(pixels[at + minorStep], colours[below]);
        }
    }

    uint32_t *m_pixels;
    int m_width;
    int m_height;
    size_t m_stride;
    uint32_t m_colours[256]; ///< the line's colour at each coverage
};

/// The labels laid out once a thread: shaping a text costs more than
/// drawing the four lines.
const QStaticText &labelText(const QString &label, const QFont &font)
{
    thread_local std::vector<std::pair<QString, QStaticText>> cache;
    thread_local QFont cachedFont;
    if (font != cachedFont) {
        cache.clear();
        cachedFont = font;
    }
    for (const auto &[text, laidOut] : cache)
        if (text == label)
            return laidOut;
    QStaticText laidOut(label);
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.prepare(QTransform(), font);
    return cache.emplace_back(label, laidOut).second;
}

} // namespace

// The symbols are filled, not stroked: filling a shape costs QPainter a
// fraction of stroking its outline.
void drawSunSymbol(QPainter &painter, const MapGeometry &geometry, const ViewCoordinates &view,
                   const GeoPoint &point)
{
    drawSunSymbolAt(painter, mapPoint(geometry, view, point.latitude, point.longitude),
                    symbolScale(geometry));
}

void drawSunSymbolAt(QPainter &painter, const QPointF &centre, double scale)
{
    // Eight rays, each a bar one pixel wide, and their dark outlines, which
    // set the symbol off from sand and ice as the yellow does from the sea.
    QPainterPath rays, outlines;
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4.0;
        const QPointF d(std::cos(a), std::sin(a)), across(-d.y() * scale, d.x() * scale);
        const QPointF inner = centre + d * 3.0 * scale, outer = centre + d * 4.7 * scale;
        rays.addPolygon(QPolygonF(
            {inner + across / 2, outer + across / 2, outer - across / 2, inner - across / 2}));
        rays.closeSubpath();
        const QPointF tip = centre + d * 5.4 * scale;
        outlines.addPolygon(
            QPolygonF({inner + across, tip + across, tip - across, inner - across}));
        outlines.closeSubpath();
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QColor dark(40, 30, 0);
    painter.setBrush(dark);
    painter.drawPath(outlines);
    painter.drawEllipse(centre, 3.7 * scale, 3.7 * scale);
    painter.setBrush(QColor(255, 190, 0));
    painter.drawPath(rays);
    // The disc within the dark rim.
    painter.setBrush(QColor(255, 221, 0));
    painter.drawEllipse(centre, 2.3 * scale, 2.3 * scale);
    painter.restore();
}

void drawMoonSymbol(QPainter &painter, const MapGeometry &geometry, const ViewCoordinates &view,
                    const astro::SkyPositions &sky)
{
    drawMoonSymbolAt(painter,
                     mapPoint(geometry, view, sky.sublunar.latitude, sky.sublunar.longitude),
                     symbolScale(geometry), sky);
}

void drawMoonSymbolAt(QPainter &painter, const QPointF &centre, double scale,
                      const astro::SkyPositions &sky)
{
    // The disc within a dark rim 0.8 pixels wide about radius 5.5 (scaled).
    const double rim = 5.5 * scale, r = rim - 0.4;
    // The lit part: the bright limb's half circle and back along the
    // terminator, a half ellipse whose width follows the phase angle.
    const double litSide = sky.elongationDeg < 180.0 ? 1.0 : -1.0;
    const double terminator = -litSide * std::cos(sky.phaseAngleDeg * sphere::kDegToRad);
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
    // The dark rim, the night side within it, then the lit part.
    painter.setBrush(QColor(20, 20, 24));
    painter.drawEllipse(centre, rim + 0.4, rim + 0.4);
    painter.setBrush(QColor(58, 60, 72));
    painter.drawEllipse(centre, r, r);
    painter.setBrush(QColor(246, 244, 226));
    painter.drawPolygon(lit);
    painter.restore();
}

void drawTwilightLines(QPainter &painter, const MapGeometry &geometry, const ViewCoordinates &view,
                       const SunQuantities &sun)
{
    const GeoPoint subsolar = overlaySubsolarPoint(sun);
    // Straight into a frame painted without a world transform, else through
    // QPainter.
    auto *frame = dynamic_cast<QImage *>(painter.device());
    const bool direct = frame && frame->format() == QImage::Format_ARGB32_Premultiplied &&
                        painter.worldTransform().isIdentity();
    const qreal ratio = frame ? frame->devicePixelRatio() : painter.device()->devicePixelRatioF();
    const double step = contourStepFor(geometry.pixelsPerDegree * ratio);
    const double wrap = 360.0 * geometry.pixelsPerDegree;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    std::vector<QPointF> points;
    for (const TwilightLine &line : kTwilightLines) {
        const std::vector<GeoPoint> contour = altitudeContour(subsolar, line.altitudeDeg, step);
        double west = contour.front().longitude;
        double east = west;
        points.clear();
        for (const GeoPoint &p : contour) {
            points.push_back(mapPoint(geometry, view, p.latitude, p.longitude) * ratio);
            west = std::min(west, p.longitude);
            east = std::max(east, p.longitude);
        }
        std::optional<WuLine> wu;
        if (direct)
            wu.emplace(*frame, line.colour.rgba());
        QPen pen(line.colour, 1.0);
        pen.setCosmetic(true);
        painter.setPen(pen);
        // Only the copies that reach into the map.
        for (int shift = -1; shift <= 1; ++shift) {
            if (west + 360.0 * shift >= 180.0 || east + 360.0 * shift <= -180.0)
                continue;
            if (wu) {
                wu->polyline(points, shift * wrap * ratio);
                continue;
            }
            QPolygonF copy;
            for (const QPointF &p : points)
                copy << QPointF(p.x() / ratio + shift * wrap, p.y() / ratio);
            painter.drawPolyline(copy);
        }
    }
    painter.restore();
}

void drawTwilightLines(QPainter &painter, const MapProjection &projection, const SunQuantities &sun)
{
    const GeoPoint subsolar = overlaySubsolarPoint(sun);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const TwilightLine &line : kTwilightLines) {
        QPen pen(line.colour, 1.0);
        pen.setCosmetic(true);
        painter.setPen(pen);
        drawGeoPolyline(painter, projection, altitudeContour(subsolar, line.altitudeDeg, 0.5));
    }
    painter.restore();
}

void drawTwilightLabels(QPainter &painter, const MapGeometry &geometry, const ViewCoordinates &view,
                        const SunQuantities &sun, const TextStyle &style, LabelPlacer &placer)
{
    const GeoPoint subsolar = overlaySubsolarPoint(sun);
    const double height = QFontMetricsF(style.font).height();
    painter.save();
    painter.setFont(style.font);
    int row = 0;
    for (const TwilightLine &line : kTwilightLines) {
        const QStaticText &text =
            labelText(QCoreApplication::translate("TwilightLines", line.label), style.font);
        const double width = text.size().width();
        // First a little below the equator, each line a row lower, so that the
        // labels do not overlap where the lines run close together; else a
        // label's height or more up or down the line, on either side of it.
        const double latitude = -5.0 * row++;
        const double step = height / geometry.pixelsPerDegree;
        std::optional<QRectF> box;
        for (const double lines : {0.0, 1.0, -1.0, 2.0, -2.0, 3.0, -3.0}) {
            const double at = latitude + lines * step;
            const double longitude = eveningLongitude(subsolar, line.altitudeDeg, at);
            if (std::isnan(longitude))
                continue;
            const double lineX = geometry.meridianOffset + longitude * geometry.pixelsPerDegree;
            const double right = lineX + 2.0, left = lineX - 2.0 - width;
            // The label's line box sits on the parallel.
            const double y = geometry.equatorialOffset + at * geometry.pixelsPerDegree;
            const double top = view.point(0, y + height).y();
            const bool rightFirst = right + width <= geometry.mapWidth;
            QRectF candidates[2];
            size_t count = 0;
            for (const double x : {rightFirst ? right : left, rightFirst ? left : right}) {
                if (x >= 0 && x + width <= geometry.mapWidth)
                    candidates[count++] = QRectF(x - 1, top, width + 2, height);
            }
            box = placer.place({candidates, count});
            if (box)
                break;
        }
        if (!box)
            continue;
        painter.fillRect(*box, labelBoxColour());
        painter.setPen(line.colour);
        painter.drawStaticText(box->topLeft() + QPointF(1, 0), text);
    }
    painter.restore();
}
