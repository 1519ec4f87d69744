// The views held against PROJ on a sphere, and their shading against the
// overlay's ramp at each pixel's place.

#include "astro/Sphere.h"
#include "mapcore/MapFrame.h"
#include "mapcore/MapProjection.h"
#include "mapcore/NightOverlay.h"
#include "mapcore/PixelPlaces.h"
#include "mapcore/ViewShading.h"

#include <QTest>

#include <proj.h>

#include <cmath>
#include <functional>
#include <memory>
#include <tuple>

Q_DECLARE_METATYPE(GeoPoint)

namespace {
constexpr double kDeg = M_PI / 180.0;

/// How far apart two places are on the sphere, in radians.
double apart(const GeoPoint &a, const GeoPoint &b)
{
    return sphere::distanceAndBearing(a, b).distanceRad;
}
} // namespace

class TestViews : public QObject
{
    Q_OBJECT

private slots:
    // A drag of the azimuthal view or the globe keeps the place grabbed under the pointer, slow
    // or fast; where north up cannot bring it there, the view stops at the pole.
    // A parallel, a meridian and a small circle cut in every view: each
    // piece's chords within a point of the line drawn finely, and no piece
    // jumps across the view.
    void linesCutOnTheirPlaces_data()
    {
        QTest::addColumn<MapFrame>("frame");
        QTest::newRow("flat map") << MapFrame(kLargePreset);
        for (const auto &[name, view, centre] :
             {std::tuple{"azimuthal", MapView::Azimuthal, GeoPoint{52.5, 13.4}},
              {"globe", MapView::Globe, GeoPoint{-30.0, 170.0}},
              {"robinson", MapView::Robinson, GeoPoint{0.0, 150.0}},
              {"mollweide", MapView::Mollweide, GeoPoint{0.0, -60.0}},
              {"flat, 150 E", MapView::PlateCarree, GeoPoint{0.0, 150.0}}})
            QTest::newRow(name) << MapFrame(
                MapProjection(view, centre, 1440, 720, MapFit::Contain));
    }
    void linesCutOnTheirPlaces()
    {
        QFETCH(MapFrame, frame);
        // Each line, and the same finely, 0.05 degrees a step.
        const auto line = [](double step, auto &&place) {
            std::vector<GeoPoint> places;
            for (int i = 0; i * step <= 360.0; ++i)
                places.push_back(place(i * step));
            return places;
        };
        const auto parallel = [](double t) { return GeoPoint{30.0, t - 180.0}; };
        const auto meridian = [](double t) {
            return GeoPoint{std::min(90.0, t / 2 - 90.0), -120.0};
        };
        const auto circle = [](double t) {
            return sphere::destinationPoint({10.0, 175.0}, t * sphere::kDegToRad, 0.6);
        };
        for (const auto &[coarse, fine] : {std::pair{line(10.0, parallel), line(0.05, parallel)},
                                           {line(10.0, meridian), line(0.05, meridian)},
                                           {line(5.0, circle), line(0.05, circle)}}) {
            std::vector<FramePoint> curve;
            for (const GeoPoint &place : fine)
                if (const auto p = frame.toFrame(place))
                    curve.push_back(*p);
            const std::vector<FrameLine> pieces = frame.cut(coarse);
            QVERIFY(!pieces.empty());
            for (const FrameLine &piece : pieces)
                for (size_t i = 1; i < piece.size(); ++i) {
                    const double step =
                        std::hypot(piece[i].x - piece[i - 1].x, piece[i].y - piece[i - 1].y);
                    QVERIFY2(step < frame.width() / 4, "a jump across the view");
                    // Copies of a repeating map run on beyond the frame.
                    const FramePoint mid{(piece[i - 1].x + piece[i].x) / 2,
                                         (piece[i - 1].y + piece[i].y) / 2};
                    if (mid.x < 0 || mid.x > frame.width())
                        continue;
                    double nearest = HUGE_VAL;
                    for (const FramePoint &c : curve)
                        nearest = std::min(nearest, std::hypot(c.x - mid.x, c.y - mid.y));
                    QVERIFY2(nearest < 1.0, qPrintable(QStringLiteral("%1 points off at %2, %3")
                                                           .arg(nearest)
                                                           .arg(mid.x)
                                                           .arg(mid.y)));
                }
        }
    }

