// The frame renderer on Qt's offscreen platform: pixels read back where the overlay, the grid, the
// squares and the marker put them, at one and two device pixels a point.
#include "TestResources.h"
#include "astro/Sphere.h"
#include "eclipses/Shadow.h"
#include "mapcore/MapProjection.h"
#include "model/MapModel.h"
#include "model/SkyTexts.h"
#include "places/GreatCircle.h"
#include "platform/Clock.h"
#include "platform/Resources.h"
#include "render/EclipseLabels.h"
#include "render/EclipseLayers.h"
#include "render/FrameRenderer.h"
#include "render/LabelPlacer.h"
#include "render/LayerPlan.h"
#include "render/MapLayers.h"
#include "render/RasterBlend.h"
#include "render/SatelliteLayers.h"
#include "render/SparseLayer.h"

#include <QPainter>
#include <QSet>
#include <QTest>

#include <functional>
#include <random>
#include <tuple>

namespace {
const QDateTime kEquinox(QDate(2007, 3, 21), QTime(12, 0), QTimeZone::utc());

QImage plain(QRgb colour)
{
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

struct Scene
{
    QTemporaryDir dir;
    ManualClock clock{kEquinox};
    std::unique_ptr<Resources> resources;
    std::unique_ptr<MapModel> model;
    std::unique_ptr<FrameRenderer> renderer;
    // Plain day and night images when colours are given, else the built-in ones.
    explicit Scene(const std::vector<TestZone> &zones, std::optional<QRgb> day = {}, QRgb night = 0)
    {
        QVERIFY(makeTestResources(dir, zones));
        resources = std::make_unique<Resources>(dir.path());
        model = std::make_unique<MapModel>(TimeZoneTable::load(*resources), clock);
        renderer = std::make_unique<FrameRenderer>(*resources);
        if (day) {
            renderer->images().setCustomDayImage(plain(*day));
            renderer->images().setCustomNightImage(plain(night));
        }
    }
};
} // namespace

class TestFrameRenderer : public QObject
{
    Q_OBJECT

private slots:
    // Each view, small, with the layers that draw no text, against an image
    // kept in the sources: any change of a view's pixels shows here. With
    // DUSKMAP_WRITE_GOLDEN=1 the images are written anew, to be looked at.
    void viewsAsBefore_data()
    {
        QTest::addColumn<int>("view");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<int>("fit");
        QTest::newRow("azimuthal-berlin") << int(MapView::Azimuthal) << 52.52 << 13.4 << 0;
        QTest::newRow("azimuthal-south-pole") << int(MapView::Azimuthal) << -90.0 << 0.0 << 0;
        QTest::newRow("globe") << int(MapView::Globe) << 0.0 << -10.0 << 0;
        QTest::newRow("robinson") << int(MapView::Robinson) << 0.0 << 0.0 << 0;
        QTest::newRow("mollweide") << int(MapView::Mollweide) << 0.0 << 0.0 << 0;
        QTest::newRow("flat-150e-cover") << int(MapView::PlateCarree) << 0.0 << 150.0 << 1;
    }
    void viewsAsBefore()
    {
        QFETCH(int, view);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(int, fit);
        Scene scene({{"UTC", 51.4769, -0.0005}, {"Asia/Tokyo", 35.65, 139.74}});
        for (const MapLayer layer : {MapLayer::Locations, MapLayer::Sun, MapLayer::Moon,
                                     MapLayer::TwilightLines, MapLayer::RangeRings})
            scene.model->setLayerShown(layer, true);
        scene.model->setView(MapView(view));
        scene.model->setChosenCentre(GeoPoint{latitude, longitude});
        scene.model->setFit(MapFit(fit));
        const QImage frame = scene.renderer->render(*scene.model, {200, 120}).copy();
        const QString golden =
            QStringLiteral(GOLDEN_DIR "/%1.png").arg(QLatin1String(QTest::currentDataTag()));
        if (qEnvironmentVariableIntValue("DUSKMAP_WRITE_GOLDEN"))
            QVERIFY(frame.save(golden));
        const QImage expected(golden);
        QCOMPARE(frame.convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));
    }

    // With an all-black day and an all-white night, each pixel of a dense frame is the
    // overlay's alpha; the snapshot tests read the same pixel at one device pixel a point.
    void pixelsAreTheOverlayAlpha()
    {
        Scene scene({{"UTC", 51.4769, -0.0005}}, qRgb(0, 0, 0), qRgb(255, 255, 255));
        scene.model->selectZone("UTC");
        scene.model->setShownInstant(QDateTime(kEquinox.date(), QTime(18, 40), QTimeZone::utc()));
        const QImage &frame = scene.renderer->render(*scene.model, {720, 360}, 2.0);
        QCOMPARE(frame.size(), QSize(1440, 720));
        QCOMPARE(frame.pixel(720, 360), qRgb(119, 119, 119)); // latitude 0, longitude 0
    }

    // On a dense screen the day and night come from the larger maps.
    void denseFrameIsTheLargeMap()
    {
        Scene scene({{"UTC", 51.4769, -0.0005}});
        scene.model->selectZone("UTC");
        QImage dense = scene.renderer->render(*scene.model, {720, 360}, 2.0).copy();
        dense.setDevicePixelRatio(1.0);
        const QImage large = scene.renderer->render(*scene.model, {1440, 720}, 1.0);
        // The southern half, away from the marker and its label.
        QCOMPARE(dense.copy(0, 400, 1440, 320), large.copy(0, 400, 1440, 320));
    }

