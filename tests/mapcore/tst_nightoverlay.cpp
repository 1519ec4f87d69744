#include "NearlyEqual.h"
#include "mapcore/NightOverlay.h"
#include "mapcore/NightOverlayDetail.h"
#include "solar/solar.h"

#include <QDate>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <vector>

Q_DECLARE_METATYPE(MapGeometry)
Q_DECLARE_METATYPE(UtcFields)
Q_DECLARE_METATYPE(night_overlay_detail::FastMargins)

namespace {

namespace detail = night_overlay_detail;
constexpr uint8_t kPoisonByte = 0xAB;

std::size_t pixelCount(const MapGeometry &geometry)
{
    return std::size_t(geometry.mapWidth) * std::size_t(geometry.mapHeight);
}

std::vector<uint8_t> randomNight(const MapGeometry &geometry, uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> rgb(3 * pixelCount(geometry));
    for (uint8_t &sample : rgb)
        sample = static_cast<uint8_t>(random());
    return rgb;
}

using KernelFunction = std::function<bool(const MapGeometry &, std::span<const uint8_t>,
                                          const UtcFields &, std::span<uint8_t>)>;

// The fast kernel with the given margins, once for each instruction set this
// processor runs, and the public entry point.
std::vector<std::pair<QString, KernelFunction>> fastKernels(const detail::FastMargins &margins)
{
    using detail::InstructionSet;
    std::vector<std::pair<QString, KernelFunction>> kernels;
    kernels.emplace_back(QStringLiteral("computeNightOverlay"), computeNightOverlay);
    for (const InstructionSet set : detail::supportedInstructionSets()) {
        kernels.emplace_back(QStringLiteral("instruction set %1").arg(int(set)),
                             [margins, set](const MapGeometry &geometry,
                                            std::span<const uint8_t> night, const UtcFields &utc,
                                            std::span<uint8_t> out) {
                                 return detail::computeNightOverlayWithMargins(geometry, night, utc,
                                                                               out, margins, set);
                             });
    }
    return kernels;
}

// Compares kernels with the reference on one instant; on a difference names
// the kernel, the pixel and both values.
void compareWithReference(const MapGeometry &geometry, const UtcFields &utc,
                          const std::vector<std::pair<QString, KernelFunction>> &kernels,
                          uint32_t seed)
{
    const std::vector<uint8_t> night = randomNight(geometry, seed);
    std::vector<uint8_t> expected(4 * pixelCount(geometry), kPoisonByte);
    QVERIFY(computeNightOverlayReference(geometry, night, utc, expected));
    for (const auto &[name, kernel] : kernels) {
        std::vector<uint8_t> actual(4 * pixelCount(geometry), kPoisonByte);
        QVERIFY(kernel(geometry, night, utc, actual));
        const auto mismatch = std::mismatch(actual.begin(), actual.end(), expected.begin());
        if (mismatch.first != actual.end()) {
            const long at = long(mismatch.first - actual.begin());
            const long pixel = at / 4;
            QFAIL(qPrintable(name +
                             QString::asprintf(", row %ld column %ld byte %ld: %d, reference %d",
                                               pixel / geometry.mapWidth, pixel % geometry.mapWidth,
                                               at % 4, *mismatch.first, *mismatch.second)));
        }
    }
}

// The day from 1901 to 2099 whose declination at 00:00 UT (the altitude of the
// sun over the whole top row, at latitude 90) comes closest to a target, where
// closeness is measured by `distance`.
template <typename Distance> UtcFields dateWithTopRowClosest(Distance distance)
{
    int32_t best = 0;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (int32_t n = solar_day_number(1901, 1, 1); n < solar_day_number(2099, 12, 31); ++n) {
        double ra = 0.0, dec = 0.0, r = 0.0;
        sun_RA_dec(static_cast<double>(n), &ra, &dec, &r);
        const double dist = distance(dec);
        if (dist < bestDistance) {
            bestDistance = dist;
            best = n;
        }
    }
    const QDate date = QDate(2000, 1, 1).addDays(best - 1); // day numbers are exact here
    return {date.year(), date.month(), date.day(), 12, 0, 0};
}

} // namespace

class TestNightOverlay : public QObject
{
    Q_OBJECT

private slots:
    void sunQuantitiesOfWorkedExample()
    {
        const SunQuantities sun = sunQuantities({2007, 3, 21, 12, 0, 0});
        QCOMPARE(sun.d, 2637.0);
        COMPARE_NEAR(sun.meanAnomaly, 75.0749, 5e-5);
        COMPARE_NEAR(sun.meanLongitude, 358.1395, 5e-5);
        COMPARE_NEAR(sun.rightAscension, -0.0009, 5e-5);
        COMPARE_NEAR(sun.declination, -0.0004, 5e-5);
        QCOMPARE(sun.ut, 12.0);
        COMPARE_NEAR(sun.t0, 12.0 + (358.1395 + 180.0) / 15.0, 1e-5);
    }