    // Each pixel's place, for the layers drawn pixel by pixel, is the frame's
    // inverse at the pixel's centre, prepared or not; nothing outside the view.
    void pixelPlacesAreTheInverse_data()
    {
        QTest::addColumn<int>("view"); // -1: the classic map
        QTest::addColumn<GeoPoint>("centre");
        QTest::newRow("flat map") << -1 << GeoPoint{};
        QTest::newRow("azimuthal") << int(MapView::Azimuthal) << GeoPoint{52.5, 13.4};
        QTest::newRow("globe") << int(MapView::Globe) << GeoPoint{-30.0, 170.0};
        QTest::newRow("robinson") << int(MapView::Robinson) << GeoPoint{0.0, 150.0};
        QTest::newRow("mollweide") << int(MapView::Mollweide) << GeoPoint{0.0, -60.0};
        QTest::newRow("flat, 150 E") << int(MapView::PlateCarree) << GeoPoint{0.0, 150.0};
    }
    void pixelPlacesAreTheInverse()
    {
        QFETCH(int, view);
        QFETCH(GeoPoint, centre);
        const int32_t width = 1440, height = 720;
        const bool classic = view < 0;
        const MapProjection projection(classic ? MapView::PlateCarree : MapView(view), centre,
                                       width, height, MapFit::Contain);
        const MapFrame frame = classic ? MapFrame(kLargePreset) : MapFrame(projection);
        ViewPixels prepared;
        QVERIFY(classic || prepareViewPixels(projection, 2, prepared));
        for (const bool usePrepared : {false, true}) {
            const PixelPlaces places =
                classic ? PixelPlaces(kLargePreset)
                        : PixelPlaces(projection, usePrepared ? &prepared : nullptr);
            QCOMPARE(places.width(), width);
            QCOMPARE(places.height(), height);
            // Each row is seen by one thread, which notes its worst pixel.
            std::vector<double> worst(size_t(height), -1.0);
            places.forEachRow(2, [&](const PixelRow &row) {
                double &off = worst[size_t(row.row)];
                off = 0.0;
                for (int32_t column = row.row % 7; column < width; column += 7) {
                    const auto place = frame.fromFrame({column + 0.5, row.row + 0.5});
                    const sphere::Vector v =
                        place ? sphere::unitVector(*place) : sphere::Vector{0, 0, 0};
                    off = std::max(off, std::hypot(row.x[column] - v[0], row.y[column] - v[1],
                                                   row.z[column] - v[2]));
                }
            });
            const auto most = std::max_element(worst.begin(), worst.end());
            QVERIFY2(*most >= 0.0 && *most < 1e-5,
                     qPrintable(
                         QStringLiteral("row %1 is %2 off").arg(most - worst.begin()).arg(*most)));
            QVERIFY(*std::min_element(worst.begin(), worst.end()) >= 0.0); // every row seen
        }
    }

