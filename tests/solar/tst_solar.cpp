#include "NearlyEqual.h"
#include "solar/solar.h"

#include <QTest>

#include <cmath>
#include <cstdint>
#include <limits>

using solar::kSunriseAltitudeDeg;

namespace {
// A day in 2026 at a place, and when the sun crosses -35' there (hours UT).
struct Crossing
{
    int month, day;
    double latitude, longitude;
    int upperLimb, code;
    double rise, set;
};
} // namespace

Q_DECLARE_METATYPE(Crossing)

class TestSolar : public QObject
{
    Q_OBJECT

private slots:
    void dayNumber_data()
    {
        QTest::addColumn<QList<int>>("dateAndCount"); // year, month, day -> days
        QTest::newRow("2000-01-01 -> 1") << QList<int>{2000, 1, 1, 1};
        QTest::newRow("day 0 is the day before day 1") << QList<int>{2000, 1, 0, 0};
        QTest::newRow("2000-03-01 after the leap day") << QList<int>{2000, 3, 1, 61};
        QTest::newRow("2024-02-29") << QList<int>{2024, 2, 29, 8826};
        QTest::newRow("2026-03-01") << QList<int>{2026, 3, 1, 9557};
        QTest::newRow("day 32 is the day after day 31") << QList<int>{2026, 1, 32, 9529};
        QTest::newRow("1900-03-01 first exact date") << QList<int>{1900, 3, 1, -36464};
        QTest::newRow("2100-02-28 last exact date") << QList<int>{2100, 2, 28, 36584};
        QTest::newRow("2100-03-01 a day ahead (no century rule)") << QList<int>{2100, 3, 1, 36586};
        QTest::newRow("1900-02-28 a day behind") << QList<int>{1900, 2, 28, -36466};
    }
    void dayNumber()
    {
        QFETCH(QList<int>, dateAndCount);
        QCOMPARE(solar_day_number(dateAndCount[0], dateAndCount[1], dateAndCount[2]),
                 dateAndCount[3]);
    }

    void dayNumberAtExtremeYears()
    {
        // No overflow (undefined behaviour) however absurd the year: the count
        // wraps, and consecutive days still differ by one (modulo 2^32).
        for (const int32_t year : {INT32_MAX, INT32_MIN})
            QCOMPARE(uint32_t(solar_day_number(year, 12, 31)) -
                         uint32_t(solar_day_number(year, 12, 30)),
                     1u);
    }

    void reductions()
    {
        for (const auto &[x, expected] :
             {std::pair{360.0, 0.0}, {540.0, 180.0}, {-90.0, 270.0}, {0.0, 0.0}})
            QCOMPARE(revolution(x), expected);
        for (const auto &[x, expected] :
             {std::pair{180.0, -180.0}, {-180.0, -180.0}, {179.0, 179.0}, {190.0, -170.0}})
            QCOMPARE(rev180(x), expected);
    }

    void sunPosition_data()
    {
        QTest::addColumn<double>("d");
        QTest::addColumn<QList<double>>("expected"); // sidereal, lon, r, RA, dec
        QTest::newRow("epoch, RA between 180 and 360 comes back negative")
            << 0.0 << QList<double>{98.9874, 278.852616, 0.983332, -80.365508, -23.143713};
        QTest::newRow("2026-12-05 12:00")
            << 9836.5 << QList<double>{74.307578, 253.359990, 0.985477, -108.042782, -22.399713};
    }
    void sunPosition()
    {
        QFETCH(double, d);
        QFETCH(QList<double>, expected);
        double lon = 0.0, r = 0.0, ra = 0.0, dec = 0.0, r2 = 0.0;
        sunEclipticPosition(d, &lon, &r);
        sun_RA_dec(d, &ra, &dec, &r2);
        const QList<double> actual{siderealTimeAtMidnight(d), lon, r, ra, dec};
        for (int k = 0; k < actual.size(); ++k)
            COMPARE_NEAR(actual[k], expected[k], 1e-6);
        QCOMPARE(r2, r);
    }

    // Rise, set and the length of the day in 2026; without a crossing both times
    // are still written.
    void sunRiseSet_data()
    {
        QTest::addColumn<Crossing>("c");
        QTest::newRow("London midsummer, upper limb")
            << Crossing{6, 21, 51.5, 0.0, 1, 0, 3.710075, 20.350879};
        QTest::newRow("London midsummer, centre")
            << Crossing{6, 21, 51.5, 0.0, 0, 0, 3.747240, 20.313714};
        QTest::newRow("London midwinter") << Crossing{12, 21, 51.5, 0.0, 1, 0, 8.051397, 15.884127};
        QTest::newRow("Svalbard midnight sun: transit -/+ 12 h")
            << Crossing{6, 21, 78.22, 15.65, 1, 1, -1.013014, 22.986986};
        QTest::newRow("Svalbard polar night: both at the transit")
            << Crossing{12, 21, 78.22, 15.65, 1, -1, 10.924069, 10.924069};
        QTest::newRow("Sydney: rise before 00:00 UT is negative")
            << Crossing{3, 20, -33.87, 151.2, 1, 0, -4.031320, 8.123971};
    }
    void sunRiseSet()
    {
        QFETCH(Crossing, c);
        double rise = 0.0, set = 0.0;
        QCOMPARE(::sunRiseSet(2026, c.month, c.day, c.longitude, c.latitude, kSunriseAltitudeDeg,
                              c.upperLimb, &rise, &set),
                 c.code);
        COMPARE_NEAR(rise, c.rise, 1e-6);
        COMPARE_NEAR(set, c.set, 1e-6);
        // The sun is up from rise to set, all day, or not at all.
        const double length = c.code == 0 ? c.set - c.rise : c.code > 0 ? 24.0 : 0.0;
        COMPARE_NEAR(dayLength(2026, c.month, c.day, c.longitude, c.latitude, kSunriseAltitudeDeg,
                               c.upperLimb),
                     length, 1e-6);
    }

    void notANumberGivesCodeZero()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        double rise = 0.0, set = 0.0;
        QCOMPARE(::sunRiseSet(2026, 6, 21, 0.0, nan, kSunriseAltitudeDeg, 1, &rise, &set), 0);
        QVERIFY(std::isnan(rise) && std::isnan(set));
        // At the poles cos(latitude) is tiny but not zero: the sun simply never crosses.
        QCOMPARE(::sunRiseSet(2026, 6, 21, 0.0, 90.0, kSunriseAltitudeDeg, 1, &rise, &set), 1);
        QCOMPARE(::sunRiseSet(2026, 6, 21, 0.0, -90.0, kSunriseAltitudeDeg, 1, &rise, &set), -1);
    }
};

QTEST_APPLESS_MAIN(TestSolar)
#include "tst_solar.moc"
