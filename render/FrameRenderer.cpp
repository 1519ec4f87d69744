#include "render/FrameRenderer.h"

#include "astro/Sphere.h"

#include "mapcore/MapGeometry.h"
#include "mapcore/MapProjection.h"
#include "model/MapModel.h"
#include "model/ShownTexts.h"
#include "model/SkyTexts.h"
#include "platform/LargeImage.h"
#include "render/EclipseLabels.h"
#include "render/EclipseLayers.h"
#include "render/FastLines.h"
#include "render/MapLayers.h"
#include "render/PixelLayer.h"
#include "render/PlaceLayers.h"
#include "render/SatelliteLayers.h"
#include "render/SkyLayers.h"
#include "render/WeatherLayers.h"

#include <QPainter>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
constexpr QRgb kRimColour = qRgb(96, 96, 96);

/// Up to the large map the layers are drawn at the map's own size. Beyond it
/// they grow gently with the map, drawn at a smaller size and scaled up, so
/// that texts stay readable on a 4K wallpaper.
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

/// The chosen satellites at an instant, as seen from home when it is set.
std::vector<SatelliteNow> satellitesAt(const MapModel &model, const QDateTime &instant)
{
    const auto &home = model.place(PlaceEnd::Home);
    return model.satellites().at(double(instant.toMSecsSinceEpoch()) / 1000.0,
                                 home ? std::optional(home->place.point) : std::nullopt,
                                 model.homeElevation());
}
} // namespace

MapFrame mapFrameFor(const MapModel &model, QSizeF size)
{
    if (model.isClassicView())
        return MapFrame(geometryFromSize(float(size.width()), float(size.height())));
    return MapFrame(
        MapProjection(model.view(), model.viewCentre(), size.width(), size.height(), model.fit()));
}

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
        m_frame = largeImage(pixels, QImage::Format_ARGB32_Premultiplied);
    if (m_frame.isNull())
        return m_frame; // out of memory, or no size at all
    m_frame.setDevicePixelRatio(ratio);
    const UtcFields instant = utcFields(shownInstant);
    // Worked out once a frame, for the footprints and for the tracks and symbols.
    const std::vector<SatelliteNow> satellites =
        model.isLayerShown(MapLayer::Satellites) && !model.satellites().shown().empty()
            ? satellitesAt(model, shownInstant)
            : std::vector<SatelliteNow>{};
    const std::vector<std::unique_ptr<PixelLayer>> layers =
        pixelLayers(model, pixels, shownInstant, satellites);
    const PixelLayerKey key = PixelLayerPass::keyOf(layers);
    const PixelFrame pixelFrame = SampledPixels::frameOf(model, pixels);
    // What the layers drew before is blended back into each band of rows as
    // soon as it is shaded, while the band is still in the cache.
    uint8_t *const bits = m_frame.bits();
    const auto stride = size_t(m_frame.bytesPerLine());
    const bool blendWhileShading = !layers.empty() && m_pixelLayers.keeps(pixelFrame, key);
    const auto blendKept = [&](int32_t first, int32_t end) {
        m_pixelLayers.blendKept(bits, stride, first, end);
    };
    const std::function<void(int32_t, int32_t)> afterRows =
        blendWhileShading ? std::function<void(int32_t, int32_t)>(blendKept) : nullptr;
    // The one choice between the classic map and the views: how day and night
    // are shaded. Everything over them is the same for both.
    if (!(model.isClassicView() ? composeMap(pixels, instant, afterRows)
                                : composeView(model, pixels, instant, afterRows))) {
        m_frame = QImage();
        return m_frame;
    }
    if (!blendWhileShading && !layers.empty()) {
        // The views' prepared pixels serve again, turned to the centre.
        const PixelPlaces places =
            model.isClassicView()
                ? PixelPlaces(geometryFromSize(float(pixels.width()), float(pixels.height())))
                : PixelPlaces(MapProjection(model.view(), model.viewCentre(), pixels.width(),
                                            pixels.height(), model.fit()),
                              &m_viewPixels);
        m_pixelLayers.draw(layers, key, pixelFrame, places, bits, stride,
                           std::max(1, QThread::idealThreadCount()));
    }
    const LayerSpace space = layerSpaceFor(size);
    const MapFrame frame = mapFrameFor(model, {space.width, space.height});
    QPainter painter(&m_frame);
    if (space.scale != 1.0)
        painter.scale(space.scale, space.scale);
    drawLayers(model, painter, frame, space.scale * ratio, shownInstant, instant, satellites);
    return m_frame;
}

