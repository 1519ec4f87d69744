#include "solar/solar.h"

#include <QTest>

class TestSolar : public QObject
{
    Q_OBJECT

private slots:
    // what, the arguments, the results; angles and hours to the micro-unit, as the
    // mathematics library may round the last bits differently.
    void solar_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *what, const char *arguments, const char *expected) {
            QTest::addRow("%s %s", what, arguments) << what << arguments << expected;
        };
        row("day", "2000 1 1", "1");
        row("day", "2000 1 0", "0");
        row("day", "2000 3 1", "61");
        row("day", "2024 2 29", "8826");
        row("day", "2026 3 1", "9557");
        row("day", "2026 1 32", "9529");
        row("day", "1900 3 1", "-36464");
        row("day", "2100 2 28", "36584");
        row("day", "2100 3 1", "36586"); // a day ahead: no century rule
        row("day", "1900 2 28", "-36466");
        // However absurd the year, no overflow: consecutive days differ by one modulo 2^32.
        row("next day", "2147483647 12 30", "1");
        row("next day", "-2147483648 12 30", "1");
        for (const auto &[x, reduced] : {std::pair{"360", "0 0"},
                                         {"540", "180 -180"},
                                         {"-90", "270 -90"},
                                         {"0", "0 0"},
                                         {"180", "180 -180"},
                                         {"-180", "180 -180"},
                                         {"179", "179 179"},
                                         {"190", "190 -170"}})
            row("reduced", x, reduced);
        // Sidereal time, longitude, distance, RA (negative past 180), declination.
        row("sun", "0", "98.987400 278.852616 0.983332 -80.365508 -23.143713");
        row("sun", "9836.5", "74.307578 253.359990 0.985477 -108.042782 -22.399713");
        // In 2026, month day latitude longitude upper-limb: the sun crossing -35' twice
        // (0), staying above (1: rise and set at the transit -/+ 12 h) or below (-1: both
        // at the transit); then rise, set and the day's length.
        row("rise", "6 21 51.5 0 1", "0 3.710075 20.350879 16.640804");
        row("rise", "6 21 51.5 0 0", "0 3.747240 20.313714 16.566474");
        row("rise", "12 21 51.5 0 1", "0 8.051397 15.884127 7.832730");
        row("rise", "6 21 78.22 15.65 1", "1 -1.013014 22.986986 24.000000");
        row("rise", "12 21 78.22 15.65 1", "-1 10.924069 10.924069 0.000000");
        row("rise", "3 20 -33.87 151.2 1", "0 -4.031320 8.123971 12.155290");
        // cos(latitude) is tiny at the poles, but not zero.
        row("rise", "6 21 90 0 1", "1 0.030477 24.030477 24.000000");
        row("rise", "6 21 -90 0 1", "-1 12.030477 12.030477 0.000000");
        row("rise", "6 21 nan 0 1", "0 nan nan nan");
    }
    void solar()
    {
        QFETCH(QString, what);
        QFETCH(QString, arguments);
        QFETCH(QString, expected);
        QList<double> a;
        for (const QString &argument : arguments.split(u' '))
            a.append(argument.toDouble());
        QStringList texts;
        const auto fixed = [&](std::initializer_list<double> values) {
            for (const double value : values)
                texts.append(QString::number(value, 'f', 6));
        };
        if (what == "day") {
            texts.append(QString::number(solar_day_number(a[0], a[1], a[2])));
        } else if (what == "next day") {
            texts.append(QString::number(uint32_t(solar_day_number(a[0], a[1], a[2] + 1)) -
                                         uint32_t(solar_day_number(a[0], a[1], a[2]))));
        } else if (what == "reduced") {
            texts << QString::number(revolution(a[0])) << QString::number(rev180(a[0]));
        } else if (what == "sun") {
            double lon = 0.0, r = 0.0, ra = 0.0, dec = 0.0, r2 = 0.0;
            sunEclipticPosition(a[0], &lon, &r);
            sun_RA_dec(a[0], &ra, &dec, &r2);
            fixed({siderealTimeAtMidnight(a[0]), lon, r, ra, dec});
            QCOMPARE(r2, r);
        } else {
            const double altitude = solar::kSunriseAltitudeDeg;
            double rise = 0.0, set = 0.0;
            texts.append(QString::number(
                sunRiseSet(2026, a[0], a[1], a[3], a[2], altitude, a[4], &rise, &set)));
            fixed({rise, set, dayLength(2026, a[0], a[1], a[3], a[2], altitude, a[4])});
        }
        QCOMPARE(texts.join(u' '), expected);
    }
};

QTEST_APPLESS_MAIN(TestSolar)
#include "tst_solar.moc"
