#include "solar/solar.h"

#include <QTest>

#include <limits>

namespace {

// To the microdegree or microhour: the mathematics library may round the last bits
// differently.
QString fixed(const QList<double> &values)
{
    QStringList texts;
    for (const double value : values)
        texts.append(QString::number(value, 'f', 6));
    return texts.join(u' ');
}

} // namespace

class TestSolar : public QObject
{
    Q_OBJECT

private slots:
    void dayNumber_data()
    {
        QTest::addColumn<QList<int>>("d"); // year, month, day -> days
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
        QFETCH(QList<int>, d);
        QCOMPARE(solar_day_number(d[0], d[1], d[2]), d[3]);
    }

    void dayNumberWrapsAndReductions()
    {
        // No overflow (undefined behaviour) however absurd the year: the count wraps,
        // and consecutive days still differ by one (modulo 2^32).
        for (const int32_t year : {INT32_MAX, INT32_MIN})
            QCOMPARE(uint32_t(solar_day_number(year, 12, 31)) -
                         uint32_t(solar_day_number(year, 12, 30)),
                     1u);
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
        QTest::addColumn<QString>(
            "expected"); // sidereal time, longitude, distance, RA, declination
        // Right ascensions between 180 and 360 come back negative.
        QTest::newRow("epoch") << 0.0 << "98.987400 278.852616 0.983332 -80.365508 -23.143713";
        QTest::newRow("2026-12-05 12:00")
            << 9836.5 << "74.307578 253.359990 0.985477 -108.042782 -22.399713";
    }
    void sunPosition()
    {
        QFETCH(double, d);
        QFETCH(QString, expected);
        double lon = 0.0, r = 0.0, ra = 0.0, dec = 0.0, r2 = 0.0;
        sunEclipticPosition(d, &lon, &r);
        sun_RA_dec(d, &ra, &dec, &r2);
        QCOMPARE(fixed({siderealTimeAtMidnight(d), lon, r, ra, dec}), expected);
        QCOMPARE(r2, r);
    }

    // In 2026: the sun crossing -35' twice (0), staying above (1: rise and set at the
    // transit -/+ 12 h) or below (-1: both at the transit); then the day's length.
    void sunRiseSet_data()
    {
        QTest::addColumn<QList<double>>("place"); // month, day, latitude, longitude, upper limb
        QTest::addColumn<QString>("expected");    // code, rise, set, day length
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const auto row = [](const char *name, const QList<double> &place, const char *expected) {
            QTest::newRow(name) << place << QString(expected);
        };
        row("London June", {6, 21, 51.5, 0, 1}, "0 3.710075 20.350879 16.640804");
        row("London June, centre", {6, 21, 51.5, 0, 0}, "0 3.747240 20.313714 16.566474");
        row("London December", {12, 21, 51.5, 0, 1}, "0 8.051397 15.884127 7.832730");
        row("Svalbard June", {6, 21, 78.22, 15.65, 1}, "1 -1.013014 22.986986 24.000000");
        row("Svalbard December", {12, 21, 78.22, 15.65, 1}, "-1 10.924069 10.924069 0.000000");
        row("Sydney, rise on the day before", {3, 20, -33.87, 151.2, 1},
            "0 -4.031320 8.123971 12.155290");
        // cos(latitude) is tiny at the poles, but not zero.
        row("north pole June", {6, 21, 90, 0, 1}, "1 0.030477 24.030477 24.000000");
        row("south pole June", {6, 21, -90, 0, 1}, "-1 12.030477 12.030477 0.000000");
        row("latitude NaN", {6, 21, nan, 0, 1}, "0 nan nan nan");
    }
    void sunRiseSet()
    {
        QFETCH(QList<double>, place);
        QFETCH(QString, expected);
        const int month = int(place[0]), day = int(place[1]), limb = int(place[4]);
        const double lat = place[2], lon = place[3], altitude = solar::kSunriseAltitudeDeg;
        double rise = 0.0, set = 0.0;
        const int code = ::sunRiseSet(2026, month, day, lon, lat, altitude, limb, &rise, &set);
        const double length = dayLength(2026, month, day, lon, lat, altitude, limb);
        QCOMPARE(QString::number(code) + u' ' + fixed({rise, set, length}), expected);
    }
};

QTEST_APPLESS_MAIN(TestSolar)
#include "tst_solar.moc"