bool FrameRenderer::composeMap(QSize pixels, const UtcFields &instant,
                               const std::function<void(int32_t, int32_t)> &afterRows)
{
    // Day and night at device pixels, composed straight into the frame.
    const MapGeometry device = geometryFromSize(float(pixels.width()), float(pixels.height()));
    const QImage &day = m_images.dayImage(device);
    const std::span<const uint8_t> night = m_images.nightSamples(device);
    if (day.isNull() || night.empty())
        return false; // the images could not be had at this size: memory ran short
    if (!composeDayAndNight(device, {day.constBits(), size_t(day.sizeInBytes())},
                            size_t(day.bytesPerLine()), night, instant,
                            {m_frame.bits(), size_t(m_frame.sizeInBytes())},
                            size_t(m_frame.bytesPerLine()), afterRows)) {
        m_frame.fill(Qt::black);
        if (afterRows)
            afterRows(0, m_frame.height());
    }
    return true;
}

std::vector<std::unique_ptr<PixelLayer>>
FrameRenderer::pixelLayers(const MapModel &model, QSize pixels, const QDateTime &shownInstant,
                           const std::vector<SatelliteNow> &satellites)
{
    // Each shown layer with something to draw at the instant.
    std::vector<std::unique_ptr<PixelLayer>> layers;
    if (model.isLayerShown(MapLayer::Eclipses))
        addEclipsePixelLayers(layers, shownInstant.toMSecsSinceEpoch() / 1000.0,
                              mapFrameFor(model, QSizeF(pixels)));
    if (!satellites.empty())
        layers.push_back(std::make_unique<FootprintLayer>(satellites));
    layers.push_back(cloudLayerFor(model, shownInstant, pixels, m_weather));
    layers.push_back(auroraLayerFor(model, shownInstant, pixels, m_weather));
    std::erase(layers, nullptr);
    return layers;
}

