#include "render/FrameRenderer.h"

#include "astro/Sphere.h"

#include "mapcore/MapGeometry.h"
#include "model/MapModel.h"
#include "model/ShownTexts.h"
#include "model/SkyTexts.h"
#include "render/MapLayers.h"
#include "render/PlaceLayers.h"
#include "render/SkyLayers.h"
#include "render/ViewLayers.h"

#include <QPainter>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {
/// The layers' points over a view: beyond the large map they grow gently,
/// as on the classic map.
struct LayerSpace
{
    double scale, width, height;
};

LayerSpace layerSpaceFor(QSize size)
{
    const double scale = std::sqrt(
        std::max(1.0, std::max(size.width(), 2 * size.height()) / double(kLargePreset.mapWidth)));
    return {scale, size.width() / scale, size.height() / scale};
}

/// Home and target, then the pins: in the order their labels are placed.
std::vector<MarkedPlace> markedPlaces(const MapModel &model)
{
    std::vector<MarkedPlace> marked;
    for (const PlaceEndInfo &end : kPlaceEnds) {
        const std::optional<ChosenPlace> &chosen = model.place(end.end);
        if (!chosen)
            continue;
        const places::Place &place = chosen->place;
        const QString label = shownName(*chosen);
        marked.push_back(
            {place.point, label, end.end == PlaceEnd::Home ? PlaceMark::Home : PlaceMark::Target});
    }
    for (const QString &zone : model.pinnedZones())
        marked.push_back({model.zones().placeOf(zone), cityOf(zone)});
    return marked;
}

/// Where a place lands on the classic map, in the layers' points.
PlaceToPoint pointsOf(const MapGeometry &geometry)
{
    const ViewCoordinates view(2.0 * double(geometry.equatorialOffset));
    return [geometry, view](const GeoPoint &place) -> std::optional<QPointF> {
        return view.point(longitudeToX(float(place.longitude), geometry),
                          latitudeToY(float(place.latitude), geometry));
    };
}

/// Where a place lands in a view, in the layers' points.
PlaceToPoint pointsOf(const MapProjection &projection)
{
    return [&projection](const GeoPoint &place) -> std::optional<QPointF> {
        const auto p = projection.forward(place);
        return p ? std::optional(QPointF(p->x, p->y)) : std::nullopt;
    };
}

/// The ends of the paths, when they are shown and both places are set.
std::optional<std::array<GeoPoint, 2>> shownPaths(const MapModel &model)
{
    const auto &home = model.place(PlaceEnd::Home), &target = model.place(PlaceEnd::Target);
    if (!model.isLayerShown(MapLayer::Paths) || !home || !target)
        return std::nullopt;
    return std::array{home->place.point, target->place.point};
}

/// A painter set to paint in the layers' points.
void setUpLayerSpace(QPainter &painter, const LayerSpace &space)
{
    if (space.scale != 1.0)
        painter.scale(space.scale, space.scale);
    painter.setWindow(0, 0, int(space.width), int(space.height));
    painter.setViewport(0, 0, int(space.width), int(space.height));
}

template <typename Draw> void paintOn(QImage &image, const LayerSpace &space, Draw &&draw)
{
    QPainter painter(&image);
    setUpLayerSpace(painter, space);
    draw(painter);
}
} // namespace

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
    if (!model.isClassicView()) {
        prepareViewLayers(model, size);
        if (!composeView(model, pixels, instant)) {
            m_frame = QImage();
            return m_frame;
        }
        drawViewLayers(model, size, shownInstant, instant);
        return m_frame;
    }

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
    prepareMapLayers(model, geometry, layerScale);
    if (model.isLayerShown(MapLayer::Grid))
        gridPlan(geometry).replay(m_frame, painter);
    m_mapLocatorGrid.blendOnto(m_frame);
    const ViewCoordinates view(2.0 * double(geometry.equatorialOffset));
    const PlaceToPoint at = pointsOf(geometry);
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
    m_mapPaths.blendOnto(m_frame);
    if (model.isLayerShown(MapLayer::Locations))
        squaresPlan(model, geometry).replay(m_frame, painter);
    // Home, target and the pins with their labels, and the lines' labels, over
    // the squares, around the marker and its label, which are drawn last and
    // over all.
    const GeoPoint marker = model.markerPlace();
    const float markerX = longitudeToX(marker.longitude, geometry);
    const float markerY = latitudeToY(marker.latitude, geometry);
    m_labels.clear();
    reserveZoneMarker(m_labels, markerX, markerY, model.zoneName(), m_labelStyle, geometry.mapWidth,
                      view);
    if (const std::vector<MarkedPlace> marked = markedPlaces(model); !marked.empty())
        drawMarkedPlaces(painter, marked, at, geometry.mapWidth, m_smallStyle, view, m_labels);
    if (twilightLines)
        drawTwilightLabels(painter, geometry, view, sun, m_smallStyle, m_labels);
    drawZoneMarker(painter, markerX, markerY, model.zoneName(), m_labelStyle, geometry.mapWidth,
                   view);
    return m_frame;
}