    // The world is twice as wide as tall about the equator: black beyond
    // the poles, cropped where the frame is flatter; one renderer for every size.
    void anySizeKeepsTheWorldsShape()
    {
        const std::tuple<QSize, QList<int>, QList<int>> sizes[] = {
            {{200, 150}, {25, 124}, {0, 24, 125, 149}},
            {{200, 60}, {0, 59}, {}},
            {{17, 9}, {0, 8}, {}}};
        Scene scene({{"UTC", 51.4769, -0.0005}}, qRgb(255, 255, 255), qRgb(255, 255, 255));
        scene.model->selectZone("UTC");
        for (const auto &[size, rowsInside, rowsOutside] : sizes) {
            const QImage &frame = scene.renderer->render(*scene.model, size, 1.0);
            for (const int row : rowsInside + rowsOutside)
                QCOMPARE(frame.pixel(size.width() - 1, row),
                         rowsInside.contains(row) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
    }

    // Squares on whole pixels: R = (359, 179) and on the line of 20 E; the
    // marker at 0 N 90 W, view (180, 180).
    void layers()
    {
        constexpr QRgb kWhite = 0xffffffff, kBlack = 0xff000000, kYellow = 0xffffff00;
        for (const qreal ratio : {1.0, 2.0}) {
            const auto render = [ratio](QRgb background) {
                Scene scene({{"Square/One", 0.25, 0.25},
                             {"Square/Two", 0.25, 20.25},
                             {"Europe/London", 0, -90}},
                            background, background);
                scene.model->setLayerShown(MapLayer::Grid, true);
                scene.model->setLayerShown(MapLayer::Locations, true);
                scene.model->selectZone("Europe/London");
                return scene.renderer->render(*scene.model, {720, 360}, ratio).copy();
            };
            const QImage dark = render(kBlack), light = render(kWhite);
            const auto at = [ratio](const QImage &image, QPoint p) {
                return image.pixel(p * ratio);
            };
            // A line straddles y (or x, across): lit on either side of it.
            const auto lit = [ratio](const QImage &image, int x, int y, bool across) {
                return qRed(image.pixel(x * ratio - across, y * ratio - !across)) > 0 ||
                       qRed(image.pixel(x * ratio, y * ratio)) > 0;
            };
            QVERIFY(lit(dark, 305, 340, false)); // 80 S
            QVERIFY(lit(dark, 20, 115, true));   // 170 W
            QVERIFY(lit(dark, 400, 100, true));  // 20 E, away from the square that hides it
            for (const QPoint p : {QPoint(305, 330), QPoint(305, 0), QPoint(305, 359),
                                   QPoint(719, 115), QPoint(10, 115)})
                QCOMPARE(at(dark, p), kBlack); // none on the edges
            QVERIFY(at(dark, {400, 179}) == kYellow && at(dark, {399, 179}) == kYellow);
            for (int x = 359; x <= 361; ++x)
                for (int y = 178; y <= 180; ++y)
                    QCOMPARE(at(light, {x, y}), kYellow);
            // The squares' frames, the marker's centre; then outside them.
            for (const QPoint p : {QPoint(358, 179), QPoint(362, 179), QPoint(360, 177),
                                   QPoint(360, 181), QPoint(180, 179)})
                QCOMPARE(at(light, p), kBlack);
            for (const QPoint p :
                 {QPoint(356, 179), QPoint(364, 179), QPoint(186, 179), QPoint(0, 359)})
                QCOMPARE(at(light, p), kWhite);
            // The latitude label's half-black box sits on its line at the left edge.
            QVERIFY(qRed(at(light, {0, 345})) < 200);
            // The marker: a black centre in a red dot; the label's box at x + 3, y + 4.
            for (const QPoint p : {QPoint(177, 179), QPoint(183, 179)})
                QVERIFY(qRed(at(light, p)) > 200 && qGreen(at(light, p)) < 60);
            QVERIFY(qAbs(qRed(at(light, {184, 174})) - 127) <= 2);
        }
    }

    // The plan's replay with its recorded coverage equals QPainter painting it,
    // and painting it once without recording, on either map and with an extra
    // fill on a fraction of a row.
    void layerPlanReplayIsQPainters()
    {
        Scene scene({});
        for (const auto &[g, colour] : {std::pair{kSmallPreset, QColor(0, 0, 0, 128)},
                                        {kLargePreset, QColor(0, 0, 0, 128)},
                                        {kSmallPreset, QColor(20, 200, 90, 77)}}) {
            const MapFrame frame(g);
            LayerPlan plan;
            planGrid(plan, frame, smallTextStyle());
            const std::vector<GeoPoint> places = {
                {0.13f, 0.37f}, {-89.9f, -180.0f}, {89.9f, 179.9f}};
            planSquares(plan, frame, places);
            plan.fillRect({-3.3, 10.6, 20.2, 0.4}, colour);
            plan.fillRect({g.mapWidth - 4.7, g.mapHeight - 2.2, 9.0, 9.0}, Qt::red);
            QImage recorded =
                scene.renderer->render(*scene.model, {g.mapWidth, g.mapHeight}).copy();
            // QPainter fills on a frame the plan does not record on; opaque, so
            // that its pixels are the same in either format.
            QImage painted = recorded.convertToFormat(QImage::Format_ARGB32);
            QImage once = recorded;
            for (QImage *frame : {&recorded, &painted}) {
                QPainter painter(frame);
                plan.replay(*frame, painter, 1.0);
                plan.replay(*frame, painter, 1.0); // the second from the recording
            }
            QCOMPARE(recorded, painted.convertToFormat(QImage::Format_ARGB32_Premultiplied));
            // Painted once and straight, as while the centre moves: the same.
            for (int i = 0; i < 2; ++i) {
                QPainter painter(&once);
                plan.paintOnce(once, painter, 1.0);
            }
            QCOMPARE(once, recorded);
        }
    }

    // The frame at rest after a drag equals a new renderer's: nothing painted
    // while the centre moved is kept.
    void draggedFrameKeepsNothing()
    {
        Scene scene({{"UTC", 51.4769, -0.0005}, {"Asia/Tokyo", 35.65, 139.74}});
        for (const MapLayer layer : {MapLayer::Grid, MapLayer::Locations, MapLayer::RangeRings,
                                     MapLayer::Paths, MapLayer::LocatorGrid})
            scene.model->setLayerShown(layer, true);
        scene.model->setPlace(PlaceEnd::Home, ChosenPlace{"Paris", {{48.86, 2.35}, "Paris", ""}});
        scene.model->setPlace(PlaceEnd::Target, ChosenPlace{"Perth", {{-31.95, 115.86}, "", ""}});
        scene.model->setView(MapView::Globe);
        const QSize size(360, 200);
        scene.renderer->render(*scene.model, size);
        scene.model->moveCentre(GeoPoint{30.0, 40.0});
        scene.renderer->render(*scene.model, size);
        scene.model->finishMovingCentre();
        const QImage rest = scene.renderer->render(*scene.model, size).copy();
        QCOMPARE(rest, FrameRenderer(*scene.resources).render(*scene.model, size));
    }

    // Runs of pixels blend four at a time exactly as one at a time, whatever
    // the run's length.
    void blendRunIsBlendOver()
    {
        std::mt19937 random(7);
        std::vector<uint32_t> pixels(1031), colours(pixels.size()), expected(pixels.size());
        std::vector<uint32_t> halfFirst(pixels.size()), expectedHalfFirst(pixels.size());
        for (size_t i = 0; i < pixels.size(); ++i) {
            const uint32_t alpha = random() % 256;
            pixels[i] = halfFirst[i] = random();
            colours[i] = byteMul(random() | 0xff000000u, alpha);
            expected[i] = blendOver(pixels[i], colours[i]);
            expectedHalfFirst[i] = blendOver<Rounding::HalfFirst>(pixels[i], colours[i]);
        }
        blendRun(pixels.data(), colours.data(), uint32_t(pixels.size()));
        blendRun<Rounding::HalfFirst>(halfFirst.data(), colours.data(), uint32_t(pixels.size()));
        QVERIFY(pixels == expected);
        QVERIFY(halfFirst == expectedHalfFirst);
        // And one colour over them all.
        for (size_t i = 0; i < pixels.size(); ++i) {
            expected[i] = blendOver(pixels[i], colours[7]);
            expectedHalfFirst[i] = blendOver<Rounding::HalfFirst>(halfFirst[i], colours[7]);
        }
        blendFill(pixels.data(), colours[7], uint32_t(pixels.size()));
        blendFill<Rounding::HalfFirst>(halfFirst.data(), colours[7], uint32_t(pixels.size()));
        QVERIFY(pixels == expected);
        QVERIFY(halfFirst == expectedHalfFirst);
    }

    // Pixels kept as runs blend back as each pixel drawn would, however the
    // drawn pixels lie: runs of one colour, short runs a few pixels apart,
    // and runs against the ends of a line.
    void keptRunsBlendAsEachPixel_data()
    {
        QTest::addColumn<QString>("pattern");
        // Per pixel: '.' transparent, 'a' and 'b' two colours, 'v' varied.
        QTest::newRow("one colour, long") << QString(".." + QString(40, 'a') + "...");
        QTest::newRow("one colour to both ends") << QString(37, 'a');
        QTest::newRow("short runs close together") << QString("v.vv..v...vvv.....v......vv");
        QTest::newRow("short runs far apart")
            << QString("v" + QString(20, '.') + "vv" + QString(9, '.') + "v");
        QTest::newRow("varied against one colour")
            << QString("vvv" + QString(20, 'a') + "vv" + QString(18, 'b') + "v");
        QTest::newRow("a line's last pixels") << QString(33, '.') + "vva";
        QTest::newRow("varied, long") << QString("." + QString(29, 'v'));
    }
    void keptRunsBlendAsEachPixel()
    {
        QFETCH(QString, pattern);
        std::mt19937 random(11);
        const auto width = uint32_t(pattern.size());
        // Two lines of one frame, the second offset by the first's width.
        std::vector<uint32_t> line(width), frame(2 * width), expected;
        for (uint32_t i = 0; i < 2 * width; ++i)
            frame[i] = random() | 0xff000000u;
        expected = frame;
        PixelRuns runs;
        for (uint32_t offset : {0u, width}) {
            for (uint32_t i = 0; i < width; ++i) {
                const char c = pattern[i].toLatin1();
                line[i] = c == '.'   ? 0u
                          : c == 'a' ? 0x40302010u
                          : c == 'b' ? 0x80604020u
                                     : byteMul(random() | 0xff000000u, 1 + random() % 255);
                expected[offset + i] = blendOver(expected[offset + i], line[i]);
            }
            runs.add(line.data(), width, offset);
        }
        runs.blendOnto<Rounding::RasterEngine>(frame.data());
        QCOMPARE(frame, expected);
    }

    // What the layers drawn pixel by pixel and the satellites' tracks drew
    // is kept once a frame comes twice running, and redrawn alike; any change
    // to what they draw from draws them afresh.
    void keptPixelLayersAsDrawnAfresh_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<GeoPoint>("centre");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("classic");
        const GeoPoint mexico{25.0, -104.0};
        QTest::newRow("the same frame") << 0 << mexico << QSize(360, 200) << false;
        QTest::newRow("two minutes on") << 120 << mexico << QSize(360, 200) << false;
        QTest::newRow("another centre") << 0 << GeoPoint{40.0, -80.0} << QSize(360, 200) << false;
        QTest::newRow("another size") << 0 << mexico << QSize(300, 200) << false;
        QTest::newRow("the classic map") << 0 << mexico << QSize(360, 200) << true;
    }
    void keptPixelLayersAsDrawnAfresh()
    {
        QFETCH(int, seconds);
        QFETCH(GeoPoint, centre);
        QFETCH(QSize, size);
        QFETCH(bool, classic);
        Scene scene({{"UTC", 51.4769, -0.0005}});
        const QDateTime greatest(QDate(2024, 4, 8), QTime(18, 18), QTimeZone::utc());
        scene.model->setLayerShown(MapLayer::Eclipses, true);
        if (!classic) {
            scene.model->setView(MapView::Globe);
            scene.model->setChosenCentre(GeoPoint{25.0, -104.0});
        }
        scene.model->setShownInstant(greatest);
        // And a satellite over the shadow, its track and footprint.
        auto sets = std::make_shared<std::vector<orbits::ElementSet>>(1);
        orbits::ElementSet &set = sets->front();
        set.name = "SAT";
        set.catalogNumber = 90000;
        set.epochUnixSeconds = double(greatest.toSecsSinceEpoch()) - 86400.0;
        set.meanMotionRevPerDay = 15.5;
        set.eccentricity = 0.0005;
        set.inclinationDeg = 51.6;
        set.meanAnomalyDeg = 200.0;
        scene.model->satellites().setElements(sets);
        scene.model->satellites().setChosen({90000});
        scene.model->setLayerShown(MapLayer::Satellites, true);
        for (int frame = 0; frame < 3; ++frame)
            scene.renderer->render(*scene.model, QSize(360, 200));
        scene.model->setShownInstant(greatest.addSecs(seconds));
        if (!classic)
            scene.model->setChosenCentre(centre);
        // Lines kept blend onto the frame with a rounding of their own.
        const auto largestDifference = [](const QImage &a, const QImage &b) {
            int largest = a.size() == b.size() ? 0 : 255;
            for (int y = 0; y < a.height() && largest < 255; ++y)
                for (int x = 0; x < a.width(); ++x)
                    for (const int shift : {0, 8, 16, 24})
                        largest = std::max(largest, std::abs(int(a.pixel(x, y) >> shift & 255) -
                                                             int(b.pixel(x, y) >> shift & 255)));
            return largest;
        };
        for (int frame = 0; frame < 3; ++frame) {
            const QImage fresh = FrameRenderer(*scene.resources).render(*scene.model, size);
            QVERIFY(largestDifference(scene.renderer->render(*scene.model, size), fresh) <= 2);
        }
    }

    // The Sun's and the Moon's symbols centred on the points below them, and
    // the twilight lines on their altitudes; beyond the large map the symbols
    // grow faster than the width's square root, drawn both larger and scaled up.
    void skyLayersSitOnTheirPoints_data()
    {
        QTest::addColumn<MapLayer>("layer");
        QTest::addColumn<int>("width");
        QTest::newRow("Moon") << MapLayer::Moon << 1440;
        QTest::newRow("Sun, 2880 wide") << MapLayer::Sun << 2880;
        QTest::newRow("twilight lines, 2880 wide") << MapLayer::TwilightLines << 2880;
    }
    void skyLayersSitOnTheirPoints()
    {
        QFETCH(MapLayer, layer);
        QFETCH(int, width);
        // An evening over the Pacific, the Moon a waxing crescent well inside the map.
        const QDateTime instant(QDate(2026, 4, 21), QTime(2, 0), QTimeZone::utc());
        Scene scene({}, 0xff000000, 0xff000000);
        // The pixels the layer changes on an all-black map, and their bounds.
        const auto drawn = [&](int w) {
            const QSize size(w, w / 2);
            const QImage plain = scene.renderer->render(*scene.model, size, 1.0, instant).copy();
            scene.model->setLayerShown(layer, true);
            const QImage &shown = scene.renderer->render(*scene.model, size, 1.0, instant);
            scene.model->setLayerShown(layer, false);
            QList<QPoint> changed;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    if (shown.pixel(x, y) != plain.pixel(x, y))
                        changed.append({x, y});
            return changed;
        };
        const auto bounds = [](const QList<QPoint> &points) {
            return QRectF(QPolygon(points).boundingRect()); // whole pixels
        };
        const QList<QPoint> changed = drawn(width);
        QVERIFY(!changed.isEmpty());
        const double degreesPerPixel = 360.0 / width;
        if (layer != MapLayer::TwilightLines) {
            const astro::SkyPositions sky = astro::skyPositions(utcInstant(instant));
            const auto &point = layer == MapLayer::Sun ? sky.subsolar : sky.sublunar;
            const QPointF offset =
                bounds(changed).center() -
                QPointF(point.longitude + 180.0, 90.0 - point.latitude) / degreesPerPixel;
            QVERIFY2(std::hypot(offset.x(), offset.y()) <= 1.5,
                     qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
            if (width > kLargePreset.mapWidth) {
                const double grown = bounds(changed).width() / bounds(drawn(1440)).width();
                QVERIFY2(qAbs(grown - std::pow(width / 1440.0, 0.75)) < 0.1,
                         qPrintable(QString::number(grown)));
            }
            return;
        }
        // Each line passes within a pixel of every column's crossing of its
        // altitude, away from the poles where the map stretches them most;
        // nearly all the pixels drawn lie on one (the rest are labels).
        const SunQuantities sun = sunQuantities(utcFields(instant));
        const auto altitudeAt = [&](double x, double y) {
            return sunAltitudeAt(
                sun, {90.0 - (y + 0.5) * degreesPerPixel, (x + 0.5) * degreesPerPixel - 180.0});
        };
        const QSet<QPoint> drawnSet(changed.begin(), changed.end());
        const double levels[] = {-0.833, -6.0, -12.0, -18.0};
        int missed = 0, crossings = 0;
        for (int x = 0; x < width; x += 7) {
            for (int y = width / 36; y + 1 < width / 2 - width / 36; ++y) {
                for (const double level : levels) {
                    if ((altitudeAt(x, y) - level) * (altitudeAt(x, y + 1) - level) > 0)
                        continue;
                    ++crossings;
                    bool near = false;
                    for (int dx = -1; dx <= 1; ++dx)
                        for (int dy = -1; dy <= 2; ++dy)
                            near = near || drawnSet.contains({x + dx, y + dy});
                    missed += !near;
                }
            }
        }
        QVERIFY2(crossings > width / 7 && missed == 0,
                 qPrintable(QStringLiteral("%1 of %2 missed").arg(missed).arg(crossings)));
        const auto onALine = [&](const QPoint &p) {
            const double altitude = altitudeAt(p.x(), p.y());
            return std::any_of(std::begin(levels), std::end(levels), [&](double level) {
                return qAbs(altitude - level) <= 2.5 * degreesPerPixel;
            });
        };
        const auto offLines = std::count_if(changed.begin(), changed.end(), std::not_fn(onALine));
        QVERIFY2(offLines < changed.size() / 10, qPrintable(QString::number(offLines)));
    }

    // Each layer in each view against its oracle, through the frame's inverse
    // (itself held against PROJ): wherever one of the layer's lines crosses
    // between two pixels, a drawn pixel lies within a pixel of the crossing,
    // and nearly every drawn pixel lies by a crossing (the rest are labels);
    // a symbol's pixels are centred on its point.
    void layersLieOnTheirPlaces_data()
    {
        QTest::addColumn<MapLayer>("layer");
        QTest::addColumn<int>("view"); // -1: the classic map
        QTest::addColumn<GeoPoint>("centre");
        const std::tuple<const char *, int, GeoPoint> views[] = {
            {"classic", -1, {}},
            {"azimuthal", int(MapView::Azimuthal), {30.0, 100.0}},
            {"globe", int(MapView::Globe), {-35.0, -60.0}},
            {"robinson", int(MapView::Robinson), {0.0, 150.0}},
            {"mollweide", int(MapView::Mollweide), {0.0, -100.0}},
            {"flat, 150 E", int(MapView::PlateCarree), {0.0, 150.0}}};
        for (const auto &[layer, name] : {std::pair{MapLayer::Grid, "grid"},
                                          {MapLayer::RangeRings, "rings"},
                                          {MapLayer::TwilightLines, "twilight"},
                                          {MapLayer::Sun, "Sun"},
                                          {MapLayer::Moon, "Moon"}})
            for (const auto &[view, number, centre] : views)
                QTest::addRow("%s, %s", name, view) << layer << number << centre;
    }
    void layersLieOnTheirPlaces()
    {
        QFETCH(MapLayer, layer);
        QFETCH(int, view);
        QFETCH(GeoPoint, centre);
        const QDateTime instant(QDate(2026, 4, 21), QTime(2, 0), QTimeZone::utc());
        const QSize size(720, 360);
        Scene scene({}, 0xff000000, 0xff000000);
        if (view >= 0) {
            scene.model->setView(MapView(view));
            scene.model->setChosenCentre(centre);
        }
        const MapFrame frame = mapFrameFor(*scene.model, QSizeF(size));
        const QImage off = scene.renderer->render(*scene.model, size, 1.0, instant).copy();
        scene.model->setLayerShown(layer, true);
        const QImage &on = scene.renderer->render(*scene.model, size, 1.0, instant);
        static constexpr double kLevels[] = {-0.833, -6.0, -12.0, -18.0};
        const auto drawn = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < size.width() && y < size.height() &&
                   on.pixel(x, y) != off.pixel(x, y);
        };
        const astro::SkyPositions sky = astro::skyPositions(utcInstant(instant));
        if (layer == MapLayer::Sun || layer == MapLayer::Moon) {
            QRect bounds;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    if (drawn(x, y))
                        bounds |= QRect(x, y, 1, 1);
            const auto point = frame.toFrame(layer == MapLayer::Sun ? sky.subsolar : sky.sublunar);
            if (!point) { // on the far side
                QVERIFY(bounds.isEmpty());
                return;
            }
            const QPointF centre = QRectF(bounds).center();
            QVERIFY2(std::hypot(centre.x() - point->x, centre.y() - point->y) <= 1.0,
                     qPrintable(QStringLiteral("%1,%2 against %3,%4")
                                    .arg(centre.x())
                                    .arg(centre.y())
                                    .arg(point->x)
                                    .arg(point->y)));
            return;
        }
        // Whether one of the layer's lines crosses between two places: a
        // step of a quantity, circular or not, or a twilight altitude. Not
        // where the lines run too close together to tell apart.
        const auto steps = [](double va, double vb, double step, bool circular) {
            const double apart = circular ? std::remainder(vb - va, 360.0) : vb - va;
            return std::fabs(apart) < step / 2 &&
                   std::floor(va / step) != std::floor((va + apart) / step);
        };
        const SunQuantities sun = sunQuantities(utcFields(instant));
        const GeoPoint ringsCentre = frame.centre();
        const auto crossed = [&](const GeoPoint &a, const GeoPoint &b, bool strict) {
            switch (layer) {
            case MapLayer::Grid:
                // The meridians are drawn to the poles but are too close there to tell.
                return (!strict || std::max(std::fabs(a.latitude), std::fabs(b.latitude)) < 80.0) &&
                       (steps(a.latitude, b.latitude, 10.0, false) ||
                        steps(a.longitude, b.longitude, 10.0, true));
            case MapLayer::RangeRings: {
                const auto da = sphere::distanceAndBearing(ringsCentre, a),
                           db = sphere::distanceAndBearing(ringsCentre, b);
                const double kmA = da.distanceRad * sphere::kMeanRadiusKm,
                             kmB = db.distanceRad * sphere::kMeanRadiusKm;
                return (!strict || (std::min(kmA, kmB) > 1500.0 && std::max(kmA, kmB) < 18500.0)) &&
                       (steps(kmA, kmB, 1000.0, false) ||
                        steps(da.bearingRad * sphere::kRadToDeg, db.bearingRad * sphere::kRadToDeg,
                              30.0, true));
            }
            default:
                return std::any_of(std::begin(kLevels), std::end(kLevels), [&](double level) {
                    return (sunAltitudeAt(sun, a) - level) * (sunAltitudeAt(sun, b) - level) <= 0;
                });
            }
        };
        const auto placeAt = [&](double x, double y) { return frame.fromFrame({x, y}); };
        // Labels, and the marker drawn over the lines.
        std::vector<QRectF> covered;
        for (const auto *rects :
             {&scene.renderer->labels().avoided(), &scene.renderer->labels().placed(),
              &scene.renderer->labels().reserved()})
            covered.insert(covered.end(), rects->begin(), rects->end());
        const auto isCovered = [&](int x, int y) {
            return std::any_of(covered.begin(), covered.end(), [&](const QRectF &r) {
                return r.adjusted(-1, -1, 1, 1).contains(QPointF(x + 0.5, y + 0.5));
            });
        };
        int crossings = 0, missed = 0, drawnCount = 0, astray = 0;
        for (int y = 2; y + 3 < size.height(); ++y)
            for (int x = 2; x + 3 < size.width(); ++x) {
                const auto here = placeAt(x + 0.5, y + 0.5), right = placeAt(x + 1.5, y + 0.5),
                           below = placeAt(x + 0.5, y + 1.5);
                if (!here || !right || !below)
                    continue;
                // Every seventh column and row: is each crossing drawn?
                for (const auto &[next, dx, dy] :
                     {std::tuple{right, 1, 0}, std::tuple{below, 0, 1}}) {
                    if ((dx ? x : y) % 7 != 0 || isCovered(x, y) || !crossed(*here, *next, true))
                        continue;
                    ++crossings;
                    bool near = false;
                    for (int i = -1; i <= 1 + dx; ++i)
                        for (int j = -1; j <= 1 + dy; ++j)
                            near = near || drawn(x + i, y + j);
                    missed += !near;
                }
                // Is each drawn pixel by a crossing, or in a label?
                if (!drawn(x, y) || isCovered(x, y))
                    continue;
                ++drawnCount;
                bool byLine = false;
                for (int i = -1; i <= 1 && !byLine; ++i)
                    for (int j = -1; j <= 1 && !byLine; ++j)
                        if (const auto other = placeAt(x + 0.5 + 1.5 * i, y + 0.5 + 1.5 * j))
                            byLine = crossed(*here, *other, false);
                astray += !byLine;
            }
        QVERIFY2(
            crossings > 100 && missed == 0,
            qPrintable(QStringLiteral("%1 of %2 crossings missed").arg(missed).arg(crossings)));
        QVERIFY2(astray < drawnCount / 10,
                 qPrintable(QStringLiteral("%1 of %2 pixels astray").arg(astray).arg(drawnCount)));
    }

    // The paths change only pixels on the geodesic through home and target,
    // the short path at its middle, the dashed long one within a dash of its.
    void pathsFollowTheGreatCircle_data()
    {
        QTest::addColumn<MapView>("view");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("moving"); // drawn roughly, as while the centre moves
        QTest::newRow("flat, long path across the edge")
            << MapView::PlateCarree << QSize(720, 360) << false;
        QTest::newRow("azimuthal on home") << MapView::Azimuthal << QSize(400, 400) << false;
        QTest::newRow("flat, moving") << MapView::PlateCarree << QSize(720, 360) << true;
        QTest::newRow("azimuthal, moving") << MapView::Azimuthal << QSize(400, 400) << true;
    }
    void pathsFollowTheGreatCircle()
    {
        QFETCH(MapView, view);
        QFETCH(QSize, size);
        QFETCH(bool, moving);
        const GeoPoint home{52.52, 13.40}, target{40.71, -74.01};
        Scene scene({}, 0xff000000, 0xff000000);
        scene.model->setPlace(PlaceEnd::Home, ChosenPlace{"home", {home, "", ""}});
        scene.model->setPlace(PlaceEnd::Target, ChosenPlace{"target", {target, "", ""}});
        const bool flat = view == MapView::PlateCarree;
        scene.model->setView(view);
        if (moving)
            scene.model->moveCentre(flat ? GeoPoint{} : home);
        else if (!flat)
            scene.model->setChosenCentre(home);
        const MapProjection projection(view, flat ? GeoPoint{} : home, size.width(), size.height(),
                                       MapFit::Contain);
        const auto frame = [&](bool shown) {
            scene.model->setLayerShown(MapLayer::Paths, shown);
            return scene.renderer->render(*scene.model, size).copy();
        };
        const QImage off = frame(false), on = frame(true);
        const auto pointOf = [&](const GeoPoint &place) {
            const FramePoint p = *projection.forward(place);
            return QPointF(p.x, p.y);
        };
        // Both paths, finely along the geodesic they are measured on.
        std::vector<QPointF> line;
        for (const bool longPath : {false, true})
            for (const GeoPoint &place : places::pathSamples(home, target, longPath, 5.0))
                line.push_back(pointOf(place));
        const auto offCircle = [&](const QPointF &p) {
            // By the azimuthal view's rim a kilometre spans many pixels.
            if (!flat && std::hypot(p.x() - size.width() / 2.0, p.y() - size.height() / 2.0) >
                             size.width() / 2.0 - 10.0)
                return false;
            return std::none_of(line.begin(), line.end(), [&](const QPointF &c) {
                return std::hypot(c.x() - p.x(), c.y() - p.y()) <= 2.0;
            });
        };
        std::vector<QPointF> changed;
        for (int y = 0; y < on.height(); ++y)
            for (int x = 0; x < on.width(); ++x)
                if (on.pixel(x, y) != off.pixel(x, y)) {
                    changed.emplace_back(x + 0.5, y + 0.5);
                    QVERIFY2(!offCircle(changed.back()),
                             qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
                }
        const auto nearest = [&](const QPointF &p) {
            double best = 1e9;
            for (const QPointF &c : changed)
                best = std::min(best, std::hypot(c.x() - p.x(), c.y() - p.y()));
            return best;
        };
        const std::vector<GeoPoint> shortPath = places::pathSamples(home, target, false),
                                    longPath = places::pathSamples(home, target, true);
        QVERIFY(nearest(pointOf(shortPath[shortPath.size() / 2])) <= 1.5);
        QVERIFY(nearest(pointOf(longPath[longPath.size() / 2])) <= 6.0);
    }

    // The locator grid: a field's edge and its letters at its middle (JO, 0 to
    // 20 E, 50 to 60 N), on a white map, and nothing between.
    void locatorGrid_data()
    {
        QTest::addColumn<MapView>("view");
        QTest::newRow("flat") << MapView::PlateCarree;
        QTest::newRow("globe") << MapView::Globe;
    }
    void locatorGrid()
    {
        QFETCH(MapView, view);
        Scene scene({}, 0xffffffff, 0xffffffff);
        const GeoPoint centre = view == MapView::PlateCarree ? GeoPoint{} : GeoPoint{55.0, 10.0};
        scene.model->setView(view);
        if (view != MapView::PlateCarree)
            scene.model->setChosenCentre(centre);
        const MapProjection projection(view, centre, 720, 360, MapFit::Contain);
        const auto pixelAt = [&](const QImage &image, const GeoPoint &place) {
            const FramePoint p = *projection.forward(place);
            return image.pixel(int(p.x), int(p.y));
        };
        const GeoPoint edge{52.0, 20.0}, middle{55.0, 10.0}, between{51.0, 16.0};
        const QImage off = scene.renderer->render(*scene.model, {720, 360}).copy();
        scene.model->setLayerShown(MapLayer::LocatorGrid, true);
        const QImage &on = scene.renderer->render(*scene.model, {720, 360});
        for (const GeoPoint &place : {edge, middle, between})
            QCOMPARE(pixelAt(off, place), 0xffffffffu);
        QVERIFY(qRed(pixelAt(on, {edge.latitude, edge.longitude - 0.2})) < 250 ||
                qRed(pixelAt(on, edge)) < 250);
        QVERIFY(qBlue(pixelAt(on, middle)) < 200); // the label's box or its text
        QCOMPARE(pixelAt(on, between), 0xffffffffu);
    }

    // A crowded map: pins around the marker, in the Tasman Sea and where the
    // twilight lines are first labelled, every layer on. Every label is placed, none over another,
    // the marker, its label or a dot.
    void labelsNeverOverlap_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<double>("textScale");
        QTest::addColumn<size_t>("placed"); // where there is room for them
        QTest::newRow("small") << 720 << 1.0 << size_t(14);
        QTest::newRow("large") << 1440 << 1.0 << size_t(16);
        QTest::newRow("small, text twice the size") << 720 << 2.0 << size_t(14);
    }
    void labelsNeverOverlap()
    {
        QFETCH(int, width);
        QFETCH(double, textScale);
        QFETCH(size_t, placed);
        const std::vector<TestZone> zones = {
            {"Europe/Berlin", 52.52, 13.40},      {"Europe/Moscow", 55.75, 37.62},
            {"Europe/Paris", 48.86, 2.35},        {"Europe/Warsaw", 52.23, 21.01},
            {"Europe/Prague", 50.08, 14.44},      {"Europe/Vienna", 48.21, 16.37},
            {"Australia/Sydney", -33.87, 151.21}, {"Pacific/Auckland", -36.85, 174.76},
            {"Africa/Libreville", 0.39, 9.45},    {"Africa/Kinshasa", -4.32, 15.31}};
        Scene scene(zones);
        scene.renderer->setTextScale(textScale);
        scene.model->selectZone("Europe/Berlin");
        scene.model->setPlace(PlaceEnd::Home, ChosenPlace{"JO40", {{50.04, 8.5}, "", ""}});
        scene.model->setPlace(PlaceEnd::Target,
                              ChosenPlace{"Sydney", {{-33.9, 151.2}, "Sydney", ""}});
        for (const TestZone &zone : zones)
            scene.model->pinZone(zone.name); // the selected zone too: a dot under the marker
        for (const MapLayer layer : {MapLayer::Grid, MapLayer::Locations, MapLayer::Sun,
                                     MapLayer::Moon, MapLayer::TwilightLines})
            scene.model->setLayerShown(layer, true);
        scene.model->setShownInstant(
            QDateTime(QDate(2026, 3, 20), QTime(17, 30), QTimeZone::utc()));
        QVERIFY(!scene.renderer->render(*scene.model, {width, width / 2}).isNull());
        const LabelPlacer &labels = scene.renderer->labels();
        // Of ten pins' labels, home's and target's, and four lines'; the marker's
        // dot and label, twelve marks.
        QCOMPARE(labels.placed().size(), placed);
        QCOMPARE(labels.reserved().size(), 14u);
        const QRectF map(0, 0, width, width / 2);
        for (size_t i = 0; i < labels.placed().size(); ++i) {
            const QRectF &label = labels.placed()[i];
            QVERIFY(map.contains(label));
            for (size_t j = 0; j < i; ++j)
                QVERIFY2(!label.intersects(labels.placed()[j]), qPrintable(QString::number(i)));
            for (const QRectF &reserved : labels.reserved())
                QVERIFY2(!label.intersects(reserved), qPrintable(QString::number(i)));
        }
    }

    // The grid's labels, painted once and kept, follow the text scale: the
    // longitudes' row along the foot grows, and comes back as it was.
    // The Moon's shadow, drawn over white, is as dark at each sampled pixel as
    // the magnitude at its place says, worked out there on the ellipsoid, in
    // the classic map and in the globe; the lines, in colour, are left out.
    void eclipseShadeIsTheMagnitude_data()
    {
        QTest::addColumn<bool>("classic");
        QTest::newRow("classic map") << true;
        QTest::newRow("globe") << false;
    }
    void eclipseShadeIsTheMagnitude()
    {
        QFETCH(bool, classic);
        const double t =
            QDateTime(QDate(2024, 4, 8), QTime(18, 18), QTimeZone::utc()).toSecsSinceEpoch();
        const std::unique_ptr<PixelLayer> layer = solarShadowLayer(t, 30.0);
        QVERIFY(layer);
        const PixelPlaces places = classic
                                       ? PixelPlaces(geometryFromSize(720.0f, 360.0f))
                                       : PixelPlaces(MapProjection(MapView::Globe, {25.0, -100.0},
                                                                   720, 360, MapFit::Contain),
                                                     nullptr);
        const eclipses::Shadow shadow = eclipses::Shadow::at(t);
        const int32_t width = places.width();
        const auto n = static_cast<size_t>(width);
        std::vector<float> x(n), y(n), z(n);
        std::vector<uint32_t> pixels(n);
        int shaded = 0, central = 0;
        for (int32_t row = 0; row < places.height(); row += 2) {
            places.fillRow(row, x.data(), y.data(), z.data());
            std::fill(pixels.begin(), pixels.end(), 0xffffffffu);
            layer->drawRow({row, width, x.data(), y.data(), z.data()}, pixels.data());
            for (int32_t c = 0; c < width; ++c) {
                const QRgb p = pixels[size_t(c)];
                if (qRed(p) != qBlue(p) || (x[c] == 0.0f && y[c] == 0.0f && z[c] == 0.0f))
                    continue;
                const eclipses::ShadowSample s = shadow.sample(sphere::placeOf({x[c], y[c], z[c]}));
                const double alpha = s.central         ? 224.0
                                     : s.magnitude > 0 ? std::min(210.0, 40.0 + 170.0 * s.magnitude)
                                                       : 0.0;
                QVERIFY2(std::abs(qRed(p) - (255.0 - alpha)) <= 3.0,
                         qPrintable(QStringLiteral("row %1 column %2: %3 for magnitude %4")
                                        .arg(row)
                                        .arg(c)
                                        .arg(qRed(p))
                                        .arg(s.magnitude)));
                shaded += s.magnitude > 0.0;
                central += s.central;
            }
        }
        QVERIFY(shaded > 1000);
        QVERIFY(central > 0);
    }

    // Each line of the shadow is labelled where its magnitude is the label's, and a lunar
    // eclipse's four regions are named.
    void eclipseLabelsSitOnTheirLines()
    {
        const MapFrame frame(kLargePreset);
        QImage image(int(frame.width()), int(frame.height()), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        LabelPlacer placer;
        const auto at = [](int y, int m, int d, QTime time) {
            return double(QDateTime(QDate(y, m, d), time, QTimeZone::utc()).toSecsSinceEpoch());
        };
        const double t = at(2024, 4, 8, QTime(18, 18));
        drawEclipseLabels(painter, frame, t, smallTextStyle(), placer);
        QCOMPARE(placer.placed().size(), 4u);
        for (size_t i = 0; i < 4; ++i) {
            const QPointF centre = placer.placed()[i].center();
            const auto place = frame.fromFrame({centre.x(), centre.y()});
            QVERIFY(place);
            const double magnitude = eclipses::Shadow::at(t).sample(*place).magnitude;
            QVERIFY2(std::abs(magnitude - 0.2 * double(i + 1)) < 0.02,
                     qPrintable(QString::number(magnitude)));
        }
        placer.clear();
        drawEclipseLabels(painter, frame, at(2025, 9, 7, QTime(18, 12)), smallTextStyle(), placer);
        QCOMPARE(placer.placed().size(), 4u);
    }

    void gridFollowsTheTextScale()
    {
        Scene scene({{"UTC", 51.4769, -0.0005}}, qRgb(0, 0, 0), qRgb(0, 0, 0));
        scene.model->setLayerShown(MapLayer::Grid, true);
        const auto foot = [&scene] {
            return scene.renderer->render(*scene.model, {720, 360}).copy(0, 330, 720, 30);
        };
        const QImage plain = foot();
        scene.renderer->setTextScale(2.0);
        QVERIFY(foot() != plain);
        scene.renderer->setTextScale(1.0);
        QCOMPARE(foot(), plain);
    }

    // A footprint fills exactly the pixels whose places lie within its radius
    // of the point below the satellite, along the sphere of radius R, also
    // where the cap reaches over a pole or across 180 degrees.
    void footprintIsTheCap_data()
    {
        QTest::addColumn<bool>("classic");
        QTest::addColumn<GeoPoint>("below");
        QTest::addColumn<double>("maskDeg");
        QTest::addColumn<double>("radiusKm");
        for (const bool classic : {true, false}) {
            const char *view = classic ? "flat" : "azimuthal";
            QTest::addRow("%s, 0 deg, over the pole", view)
                << classic << GeoPoint{82, 30} << 0.0 << 2254.0;
            QTest::addRow("%s, 10 deg, across 180", view)
                << classic << GeoPoint{-20, 179} << 10.0 << 1390.0;
        }
    }
    void footprintIsTheCap()
    {
        QFETCH(bool, classic);
        QFETCH(GeoPoint, below);
        QFETCH(double, maskDeg);
        QFETCH(double, radiusKm);
        SatelliteNow now;
        now.place.subPoint = below;
        now.footprintRadiusKm = orbits::footprintRadiusKm(420.0, maskDeg);
        QVERIFY(std::abs(now.footprintRadiusKm - radiusKm) < 1.0);
        const FootprintLayer layer(std::span(&now, 1));
        const PixelPlaces places = classic
                                       ? PixelPlaces(kLargePreset)
                                       : PixelPlaces(MapProjection(MapView::Azimuthal, {10, -40},
                                                                   720, 720, MapFit::Contain),
                                                     nullptr);
        const double angle = now.footprintRadiusKm / orbits::kWgs84RadiusKm;
        const sphere::Vector c = sphere::unitVector(below);
        int inside = 0, wrong = 0;
        places.forEachRow(1, [&](const PixelRow &row) {
            std::vector<uint32_t> pixels(size_t(row.width), 0xff000000);
            layer.drawRow(row, pixels.data());
            for (int32_t i = 0; i < row.width; ++i) {
                if (!row.shows(i))
                    continue;
                const double d = std::acos(std::clamp(
                    (row.x[i] * c[0] + row.y[i] * c[1] + row.z[i] * c[2]) /
                        std::sqrt(row.x[i] * row.x[i] + row.y[i] * row.y[i] + row.z[i] * row.z[i]),
                    -1.0, 1.0));
                // Single-precision places: a pixel within a millionth of the rim may go either way.
                if (std::abs(d - angle) < 1e-5)
                    continue;
                inside += d < angle;
                wrong += (d < angle) != (pixels[size_t(i)] != 0xff000000);
            }
        });
        QCOMPARE(wrong, 0);
        QVERIFY(inside > 1000);
    }
};

QTEST_MAIN(TestFrameRenderer)
#include "tst_framerenderer.moc"
