#include "mapcore/GridLayout.h"
#include "mapcore/MapGeometry.h"
#include "mapcore/MarkerLayout.h"
#include "mapcore/NightOverlay.h"
#include "mapcore/NightOverlayDetail.h"
#include "mapcore/TwilightLines.h"

#include <QTest>

#include <algorithm>
#include <limits>
#include <random>
#include <vector>

namespace detail = night_overlay_detail;
using namespace Qt::StringLiterals;
using Bytes = std::vector<uint8_t>;

/// Buffer sizes in bytes for one geometry; the overlay's is the frame's.
struct BufferSizes
{
    MapGeometry geometry;
    qsizetype night, day, frame;
    std::size_t stride; // of day and frame
    bool overlayFits = true, frameInsideDay = false;
};

class TestMapCore : public QObject
{
    Q_OBJECT

    static constexpr uint8_t kPoison = 0xAB;
    static constexpr std::size_t kSlack = 7; // bytes after each buffer that no kernel may touch
    static constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

    static std::size_t pixels(const MapGeometry &g) { return size_t(g.mapWidth) * g.mapHeight; }
    static Bytes randomBytes(std::size_t count, uint32_t seed)
    {
        std::mt19937 random(seed);
        Bytes bytes(count);
        std::generate(bytes.begin(), bytes.end(), [&] { return uint8_t(random()); });
        return bytes;
    }
    // The overlay composited source-atop onto opaque day pixels, as before the fused kernel.
    static Bytes compositeAtop(const MapGeometry &g, const Bytes &day, std::size_t dayStride,
                               const Bytes &overlay, Bytes frame, std::size_t frameStride)
    {
        for (std::size_t row = 0; row < std::size_t(g.mapHeight); ++row) {
            for (std::size_t column = 0; column < std::size_t(g.mapWidth); ++column) {
                const uint8_t *d = day.data() + row * dayStride + 4 * column;
                const uint8_t *o = overlay.data() + 4 * (row * g.mapWidth + column);
                uint8_t *f = frame.data() + row * frameStride + 4 * column;
                for (int k = 0; k < 3; ++k) {
                    const unsigned x = d[k] * (255u - o[3]) + 128;
                    f[k] = uint8_t(o[2 - k] + ((x + (x >> 8)) >> 8));
                }
                f[3] = 255;
            }
        }
        return frame;
    }

private slots:
    // The size truncated toward zero and saturated, a NaN giving 0; the scale and
    // the offsets from the unrounded size.
    void geometryTruncatesTheSizeNotTheScale()
    {
        QCOMPARE(geometryFromSize(720.5f, 360.5f),
                 (MapGeometry{720, 360, 2.00138879f, 180.25f, 360.25f}));
        QCOMPARE(geometryFromSize(1e12f, -1e12f),
                 (MapGeometry{INT32_MAX, INT32_MIN, 2.77777766e+09f, -5e11f, 5e11f}));
        QCOMPARE(geometryFromSize(kNaN, -10.5f).mapWidth, 0);
        QCOMPARE(geometryFromSize(kNaN, -10.5f).mapHeight, -10);
    }

    // A place's pixel, not clamped to the map, and back; the location square and
    // both circles of the zone marker centred on it; the overlay's pixel edges.
    void placeToPixelAndBack()
    {
        const MapGeometry &g = kSmallPreset;
        const float x = longitudeToX(-200, g), y = latitudeToY(100, g);
        QCOMPARE((PointF{x, y}), (PointF{-40, 380}));
        QCOMPARE((PointF{xToLongitude(x, g), yToLatitude(y, g)}), (PointF{-200, 100}));
        QCOMPARE(locationSquareRect(-40, 380), (RectF{-41.5f, 378.5f, 3, 3}));
        QCOMPARE(markerDotRect(x, y), (RectF{-44, 376, 9, 9}));
        QCOMPARE(markerCentreRect(x, y), (RectF{-42, 378, 5, 5}));
        // A bitmap row's upper edge, a column's left edge: no half-pixel term.
        QCOMPARE(rowLatitude(0, g), 90.0f);
        QCOMPARE(columnLongitude(0, g), -180.0f);
    }