    void dragKeepsThePlace_data()
    {
        QTest::addColumn<int>("view");
        QTest::addColumn<GeoPoint>("centre");
        QTest::addColumn<QPointF>("grabbed");
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<double>("pole"); // the centre's latitude where it stops, else 0
        const auto row = [](const char *name, MapView view, GeoPoint centre, QPointF grabbed,
                            QPointF pointer, double pole = 0.0) {
            QTest::newRow(name) << int(view) << centre << grabbed << pointer << pole;
        };
        row("globe, slow", MapView::Globe, {52.5, 13.4}, {200, 200}, {280, 200});
        row("globe, fast and slanting", MapView::Globe, {10, 170}, {150, 120}, {330, 290});
        row("globe, rim to rim", MapView::Globe, {0, 0}, {395, 200}, {10, 200});
        row("globe, past the pole", MapView::Globe, {80, 0}, {200, 150}, {200, 330}, 90.0);
        row("azimuthal, slow", MapView::Azimuthal, {52.5, 13.4}, {200, 200}, {200, 230});
        row("azimuthal, far", MapView::Azimuthal, {-33.9, 151.2}, {60, 300}, {320, 90});
        row("azimuthal, past the pole", MapView::Azimuthal, {-60, 0}, {200, 200}, {200, 90}, -90.0);
    }
    void dragKeepsThePlace()
    {
        QFETCH(int, view);
        QFETCH(GeoPoint, centre);
        QFETCH(QPointF, grabbed);
        QFETCH(QPointF, pointer);
        QFETCH(double, pole);
        const MapProjection start(MapView(view), centre, 400, 400, MapFit::Contain);
        const auto place = start.inverse({grabbed.x(), grabbed.y()});
        const auto moved = start.centreShowing(*place, {pointer.x(), pointer.y()});
        QVERIFY(place && moved);
        const auto shown =
            MapProjection(MapView(view), *moved, 400, 400, MapFit::Contain).forward(*place);
        QVERIFY(shown);
        const double off = std::hypot(shown->x - pointer.x(), shown->y - pointer.y());
        QVERIFY2(pole != 0.0 || off < 0.01, qPrintable(QString::number(off)));
        if (pole != 0.0)
            QCOMPARE(moved->latitude, pole);
    }

    void agreeWithProj_data()
    {
        QTest::addColumn<int>("view");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("proj");
        const struct
        {
            MapView view;
            const char *name;
            const char *proj;
        } views[] = {{MapView::PlateCarree, "plate-carree", "eqc"},
                     {MapView::Azimuthal, "azimuthal", "aeqd"},
                     {MapView::Globe, "globe", "ortho"},
                     {MapView::Robinson, "robinson", "robin"},
                     {MapView::Mollweide, "mollweide", "moll"}};
        const GeoPoint centres[] = {{0, 0},  {52.52, 13.4},  {-90, 0},
                                    {90, 0}, {-33.9, 151.2}, {10, -179.5}};
        for (const auto &v : views) {
            for (const GeoPoint &c : centres) {
                // The pseudocylindrical views take only the central meridian.
                const double lat0 =
                    v.view == MapView::Azimuthal || v.view == MapView::Globe ? c.latitude : 0.0;
                QTest::addRow("%s %g,%g", v.name, c.latitude, c.longitude)
                    << int(v.view) << c.latitude << c.longitude
                    << QStringLiteral("+proj=%1 +lat_0=%2 +lon_0=%3 +R=1")
                           .arg(QLatin1String(v.proj))
                           .arg(lat0, 0, 'g', 17)
                           .arg(c.longitude, 0, 'g', 17);
            }
        }
    }

