#include "mapcore/GridLayout.h"
#include "mapcore/MapGeometry.h"
#include "mapcore/MarkerLayout.h"
#include "mapcore/NightOverlay.h"
#include "mapcore/NightOverlayDetail.h"
#include "mapcore/TwilightLines.h"

#include <QTest>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <random>
#include <vector>

namespace detail = night_overlay_detail;
using Bytes = std::vector<uint8_t>;

/// Buffer sizes in bytes for one geometry; the overlay's is the frame's.
struct BufferSizes
{
    MapGeometry geometry;
    qsizetype night, day, frame;
    std::size_t stride; // of day and frame
    bool overlayFits = true, frameInsideDay = false;
};

Q_DECLARE_METATYPE(UtcFields)
Q_DECLARE_METATYPE(detail::FastMargins)
Q_DECLARE_METATYPE(BufferSizes)

class TestMapCore : public QObject
{
    Q_OBJECT

    static constexpr uint8_t kPoison = 0xAB;
    static constexpr std::size_t kSlack = 7; // bytes after each buffer that no kernel may touch

    static UtcFields utc(const char *text)
    {
        UtcFields t{};
        std::sscanf(text, "%d-%d-%d %d:%d:%d", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                    &t.second);
        return t;
    }
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
    // what, the arguments, the results; floats to nine digits, so that a NaN equals a NaN.
    void layout_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *what, const char *arguments, const char *expected) {
            QTest::addRow("%s %s", what, arguments) << what << arguments << expected;
        };
        // Width, height: the map size truncated toward zero and saturated, the scale not.
        row("geometry", "720 360", "720 360 2 180 360");
        row("geometry", "720.5 360.5", "720 360 2.00138879 180.25 360.25");
        row("geometry", "-10.5 4", "-10 4 -0.0291666668 2 -5.25");
        row("geometry", "nan 0", "0 0 nan 0 nan");
        row("geometry", "1e12 1", "2147483647 1 2.77777766e+09 0.5 4.99999998e+11");
        // Preset latitude longitude: y x, back to degrees, the location square.
        row("place", "small 45 90", "270 540 | 45 90 | 538.5 268.5 3 3");
        row("place", "large 45 90", "540 1080 | 45 90 | 1078.5 538.5 3 3");
        row("place", "small -45 -90", "90 180 | -45 -90 | 178.5 88.5 3 3");
        row("place", "small 100 -200", "380 -40 | 100 -200 | -41.5 378.5 3 3"); // not clamped
        // Width height: the parallels' and meridians' first and last lines
        // (pixel@degrees) and counts, at their places, not on the frame's edges.
        row("grid", "720 360", "20@-80..340@80 x17 | 20@-170..700@170 x35");
        row("grid", "1440 720", "40@-80..680@80 x17 | 40@-170..1400@170 x35");
        row("grid", "1920 1080", "113@-80..966@80 x17 | 53@-170..1866@170 x35");
        row("grid", "1000 333", "27@-50..305@50 x11 | 27@-170..972@170 x35"); // polar rows cropped
        row("grid", "36 18", "1@-80..17@80 x17 | 1@-170..35@170 x35");
        row("grid", "35 18", "none | none"); // under a pixel apart
        row("grid", "-720 360", "none | none");
        row("grid", "nan 360", "none | none");
        // Degrees, pixel: both labels' texts, the latitude label's y, a 25
        // pixels wide longitude label's x.
        row("labels", "-80 20", "  80° S |  80° W | 14 7.5");
        row("labels", "0 180", "   0°   |   0°   | 174 167.5");
        row("labels", "170 340", " 170° N | 170° E hidden | 334 327.5");
        row("alpha", "-18", "255");
        row("alpha", "-17.5", "255"); // clamped
        row("alpha", "-17.4", "254"); // truncated
        row("alpha", "-0.5833333333333335", "8");
        row("alpha", "-0.5833333333333334", "0");
        row("alpha", "nan", "0");
        // Row, column: the latitude of the row's upper edge, the longitude of the column's left.
        row("edges", "small 0 0", "90 -180");
        row("edges", "small 359 719", "-89.5 179.5");
        row("edges", "large 719 1439", "-89.75 179.75");
        // Both circles are centred on (x + 0.5, y + 0.5).
        row("marker", "100 50", "96 46 9 9 | 98 48 5 5");
        // Marker x, text width, map width: the shift (truncated), the box 3 right of the
        // marker and 2 left of the text, the text origin.
        row("zone label", "360 40 720", "0 | 363 104 44 17 | 365 105");
        row("zone label", "660 40.5 720", "0 | 663 104 44.5 17 | 665 105");
        row("zone label", "660 41.75 720", "1 | 662 104 45.75 17 | 664 105");
        row("zone label", "1400 30.75 1440", "10 | 1393 104 34.75 17 | 1395 105");
        row("zone label", "10 800 720", "110 | -97 104 804 17 | -95 105");
    }
    void layout()
    {
        QFETCH(QString, what);
        QFETCH(QString, arguments);
        QFETCH(QString, expected);
        QStringList a = arguments.split(u' ');
        const MapGeometry g = a[0] == "large" ? kLargePreset : kSmallPreset;
        if (a[0] == "small" || a[0] == "large")
            a.removeFirst();
        const auto f = [&](int i) {
            const QStringList q = a[i].split(u'/');
            return q.size() == 2 ? q[0].toFloat() / q[1].toFloat() : q[0].toFloat();
        };
        const auto text = [](std::initializer_list<float> values) {
            QStringList texts;
            for (const float value : values)
                texts.append(QString::asprintf("%.9g", value));
            return texts.join(u' ');
        };
        const auto rect = [&](const RectF &r) { return text({r.x, r.y, r.width, r.height}); };
        QString actual;
        if (what == "geometry") {
            const MapGeometry r = geometryFromSize(f(0), f(1));
            actual = QString::asprintf("%d %d ", r.mapWidth, r.mapHeight) +
                     text({r.pixelsPerDegree, r.equatorialOffset, r.meridianOffset});
        } else if (what == "place") {
            const float y = latitudeToY(f(0), g), x = longitudeToX(f(1), g);
            actual = text({y, x}) + " | " + text({yToLatitude(y, g), xToLongitude(x, g)}) + " | " +
                     rect(locationSquareRect(f(0), f(1), g.pixelsPerDegree, g.equatorialOffset,
                                             g.meridianOffset));
        } else if (what == "grid") {
            const MapGeometry geometry = geometryFromSize(f(0), f(1));
            const auto lines = [](const std::vector<GridLine> &l) {
                return l.empty() ? QString("none")
                                 : QString::asprintf("%d@%d..%d@%d x%zu", l.front().position,
                                                     l.front().degrees, l.back().position,
                                                     l.back().degrees, l.size());
            };
            actual =
                lines(latitudeGridLines(geometry)) + " | " + lines(longitudeGridLines(geometry));
        } else if (what == "labels") {
            const int degrees = a[0].toInt(), at = a[1].toInt();
            actual = QString::fromStdString(latitudeLabelText(degrees) + " |" +
                                            longitudeLabelText(degrees) +
                                            (longitudeLabelShown(degrees) ? "" : " hidden")) +
                     " | " + text({latitudeLabelY(at), longitudeLabelX(at, 25.0f)});
        } else if (what == "alpha") {
            actual = QString::number(alphaForAltitude(a[0].toDouble()));
        } else if (what == "edges") {
            actual = text({rowLatitude(a[0].toInt(), g), columnLongitude(a[1].toInt(), g)});
        } else if (what == "marker") {
            actual = rect(markerDotRect(f(0), f(1))) + " | " + rect(markerCentreRect(f(0), f(1)));
        } else {
            const float shift = labelShift(f(0), f(1), a[2].toInt());
            const PointF origin = zoneLabelTextOrigin(f(0), 100.0f, shift);
            actual = text({shift}) + " | " + rect(zoneLabelBox(f(0), 100.0f, f(1), 17.0f, shift)) +
                     " | " + text({origin.x, origin.y});
        }
        QCOMPARE(actual, expected);
    }

    // Every point of a contour at its angular distance from the sun, each
    // step within the limit, the line closed or once round a pole; the
    // label's point on the contour, east of the sun.
    void twilightContours_data()
    {
        QTest::addColumn<double>("declination");
        QTest::addColumn<double>("altitude");
        QTest::addColumn<double>("step");
        QTest::addColumn<bool>("roundPole");
        QTest::newRow("equinox, astronomical") << 0.0 << -18.0 << 2.0 << false;
        QTest::newRow("solstice, sunset") << 23.44 << -0.833 << 5.0 << true;
        QTest::newRow("solstice, civil, fine") << -23.44 << -6.0 << 0.5 << true;
        QTest::newRow("no pole inside") << 10.0 << -12.0 << 3.0 << false;
        QTest::newRow("through the pole") << 18.0 << -18.0 << 2.0 << true;
    }
    void twilightContours()
    {
        QFETCH(double, declination);
        QFETCH(double, altitude);
        QFETCH(double, step);
        QFETCH(bool, roundPole);
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
        QCOMPARE(contourStepFor(4.0), 5.0);
    }

    void workedExample()
    {
        // Latitude 0, longitude 0 (row 180, column 360) under a night image of one colour.
        // On 2026-06-21 the sun is at right ascension 89.64, declination 23.44: h = -8.774.
        Bytes night, out(4 * pixels(kSmallPreset));
        for (std::size_t i = 0; i < pixels(kSmallPreset); ++i)
            night.insert(night.end(), {0xc8, 0x64, 0x32});
        for (const auto &[instant, pixel] : {std::pair{"2007-03-21 12:00:00", "\0\0\0\0"},
                                             {"2007-03-21 18:40:00", "\x5d\x2e\x17\x77"},
                                             {"2007-03-21 19:00:00", "\x96\x4b\x25\xc0"},
                                             {"2007-03-21 19:20:00", "\xc8\x64\x32\xff"},
                                             {"2026-06-21 18:40:00", "\x64\x32\x19\x80"}}) {
            QVERIFY(computeNightOverlayReference(kSmallPreset, night, utc(instant), out));
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
        const UtcFields dusk = utc("2007-03-21 18:40:00");
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
            QTest::addRow("%dx%d %s", g.mapWidth, g.mapHeight, name.data()) << g << t << margins;
        };
        // Noon and dusk, the equinoxes and solstices of 2026, the last second of a year.
        for (const MapGeometry &geometry : {kSmallPreset, kLargePreset})
            for (const char *instant :
                 {"2007-03-21 12:00:00", "2007-03-21 18:40:00", "2026-03-20 14:46:00",
                  "2026-09-23 00:05:00", "2026-06-21 08:24:00", "2026-12-21 20:50:00",
                  "2099-12-31 23:59:59"})
                add(instant, geometry, utc(instant));
        std::mt19937 random(20070321);
        const auto uniform = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        for (int i = 0; i < 40; ++i)
            add("random " + QByteArray::number(i), i % 5 ? kSmallPreset : kLargePreset,
                {uniform(1901, 2099), uniform(1, 12), uniform(1, 28), uniform(0, 23),
                 uniform(0, 59), uniform(0, 59)});
        // Widths that are no multiple of the column blocks, a single pixel, a map off
        // the usual offsets, and a scale that makes every coordinate infinite or NaN.
        const UtcFields dawn = utc("2026-06-21 06:30:00"), evening = utc("2026-12-21 17:00:00");
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