void FrameRenderer::drawLayers(const MapModel &model, QPainter &painter, const MapFrame &frame,
                               double scale, const QDateTime &shownInstant,
                               const UtcFields &instant,
                               const std::vector<SatelliteNow> &satellites)
{
    const auto shown = [&model](MapLayer layer) { return model.isLayerShown(layer); };
    const bool moving = model.isCentreMoving();
    m_labels.clear();
    // The edge of the Earth, which the night would otherwise lose in the black;
    // worked out again only for a new frame, as a view's rim costs as many
    // projections as its grid.
    if (!(m_rimFrame == frame)) {
        m_rim = frame.rim();
        m_rimFrame = frame;
    }
    FastLines rim(m_frame, kRimColour);
    for (const FrameLine &piece : m_rim)
        rim.polyline(piece, scale);
    // Under the sky's layers: the grids and the rings.
    if (shown(MapLayer::Grid))
        replayLasting(MapLayer::Grid, painter, frame, scale, moving, {},
                      [&](LayerPlan &plan) { planGrid(plan, frame, m_smallStyle); });
    if (shown(MapLayer::LocatorGrid))
        replayLasting(MapLayer::LocatorGrid, painter, frame, scale, moving, {},
                      [&](LayerPlan &plan) { planLocatorGrid(plan, frame, m_smallStyle); });
    if (shown(MapLayer::RangeRings))
        replayLasting(MapLayer::RangeRings, painter, frame, scale, moving, {},
                      [&](LayerPlan &plan) { planRangeRings(plan, frame, m_smallStyle); });
    if (shown(MapLayer::Eclipses)) {
        const auto eclipse = eclipses::eclipseWithin(shownInstant.toMSecsSinceEpoch() / 1000.0,
                                                     kEclipseShownSeconds);
        if (eclipse && eclipse->kind == eclipses::Kind::Solar)
            replayLasting(
                MapLayer::Eclipses, painter, frame, scale, moving, std::array{eclipse->place},
                [&](LayerPlan &plan) { planEclipsePath(plan, frame, *eclipse, m_smallStyle); });
    }
    // Only the twilight lines need the overlay's sun beyond the kernel.
    const bool twilightLines = shown(MapLayer::TwilightLines);
    const SunQuantities sun = twilightLines ? sunQuantities(instant) : SunQuantities{};
    if (twilightLines)
        drawTwilightLines(m_frame, frame, scale, sun);
    if (shown(MapLayer::Sun) || shown(MapLayer::Moon)) {
        const astro::SkyPositions sky = astro::skyPositions(utcInstant(shownInstant));
        if (shown(MapLayer::Moon)) {
            drawMoonSymbol(painter, frame, sky);
            if (shown(MapLayer::Eclipses))
                drawMoonInUmbra(painter, frame, sky.sublunar,
                                shownInstant.toMSecsSinceEpoch() / 1000.0);
        }
        if (shown(MapLayer::Sun))
            drawSunSymbol(painter, frame, sky.subsolar);
    }
    // The satellites' tracks under the paths; their symbols and names with
    // the other marks below.
    if (!satellites.empty()) {
        const auto &home = model.place(PlaceEnd::Home);
        const double now = double(shownInstant.toMSecsSinceEpoch()) / 1000.0;
        m_satelliteTracks.update(satellites, now,
                                 home ? std::optional(home->place.point) : std::nullopt,
                                 model.homeElevation(), model.satellites().elevationMask());
        m_satelliteTrackLines.draw(m_frame, frame, scale, satellites, m_satelliteTracks, now);
    }
    // Over them, the paths and the squares, which stay readable.
    const auto &home = model.place(PlaceEnd::Home), &target = model.place(PlaceEnd::Target);
    if (shown(MapLayer::Paths) && home && target)
        replayLasting(MapLayer::Paths, painter, frame, scale, moving,
                      std::array{home->place.point, target->place.point}, [&](LayerPlan &plan) {
                          const GeoPoint from = home->place.point, to = target->place.point;
                          plan.paint(
                              [frame, from, to](QPainter &p) { drawPaths(p, frame, from, to); },
                              [frame, from, to](QImage &image, double pixels) {
                                  drawPathsRoughly(image, pixels, frame, from, to);
                              });
                      });
    if (shown(MapLayer::Locations)) {
        const std::vector<GeoPoint> &places = model.locationPlaces();
        replayLasting(MapLayer::Locations, painter, frame, scale, moving, places,
                      [&](LayerPlan &plan) { planSquares(plan, frame, places); });
    }

    // Home, target and the pins with their labels, and the lines' labels, over
    // the squares, around the marker and its label, which are drawn last and
    // over all.
    const ViewCoordinates view(frame.height());
    const int32_t mapWidth = int32_t(frame.width());
    const auto marker = frame.toFrame(model.markerPlace());
    const float markerX = marker ? float(marker->x) : 0.0f;
    const float markerY = marker ? float(frame.height() - marker->y) : 0.0f;
    if (const std::vector<WeatherAge> ages = weatherAges(model, shownInstant); !ages.empty())
        drawWeatherAges(painter, ages, frame.height(), m_smallStyle, m_labels);
    if (marker)
        reserveZoneMarker(m_labels, markerX, markerY, model.zoneName(), m_labelStyle, mapWidth,
                          view);
    const PlaceToPoint at = [&frame](const GeoPoint &place) -> std::optional<QPointF> {
        const auto p = frame.toFrame(place);
        return p ? std::optional(QPointF(p->x, p->y)) : std::nullopt;
    };
    if (marker)
        drawZoneMarker(painter, markerX, markerY, view);
    if (const std::vector<MarkedPlace> marked = markedPlaces(model); !marked.empty())
        drawMarkedPlaces(painter, marked, at, frame.width(), m_smallStyle, m_placeStyle, view,
                         m_labels);
    if (!satellites.empty())
        m_satelliteSymbols.draw(m_frame, painter, frame, scale, satellites, m_smallStyle, m_labels);
    if (twilightLines)
        drawTwilightLabels(painter, frame, sun, m_smallStyle, m_labels);
    if (shown(MapLayer::Eclipses))
        drawEclipseLabels(painter, frame, shownInstant.toMSecsSinceEpoch() / 1000.0, m_smallStyle,
                          m_labels);
    if (marker)
        drawZoneLabel(painter, markerX, markerY, model.zoneName(), m_labelStyle, mapWidth, view);
}

