#include "NearlyEqual.h"
#include "mapcore/NightOverlay.h"
#include "mapcore/NightOverlayDetail.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

Q_DECLARE_METATYPE(MapGeometry)
Q_DECLARE_METATYPE(UtcFields)
Q_DECLARE_METATYPE(night_overlay_detail::FastMargins)

namespace {

namespace detail = night_overlay_detail;
using Bytes = std::vector<uint8_t>;
constexpr uint8_t kPoison = 0xAB;
constexpr std::size_t kSlack = 7; // bytes after each buffer that no kernel may touch

std::size_t pixelCount(const MapGeometry &geometry)
{
    return std::size_t(geometry.mapWidth) * std::size_t(geometry.mapHeight);
}

Bytes randomBytes(std::size_t count, uint32_t seed)
{
    std::mt19937 random(seed);
    Bytes bytes(count);
    for (uint8_t &byte : bytes)
        byte = uint8_t(random());
    return bytes;
}

// What the renderer did before the fused kernel: the overlay composited
// source-atop onto the opaque day pixels, B, G, R, A.
Bytes compositeAtop(const MapGeometry &geometry, const Bytes &day, std::size_t dayStride,
                    const Bytes &overlay, Bytes frame, std::size_t frameStride)
{
    for (std::size_t row = 0; row < std::size_t(geometry.mapHeight); ++row) {
        for (std::size_t column = 0; column < std::size_t(geometry.mapWidth); ++column) {
            const uint8_t *d = day.data() + row * dayStride + 4 * column;
            const uint8_t *o = overlay.data() + 4 * (row * geometry.mapWidth + column);
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

// Fails naming the first byte that differs.
void compareBytes(const Bytes &actual, const Bytes &expected, const QString &what)
{
    const auto at = std::mismatch(actual.begin(), actual.end(), expected.begin()).first;
    QVERIFY2(at == actual.end(),
             qPrintable(what + QStringLiteral(": byte %1").arg(at - actual.begin())));
}

/// Buffer sizes in bytes for one geometry; the overlay's is the frame's.
struct BufferSizes
{
    MapGeometry geometry;
    qsizetype night, day, frame;
    std::size_t stride; // of day and frame
    bool overlayFits;
};

} // namespace

Q_DECLARE_METATYPE(BufferSizes)

class TestNightOverlay : public QObject
{
    Q_OBJECT

private slots:
    void sunPosition()
    {
        const SunQuantities equinox = sunQuantities({2007, 3, 21, 12, 0, 0});
        COMPARE_NEAR(equinox.rightAscension, -0.0009, 5e-5);
        COMPARE_NEAR(equinox.declination, -0.0004, 5e-5);
        COMPARE_NEAR(equinox.t0, 12.0 + (358.1395 + 180.0) / 15.0, 1e-5);
        // The position is that of 00:00 UT all day; only the sidereal time moves.
        const SunQuantities lastSecond = sunQuantities({2026, 6, 21, 23, 59, 59});
        COMPARE_NEAR(lastSecond.rightAscension, 89.6416, 5e-5);
        COMPARE_NEAR(lastSecond.declination, 23.4354, 5e-5);
        COMPARE_NEAR(lastSecond.t0, 17.947443 + 23.0 + 3599.0 / 3600.0, 1e-5);
    }

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

    void workedExample_data()
    {
        QTest::addColumn<UtcFields>("utc");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("12:00 day") << UtcFields{2007, 3, 21, 12, 0, 0} << QByteArray(4, '\0');
        QTest::newRow("18:40 A=119")
            << UtcFields{2007, 3, 21, 18, 40, 0} << QByteArray("\x5d\x2e\x17\x77", 4);
        QTest::newRow("19:00 A=192")
            << UtcFields{2007, 3, 21, 19, 0, 0} << QByteArray("\x96\x4b\x25\xc0", 4);
        QTest::newRow("19:20 night")
            << UtcFields{2007, 3, 21, 19, 20, 0} << QByteArray("\xc8\x64\x32\xff", 4);
        // The sun at right ascension 89.64, declination 23.44: h = -8.774.
        QTest::newRow("2026-06-21 18:40 A=128")
            << UtcFields{2026, 6, 21, 18, 40, 0} << QByteArray("\x64\x32\x19\x80", 4);
    }
    void workedExample()
    {
        QFETCH(UtcFields, utc);
        QFETCH(QByteArray, expected);
        Bytes night(3 * pixelCount(kSmallPreset));
        for (std::size_t i = 0; i < night.size(); i += 3)
            std::copy_n("\xc8\x64\x32", 3, night.begin() + i);
        Bytes out(4 * pixelCount(kSmallPreset));
        QVERIFY(computeNightOverlayReference(kSmallPreset, night, utc, out));
        // Row 180, column 360: latitude 0, longitude 0.
        const auto *pixel = reinterpret_cast<const char *>(out.data()) + 4 * (180 * 720 + 360);
        QCOMPARE(QByteArray(pixel, 4), expected);
    }

    void rejectsBadBuffers_data()
    {
        QTest::addColumn<BufferSizes>("sizes");
        const qsizetype p = 720 * 360, row = 2880, padded = 2884, last = padded * 359 + row;
        const MapGeometry small = kSmallPreset;
        QTest::newRow("night short") << BufferSizes{small, 3 * p - 1, 4 * p, 4 * p, row, false};
        QTest::newRow("frame short") << BufferSizes{small, 3 * p, 4 * p, 4 * p - 1, row, false};
        QTest::newRow("day short") << BufferSizes{small, 3 * p, 4 * p - 1, 4 * p, row, true};
        QTest::newRow("stride short") << BufferSizes{small, 3 * p, 4 * p, 4 * p, row - 4, true};
        QTest::newRow("padded, last row short")
            << BufferSizes{small, 3 * p, last, last - 1, padded, true};
        // 359 strides wrap around to less than 359 bytes.
        const std::size_t wrapping = std::numeric_limits<std::size_t>::max() / 359 + 1;
        QTest::newRow("stride overflowing")
            << BufferSizes{small, 3 * p, 4 * p, 4 * p, wrapping, true};
        QTest::newRow("zero width") << BufferSizes{{0, 360, 2.0f, 180.0f, 0.0f}, p, p, p, 0, false};
        QTest::newRow("both negative")
            << BufferSizes{{-720, -360, 2.0f, 180.0f, 360.0f}, 3 * p, 4 * p, 4 * p, row, false};
        const int32_t huge = std::numeric_limits<int32_t>::max();
        QTest::newRow("size overflowing 32 bits")
            << BufferSizes{{huge, huge, 1.0f, 0.0f, 0.0f}, 3 * p, 4 * p, 4 * p, row, false};
    }
    void rejectsBadBuffers()
    {
        QFETCH(BufferSizes, sizes);
        const Bytes night(sizes.night, 7), day(sizes.day, 9), untouched(sizes.frame, kPoison);
        const UtcFields utc{2007, 3, 21, 18, 40, 0};
        Bytes out = untouched;
        if (!sizes.overlayFits) {
            QVERIFY(!computeNightOverlayReference(sizes.geometry, night, utc, out));
            QVERIFY(!computeNightOverlay(sizes.geometry, night, utc, out));
        }
        QVERIFY(
            !composeDayAndNight(sizes.geometry, day, sizes.stride, night, utc, out, sizes.stride));
        QVERIFY(out == untouched);
    }

    void rejectsFrameOverlappingDay()
    {
        // Such a frame would overwrite day pixels before they are read.
        const Bytes night(3 * pixelCount(kSmallPreset), 7);
        Bytes shared(8 * pixelCount(kSmallPreset), 9);
        const auto frame = std::span(shared).subspan(4, 4 * pixelCount(kSmallPreset));
        QVERIFY(!composeDayAndNight(kSmallPreset, shared, 2880, night, {2007, 3, 21, 18, 40, 0},
                                    frame, 2880));
        QVERIFY(std::all_of(shared.begin(), shared.end(), [](uint8_t b) { return b == 9; }));
    }

    void kernelsMatchReference_data()
    {
        QTest::addColumn<MapGeometry>("geometry");
        QTest::addColumn<UtcFields>("utc");
        QTest::addColumn<detail::FastMargins>("margins");
        const auto proven = detail::kProvenMargins;
        const std::pair<const char *, MapGeometry> presets[] = {{"small", kSmallPreset},
                                                                {"large", kLargePreset}};
        const std::pair<const char *, UtcFields> instants[] = {
            {"2007-03-21 12:00", {2007, 3, 21, 12, 0, 0}},
            {"2007-03-21 18:40", {2007, 3, 21, 18, 40, 0}},
            {"March equinox", {2026, 3, 20, 14, 46, 0}},
            {"September equinox", {2026, 9, 23, 0, 5, 0}},
            {"June solstice", {2026, 6, 21, 8, 24, 0}},
            {"December solstice", {2026, 12, 21, 20, 50, 0}},
            {"last second of a year", {2099, 12, 31, 23, 59, 59}}};
        for (const auto &[name, geometry] : presets)
            for (const auto &[instant, utc] : instants)
                QTest::addRow("%s %s", name, instant) << geometry << utc << proven;

        std::mt19937 random(20070321);
        const auto uniform = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        for (int i = 0; i < 40; ++i) {
            const UtcFields utc{uniform(1901, 2099), uniform(1, 12), uniform(1, 28),
                                uniform(0, 23),      uniform(0, 59), uniform(0, 59)};
            QTest::addRow("random %d", i) << (i % 5 ? kSmallPreset : kLargePreset) << utc << proven;
        }

        // Widths that are no multiple of the column blocks, a single pixel, a map
        // off the usual offsets, and a scale that makes every coordinate infinite
        // or not a number.
        const UtcFields dawn{2026, 6, 21, 6, 30, 0};
        QTest::newRow("100 x 50") << MapGeometry{100, 50, 100.0f / 360.0f, 25.0f, 50.0f} << dawn
                                  << proven;
        QTest::newRow("17 x 9") << MapGeometry{17, 9, 17.0f / 360.0f, 4.5f, 8.5f} << dawn << proven;
        QTest::newRow("1000 x 333") << MapGeometry{1000, 333, 1000.0f / 360.0f, 166.5f, 500.0f}
                                    << UtcFields{2026, 12, 21, 17, 0, 0} << proven;
        QTest::newRow("1 x 1") << MapGeometry{1, 1, 1.0f / 360.0f, 0.5f, 0.5f} << dawn << proven;
        QTest::newRow("37 x 701 shifted") << MapGeometry{37, 701, 0.37f, 111.0f, -20.0f}
                                          << UtcFields{2026, 12, 21, 17, 0, 0} << proven;
        QTest::newRow("zero scale") << MapGeometry{64, 32, 0.0f, 16.0f, 32.0f} << dawn << proven;

        // Wide margins send most twilight and some day and night pixels down the
        // exact path; the result must not change.
        QTest::newRow("nearly all twilight exact")
            << kSmallPreset << dawn << detail::FastMargins{0.05, 1.0, 0.49};
    }
    void kernelsMatchReference()
    {
        QFETCH(MapGeometry, geometry);
        QFETCH(UtcFields, utc);
        QFETCH(detail::FastMargins, margins);
        const Bytes night = randomBytes(3 * pixelCount(geometry), 7);
        Bytes overlay(4 * pixelCount(geometry) + kSlack, kPoison);
        QVERIFY(computeNightOverlayReference(geometry, night, utc, overlay));
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
            const QString name =
                entry ? QStringLiteral("entry point") : QStringLiteral("set %1").arg(i);
            Bytes out(overlay.size(), kPoison);
            QVERIFY(entry ? computeNightOverlay(geometry, night, utc, out)
                          : detail::computeNightOverlayWithMargins(geometry, night, utc, out,
                                                                   margins, sets[i]));
            compareBytes(out, overlay, name + QStringLiteral(", overlay"));
            const auto compose = [&](std::span<const uint8_t> from, Bytes &frame,
                                     std::size_t stride) {
                return entry ? composeDayAndNight(geometry, from, padded, night, utc, frame, stride)
                             : detail::composeDayAndNightWithMargins(geometry, from, padded, night,
                                                                     utc, frame, stride, margins,
                                                                     sets[i]);
            };
            Bytes frame(apart.size(), kPoison);
            QVERIFY(compose(day, frame, packed));
            compareBytes(frame, apart, name + QStringLiteral(", frame apart"));
            frame = day;
            QVERIFY(compose(frame, frame, padded));
            compareBytes(frame, inPlace, name + QStringLiteral(", in place"));
        }
    }
};

QTEST_APPLESS_MAIN(TestNightOverlay)
#include "tst_nightoverlay.moc"