    void sunPositionFixedWithinOneDay()
    {
        const SunQuantities midnight = sunQuantities({2026, 6, 21, 0, 0, 0});
        const SunQuantities lastSecond = sunQuantities({2026, 6, 21, 23, 59, 59});
        const SunQuantities nextDay = sunQuantities({2026, 6, 22, 0, 0, 0});
        QCOMPARE(lastSecond.rightAscension, midnight.rightAscension);
        QCOMPARE(lastSecond.declination, midnight.declination);
        QVERIFY(nextDay.declination != midnight.declination);
        COMPARE_NEAR(lastSecond.ut, 23.0 + 59.0 / 60.0 + 59.0 / 3600.0, 1e-12);
        COMPARE_NEAR(lastSecond.t0 - midnight.t0, lastSecond.ut, 1e-12);
    }

    void alpha_data()
    {
        QTest::addColumn<double>("altitudeDeg");
        QTest::addColumn<int>("expected");
        QTest::newRow("h=-18 -> 255 night") << -18.0 << 255;
        QTest::newRow("h=-17.9 -> 255 clamped") << -17.9 << 255;
        QTest::newRow("h=-17.5 -> 255 clamped") << -17.5 << 255;
        QTest::newRow("h=-17.416666666666668 -> 255") << -17.416666666666668 << 255;
        QTest::newRow("h=-17.4 -> 254") << -17.4 << 254;
        QTest::newRow("h=-13.1404 -> 192") << -13.1404 << 192;
        QTest::newRow("h=-10 -> 146") << -10.0 << 146;
        QTest::newRow("h=-8.1404 -> 119") << -8.1404 << 119;
        QTest::newRow("h=-5 -> 73") << -5.0 << 73;
        QTest::newRow("h=-1 -> 14") << -1.0 << 14;
        QTest::newRow("largest below -35' -> 8") << std::nextafter(-0.5833333333333334, -1.0) << 8;
        QTest::newRow("h=-35' -> 0 day") << -0.5833333333333334 << 0;
        QTest::newRow("h=0 -> 0") << 0.0 << 0;
        QTest::newRow("NaN -> 0") << std::numeric_limits<double>::quiet_NaN() << 0;
        QTest::newRow("-inf -> 255") << -std::numeric_limits<double>::infinity() << 255;
    }
    void alpha()
    {
        QFETCH(double, altitudeDeg);
        QFETCH(int, expected);
        QCOMPARE(int(alphaForAltitude(altitudeDeg)), expected);
    }

    void premultipliedMatchesFloatingFormula()
    {
        // Single-precision product, double division by 255, truncation: the same
        // as the integer quotient for every sample and alpha.
        for (int alpha = 0; alpha <= 255; ++alpha) {
            for (int sample = 0; sample <= 255; ++sample) {
                const float product = float(sample) * float(alpha);
                QCOMPARE(detail::premultiplied(uint8_t(sample), uint8_t(alpha)),
                         uint8_t(double(product) / 255.0));
            }
        }
        QCOMPARE(detail::premultiplied(200, 146), uint8_t(114));
        QCOMPARE(detail::premultiplied(100, 146), uint8_t(57));
        QCOMPARE(detail::premultiplied(50, 146), uint8_t(28));
    }

    void rowLatitudes_data()
    {
        QTest::addColumn<MapGeometry>("geometry");
        QTest::addColumn<int>("row");
        QTest::addColumn<float>("latitudeDeg");
        QTest::newRow("small row 0 -> 90") << kSmallPreset << 0 << 90.0f;
        QTest::newRow("small row 180 -> 0") << kSmallPreset << 180 << 0.0f;
        QTest::newRow("small row 359 -> -89.5") << kSmallPreset << 359 << -89.5f;
        QTest::newRow("large row 0 -> 90") << kLargePreset << 0 << 90.0f;
        QTest::newRow("large row 360 -> 0") << kLargePreset << 360 << 0.0f;
        QTest::newRow("large row 719 -> -89.75") << kLargePreset << 719 << -89.75f;
    }
    void rowLatitudes()
    {
        QFETCH(MapGeometry, geometry);
        QFETCH(int, row);
        QFETCH(float, latitudeDeg);
        QCOMPARE(rowLatitude(row, geometry), latitudeDeg);
    }

    void columnLongitudes()
    {
        QCOMPARE(columnLongitude(0, kSmallPreset), -180.0f);
        QCOMPARE(columnLongitude(719, kSmallPreset), 179.5f);
        QCOMPARE(columnLongitude(1439, kLargePreset), 179.75f);
    }