void FrameRenderer::prepareMapLayers(const MapModel &model, const MapGeometry &geometry,
                                     double layerScale)
{
    const StaticMapLayers key{m_frame.size(), m_frame.devicePixelRatio(),
                              model.isLayerShown(MapLayer::LocatorGrid), shownPaths(model)};
    if (key == m_staticMapLayers)
        return;
    m_staticMapLayers = key;
    const ViewCoordinates view(2.0 * double(geometry.equatorialOffset));
    recordLayer(m_mapLocatorGrid, key.locator, [&](QPainter &painter) {
        painter.scale(layerScale, layerScale);
        drawLocatorGrid(painter, geometry, m_smallStyle, view);
    });
    recordLayer(m_mapPaths, key.paths.has_value(), [&](QPainter &painter) {
        painter.scale(layerScale, layerScale);
        // A step of a quarter of the map is a path crossing its edge.
        drawPaths(painter, (*key.paths)[0], (*key.paths)[1], pointsOf(geometry),
                  0.25 * geometry.mapWidth);
    });
}

template <typename Paint>
void FrameRenderer::recordLayer(SparseLayer &layer, bool drawn, Paint &&paint)
{
    if (!drawn) {
        layer.clear();
        return;
    }
    if (m_layerScratch.size() != m_frame.size())
        m_layerScratch = QImage(m_frame.size(), QImage::Format_ARGB32_Premultiplied);
    m_layerScratch.setDevicePixelRatio(m_frame.devicePixelRatio());
    m_layerScratch.fill(Qt::transparent);
    {
        QPainter painter(&m_layerScratch);
        paint(painter);
    }
    layer.record(m_layerScratch);
}

bool FrameRenderer::composeView(const MapModel &model, QSize pixels, const UtcFields &instant)
{
    const MapProjection projection(model.view(), model.viewCentre(), pixels.width(),
                                   pixels.height(), model.fit());
    // The pixels hold the view's own frame, so that a new centre prepares
    // nothing. A view's first frame at a size keeps none, as a snapshot
    // draws only one; only its name is kept, and the second prepares them.
    const int threads = std::max(1, QThread::idealThreadCount());
    const MapProjection viewFrame = viewFrameOf(projection);
    const bool seen = m_viewPixels.projection == viewFrame;
    if (seen && m_viewPixels.x.empty() && !prepareViewPixels(projection, threads, m_viewPixels))
        return false;
    if (!seen) {
        m_viewPixels = ViewPixels{};
        m_viewPixels.projection = viewFrame;
    }
    const QImage &day = m_images.worldSource(false);
    const QImage &night = m_images.worldSource(true);
    if (day.isNull() || night.isNull())
        return false;
    auto world = [](const QImage &image) {
        return WorldImage{reinterpret_cast<const uint32_t *>(image.constBits()), image.width(),
                          image.height(), size_t(image.bytesPerLine()) / 4};
    };
    // While the centre moves the images are sampled at their nearest pixel;
    // the frame at rest, and every frame that is kept, blends them.
    const ShadingQuality quality =
        model.isCentreMoving() ? ShadingQuality::Draft : ShadingQuality::Exact;
    // The grid and the rings are blended onto each band of rows as soon as
    // it is shaded, while it is still in the cache; one band at a time, as
    // the frame is one QImage.
    uchar *bits = m_frame.bits();
    std::mutex blending;
    const auto blend = [this, &blending](int32_t first, int32_t end) {
        const std::lock_guard lock(blending);
        m_viewUnder.blendOnto(m_frame, first, end);
    };
    const std::span<uint8_t> frame{bits, size_t(m_frame.sizeInBytes())};
    const auto stride = size_t(m_frame.bytesPerLine());
    return seen ? shadeView(m_viewPixels, projection, world(day), world(night), instant, quality,
                            frame, stride, threads, blend)
                : shadeViewOnce(projection, world(day), world(night), instant, quality, frame,
                                stride, threads, blend);
}

