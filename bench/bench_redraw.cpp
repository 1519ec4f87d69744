// The whole redraw as the window runs it, through the frame renderer: day
// image, night overlay, grid, location squares, marker and label.

#include "astro/Sphere.h"
#include "model/MapModel.h"
#include "model/MapViews.h"
#include "model/ShownTexts.h"
#include "model/SkyTexts.h"
#include "platform/Clock.h"
#include "platform/Resources.h"
#include "render/FrameRenderer.h"
#include "render/MapLayers.h"
#include "render/SkyLayers.h"

#include <QGuiApplication>
#include <QPainter>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

/// What a redraw shows beyond the grid and the squares.
enum class Extra
{
    None,
    Paths,            ///< home and target, their markers and the paths between them
    LocatorGrid,      ///< the locator grid
    Satellites,       ///< twenty low satellites with their tracks and footprints, a home in Berlin
    SatellitesHidden, ///< the same home and satellites, with the satellites' layer off
    Weather,          ///< a cloud map of 2048 x 1024 and an aurora forecast
    /// The same, a new map and forecast taken before each redraw, as when
    /// their files change
    WeatherArriving,
};

/// Twenty satellites in low orbits of every inclination, their elements a day old.
std::shared_ptr<const std::vector<orbits::ElementSet>> twentySatellites(const QDateTime &now)
{
    auto sets = std::make_shared<std::vector<orbits::ElementSet>>();
    for (int i = 0; i < 20; ++i) {
        orbits::ElementSet set;
        set.name = "SAT " + std::to_string(i + 1);
        set.catalogNumber = 90000 + i;
        set.epochUnixSeconds = double(now.toSecsSinceEpoch()) - 86400.0;
        set.meanMotionRevPerDay = 14.2 + 0.07 * i;
        set.eccentricity = 0.001;
        set.inclinationDeg = 30.0 + 3.5 * i;
        set.raanDeg = 18.0 * i;
        set.meanAnomalyDeg = 37.0 * i;
        set.argumentOfPerigeeDeg = 90.0;
        set.bstar = 1e-4;
        sets->push_back(set);
    }
    return sets;
}

/// A cloud map of bands and cells, about half of it over the threshold, and
/// an aurora forecast of two ovals: made here, as no file is at hand.
void addWeather(MapModel &model)
{
    auto clouds = std::make_shared<weather::CloudMap>();
    clouds->width = 2048;
    clouds->height = 1024;
    clouds->grey.resize(size_t(clouds->width) * size_t(clouds->height));
    for (int32_t row = 0; row < clouds->height; ++row)
        for (int32_t column = 0; column < clouds->width; ++column)
            clouds->grey[size_t(row) * size_t(clouds->width) + size_t(column)] = uint8_t(
                127.5 + 127.0 * std::sin(column * 0.021) * std::cos(row * 0.033 + column * 0.004));
    model.setClouds(std::move(clouds));
    auto aurora = std::make_shared<weather::AuroraForecast>();
    for (int longitude = 0; longitude < weather::kAuroraColumns; ++longitude)
        for (int latitude = -90; latitude <= 90; ++latitude)
            aurora->setPoint(longitude, latitude,
                             std::max(0.0, 60.0 - 8.0 * std::fabs(std::fabs(latitude) - 67.0)));
    model.setAurora(std::move(aurora));
}

/// How the centre or the instant moves from one redraw to the next.
enum class Centre
{
    Stays,
    Dragged,     ///< a step further each time, as the pointer drags the map
    FiveSeconds, ///< the instant five seconds on, as the window redraws moving satellites
};

/// The total solar eclipse of 2024-04-08 at its greatest, the Moon's shadow
/// over Mexico and its penumbra over most of North America.
const QDateTime kDuringEclipse(QDate(2024, 4, 8), QTime(18, 18), QTimeZone::utc());

