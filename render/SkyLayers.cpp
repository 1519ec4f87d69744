#include "render/SkyLayers.h"

#include "astro/Sphere.h"
#include "mapcore/TwilightLines.h"
#include "render/FastLines.h"
#include "render/LabelPlacer.h"

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
#include <deque>
#include <optional>
#include <utility>
#include <vector>

namespace {

struct TwilightLine
{
    double altitudeDeg;
    QColor colour;
    const char *label;
    /// Its label on the morning's side, where that differs.
    const char *morningLabel = nullptr;
};

const TwilightLine kTwilightLines[] = {
    //: Label on the map beside the line where the Sun sets
    {-0.833, QColor(255, 214, 64), QT_TRANSLATE_NOOP("TwilightLines", "sunset"),
     //: Label on the map beside the line where the Sun rises
     QT_TRANSLATE_NOOP("TwilightLines", "sunrise")},
    //: Label on the map beside the line where civil twilight ends (Sun 6° below the horizon)
    {-6.0, QColor(255, 150, 70), QT_TRANSLATE_NOOP("TwilightLines", "civil")},
    //: Label on the map beside the line where nautical twilight ends (Sun 12° below)
    {-12.0, QColor(214, 112, 230), QT_TRANSLATE_NOOP("TwilightLines", "nautical")},
    //: Label on the map beside the line where astronomical twilight ends (Sun 18° below)
    {-18.0, QColor(110, 150, 255), QT_TRANSLATE_NOOP("TwilightLines", "astronomical")},
};

/// The labels laid out once a thread: shaping a text costs more than
/// drawing the four lines. Kept where they are while the font stays.
const QStaticText &labelText(const QString &label, const QFont &font)
{
    thread_local std::deque<std::pair<QString, QStaticText>> cache;
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

double symbolScale(const MapFrame &frame)
{
    return std::sqrt(std::max(1.0, frame.pixelsPerDegree() / 2.0));
}

// The symbols are filled, not stroked: filling a shape costs QPainter a
// fraction of stroking its outline.
void drawSunSymbol(QPainter &painter, const MapFrame &frame, const GeoPoint &subsolar)
{
    if (const auto p = frame.toFrame(subsolar))
        drawSunSymbolAt(painter, {p->x, p->y}, symbolScale(frame));
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

void drawMoonSymbol(QPainter &painter, const MapFrame &frame, const astro::SkyPositions &sky)
{
    if (const auto p = frame.toFrame(sky.sublunar))
        drawMoonSymbolAt(painter, {p->x, p->y}, symbolScale(frame), sky);
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

void drawTwilightLines(QImage &image, const MapFrame &frame, double scale, const SunQuantities &sun)
{
    const GeoPoint subsolar = overlaySubsolarPoint(sun);
    const double step = contourStepFor(frame.pixelsPerDegree() * scale);
    for (const TwilightLine &line : kTwilightLines) {
        FastLines lines(image, line.colour.rgba());
        for (const FrameLine &piece : frame.cut(altitudeContour(subsolar, line.altitudeDeg, step)))
            lines.polyline(piece, scale);
    }
}

namespace {
/// Where a twilight label is tried, in its heights up or down the line.
constexpr double kLineOffsets[] = {0.0, 1.0, -1.0, 2.0, -2.0, 3.0, -3.0};

/// Whether a box lies on the map, not on the black around a view.
bool isOnMap(const MapFrame &frame, const QRectF &box)
{
    for (const QPointF &corner :
         {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
        if (!frame.fromFrame({corner.x(), corner.y()}))
            return false;
    return true;
}
} // namespace

void drawTwilightLabels(QPainter &painter, const MapFrame &frame, const SunQuantities &sun,
                        const TextStyle &style, LabelPlacer &placer)
{
    const GeoPoint subsolar = overlaySubsolarPoint(sun);
    const double height = QFontMetricsF(style.font).height();
    const double mapWidth = frame.width();
    painter.save();
    painter.setFont(style.font);
    int row = 0;
    for (const TwilightLine &line : kTwilightLines) {
        const QStaticText *texts[] = {
            &labelText(QCoreApplication::translate("TwilightLines", line.label), style.font),
            &labelText(QCoreApplication::translate(
                           "TwilightLines", line.morningLabel ? line.morningLabel : line.label),
                       style.font)};
        // First a little below the equator, each line a row lower, so that the
        // labels do not overlap where the lines run close together; else a
        // label's height or more up or down the line, on either side of it.
        const double latitude = -5.0 * row++;
        const double step = height / frame.pixelsPerDegree();
        // On the evening's line, or on the morning's where a view shows
        // only that: the line is symmetric about the Sun's meridian.
        std::optional<QRectF> box;
        const QStaticText *text = nullptr;
        for (int attempt = 0; attempt < 14 && !box; ++attempt) {
            const bool evening = attempt < 7;
            text = texts[evening ? 0 : 1];
            const double width = text->size().width();
            const double lines = kLineOffsets[attempt % 7];
            const double at = latitude + lines * step;
            const double eveningAt = eveningLongitude(subsolar, line.altitudeDeg, at);
            const double longitude = evening ? eveningAt : 2.0 * subsolar.longitude - eveningAt;
            if (std::isnan(longitude))
                continue;
            const auto p = frame.toFrame({at, longitude});
            if (!p)
                continue;
            const double right = p->x + 2.0, left = p->x - 2.0 - width;
            // The label's line box sits on the parallel.
            const double top = p->y - height;
            const bool rightFirst = right + width <= mapWidth;
            QRectF candidates[2];
            size_t count = 0;
            for (const double x : {rightFirst ? right : left, rightFirst ? left : right}) {
                const QRectF candidate(x - 1, top, width + 2, height);
                if (x >= 0 && x + width <= mapWidth && top >= 0 && p->y <= frame.height() &&
                    isOnMap(frame, candidate))
                    candidates[count++] = candidate;
            }
            // Where they always were on the classic map, whatever the grids' labels.
            box = placer.place({candidates, count}, false);
        }
        if (!box)
            continue;
        painter.fillRect(*box, labelBoxColour());
        painter.setPen(line.colour);
        painter.drawStaticText(box->topLeft() + QPointF(1, 0), *text);
    }
    painter.restore();
}