    // Forward and inverse agree with PROJ to 1e-9 radians, and a point
    // through the frame and back is the point; in the azimuthal view a
    // pixel's distance from the centre is the great-circle distance and its
    // screen angle the initial bearing.
    void agreeWithProj()
    {
        QFETCH(int, view);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, proj);
        const GeoPoint centre{latitude, longitude};
        const MapProjection projection(MapView(view), centre, 1000, 700, MapFit::Contain);
        std::unique_ptr<PJ, decltype(&proj_destroy)> pj(
            proj_create(nullptr, proj.toUtf8().constData()), proj_destroy);
        QVERIFY(pj);
        int compared = 0;
        for (double lat = -89.5; lat <= 89.5; lat += 6.1) {
            for (double lon = -179.5; lon <= 180; lon += 8.3) {
                const GeoPoint place{lat, lon};
                const auto ours = projection.project(place);
                const sphere::DistanceAndBearing db = sphere::distanceAndBearing(centre, place);
                if (db.distanceRad > 179.0 * kDeg && MapView(view) == MapView::Azimuthal)
                    continue; // the antipode's neighbourhood, where the rim folds
                PJ_COORD in = proj_coord(lon * kDeg, lat * kDeg, 0, 0);
                const PJ_COORD xy = proj_trans(pj.get(), PJ_FWD, in);
                const bool projShows = std::isfinite(xy.xy.x) && xy.xy.x != HUGE_VAL;
                QCOMPARE(bool(ours), projShows);
                if (!ours)
                    continue;
                ++compared;
                QVERIFY2(std::fabs(ours->x - xy.xy.x) < 1e-9 && std::fabs(ours->y - xy.xy.y) < 1e-9,
                         qPrintable(QStringLiteral("forward %1,%2").arg(lat).arg(lon)));
                const PJ_COORD back = proj_trans(pj.get(), PJ_INV, xy);
                const auto unprojected = projection.unproject(*ours);
                QVERIFY(unprojected);
                // PROJ 9.1's azimuthal inverse misplaces the odd point (it
                // gives 151.2 E for -77.3, 61.2 about Sydney); only where
                // PROJ itself comes back to the point is it the judge.
                const GeoPoint projBack{back.lp.phi / kDeg, back.lp.lam / kDeg};
                QVERIFY2(apart(projBack, place) > 1e-9 || apart(*unprojected, projBack) < 1e-9,
                         qPrintable(QStringLiteral("inverse %1,%2").arg(lat).arg(lon)));
                const auto pixel = projection.forward(place);
                const auto again = projection.inverse(*pixel);
                QVERIFY(again && apart(*again, place) < 1e-9);
                if (MapView(view) == MapView::Azimuthal) {
                    const double dx = pixel->x - 500.0, dy = pixel->y - 350.0;
                    QVERIFY(std::fabs(std::hypot(dx, dy) / projection.scale() - db.distanceRad) <
                            1e-9);
                    if (db.distanceRad > 1e-6)
                        QVERIFY(std::fabs(std::remainder(std::atan2(dx, -dy) - db.bearingRad,
                                                         2 * M_PI)) < 1e-9);
                }
            }
        }
        QVERIFY(compared > 300);
    }

    void shadingFollowsTheRamp_data()
    {
        QTest::addColumn<int>("view");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<int>("fit");
        QTest::newRow("azimuthal Berlin") << int(MapView::Azimuthal) << 52.52 << 13.4 << 0;
        QTest::newRow("azimuthal south pole") << int(MapView::Azimuthal) << -90.0 << 0.0 << 0;
        QTest::newRow("globe") << int(MapView::Globe) << -22.0 << 170.0 << 1;
        QTest::newRow("robinson") << int(MapView::Robinson) << 0.0 << -100.0 << 0;
        QTest::newRow("mollweide") << int(MapView::Mollweide) << 0.0 << 60.0 << 1;
        QTest::newRow("plate carree 150E") << int(MapView::PlateCarree) << 0.0 << 150.0 << 1;
    }

    // With a magenta day and a green night, a frame pixel's red and blue are
    // 255 - alpha and its green alpha: every pixel's alpha is within 1 of the
    // ramp's at its place, and black outside the view.
    void shadingFollowsTheRamp()
    {
        QFETCH(int, view);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(int, fit);
        const uint32_t magenta = 0xffff00ffu, green = 0xff00ff00u;
        const WorldImage day{&magenta, 1, 1, 1}, night{&green, 1, 1, 1};
        const MapProjection projection(MapView(view), {latitude, longitude}, 301, 157, MapFit(fit));
        ViewPixels pixels;
        QVERIFY(prepareViewPixels(projection, 3, pixels));
        for (const UtcFields utc :
             {UtcFields{2026, 12, 7, 12, 30, 0}, UtcFields{2027, 3, 20, 3, 0, 0},
              UtcFields{2026, 6, 21, 18, 45, 30}}) {
            std::vector<uint8_t> frame(301 * 157 * 4 + 4, 0x5a);
            // A drag's frame samples the images coarsely and half the rows.
            const auto quality = utc.hour == 3 ? ShadingQuality::Draft : ShadingQuality::Exact;
            QVERIFY(shadeView(pixels, projection, day, night, utc, quality, frame, 301 * 4, 2));
            // A single frame, its pixels worked out band by band, is the same.
            std::vector<uint8_t> once(frame.size(), 0x5a);
            QVERIFY(shadeViewOnce(projection, day, night, utc, quality, once, 301 * 4, 2));
            QVERIFY(once == frame);
            QCOMPARE(frame.back(), uint8_t(0x5a));
            const SunQuantities sun = sunQuantities(utc);
            int shaded = 0;
            for (int row = 0; row < 157; ++row) {
                for (int column = 0; column < 301; ++column) {
                    const uint8_t *pixel = &frame[(row * 301 + column) * 4];
                    const uint8_t red = pixel[2];
                    // A draft repeats each even row below.
                    const int shown = quality == ShadingQuality::Draft ? row & ~1 : row;
                    const auto place = projection.inverse({column + 0.5, shown + 0.5});
                    if (!place) {
                        QCOMPARE(red | pixel[1] | pixel[0], 0);
                        continue;
                    }
                    QCOMPARE(pixel[0], red);
                    QCOMPARE(pixel[1] + red, 255);
                    const int expected = alphaForAltitude(sunAltitudeAt(sun, *place));
                    shaded += expected > 0 && expected < 255;
                    QVERIFY2(std::abs(255 - red - expected) <= 1,
                             qPrintable(QStringLiteral("%1,%2: %3 for %4")
                                            .arg(column)
                                            .arg(row)
                                            .arg(255 - red)
                                            .arg(expected)));
                }
            }
            QVERIFY(shaded > 100); // the twilight band crosses the frame
        }
        // Pixels of another size are not this view's.
        const MapProjection other(MapView(view), {latitude, longitude}, 300, 157, MapFit(fit));
        std::vector<uint8_t> frame(301 * 157 * 4);
        QVERIFY(!shadeView(pixels, other, day, night, {2026, 1, 1, 0, 0, 0}, ShadingQuality::Exact,
                           frame, 301 * 4));
    }

    void atan2WithinItsBound_data()
    {
        QTest::addColumn<float>("y");
        QTest::addColumn<float>("x");
        const float cases[][2] = {{0, 1},      {0, -1},     {-0.0f, -1}, {1, 0},      {-1, 0},
                                  {0, 0},      {1, 1},      {-1, -1},    {3, -4},     {1e-30f, 1},
                                  {1, 1e-30f}, {1e30f, -1}, {0.999f, 1}, {-1, 0.999f}};
        for (const auto &c : cases)
            QTest::addRow("%g,%g", double(c[0]), double(c[1])) << c[0] << c[1];
    }
    // The polynomial atan2 keeps its bound against libm's at the axes and
    // diagonals, and round the circle.
    void atan2WithinItsBound()
    {
        QFETCH(float, y);
        QFETCH(float, x);
        const auto off = [](float y, float x) {
            return std::fabs(double(view_shading::atan2Approx(y, x)) - std::atan2(y, x));
        };
        QVERIFY(off(y, x) <= view_shading::kAtan2ErrorRad);
        for (double a = -M_PI; a < M_PI; a += 1e-4)
            QVERIFY(off(y + float(std::sin(a)), x + float(std::cos(a))) <=
                    view_shading::kAtan2ErrorRad);
    }

    // On a frame twice the image's size, an exact frame blends the image's
    // pixels three to one, wrapping at 180°, where a draft takes the nearest.
    // A view that stays where it is keeps its pixels' colours from frame to
    // frame: each frame is still the one worked out afresh, and a new image,
    // or a new centre, is sampled anew.
    void keptColoursAreTheFreshOnes()
    {
        std::vector<uint32_t> first(64 * 32), second(64 * 32), night(64 * 32);
        for (uint32_t i = 0; i < first.size(); ++i) {
            first[i] = 0xff000000u | (i * 2654435761u >> 8);
            second[i] = 0xff000000u | (i * 40503u);
            night[i] = 0xff000000u | (i * 7u);
        }
        const WorldImage firstDay{first.data(), 64, 32, 64, 1},
            secondDay{second.data(), 64, 32, 64, 2}, nights{night.data(), 64, 32, 64, 3};
        const MapProjection start(MapView::Globe, {20, 30}, 96, 64, MapFit::Contain);
        ViewPixels pixels;
        QVERIFY(prepareViewPixels(start, 1, pixels));
        const struct
        {
            const WorldImage &day;
            GeoPoint centre;
            int hour;
        } frames[] = {{firstDay, {20, 30}, 6},
                      {firstDay, {20, 30}, 9},
                      {firstDay, {20, 30}, 12},
                      {secondDay, {20, 30}, 12},
                      {secondDay, {-40, 100}, 15}};
        for (const auto &f : frames) {
            const MapProjection projection = start.recentred(f.centre);
            const UtcFields utc{2026, 3, 20, f.hour, 0, 0};
            std::vector<uint8_t> kept(96 * 64 * 4), fresh(kept.size());
            QVERIFY(shadeView(pixels, projection, f.day, nights, utc, ShadingQuality::Exact, kept,
                              96 * 4));
            QVERIFY(shadeViewOnce(projection, f.day, nights, utc, ShadingQuality::Exact, fresh,
                                  96 * 4));
            QVERIFY(kept == fresh);
        }
    }

    void samplingBlendsOrTakesTheNearest()
    {
        uint32_t image[8];
        for (uint32_t i = 0; i < 8; ++i)
            image[i] = 0xff000000u | (i * 32u) << 16 | (i * 20u);
        const WorldImage world{image, 4, 2, 4};
        const MapProjection projection(MapView::PlateCarree, {0, 0}, 8, 4, MapFit::Contain);
        ViewPixels pixels;
        QVERIFY(prepareViewPixels(projection, 1, pixels));
        for (const ShadingQuality quality : {ShadingQuality::Exact, ShadingQuality::Draft}) {
            std::vector<uint8_t> frame(8 * 4 * 4);
            QVERIFY(shadeView(pixels, projection, world, world, {2026, 3, 20, 12, 0, 0}, quality,
                              frame, 8 * 4));
            for (int row = 0; row < 4; ++row) {
                for (int column = 0; column < 8; ++column) {
                    const auto at = [&](int r, int c) { return image[r * 4 + (c + 4) % 4]; };
                    const int r0 = std::max(0, row / 2 - (row % 2 == 0)),
                              r1 = std::min(1, row / 2 + (row % 2));
                    const int c0 = column / 2 - (column % 2 == 0), c1 = c0 + 1;
                    const double across = column % 2 ? 0.25 : 0.75, down = row % 2 ? 0.25 : 0.75;
                    for (const int shift : {0, 16}) {
                        const auto v = [&](uint32_t p) { return double((p >> shift) & 0xffu); };
                        const double expected =
                            quality == ShadingQuality::Draft
                                ? v(at(row / 2, column / 2))
                                : (1 - down) *
                                          ((1 - across) * v(at(r0, c0)) + across * v(at(r0, c1))) +
                                      down *
                                          ((1 - across) * v(at(r1, c0)) + across * v(at(r1, c1)));
                        QVERIFY2(std::fabs(frame[(row * 8 + column) * 4 + shift / 8] - expected) <=
                                     1.5,
                                 qPrintable(QStringLiteral("%1,%2: %3 for %4")
                                                .arg(column)
                                                .arg(row)
                                                .arg(frame[(row * 8 + column) * 4 + shift / 8])
                                                .arg(expected)));
                    }
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestViews)
#include "tst_views.moc"