template <typename Plan>
void FrameRenderer::replayLasting(MapLayer layer, QPainter &painter, const MapFrame &frame,
                                  double scale, bool moving, std::span<const GeoPoint> shows,
                                  Plan &&plan)
{
    // While the centre moves no two frames are alike: the layer is painted
    // straight onto the frame and kept only once the centre rests.
    if (moving) {
        LayerPlan once;
        plan(once);
        once.paintOnce(m_frame, painter, scale);
        for (const QRectF &label : once.labels())
            m_labels.avoid(label);
        return;
    }
    // Compared where it stands, copied only when it has changed: the squares
    // show every zone's place, and this runs at every frame.
    LastingLayer &lasting = m_lasting[size_t(layer)];
    if (!lasting.plan || !(lasting.frame == frame) ||
        !std::equal(shows.begin(), shows.end(), lasting.shows.begin(), lasting.shows.end())) {
        lasting.frame = frame;
        lasting.shows.assign(shows.begin(), shows.end());
        lasting.plan.emplace();
        plan(*lasting.plan);
    }
    lasting.plan->replay(m_frame, painter, scale);
    for (const QRectF &label : lasting.plan->labels())
        m_labels.avoid(label);
}

bool FrameRenderer::composeView(const MapModel &model, QSize pixels, const UtcFields &instant,
                                const std::function<void(int32_t, int32_t)> &afterRows)
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
                          image.height(), size_t(image.bytesPerLine()) / 4, image.cacheKey()};
    };
    // While the centre moves the images are sampled at their nearest pixel;
    // the frame at rest, and every frame that is kept, blends them.
    const ShadingQuality quality =
        model.isCentreMoving() ? ShadingQuality::Draft : ShadingQuality::Exact;
    const std::span<uint8_t> frame{m_frame.bits(), size_t(m_frame.sizeInBytes())};
    const auto stride = size_t(m_frame.bytesPerLine());
    return seen ? shadeView(m_viewPixels, projection, world(day), world(night), instant, quality,
                            frame, stride, threads, afterRows)
                : shadeViewOnce(projection, world(day), world(night), instant, quality, frame,
                                stride, threads, afterRows);
}

void FrameRenderer::setTextScale(double scale)
{
    if (scale == m_textScale)
        return;
    m_textScale = scale;
    m_smallStyle = smallTextStyle(scale);
    m_labelStyle = labelTextStyle(scale);
    m_placeStyle = placeTextStyle(scale);
    // The layers' labels are in what is planned once.
    for (LastingLayer &lasting : m_lasting)
        lasting.plan.reset();
}

void FrameRenderer::releaseMemory()
{
    m_viewPixels = ViewPixels{};
    m_rimFrame = {};
    m_rim = {};
    m_weather = {};
    m_pixelLayers.clear();
    m_satelliteTrackLines = {};
    m_satelliteSymbols = {};
    for (LastingLayer &lasting : m_lasting)
        lasting = {};
    m_frame = QImage();
    m_images.release();
}