    void workedExample_data()
    {
        QTest::addColumn<bool>("fast");
        QTest::addColumn<UtcFields>("utc");
        QTest::addColumn<QByteArray>("expected");
        for (const bool fast : {false, true}) {
            const char *kernel = fast ? "fast" : "reference";
            QTest::addRow("%s 12:00 day", kernel)
                << fast << UtcFields{2007, 3, 21, 12, 0, 0} << QByteArray("\x00\x00\x00\x00", 4);
            QTest::addRow("%s 18:40 twilight A=119", kernel)
                << fast << UtcFields{2007, 3, 21, 18, 40, 0} << QByteArray("\x5d\x2e\x17\x77", 4);
            QTest::addRow("%s 19:00 twilight A=192", kernel)
                << fast << UtcFields{2007, 3, 21, 19, 0, 0} << QByteArray("\x96\x4b\x25\xc0", 4);
            QTest::addRow("%s 19:20 night", kernel)
                << fast << UtcFields{2007, 3, 21, 19, 20, 0} << QByteArray("\xc8\x64\x32\xff", 4);
        }
    }
    void workedExample()
    {
        QFETCH(bool, fast);
        QFETCH(UtcFields, utc);
        QFETCH(QByteArray, expected);
        std::vector<uint8_t> night(3 * pixelCount(kSmallPreset));
        for (std::size_t i = 0; i < night.size(); i += 3) {
            night[i] = 200;
            night[i + 1] = 100;
            night[i + 2] = 50;
        }
        std::vector<uint8_t> out(4 * pixelCount(kSmallPreset), kPoisonByte);
        const auto kernel = fast ? computeNightOverlay : computeNightOverlayReference;
        QVERIFY(kernel(kSmallPreset, night, utc, out));
        // Row 180, column 360: latitude 0, longitude 0.
        const auto *pixel = reinterpret_cast<const char *>(out.data()) + 4 * (180 * 720 + 360);
        QCOMPARE(QByteArray(pixel, 4), expected);
    }

    void rejectsBadBuffers_data()
    {
        QTest::addColumn<MapGeometry>("geometry");
        QTest::addColumn<qsizetype>("nightBytes");
        QTest::addColumn<qsizetype>("outBytes");
        const qsizetype smallPixels = 720 * 360;
        QTest::newRow("night one byte short")
            << kSmallPreset << 3 * smallPixels - 1 << 4 * smallPixels;
        QTest::newRow("out one byte short")
            << kSmallPreset << 3 * smallPixels << 4 * smallPixels - 1;
        QTest::newRow("small buffers for the large map")
            << kLargePreset << 3 * smallPixels << 4 * smallPixels;
        QTest::newRow("zero width")
            << MapGeometry{0, 360, 2.0f, 180.0f, 0.0f} << qsizetype(64) << qsizetype(64);
        QTest::newRow("negative height")
            << MapGeometry{720, -1, 2.0f, 180.0f, 360.0f} << 3 * smallPixels << 4 * smallPixels;
        QTest::newRow("both negative")
            << MapGeometry{-720, -360, 2.0f, 180.0f, 360.0f} << 3 * smallPixels << 4 * smallPixels;
        QTest::newRow("size overflowing 32 bits")
            << MapGeometry{std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(),
                           1.0f, 0.0f, 0.0f}
            << 3 * smallPixels << 4 * smallPixels;
    }
    void rejectsBadBuffers()
    {
        QFETCH(MapGeometry, geometry);
        QFETCH(qsizetype, nightBytes);
        QFETCH(qsizetype, outBytes);
        const std::vector<uint8_t> night(static_cast<std::size_t>(nightBytes), 7);
        for (const auto kernel : {computeNightOverlayReference, computeNightOverlay}) {
            std::vector<uint8_t> out(static_cast<std::size_t>(outBytes), kPoisonByte);
            QVERIFY(!kernel(geometry, night, {2007, 3, 21, 18, 40, 0}, out));
            QVERIFY(
                std::all_of(out.begin(), out.end(), [](uint8_t b) { return b == kPoisonByte; }));
        }
    }

    void acceptsOversizedBuffers()
    {
        // Extra bytes after the map are neither read nor written.
        const MapGeometry geometry{8, 4, 8.0f / 360.0f, 2.0f, 4.0f};
        std::vector<uint8_t> night = randomNight(geometry, 3);
        night.resize(night.size() + 5, 9);
        std::vector<uint8_t> out(4 * pixelCount(geometry) + 7, kPoisonByte);
        QVERIFY(computeNightOverlayReference(geometry, night, {2026, 6, 21, 6, 0, 0}, out));
        for (std::size_t i = 4 * pixelCount(geometry); i < out.size(); ++i)
            QCOMPARE(out[i], kPoisonByte);
    }