void FrameRenderer::prepareViewLayers(const MapModel &model, QSize size)
{
    const LayerSpace space = layerSpaceFor(size);
    m_layerProjection =
        MapProjection(model.view(), model.viewCentre(), space.width, space.height, model.fit());
    const MapProjection &projection = m_layerProjection;
    // The layers that stay while the view stays are painted once, the grid
    // and the rings under the sky, the squares over it.
    const StaticViewLayers key{projection,
                               m_frame.size(),
                               m_frame.devicePixelRatio(),
                               model.isLayerShown(MapLayer::Grid),
                               model.isLayerShown(MapLayer::RangeRings),
                               model.isLayerShown(MapLayer::Locations),
                               model.isLayerShown(MapLayer::LocatorGrid),
                               shownPaths(model)};
    if (key == m_staticViewLayers)
        return;
    m_staticViewLayers = key;
    recordLayer(m_viewUnder, key.grid || key.locator || key.rings, [&](QPainter &painter) {
        setUpLayerSpace(painter, space);
        if (key.grid)
            drawViewGrid(painter, projection, m_smallStyle);
        if (key.locator)
            drawViewLocatorGrid(painter, projection, m_smallStyle);
        if (key.rings)
            drawRangeRings(painter, projection, m_smallStyle);
    });
    recordLayer(m_viewOver, key.paths || key.squares, [&](QPainter &painter) {
        setUpLayerSpace(painter, space);
        // A step of a quarter of the frame is a path crossing a world map's edge.
        if (key.paths)
            drawPaths(painter, (*key.paths)[0], (*key.paths)[1], pointsOf(projection),
                      0.25 * std::max(space.width, space.height));
        if (key.squares)
            drawViewSquares(painter, projection, model.locationPlaces());
    });
}

void FrameRenderer::drawViewLayers(const MapModel &model, QSize size, const QDateTime &shownInstant,
                                   const UtcFields &instant)
{
    const LayerSpace space = layerSpaceFor(size);
    const double width = space.width;
    const double height = space.height;
    const MapProjection &projection = m_layerProjection;
    const auto paintOn = [&space](QImage &image, auto &&draw) { ::paintOn(image, space, draw); };

    // As on the classic map: 1 at two pixels a degree.
    const double symbolScale =
        std::sqrt(std::max(1.0, projection.scale() * sphere::kDegToRad / 2.0));
    const PlaceToPoint at = pointsOf(projection);
    paintOn(m_frame, [&](QPainter &painter) {
        if (model.isLayerShown(MapLayer::TwilightLines))
            drawTwilightLines(painter, projection, sunQuantities(instant));
        if (model.isLayerShown(MapLayer::Sun) || model.isLayerShown(MapLayer::Moon)) {
            const astro::SkyPositions sky = astro::skyPositions(utcInstant(shownInstant));
            if (model.isLayerShown(MapLayer::Moon))
                if (const auto p = at(sky.sublunar))
                    drawMoonSymbolAt(painter, *p, symbolScale, sky);
            if (model.isLayerShown(MapLayer::Sun))
                if (const auto p = at(sky.subsolar))
                    drawSunSymbolAt(painter, *p, symbolScale);
        }
    });
    m_viewOver.blendOnto(m_frame);

    const ViewCoordinates view(height);
    m_labels.clear();
    const auto marker = at(model.markerPlace());
    const auto markerX = marker ? float(marker->x()) : 0.0f;
    const auto markerY = marker ? float(height - marker->y()) : 0.0f;
    paintOn(m_frame, [&](QPainter &painter) {
        if (marker)
            reserveZoneMarker(m_labels, markerX, markerY, model.zoneName(), m_labelStyle,
                              int32_t(width), view);
        if (const std::vector<MarkedPlace> marked = markedPlaces(model); !marked.empty())
            drawMarkedPlaces(painter, marked, at, width, m_smallStyle, view, m_labels);
        if (marker)
            drawZoneMarker(painter, markerX, markerY, model.zoneName(), m_labelStyle,
                           int32_t(width), view);
    });
}

void FrameRenderer::setTextScale(double scale)
{
    if (scale == m_textScale)
        return;
    m_textScale = scale;
    m_smallStyle = smallTextStyle(scale);
    m_labelStyle = labelTextStyle(scale);
    // The grid's labels are in what is painted once.
    m_gridPlan.reset();
    m_staticViewLayers = {};
    m_staticMapLayers = {};
}

void FrameRenderer::releaseMemory()
{
    m_viewPixels = ViewPixels{};
    m_staticViewLayers = {};
    m_viewUnder.clear();
    m_viewOver.clear();
    m_staticMapLayers = {};
    m_mapLocatorGrid.clear();
    m_mapPaths.clear();
    m_layerScratch = QImage();
    m_frame = QImage();
    m_images.release();
}

LayerPlan &FrameRenderer::gridPlan(const MapGeometry &geometry)
{
    if (!m_gridPlan || geometry != m_gridGeometry) {
        m_gridGeometry = geometry;
        m_gridPlan.emplace();
        planGridLines(*m_gridPlan, geometry, m_smallStyle,
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