void redraw(benchmark::State &state, bool sky, std::optional<MapView> view = std::nullopt,
            Extra extra = Extra::None, Centre centre = Centre::Stays,
            std::optional<QDateTime> instant = std::nullopt)
{
    // Made here rather than in main(), so that the overlay kernels run first in a
    // process that Qt has not yet touched.
    static int argc = 1;
    static char name[] = "duskmap_bench";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);

    const MapGeometry size = state.range(0) == kLargePreset.mapWidth ? kLargePreset : kSmallPreset;
    const ManualClock clock(
        instant.value_or(QDateTime(QDate(2026, 6, 21), QTime(6, 30), QTimeZone::utc())));
    const Resources resources;
    MapModel model(TimeZoneTable::load(resources), clock);
    model.selectZone(QStringLiteral("Europe/Paris"));
    // Off but where measured: during an eclipse, against the same with it on.
    model.setLayerShown(MapLayer::Eclipses, instant && state.range(1) == 1);
    model.setLayerShown(MapLayer::Grid, true);
    model.setLayerShown(MapLayer::Locations, true);
    for (const MapLayer layer : {MapLayer::Sun, MapLayer::Moon, MapLayer::TwilightLines})
        model.setLayerShown(layer, sky);
    if (extra == Extra::Paths) {
        model.setPlace(PlaceEnd::Home, ChosenPlace{"Paris", {{48.86, 2.35}, "Paris", ""}});
        model.setPlace(PlaceEnd::Target, ChosenPlace{"QF56", {{-33.9, 151.0}, "", ""}});
    }
    model.setLayerShown(MapLayer::Paths, extra == Extra::Paths);
    model.setLayerShown(MapLayer::LocatorGrid, extra == Extra::LocatorGrid);
    model.setLayerShown(MapLayer::Satellites, extra == Extra::Satellites);
    if (extra == Extra::Satellites || extra == Extra::SatellitesHidden) {
        model.setPlace(PlaceEnd::Home, ChosenPlace{"JO62qm", {{52.52, 13.40}, "", ""}});
        const auto sets = twentySatellites(clock.now());
        QList<int> numbers;
        for (const orbits::ElementSet &set : *sets)
            numbers.append(set.catalogNumber);
        model.satellites().setElements(sets);
        model.satellites().setChosen(numbers);
    }
    const bool withWeather = extra == Extra::Weather || extra == Extra::WeatherArriving;
    model.setLayerShown(MapLayer::Clouds, withWeather);
    model.setLayerShown(MapLayer::Aurora, withWeather);
    if (withWeather)
        addWeather(model);
    // Copies to take in turn, as a file read again gives a new map of the same size.
    std::shared_ptr<const weather::CloudMap> nextClouds;
    std::shared_ptr<const weather::AuroraForecast> nextAurora;
    if (extra == Extra::WeatherArriving) {
        nextClouds = std::make_shared<const weather::CloudMap>(*model.clouds());
        nextAurora = std::make_shared<const weather::AuroraForecast>(*model.aurora());
    }
    if (view) {
        model.setView(*view);
        // The flat map through the views' path: centred on 150° E.
        if (*view == MapView::PlateCarree)
            model.setChosenCentre(GeoPoint{0.0, 150.0});
        // Facing the eclipse, whose shadow the globe would hide otherwise.
        if (instant)
            model.setChosenCentre(GeoPoint{30.0, -100.0});
    }
    FrameRenderer renderer(resources);
    const QSize frame(size.mapWidth, size.mapHeight);
    // Drawn a few times first, as the running window has drawn its instant
    // before it draws it again: the images decoded, and what the layers keep
    // in place, so that each figure is a steady redraw's.
    for (int warmUp = 0; warmUp < 3; ++warmUp)
        renderer.render(model, frame);

    GeoPoint at = model.viewCentre();
    QDateTime shown = clock.now();
    for (auto _ : state) {
        // Satellites' tracks are worked out anew where they have moved.
        if (centre == Centre::FiveSeconds) {
            shown = shown.addSecs(5);
            model.setShownInstant(shown);
        }
        if (extra == Extra::WeatherArriving) {
            const auto clouds = model.clouds();
            const auto aurora = model.aurora();
            model.setClouds(std::exchange(nextClouds, clouds));
            model.setAurora(std::exchange(nextAurora, aurora));
        }
        if (centre == Centre::Dragged) {
            at = {at.latitude, sphere::wrapDegrees(at.longitude + 1.0)};
            model.moveCentre(at);
        }
        benchmark::DoNotOptimize(renderer.render(model, frame).constBits());
    }
}

void WholeRedraw(benchmark::State &state)
{
    redraw(state, false);
}

// The same with the Sun, the Moon and the twilight lines on as well.
void WholeRedrawWithSky(benchmark::State &state)
{
    redraw(state, true);
}

// The same with home and target, their markers and the paths between them.
void WholeRedrawWithPaths(benchmark::State &state)
{
    redraw(state, false, std::nullopt, Extra::Paths);
}

// The same with the locator grid.
void WholeRedrawWithLocatorGrid(benchmark::State &state)
{
    redraw(state, false, std::nullopt, Extra::LocatorGrid);
}

// The same with clouds and the aurora.
void WholeRedrawWithWeather(benchmark::State &state)
{
    redraw(state, false, std::nullopt, Extra::Weather);
}

// The same in each view, its pixels prepared before: what each redraw costs.
void WholeRedrawInView(benchmark::State &state, MapView view)
{
    redraw(state, false, view);
}