    void fastMatchesReference_data()
    {
        QTest::addColumn<MapGeometry>("geometry");
        QTest::addColumn<UtcFields>("utc");
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
                QTest::addRow("%s %s", name, instant) << geometry << utc;

        // The top row lies at latitude 90, where every column sees the sun at the
        // declination: dates that put that whole row next to a class limit or an
        // alpha step.
        const auto rampOf = [](double altitudeDeg) {
            return 255.0 * (altitudeDeg / -17.416666666666668);
        };
        const UtcFields nearDayLimit =
            dateWithTopRowClosest([](double dec) { return std::fabs(dec + 0.5833333333333334); });
        const UtcFields nearFullRamp =
            dateWithTopRowClosest([](double dec) { return std::fabs(dec + 17.416666666666668); });
        const UtcFields nearNightLimit =
            dateWithTopRowClosest([](double dec) { return std::fabs(dec + 18.0); });
        const UtcFields nearStep = dateWithTopRowClosest([&](double dec) {
            const double ramp = rampOf(dec);
            return dec < -0.6 && dec > -17.4 ? std::fabs(ramp - std::round(ramp)) : 1.0;
        });
        for (const auto &[name, geometry] : presets) {
            QTest::addRow("%s top row next to -35'", name) << geometry << nearDayLimit;
            QTest::addRow("%s top row next to -17.4167", name) << geometry << nearFullRamp;
            QTest::addRow("%s top row next to -18", name) << geometry << nearNightLimit;
            QTest::addRow("%s top row next to an alpha step", name) << geometry << nearStep;
        }

        std::mt19937 random(20070321);
        const auto uniform = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        for (int i = 0; i < 40; ++i) {
            const UtcFields utc{uniform(1901, 2099), uniform(1, 12), uniform(1, 28),
                                uniform(0, 23),      uniform(0, 59), uniform(0, 59)};
            const bool large = i % 5 == 0;
            QTest::addRow("random %d %s %04d-%02d-%02d %02d:%02d:%02d", i,
                          large ? "large" : "small", utc.year, utc.month, utc.day, utc.hour,
                          utc.minute, utc.second)
                << (large ? kLargePreset : kSmallPreset) << utc;
        }

        // Other shapes: a width that is no multiple of the column blocks, a single
        // pixel, a map off the usual offsets, and a scale that makes every
        // coordinate infinite or not a number.
        QTest::newRow("100 x 50") << MapGeometry{100, 50, 100.0f / 360.0f, 25.0f, 50.0f}
                                  << UtcFields{2026, 6, 21, 6, 30, 0};
        QTest::newRow("1 x 1") << MapGeometry{1, 1, 1.0f / 360.0f, 0.5f, 0.5f}
                               << UtcFields{2026, 6, 21, 6, 30, 0};
        QTest::newRow("37 x 701 shifted")
            << MapGeometry{37, 701, 0.37f, 111.0f, -20.0f} << UtcFields{2026, 12, 21, 17, 0, 0};
        QTest::newRow("zero scale")
            << MapGeometry{64, 32, 0.0f, 16.0f, 32.0f} << UtcFields{2026, 6, 21, 6, 30, 0};
    }
    void fastMatchesReference()
    {
        QFETCH(MapGeometry, geometry);
        QFETCH(UtcFields, utc);
        compareWithReference(geometry, utc, fastKernels(detail::kProvenMargins), 7);
    }

    void exactPathMatchesReference_data()
    {
        QTest::addColumn<UtcFields>("utc");
        QTest::addColumn<detail::FastMargins>("margins");
        // Wide margins leave most twilight and some day and night pixels to the
        // exact path; the result must not change.
        QTest::newRow("nearly all twilight exact")
            << UtcFields{2026, 6, 21, 6, 30, 0} << detail::FastMargins{0.05, 1.0, 0.49};
        QTest::newRow("one in five steps exact")
            << UtcFields{2007, 3, 21, 18, 40, 0} << detail::FastMargins{1e-3, 0.05, 0.1};
        QTest::newRow("whole twilight band exact")
            << UtcFields{2026, 12, 21, 12, 0, 0} << detail::FastMargins{0.5, 20.0, 0.5};
    }
    void exactPathMatchesReference()
    {
        QFETCH(UtcFields, utc);
        QFETCH(detail::FastMargins, margins);
        compareWithReference(kSmallPreset, utc, fastKernels(margins), 11);
    }
};

QTEST_APPLESS_MAIN(TestNightOverlay)
#include "tst_nightoverlay.moc"
