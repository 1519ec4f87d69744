#include "mapcore/NightOverlay.h"
#include "mapcore/NightOverlayDetail.h"

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

Q_DECLARE_METATYPE(MapGeometry)
Q_DECLARE_METATYPE(UtcFields)
Q_DECLARE_METATYPE(detail::FastMargins)
Q_DECLARE_METATYPE(BufferSizes)

class TestNightOverlay : public QObject
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
    static std::size_t pixels(const MapGeometry &g)
    {
        return std::size_t(g.mapWidth) * g.mapHeight;
    }
    static Bytes randomBytes(std::size_t count, uint32_t seed)
    {
        std::mt19937 random(seed);
        Bytes bytes(count);
        std::generate(bytes.begin(), bytes.end(), [&] { return uint8_t(random()); });
        return bytes;
    }
    // The overlay composited source-atop onto opaque day pixels, B, G, R, A: what the
    // renderer did before the fused kernel.
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
    static void compareBytes(const Bytes &actual, const Bytes &expected, std::size_t set,
                             const char *what)
    {
        const auto at = std::mismatch(actual.begin(), actual.end(), expected.begin()).first;
        QVERIFY2(at == actual.end(),
                 qPrintable(QString::asprintf("set %zu (last: entry point), %s: byte %td", set,
                                              what, at - actual.begin())));
    }

private slots:
    void alpha_data()
    {
        QTest::addColumn<double>("altitudeDeg");
        QTest::addColumn<int>("expected");
        QTest::newRow("-18 night") << -18.0 << 255;
        QTest::newRow("-17.5 clamped") << -17.5 << 255;
        QTest::newRow("-17.4 truncated") << -17.4 << 254;
        QTest::newRow("largest below -35'") << std::nextafter(-0.5833333333333334, -1.0) << 8;
        QTest::newRow("-35' day") << -0.5833333333333334 << 0;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
    }
    void alpha()
    {
        QFETCH(double, altitudeDeg);
        QFETCH(int, expected);
        QCOMPARE(int(alphaForAltitude(altitudeDeg)), expected);
    }

    void pixelEdges()
    {
        QCOMPARE(rowLatitude(0, kSmallPreset), 90.0f);
        QCOMPARE(rowLatitude(359, kSmallPreset), -89.5f);
        QCOMPARE(rowLatitude(719, kLargePreset), -89.75f);
        QCOMPARE(columnLongitude(0, kSmallPreset), -180.0f);
        QCOMPARE(columnLongitude(1439, kLargePreset), 179.75f);
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
        QTest::newRow("night short") << BufferSizes{small, 3 * p - 1, 4 * p, 4 * p, row, false};
        QTest::newRow("frame short") << BufferSizes{small, 3 * p, 4 * p, 4 * p - 1, row, false};
        QTest::newRow("day short") << BufferSizes{small, 3 * p, 4 * p - 1, 4 * p, row};
        QTest::newRow("stride short") << BufferSizes{small, 3 * p, 4 * p, 4 * p, row - 4};
        QTest::newRow("padded, last row short")
            << BufferSizes{small, 3 * p, last, last - 1, padded};
        QTest::newRow("stride overflowing") << BufferSizes{small, 3 * p, 4 * p, 4 * p, wrapping};
        QTest::newRow("zero width") << BufferSizes{{0, 360, 2.0f, 180.0f, 0.0f}, p, p, p, 0, false};
        QTest::newRow("both negative")
            << BufferSizes{{-720, -360, 2.0f, 180.0f, 360.0f}, 3 * p, 4 * p, 4 * p, row, false};
        QTest::newRow("size overflowing 32 bits")
            << BufferSizes{{huge, huge, 1.0f, 0.0f, 0.0f}, 3 * p, 4 * p, 4 * p, row, false};
        // It would overwrite day pixels before they are read.
        QTest::newRow("frame overlapping day")
            << BufferSizes{small, 3 * p, 8 * p, 4 * p, row, true, true};
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
            compareBytes(out, overlay, i, "overlay");
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
            compareBytes(frame, apart, i, "frame apart");
            frame = day;
            QVERIFY(compose(frame, frame, padded));
            compareBytes(frame, inPlace, i, "in place");
        }
    }
};

QTEST_APPLESS_MAIN(TestNightOverlay)
#include "tst_nightoverlay.moc"
