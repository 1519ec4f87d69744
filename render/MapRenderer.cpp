#include "render/MapRenderer.h"

#include "mapcore/GridLayout.h"
#include "mapcore/MarkerLayout.h"

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

namespace {
/// x / 255, rounded, for x in [0, 255 * 255].
inline uint32_t divideBy255(uint32_t x)
{
    x += 128;
    return (x + (x >> 8)) >> 8;
}

/// One row of the source-atop composite of the overlay (red, green, blue,
/// alpha; premultiplied) onto an opaque frame row (blue, green, red, alpha in
/// memory): result = overlay + frame x (1 - A / 255) for each colour, alpha
/// kept. Premultiplied colours never exceed their alpha, so no sum passes 255.
/// Written byte by byte so that the compiler turns it into vector code, built
/// for AVX2 too and chosen at run time.
__attribute__((target_clones("avx2", "default"), optimize("tree-vectorize"))) void
compositeAtopRow(uint8_t *__restrict frame, const uint8_t *__restrict overlay, int width)
{
    for (int i = 0; i < 4 * width; i += 4) {
        const uint32_t keep = 255u - overlay[i + 3];
        frame[i + 0] = uint8_t(overlay[i + 2] + divideBy255(frame[i + 0] * keep));
        frame[i + 1] = uint8_t(overlay[i + 1] + divideBy255(frame[i + 1] * keep));
        frame[i + 2] = uint8_t(overlay[i + 0] + divideBy255(frame[i + 2] * keep));
        frame[i + 3] = 255;
    }
}

void compositeAtopOpaque(QImage &frame, std::span<const uint8_t> overlay, int width, int height)
{
    for (int row = 0; row < height; ++row)
        compositeAtopRow(frame.scanLine(row), overlay.data() + size_t(row) * size_t(width) * 4,
                         width);
}
} // namespace

void paintNightOverlay(QPainter &painter, const MapGeometry &geometry,
                       std::span<const uint8_t> nightSamples, const UtcFields &instant,
                       std::vector<uint8_t> &scratch, const ViewCoordinates &view,
                       bool frameIsOpaqueMap)
{
    if (geometry.mapWidth <= 0 || geometry.mapHeight <= 0)
        return;
    const size_t bytes = size_t(geometry.mapWidth) * size_t(geometry.mapHeight) * 4;
    scratch.resize(bytes);
    if (!computeNightOverlay(geometry, nightSamples, instant, scratch))
        return;

    // On a frame that is the opaque map itself, one pixel per map pixel, the
    // composite is a single pass over the two buffers.
    auto *frame = dynamic_cast<QImage *>(painter.device());
    if (frameIsOpaqueMap && frame && frame->format() == QImage::Format_ARGB32_Premultiplied &&
        frame->width() == geometry.mapWidth && frame->height() == geometry.mapHeight &&
        frame->devicePixelRatio() == 1.0 && painter.transform().isIdentity()) {
        compositeAtopOpaque(*frame, scratch, geometry.mapWidth, geometry.mapHeight);
        return;
    }
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
    // drawn over them. A line 0.25 wide centred on its segment is the rectangle
    // it covers, and filling that is much cheaper than stroking.
    constexpr qreal kHalfLine = kGridLineWidth / 2;
    QList<QRectF> lines;
    for (const int32_t y : gridLinePositions(geometry.pixelsPerDegree, geometry.mapHeight)) {
        lines.append(view.rect(0, y - kHalfLine, geometry.mapWidth, kGridLineWidth));
        const QString text = QString::fromStdString(
            latitudeLabelText(latitudeLabelValue(y, geometry.pixelsPerDegree)));
        const QSizeF size = ViewCoordinates::textSize(text, font);
        const float labelY = latitudeLabelY(y);
        painter.fillRect(view.rect(0, labelY, size.width() + 2, size.height()), kLabelBoxColour);
        view.drawText(painter, 0, labelY, text, style);
    }
    for (const QRectF &line : lines)
        painter.fillRect(line, Qt::white);

    lines.clear();
    for (const int32_t x : gridLinePositions(geometry.pixelsPerDegree, geometry.mapWidth)) {
        lines.append(view.rect(x - kHalfLine, 0, kGridLineWidth, geometry.mapHeight));
        const int32_t value = longitudeLabelValue(x, geometry.pixelsPerDegree);
        if (!longitudeLabelShown(value))
            continue;
        const QString text = QString::fromStdString(longitudeLabelText(value));
        const QSizeF size = ViewCoordinates::textSize(text, font);
        const float labelX = longitudeLabelX(x, float(size.width()));
        painter.fillRect(view.rect(labelX, 0, size.width() + 2, size.height()), kLabelBoxColour);
        view.drawText(painter, labelX, 0, text, style);
    }
    for (const QRectF &line : lines)
        painter.fillRect(line, Qt::white);
    painter.restore();
}

void drawLocationSquares(QPainter &painter, std::span<const ZonePlace> places,
                         const MapGeometry &geometry, const ViewCoordinates &view)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The frame, 2 wide and centred on the square's edges, covers the square
    // grown by 1 on every side; the yellow fill then replaces its inside.
    constexpr qreal kHalfFrame = kSquareFrameWidth / 2;
    for (const ZonePlace &place : places) {
        const RectF r =
            locationSquareRect(place.latitude, place.longitude, geometry.pixelsPerDegree,
                               geometry.equatorialOffset, geometry.meridianOffset);
        const QRectF square = view.rect(r.x, r.y, r.width, r.height);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.fillRect(square.adjusted(-kHalfFrame, -kHalfFrame, kHalfFrame, kHalfFrame),
                         Qt::black);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(square, Qt::yellow);
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
    renderDayAndNight(painter, scene);
    renderLayers(painter, scene);
}

void MapRenderer::renderDayAndNight(QPainter &painter, const MapScene &scene)
{
    const ViewCoordinates view(scene.viewHeight);
    const MapGeometry &geometry = scene.geometry;

    // The day image, unscaled, with its bottom-left corner at the view's origin.
    // It is opaque, so painting it over the view is copying it.
    const bool dayCoversMap = scene.dayImage && !scene.dayImage->isNull() &&
                              scene.dayImage->width() == geometry.mapWidth &&
                              scene.dayImage->height() == geometry.mapHeight &&
                              !scene.dayImage->hasAlphaChannel();
    if (scene.dayImage && !scene.dayImage->isNull()) {
        painter.setCompositionMode(scene.dayImage->hasAlphaChannel()
                                       ? QPainter::CompositionMode_SourceOver
                                       : QPainter::CompositionMode_Source);
        painter.drawImage(view.rect(0, 0, scene.dayImage->width(), scene.dayImage->height()),
                          *scene.dayImage);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    paintNightOverlay(painter, geometry, scene.nightSamples, scene.instant, m_overlay, view,
                      dayCoversMap && scene.viewHeight == geometry.mapHeight);
}

void MapRenderer::renderLayers(QPainter &painter, const MapScene &scene)
{
    const ViewCoordinates view(scene.viewHeight);
    const MapGeometry &geometry = scene.geometry;
    if (scene.showLatLonGrid)
        drawGridLines(painter, geometry, scene.smallStyle, view);
    if (scene.showLocations)
        drawLocationSquares(painter, scene.locationPlaces, geometry, view);
    drawCityInfo(painter, scene.markerX, scene.markerY, scene.zoneLabel, scene.labelStyle,
                 geometry.mapWidth, view);
}