// The same during a solar eclipse, with the eclipses' layer off (0) and on
// (1), in the classic map (no view) and each view. The CPU time of every
// thread, which a busy machine's waits for a core leave out.
void WholeRedrawDuringEclipse(benchmark::State &state, std::optional<MapView> view)
{
    redraw(state, false, view, Extra::None, Centre::Stays, kDuringEclipse);
}

// Redraws in each view, home set and twenty satellites chosen, with their
// layer off (0) and on (1): their tracks and footprints, symbols and names;
// of one instant, or five seconds apart as the window follows them.
void WholeRedrawWithSatellites(benchmark::State &state, MapView view)
{
    redraw(state, false, view, state.range(1) == 1 ? Extra::Satellites : Extra::SatellitesHidden,
           state.range(2) == 1 ? Centre::FiveSeconds : Centre::Stays);
}

// The same without (0) and with (1) clouds and the aurora, the CPU time of
// every thread.
void WholeRedrawInViewWithWeather(benchmark::State &state, MapView view)
{
    redraw(state, false, view, state.range(1) == 1 ? Extra::Weather : Extra::None);
}

// The frame after a new cloud map and aurora forecast are taken, in each
// view: what the window's thread spends on new files, against the same
// redraw with them unchanged.
void WeatherArriving(benchmark::State &state, MapView view)
{
    redraw(state, false, view, Extra::WeatherArriving);
}

// A frame of a dragged view: a new centre each time, everything projected
// again, with the grid, the squares and the paths. The shading runs on every
// core: the figure is the CPU time of them all, which the time on the clock
// of an idle machine does not exceed.
void DragFrame(benchmark::State &state, MapView view)
{
    redraw(state, false, view, Extra::Paths, Centre::Dragged);
}

// Preparing a view's pixels for a new size, as for a snapshot's only frame.
void ViewPreparation(benchmark::State &state, MapView view)
{
    ViewPixels pixels;
    for (auto _ : state) {
        const MapProjection projection(view, {40.0, 10.0}, kLargePreset.mapWidth,
                                       kLargePreset.mapHeight, MapFit::Contain);
        prepareViewPixels(projection, QThread::idealThreadCount(), pixels);
        benchmark::DoNotOptimize(pixels.x.data());
    }
}

// Day and night alone in a view whose centre moves, on one core: exact (0)
// or as while dragged (1).
void ViewShadingAtNewCentre(benchmark::State &state, MapView view)
{
    static int argc = 1;
    static char name[] = "duskmap_bench";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    const Resources resources;
    MapImages images(resources);
    auto world = [](const QImage &image) {
        return WorldImage{reinterpret_cast<const uint32_t *>(image.constBits()), image.width(),
                          image.height(), size_t(image.bytesPerLine()) / 4};
    };
    const WorldImage day = world(images.worldSource(false));
    const WorldImage night = world(images.worldSource(true));
    MapProjection projection(view, {40.0, 0.0}, kLargePreset.mapWidth, kLargePreset.mapHeight,
                             MapFit::Contain);
    ViewPixels pixels;
    prepareViewPixels(projection, 1, pixels);
    std::vector<uint8_t> frame(std::size_t(kLargePreset.mapWidth) * kLargePreset.mapHeight * 4);
    const auto quality = state.range(0) == 0 ? ShadingQuality::Exact : ShadingQuality::Draft;
    const UtcFields instant{2026, 6, 21, 6, 30, 0};
    double longitude = 0.0;
    for (auto _ : state) {
        longitude = sphere::wrapDegrees(longitude + 1.0);
        projection = projection.recentred({40.0, longitude});
        shadeView(pixels, projection, day, night, instant, quality, frame,
                  std::size_t(kLargePreset.mapWidth) * 4);
        benchmark::DoNotOptimize(frame.data());
    }
}

// The sky layers alone, each on the frame of a whole redraw: what they add.
void SkyLayer(benchmark::State &state)
{
    static int argc = 1;
    static char name[] = "duskmap_bench";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    const MapGeometry geometry = kLargePreset;
    const QDateTime instant(QDate(2026, 6, 21), QTime(6, 30), QTimeZone::utc());
    QImage frame(geometry.mapWidth, geometry.mapHeight, QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::black);
    QPainter painter(&frame);
    const MapFrame mapFrame(geometry);
    for (auto _ : state) {
        if (state.range(0) == 0) {
            drawTwilightLines(frame, mapFrame, 1.0, sunQuantities(utcFields(instant)));
        } else {
            const astro::SkyPositions sky = astro::skyPositions(utcInstant(instant));
            if (state.range(0) == 2) {
                drawSunSymbol(painter, mapFrame, sky.subsolar);
                drawMoonSymbol(painter, mapFrame, sky);
            }
            benchmark::DoNotOptimize(sky);
        }
    }
}