    // The hemisphere's letter, none at 0; every second meridian labelled; the labels
    // 6 pixels below their parallels and centred on their meridians.
    void gridLabelsNameTheirLines()
    {
        QCOMPARE(QString::fromStdString(latitudeLabelText(-170)), u" 170° S"_s);
        QCOMPARE(QString::fromStdString(longitudeLabelText(-170)), u" 170° W"_s);
        QCOMPARE(QString::fromStdString(latitudeLabelText(0)), u"   0°  "_s);
        QCOMPARE(QString::fromStdString(latitudeLabelText(80)), u"  80° N"_s);
        QCOMPARE(QString::fromStdString(longitudeLabelText(80)), u"  80° E"_s);
        QVERIFY(!longitudeLabelShown(-170) && longitudeLabelShown(0) && longitudeLabelShown(80));
        QCOMPARE(latitudeLabelY(20), 14.0f);
        QCOMPARE(longitudeLabelX(180, 25.0f), 167.5f);
    }

    // Opaque from -18 degrees down, clear from the day limit up and for a NaN; the
    // ramp divides the altitude itself, so it starts at 8, and is clamped and truncated.
    void nightAlphaOverTwilight_data()
    {
        QTest::addColumn<double>("altitude");
        QTest::addColumn<int>("alpha");
        QTest::newRow("night") << -18.0 << 255;
        QTest::newRow("clamped") << -17.5 << 255;
        QTest::newRow("truncated") << -17.4 << 254;
        QTest::newRow("below the day limit") << -0.5833333333333335 << 8;
        QTest::newRow("day limit") << -0.5833333333333334 << 0;
        QTest::newRow("NaN") << double(kNaN) << 0;
    }
    void nightAlphaOverTwilight()
    {
        QFETCH(double, altitude);
        QFETCH(int, alpha);
        QCOMPARE(int(alphaForAltitude(altitude)), alpha);
    }

    // Moved left by whole pixels (truncated) until the text ends before 20 pixels
    // from the map's right edge; the box 3 right of the marker and 2 beyond the text.
    void zoneLabelEndsInsideTheMap()
    {
        QCOMPARE(labelShift(360, 40, 720), 0.0f);
        QCOMPARE(labelShift(660, 40.5f, 720), 0.0f); // half a pixel over
        QCOMPARE(labelShift(660, 41.75f, 720), 1.0f);
        QCOMPARE(labelShift(10, 800, 720), 110.0f); // wider than the map
        QCOMPARE(zoneLabelBox(10, 100, 800, 17, 110), (RectF{-97, 104, 804, 17}));
        QCOMPARE(zoneLabelTextOrigin(10, 100, 110), (PointF{-95, 105}));
    }

    // Every point of a contour at its angular distance from the sun, each step within the limit,
    // the line closed or once round a pole; the label's point on the contour, east of the sun.
    void twilightContours()
    {
        const std::tuple<double, double, double, bool> cases[] = {
            {-23.44, -6.0, 0.5, true}, // solstice, civil, fine
            {10.0, -12.0, 3.0, false}, // no pole inside
            {18.0, -18.0, 2.0, true}}; // through the pole
        for (const auto &[declination, altitude, step, roundPole] : cases) {
            const GeoPoint sun{declination, 170.0};
            const auto distance = [&](const GeoPoint &p) {
                const double r = M_PI / 180.0, a = sun.latitude * r, b = p.latitude * r;
                return std::acos(std::clamp(std::sin(a) * std::sin(b) +
                                                std::cos(a) * std::cos(b) *
                                                    std::cos((p.longitude - sun.longitude) * r),
                                            -1.0, 1.0)) /
                       r;
            };
            const std::vector<GeoPoint> line = altitudeContour(sun, altitude, step);
            QVERIFY(line.size() > 360 / step);
            for (std::size_t i = 0; i < line.size(); ++i) {
                QVERIFY2(std::fabs(distance(line[i]) - (90.0 - altitude)) < 1e-6,
                         qPrintable(QString::number(i)));
                // Longer only across a pole, where the longitude jumps.
                const bool pole = std::fabs(std::fabs(line[i].latitude) - 90.0) < 0.01;
                if (i > 0 && !pole)
                    QVERIFY(std::fabs(line[i].latitude - line[i - 1].latitude) <= step + 1e-9 &&
                            std::fabs(line[i].longitude - line[i - 1].longitude) <= step + 1e-9);
            }
            QVERIFY(std::fabs(line.back().latitude - line.front().latitude) < 1e-9);
            QCOMPARE(std::round(std::fabs(line.back().longitude - line.front().longitude)),
                     roundPole ? 360.0 : 0.0);
            const double evening = eveningLongitude(sun, altitude, -5.0);
            QVERIFY(std::fabs(distance({-5.0, evening}) - (90.0 - altitude)) < 1e-6);
            QVERIFY(std::fmod(evening - sun.longitude + 720.0, 360.0) < 180.0);
        }
        QCOMPARE(contourStepFor(4.0), 5.0);
    }

