#include "render/FrameRenderer.h"

#include "mapcore/MapGeometry.h"
#include "model/MapModel.h"
#include "model/SkyTexts.h"
#include "render/MapLayers.h"
#include "render/SkyLayers.h"

#include <QPainter>

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
    m_frame.setDevicePixelRatio(ratio);
    const MapGeometry geometry = geometryFromSize(float(size.width()), float(size.height()));
    const float boundsWidth = float(size.width());
    const UtcFields instant = utcFields(shownInstant);

    // With more device pixels than points, the larger maps may fit the screen
    // better than the ones the map's size picks: the day and night are then
    // drawn from them, at their own geometry, and scaled into the frame.
    const float deviceWidth = float(pixels.width());
    const bool sharperPair =
        ratio > 1.0 && MapImages::dayImageName(deviceWidth) != MapImages::dayImageName(boundsWidth);
    const QImage *dayImage = sharperPair ? nullptr : &m_images.dayImage(boundsWidth, geometry);
    // The opaque day image covers a frame of its own size; anything else is
    // drawn onto black.
    if (!dayImage || dayImage->size() != pixels)
        m_frame.fill(Qt::black);
    QPainter painter(&m_frame);
    if (!sharperPair) {
        paintDayAndNight(painter, geometry, size.height(), dayImage,
                         m_images.nightSamples(boundsWidth, geometry), instant, m_overlay);
    } else {
        const MapGeometry base = kLargePreset;
        const float baseWidth = float(base.mapWidth);
        if (m_base.size() != QSize(base.mapWidth, base.mapHeight))
            m_base = QImage(base.mapWidth, base.mapHeight, QImage::Format_ARGB32_Premultiplied);
        m_base.fill(Qt::black);
        {
            QPainter basePainter(&m_base);
            paintDayAndNight(basePainter, base, base.mapHeight, &m_images.dayImage(baseWidth, base),
                             m_images.nightSamples(baseWidth, base), instant, m_overlay);
        }
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(0, 0, size.width(), size.height()), m_base);
    }

    if (model.showGrid())
        gridPlan(geometry).replay(m_frame, painter);
    const ViewCoordinates view(size.height());
    // Over the map and the grid, under the squares and the marker, which
    // stay readable.
    if (model.showTwilightLines())
        drawTwilightLines(painter, geometry, view, sunQuantities(instant), smallTextStyle());
    if (model.showSun() || model.showMoon()) {
        const astro::SkyPositions sky = astro::skyPositions(utcInstant(shownInstant));
        if (model.showMoon())
            drawMoonSymbol(painter, geometry, view, sky);
        if (model.showSun())
            drawSunSymbol(painter, geometry, view, sky.subsolar);
    }
    if (model.showLocations())
        squaresPlan(model, geometry).replay(m_frame, painter);
    if (!model.pinnedZones().isEmpty()) {
        std::vector<PinnedPlace> pins;
        for (const QString &zone : model.pinnedZones())
            pins.push_back(
                {model.zones().placeOf(zone),
                 zone.section(QLatin1Char('/'), -1).replace(QLatin1Char('_'), QLatin1Char(' '))});
        drawPinnedPlaces(painter, pins, geometry, smallTextStyle(), view);
    }
    const ZonePlace marker = model.markerDegrees();
    drawCityInfo(painter, longitudeToX(marker.longitude, geometry),
                 latitudeToY(marker.latitude, geometry), model.zoneName(), labelTextStyle(),
                 geometry.mapWidth, view);
    return m_frame;
}

LayerPlan &FrameRenderer::gridPlan(const MapGeometry &geometry)
{
    if (!m_gridPlan || geometry != m_gridGeometry) {
        m_gridGeometry = geometry;
        m_gridPlan.emplace();
        planGridLines(*m_gridPlan, geometry, smallTextStyle(), ViewCoordinates(geometry.mapHeight));
    }
    return *m_gridPlan;
}

LayerPlan &FrameRenderer::squaresPlan(const MapModel &model, const MapGeometry &geometry)
{
    const std::vector<ZonePlace> &places = model.locationPlaces();
    const auto samePlace = [](const ZonePlace &a, const ZonePlace &b) {
        return a.latitude == b.latitude && a.longitude == b.longitude;
    };
    if (!m_squaresPlan || geometry != m_squaresGeometry ||
        !std::equal(places.begin(), places.end(), m_squaresPlaces.begin(), m_squaresPlaces.end(),
                    samePlace)) {
        m_squaresGeometry = geometry;
        m_squaresPlaces = places;
        m_squaresPlan.emplace();
        planLocationSquares(*m_squaresPlan, places, geometry, ViewCoordinates(geometry.mapHeight));
    }
    return *m_squaresPlan;
}
