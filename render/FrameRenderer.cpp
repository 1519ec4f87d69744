#include "render/FrameRenderer.h"

#include "mapcore/MapGeometry.h"
#include "model/MapModel.h"
#include "model/ShownTexts.h"
#include "model/SkyTexts.h"
#include "render/MapLayers.h"
#include "render/SkyLayers.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

FrameRenderer::FrameRenderer(const Resources &resources) : m_images(resources) {}

const QImage &FrameRenderer::render(const MapModel &model, QSize size, qreal ratio)
{
    return render(model, size, ratio, model.shownInstant());
}

const QImage &FrameRenderer::render(const MapModel &model, QSize size, qreal ratio,
                                    const QDateTime &shownInstant)
{
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (m_frame.size() != pixels)
        m_frame = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    if (m_frame.isNull())
        return m_frame; // out of memory, or no size at all
    m_frame.setDevicePixelRatio(ratio);
    const UtcFields instant = utcFields(shownInstant);

    // Day and night at device pixels, composed straight into the frame; the
    // layers above them are painted in points.
    const MapGeometry device = geometryFromSize(float(pixels.width()), float(pixels.height()));
    const QImage &day = m_images.dayImage(device);
    const std::span<const uint8_t> night = m_images.nightSamples(device);
    if (day.isNull() || night.empty()) {
        // The images could not be had at this size: memory ran short.
        m_frame = QImage();
        return m_frame;
    }
    if (!composeDayAndNight(device, {day.constBits(), size_t(day.sizeInBytes())},
                            size_t(day.bytesPerLine()), night, instant,
                            {m_frame.bits(), size_t(m_frame.sizeInBytes())},
                            size_t(m_frame.bytesPerLine())))
        m_frame.fill(Qt::black);
    QPainter painter(&m_frame);

    // Up to the large map the layers are drawn at the map's own geometry.
    // Beyond it they grow gently with the map, drawn at a smaller map's
    // geometry and scaled up, so that texts stay readable on a 4K wallpaper.
    const double layerScale =
        std::sqrt(std::max(1.0, size.width() / double(kLargePreset.mapWidth)));
    const MapGeometry geometry =
        geometryFromSize(float(size.width() / layerScale), float(size.height() / layerScale));
    if (layerScale != 1.0)
        painter.scale(layerScale, layerScale);
    if (model.isLayerShown(MapLayer::Grid))
        gridPlan(geometry).replay(m_frame, painter);
    const ViewCoordinates view(2.0 * double(geometry.equatorialOffset));
    // Only the twilight lines need the overlay's sun beyond the kernel.
    const bool twilightLines = model.isLayerShown(MapLayer::TwilightLines);
    const SunQuantities sun = twilightLines ? sunQuantities(instant) : SunQuantities{};
    // Over the map and the grid, under the squares and the marker, which
    // stay readable.
    if (twilightLines)
        drawTwilightLines(painter, geometry, view, sun);
    if (model.isLayerShown(MapLayer::Sun) || model.isLayerShown(MapLayer::Moon)) {
        const astro::SkyPositions sky = astro::skyPositions(utcInstant(shownInstant));
        if (model.isLayerShown(MapLayer::Moon))
            drawMoonSymbol(painter, geometry, view, sky);
        if (model.isLayerShown(MapLayer::Sun))
            drawSunSymbol(painter, geometry, view, sky.subsolar);
    }
    if (model.isLayerShown(MapLayer::Locations))
        squaresPlan(model, geometry).replay(m_frame, painter);
    // The pins' and the lines' labels over the squares, around the marker and
    // its label, which are drawn last and over all.
    const GeoPoint marker = model.markerPlace();
    const float markerX = longitudeToX(marker.longitude, geometry);
    const float markerY = latitudeToY(marker.latitude, geometry);
    m_labels.clear();
    reserveZoneMarker(m_labels, markerX, markerY, model.zoneName(), labelTextStyle(),
                      geometry.mapWidth, view);
    if (!model.pinnedZones().isEmpty()) {
        std::vector<PinnedPlace> pins;
        for (const QString &zone : model.pinnedZones())
            pins.push_back({model.zones().placeOf(zone), cityOf(zone)});
        drawPinnedPlaces(painter, pins, geometry, smallTextStyle(), view, m_labels);
    }
    if (twilightLines)
        drawTwilightLabels(painter, geometry, view, sun, smallTextStyle(), m_labels);
    drawZoneMarker(painter, markerX, markerY, model.zoneName(), labelTextStyle(), geometry.mapWidth,
                   view);
    return m_frame;
}

void FrameRenderer::releaseMemory()
{
    m_frame = QImage();
    m_images.release();
}

LayerPlan &FrameRenderer::gridPlan(const MapGeometry &geometry)
{
    if (!m_gridPlan || geometry != m_gridGeometry) {
        m_gridGeometry = geometry;
        m_gridPlan.emplace();
        planGridLines(*m_gridPlan, geometry, smallTextStyle(),
                      ViewCoordinates(2.0 * double(geometry.equatorialOffset)));
    }
    return *m_gridPlan;
}

LayerPlan &FrameRenderer::squaresPlan(const MapModel &model, const MapGeometry &geometry)
{
    const std::vector<GeoPoint> &places = model.locationPlaces();
    if (!m_squaresPlan || geometry != m_squaresGeometry || places != m_squaresPlaces) {
        m_squaresGeometry = geometry;
        m_squaresPlaces = places;
        m_squaresPlan.emplace();
        planLocationSquares(*m_squaresPlan, places, geometry,
                            ViewCoordinates(2.0 * double(geometry.equatorialOffset)));
    }
    return *m_squaresPlan;
}
