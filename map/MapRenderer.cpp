#include "map/MapRenderer.h"

#include "map/GridLayout.h"
#include "map/MarkerLayout.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kLabelBoxColour(0, 0, 0, 128); // black at 50 %
constexpr qreal kGridLineWidth = 0.25;
constexpr qreal kSquareFrameWidth = 2.0;
} // namespace

QFont mapFont(int pixelSize)
{
    QFont font(QStringLiteral("Lucida Grande"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

TextStyle labelTextStyle()
{
    return {mapFont(14), Qt::white};
}

TextStyle smallTextStyle()
{
    return {mapFont(8), Qt::white};
}

QSizeF ViewCoordinates::textSize(const QString &text, const QFont &font)
{
    const QFontMetricsF metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

void ViewCoordinates::drawText(QPainter &painter, double x, double y, const QString &text,
                               const TextStyle &style) const
{
    const QFontMetricsF metrics(style.font);
    painter.setFont(style.font);
    painter.setPen(style.color);
    // The line box's bottom lies one descent below the baseline.
    painter.drawText(point(x, y) - QPointF(0.0, metrics.descent()), text);
}

UtcFields utcFields(const QDateTime &instant)
{
    const QDateTime utc = instant.toUTC();
    const QDate date = utc.date();
    const QTime time = utc.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

void paintNightOverlay(QPainter &painter, const MapGeometry &geometry,
                       std::span<const uint8_t> nightSamples, const UtcFields &instant,
                       std::vector<uint8_t> &scratch, const ViewCoordinates &view)
{
    if (geometry.mapWidth <= 0 || geometry.mapHeight <= 0)
        return;
    const size_t bytes = size_t(geometry.mapWidth) * size_t(geometry.mapHeight) * 4;
    scratch.resize(bytes);
    if (!computeNightOverlay(geometry, nightSamples, instant, scratch))
        return;
    const QImage overlay(scratch.data(), geometry.mapWidth, geometry.mapHeight,
                         geometry.mapWidth * 4, QImage::Format_RGBA8888_Premultiplied);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.drawImage(view.rect(0, 0, geometry.mapWidth, geometry.mapHeight), overlay);
    painter.restore();
}

void drawGridLines(QPainter &painter, const MapGeometry &geometry, const TextStyle &style,
                   const ViewCoordinates &view)
{
    const QFont &font = style.font;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // Labels first, each box then its text; the lines of one direction are then
    // stroked together over them.
    QPainterPath lines;
    for (const int32_t y : gridLinePositions(geometry.pixelsPerDegree, geometry.mapHeight)) {
        lines.moveTo(view.point(0, y));
        lines.lineTo(view.point(geometry.mapWidth, y));
        const QString text = QString::fromStdString(
            latitudeLabelText(latitudeLabelValue(y, geometry.pixelsPerDegree)));
        const QSizeF size = ViewCoordinates::textSize(text, font);
        const float labelY = latitudeLabelY(y);
        painter.fillRect(view.rect(0, labelY, size.width() + 2, size.height()), kLabelBoxColour);
        view.drawText(painter, 0, labelY, text, style);
    }
    painter.strokePath(lines, QPen(Qt::white, kGridLineWidth));

    lines.clear();
    for (const int32_t x : gridLinePositions(geometry.pixelsPerDegree, geometry.mapWidth)) {
        lines.moveTo(view.point(x, 0));
        lines.lineTo(view.point(x, geometry.mapHeight));
        const int32_t value = longitudeLabelValue(x, geometry.pixelsPerDegree);
        if (!longitudeLabelShown(value))
            continue;
        const QString text = QString::fromStdString(longitudeLabelText(value));
        const QSizeF size = ViewCoordinates::textSize(text, font);
        const float labelX = longitudeLabelX(x, float(size.width()));
        painter.fillRect(view.rect(labelX, 0, size.width() + 2, size.height()), kLabelBoxColour);
        view.drawText(painter, labelX, 0, text, style);
    }
    painter.strokePath(lines, QPen(Qt::white, kGridLineWidth));
    painter.restore();
}

void drawLocationSquares(QPainter &painter, std::span<const ZonePlace> places,
                         const MapGeometry &geometry, const ViewCoordinates &view)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen frame(Qt::black, kSquareFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    for (const ZonePlace &place : places) {
        const RectF r = locationSquareRect(place.latitude, place.longitude, geometry.pixelsPerDegree,
                                           geometry.equatorialOffset, geometry.meridianOffset);
        const QRectF square = view.rect(r.x, r.y, r.width, r.height);
        painter.setPen(frame);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(square);
        // The yellow replaces what lies beneath, as a rectangle fill does.
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(square, Qt::yellow);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.restore();
}

void drawCityInfo(QPainter &painter, float markerX, float markerY, const QString &label,
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
        const QSizeF size = ViewCoordinates::textSize(label, style.font);
        const float width = float(size.width());
        const float height = float(size.height());
        const float shift = labelShift(markerX, width, mapWidth);
        const RectF box = zoneLabelBox(markerX, markerY, width, height, shift);
        painter.fillRect(view.rect(box.x, box.y, box.width, box.height), kLabelBoxColour);
        const PointF origin = zoneLabelTextOrigin(markerX, markerY, shift);
        view.drawText(painter, origin.x, origin.y, label, style);
    }
    painter.restore();
}

void MapRenderer::render(QPainter &painter, const MapScene &scene)
{
    const ViewCoordinates view(scene.viewHeight);
    const MapGeometry &geometry = scene.geometry;

    // The day image, unscaled, with its bottom-left corner at the view's origin.
    if (scene.dayImage && !scene.dayImage->isNull()) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(view.rect(0, 0, scene.dayImage->width(), scene.dayImage->height()),
                          *scene.dayImage);
    }
    paintNightOverlay(painter, geometry, scene.nightSamples, scene.instant, m_overlay, view);

    if (scene.showLatLonGrid)
        drawGridLines(painter, geometry, scene.smallStyle, view);
    if (scene.showLocations)
        drawLocationSquares(painter, scene.locationPlaces, geometry, view);
    drawCityInfo(painter, scene.markerX, scene.markerY, scene.zoneLabel, scene.labelStyle,
                 geometry.mapWidth, view);
}