    void workedExample()
    {
        // Latitude 0, longitude 0 (row 180, column 360) under a night image of one colour.
        // On 2026-06-21 the sun is at right ascension 89.64, declination 23.44: h = -8.774.
        Bytes night, out(4 * pixels(kSmallPreset));
        for (std::size_t i = 0; i < pixels(kSmallPreset); ++i)
            night.insert(night.end(), {0xc8, 0x64, 0x32});
        for (const auto &[instant, pixel] :
             {std::pair{UtcFields{2007, 3, 21, 12, 0, 0}, "\0\0\0\0"},
              {{2007, 3, 21, 18, 40, 0}, "\x5d\x2e\x17\x77"},
              {{2007, 3, 21, 19, 0, 0}, "\x96\x4b\x25\xc0"},
              {{2007, 3, 21, 19, 20, 0}, "\xc8\x64\x32\xff"},
              {{2026, 6, 21, 18, 40, 0}, "\x64\x32\x19\x80"}}) {
            QVERIFY(computeNightOverlayReference(kSmallPreset, night, instant, out));
            QCOMPARE(
                QByteArray(reinterpret_cast<const char *>(out.data()) + 4 * (180 * 720 + 360), 4),
                QByteArray(pixel, 4));
        }
    }

    void rejectsBadBuffers_data()
    {
        QTest::addColumn<BufferSizes>("sizes");
        const qsizetype p = 720 * 360, row = 2880, padded = 2884, last = padded * 359 + row;
        const MapGeometry small = kSmallPreset;
        const int32_t huge = std::numeric_limits<int32_t>::max();
        // 359 strides wrap around to less than 359 bytes.
        const std::size_t wrapping = std::numeric_limits<std::size_t>::max() / 359 + 1;
        const auto add = [](const char *name, const BufferSizes &sizes) {
            QTest::newRow(name) << sizes;
        };
        add("night short", {small, 3 * p - 1, 4 * p, 4 * p, row, false});
        add("frame short", {small, 3 * p, 4 * p, 4 * p - 1, row, false});
        add("day short", {small, 3 * p, 4 * p - 1, 4 * p, row});
        add("stride short", {small, 3 * p, 4 * p, 4 * p, row - 4});
        add("padded, last row short", {small, 3 * p, last, last - 1, padded});
        add("stride overflowing", {small, 3 * p, 4 * p, 4 * p, wrapping});
        add("zero width", {{0, 360, 2.0f, 180.0f, 0.0f}, p, p, p, 0, false});
        add("both negative", {{-720, -360, 2.0f, 180.0f, 360.0f}, 3 * p, 4 * p, 4 * p, row, false});
        add("size overflowing 32 bits",
            {{huge, huge, 1.0f, 0.0f, 0.0f}, 3 * p, 4 * p, 4 * p, row, false});
        // It would overwrite day pixels before they are read.
        add("frame overlapping day", {small, 3 * p, 8 * p, 4 * p, row, true, true});
    }
    void rejectsBadBuffers()
    {
        QFETCH(BufferSizes, sizes);
        const Bytes night(sizes.night, 7), untouchedDay(sizes.day, 9),
            untouched(sizes.frame, kPoison);
        Bytes day = untouchedDay, out = untouched;
        const auto frame =
            sizes.frameInsideDay ? std::span(day).subspan(4, out.size()) : std::span(out);
        const UtcFields dusk{2007, 3, 21, 18, 40, 0};
        if (!sizes.overlayFits) {
            QVERIFY(!computeNightOverlayReference(sizes.geometry, night, dusk, out));
            QVERIFY(!computeNightOverlay(sizes.geometry, night, dusk, out));
        }
        QVERIFY(!composeDayAndNight(sizes.geometry, day, sizes.stride, night, dusk, frame,
                                    sizes.stride));
        QVERIFY(out == untouched && day == untouchedDay);
    }