// A redraw at a new size each time, as while the window is dragged larger:
// the built-in sources decoded afresh (0) or kept decoded (1).
void RedrawAtNewSize(benchmark::State &state)
{
    static int argc = 1;
    static char name[] = "duskmap_bench";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    const ManualClock clock(QDateTime(QDate(2026, 6, 21), QTime(6, 30), QTimeZone::utc()));
    const Resources resources;
    MapModel model(TimeZoneTable::load(resources), clock);
    FrameRenderer renderer(resources);
    renderer.images().keepSources(state.range(0) == 1);
    int width = 1000;
    for (auto _ : state) {
        width = width == 1000 ? 1002 : 1000;
        benchmark::DoNotOptimize(renderer.render(model, QSize(width, width / 2)).constBits());
    }
}

// The texts below the readouts at each new instant, as while the time slider
// is dragged: the zone's readouts (0), and the Home and Target row (1), with
// its two sunrises and sunsets and a day of grey-line windows.
void ShownTextsAtNewInstant(benchmark::State &state)
{
    ManualClock clock(QDateTime(QDate(2026, 6, 21), QTime(6, 30), QTimeZone::utc()));
    const Resources resources;
    MapModel model(TimeZoneTable::load(resources), clock);
    model.selectZone(QStringLiteral("Europe/Berlin"));
    for (const auto &[end, text] :
         {std::pair{PlaceEnd::Home, "JO62qm"}, std::pair{PlaceEnd::Target, "Tokyo"}})
        model.setPlace(end, ChosenPlace{QString::fromLatin1(text), placeNamedBy(text).place});
    qint64 minutes = 0;
    for (auto _ : state) {
        model.setShownInstant(clock.now().addSecs(60 * ++minutes));
        if (state.range(0) == 0)
            benchmark::DoNotOptimize(placeTexts(model, kLargePreset).sunrise.size());
        else
            benchmark::DoNotOptimize(homeTargetTexts(model).path.size());
    }
}

} // namespace

BENCHMARK(ShownTextsAtNewInstant)->ArgName("row")->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(RedrawAtNewSize)->ArgName("kept")->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(SkyLayer)
    ->ArgName("twilight0_positions1_symbols2")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(WholeRedraw)->Arg(720)->Arg(1440)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeRedrawWithSky)->Arg(720)->Arg(1440)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeRedrawWithPaths)->Arg(720)->Arg(1440)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeRedrawWithLocatorGrid)->Arg(720)->Arg(1440)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeRedrawWithWeather)->Arg(720)->Arg(1440)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::RegisterBenchmark("WholeRedrawDuringEclipse/classic", WholeRedrawDuringEclipse,
                                 std::nullopt)
        ->ArgNames({"", "layer"})
        ->Args({kLargePreset.mapWidth, 0})
        ->Args({kLargePreset.mapWidth, 1})
        ->MeasureProcessCPUTime()
        ->Unit(benchmark::kMillisecond);
    for (const MapViewInfo &info : kMapViews) {
        const std::string name = info.name;
        benchmark::RegisterBenchmark(("WholeRedraw/" + name).c_str(), WholeRedrawInView, info.view)
            ->Arg(kLargePreset.mapWidth)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("WholeRedrawDuringEclipse/" + name).c_str(),
                                     WholeRedrawDuringEclipse, info.view)
            ->ArgNames({"", "layer"})
            ->Args({kLargePreset.mapWidth, 0})
            ->Args({kLargePreset.mapWidth, 1})
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("WholeRedrawWithSatellites/" + name).c_str(),
                                     WholeRedrawWithSatellites, info.view)
            ->ArgNames({"", "satellites", "moving"})
            ->ArgsProduct({{kLargePreset.mapWidth}, {0, 1}, {0, 1}})
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("ViewPreparation/" + name + "/1440").c_str(), ViewPreparation,
                                     info.view)
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("DragFrame/" + name).c_str(), DragFrame, info.view)
            ->Arg(kLargePreset.mapWidth)
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("ViewShading/" + name + "/1440").c_str(),
                                     ViewShadingAtNewCentre, info.view)
            ->ArgName("draft")
            ->DenseRange(0, 1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("WholeRedrawWithWeather/" + name).c_str(),
                                     WholeRedrawInViewWithWeather, info.view)
            ->ArgNames({"", "weather"})
            ->Args({kLargePreset.mapWidth, 0})
            ->Args({kLargePreset.mapWidth, 1})
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("WeatherArriving/" + name).c_str(), WeatherArriving,
                                     info.view)
            ->Arg(kLargePreset.mapWidth)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