    void kernelsMatchReference_data()
    {
        QTest::addColumn<MapGeometry>("geometry");
        QTest::addColumn<UtcFields>("instant");
        QTest::addColumn<detail::FastMargins>("margins");
        const auto add = [](const QByteArray &name, const MapGeometry &g, const UtcFields &t,
                            detail::FastMargins margins = detail::kProvenMargins) {
            QTest::addRow("%dx%d %d-%02d-%02d %02d:%02d:%02d %s", g.mapWidth, g.mapHeight, t.year,
                          t.month, t.day, t.hour, t.minute, t.second, name.data())
                << g << t << margins;
        };
        // Noon and dusk, the equinoxes and solstices of 2026, the last second of a year.
        for (const MapGeometry &geometry : {kSmallPreset, kLargePreset})
            for (const UtcFields &instant : {UtcFields{2007, 3, 21, 12, 0, 0},
                                             {2007, 3, 21, 18, 40, 0},
                                             {2026, 3, 20, 14, 46, 0},
                                             {2026, 9, 23, 0, 5, 0},
                                             {2026, 6, 21, 8, 24, 0},
                                             {2026, 12, 21, 20, 50, 0},
                                             {2099, 12, 31, 23, 59, 59}})
                add("", geometry, instant);
        std::mt19937 random(20070321);
        const auto uniform = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        for (int i = 0; i < 40; ++i)
            add("random", i % 5 ? kSmallPreset : kLargePreset,
                {uniform(1901, 2099), uniform(1, 12), uniform(1, 28), uniform(0, 23),
                 uniform(0, 59), uniform(0, 59)});
        // Widths that are no multiple of the column blocks, a single pixel, a map off
        // the usual offsets, and a scale that makes every coordinate infinite or NaN.
        const UtcFields dawn{2026, 6, 21, 6, 30, 0}, evening{2026, 12, 21, 17, 0, 0};
        add("dawn", {100, 50, 100.0f / 360.0f, 25.0f, 50.0f}, dawn);
        add("dawn", {17, 9, 17.0f / 360.0f, 4.5f, 8.5f}, dawn);
        add("evening", {1000, 333, 1000.0f / 360.0f, 166.5f, 500.0f}, evening);
        add("evening, beyond the poles", geometryFromSize(4096, 2304), evening);
        add("dawn", {1, 1, 1.0f / 360.0f, 0.5f, 0.5f}, dawn);
        add("evening, shifted", {37, 701, 0.37f, 111.0f, -20.0f}, evening);
        add("dawn, zero scale", {64, 32, 0.0f, 16.0f, 32.0f}, dawn);
        // Most twilight and some day and night pixels take the exact path.
        add("dawn, wide margins", kSmallPreset, dawn, {0.05, 1.0, 0.49});
    }
    void kernelsMatchReference()
    {
        QFETCH(MapGeometry, geometry);
        QFETCH(UtcFields, instant);
        QFETCH(detail::FastMargins, margins);
        const Bytes night = randomBytes(3 * pixels(geometry), 7);
        Bytes overlay(4 * pixels(geometry) + kSlack, kPoison);
        QVERIFY(computeNightOverlayReference(geometry, night, instant, overlay));
        QCOMPARE(Bytes(overlay.end() - kSlack, overlay.end()), Bytes(kSlack, kPoison));
        // Day rows padded, their pixels opaque; the frame packed apart, or the day itself.
        const std::size_t packed = 4 * std::size_t(geometry.mapWidth), padded = packed + 12;
        Bytes day = randomBytes(padded * geometry.mapHeight + kSlack, 11);
        for (std::size_t i = 3; i < day.size(); i += 4)
            day[i] = i % padded < packed ? 255 : day[i];
        const Bytes apart =
            compositeAtop(geometry, day, padded, overlay,
                          Bytes(packed * geometry.mapHeight + kSlack, kPoison), packed);
        const Bytes inPlace = compositeAtop(geometry, day, padded, overlay, day, padded);

        // Each instruction set with the row's margins, then the entry points.
        const auto sets = detail::supportedInstructionSets();
        for (std::size_t i = 0; i <= sets.size(); ++i) {
            const bool entry = i == sets.size();
            Bytes out(overlay.size(), kPoison);
            QVERIFY(entry ? computeNightOverlay(geometry, night, instant, out)
                          : detail::computeNightOverlayWithMargins(geometry, night, instant, out,
                                                                   margins, sets[i]));
            const QByteArray where = "set " + QByteArray::number(i) + " (last: entry point)";
            QVERIFY2(out == overlay, where + ", overlay");
            const auto compose = [&](std::span<const uint8_t> from, Bytes &frame,
                                     std::size_t stride) {
                return entry ? composeDayAndNight(geometry, from, padded, night, instant, frame,
                                                  stride)
                             : detail::composeDayAndNightWithMargins(geometry, from, padded, night,
                                                                     instant, frame, stride,
                                                                     margins, sets[i]);
            };
            Bytes frame(apart.size(), kPoison);
            QVERIFY(compose(day, frame, packed));
            QVERIFY2(frame == apart, where + ", frame apart");
            frame = day;
            QVERIFY(compose(frame, frame, padded));
            QVERIFY2(frame == inPlace, where + ", in place");
        }
    }
};

QTEST_APPLESS_MAIN(TestMapCore)
#include "tst_mapcore.moc"
