#include "readouts/ReadoutTexts.h"
#include "solar/solar.h"

#include <QDateTime>
#include <QTimeZone>
#include <QtTest>

namespace {

/// A zone as Qt reads it, so that the readouts' own calendar arithmetic meets an
/// independent one.
class QtCalendar final : public ZoneCalendar
{
public:
    explicit QtCalendar(const QByteArray &id) : m_zone(id) {}
    LocalFields fieldsAt(int64_t utcSeconds) const override
    {
        const QDateTime t = QDateTime::fromSecsSinceEpoch(utcSeconds, m_zone);
        return {t.date().year(),      t.date().month(),        t.date().day(),
                t.time().hour(),      t.time().minute(),       t.time().second(),
                t.date().dayOfWeek(), m_zone.offsetFromUtc(t), ""};
    }

private:
    QTimeZone m_zone;
};

} // namespace

class TestReadoutTexts : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *what, const QString &input, const QString &expected) {
            QTest::addRow("%s %s", what, qPrintable(input)) << what << input << expected;
        };
        // Angles and hours to the micro-unit, as the mathematics library may round the
        // last bits differently.
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
        // Year month day hour minute second weekday offset abbreviation.
        row("clock", "2026 1 5 0 0 0 1 0 GMT", "0:00:00 GMT +0000|Monday, January 5, 2026");
        row("clock", "2026 2 3 7 3 9 2 7200 CEST", "7:03:09 CEST +0200|Tuesday, February 3, 2026");
        row("clock", "2026 3 4 22 30 0 3 -12600 NDT",
            "22:30:00 NDT -0330|Wednesday, March 4, 2026");
        row("clock", "2026 4 2 12 0 0 4 -1800 X", "12:00:00 X -0030|Thursday, April 2, 2026");
        row("clock", "2026 5 1 12 0 0 5 49500 +1345", "12:00:00 +1345 +1345|Friday, May 1, 2026");
        row("clock", "2026 6 6 12 0 0 6 1172 AMT", "12:00:00 AMT +0019|Saturday, June 6, 2026");
        int month = 7;
        for (const char *name : {"July", "August", "September", "October", "November", "December"})
            row("clock", QStringLiteral("2026 %1 7 23 59 59 7 0 UTC").arg(month++),
                QStringLiteral("23:59:59 UTC +0000|Sunday, %1 7, 2026").arg(name));
        row("clock", "0 0 0 0 0 0 0 0", "0:00:00  +0000|,  0, 0");
        // UTC, zone, latitude, longitude. Times are cut, not rounded, to the minute.
        row("sunrise", "2026-06-21T12:00 UTC+01:00 51.5 0", "Sunrise:  4:42|Sunset: 21:21");
        // The sunrise in Sydney falls on the day before in UT, the New York sunset at 24:30.
        row("sunrise", "2026-03-20T01:00 UTC+11:00 -33.8667 151.2167",
            "Sunrise:  6:58|Sunset: 19:07");
        row("sunrise", "2026-06-21T16:00 UTC-04:00 40.7142 -74.0064",
            "Sunrise:  5:25|Sunset: 20:30");
        // The times count from 00:00 GMT of the zone's date: a midnight a day off shows
        // across a change of the clocks.
        row("sunrise", "2026-03-28T12:00 Europe/Berlin 52.52 13.4", "Sunrise:  5:49|Sunset: 18:33");
        row("sunrise", "2026-03-29T12:00 Europe/Berlin 52.52 13.4", "Sunrise:  6:47|Sunset: 19:34");
        // It is already March 2 fourteen hours east; Svalbard's sunrise moves fast.
        row("sunrise", "2026-03-01T10:30 UTC+14:00 78.22 15.65", "Sunrise: 21:16|Sunset:  5:02");
        row("sunrise", "2026-06-21T12:00 UTC+01:00 78.22 15.65", "Sun never sets|");
        row("sunrise", "2026-12-21T12:00 UTC+01:00 78.22 15.65", "Sun never rises|");
        row("sunrise", "2026-06-21T12:00 UTC nan 0", "|");
        row("sunrise", "2026-06-21T12:00 UTC 51.5 inf", "|");
        // As a latitude | as a longitude: degrees, minutes and rounded seconds.
        row("place", "51.5", "Latitude:  51° 30' N|Longitude:  51° 30' E");
        row("place", "-74.0064", "Latitude:  74°  0' 23\" S|Longitude:  74°  0' 23\" W");
        row("place", "151.2167", "Latitude: 151° 13' N|Longitude: 151° 13' E");
        row("place", "-0.1275", "Latitude:   0°  7' 39\" S|Longitude:   0°  7' 39\" W");
        row("place", "-0.0001", "Latitude:   0°  0' S|Longitude:   0°  0' W");
        row("place", "-0", "Latitude:   0°  0' N|Longitude:   0°  0' E");
        // 59.4967 seconds round down, the next float's 59.5001 carry.
        row("place", "10.34986019", "Latitude:  10° 20' 59\" N|Longitude:  10° 20' 59\" E");
        row("place", "10.349861", "Latitude:  10° 21' N|Longitude:  10° 21' E");
        row("place", "45.99999", "Latitude:  46°  0' N|Longitude:  46°  0' E");
        row("place", "-179.99999", "Latitude: 180°  0' S|Longitude: 180°  0' W");
        row("place", "nan", "|");
        row("place", "-inf", "|");
        row("place", "3e9", "|"); // beyond 32-bit degrees
    }
    void texts()
    {
        QFETCH(QString, what);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const QStringList a = input.split(u' ');
        const auto d = [&](int i) { return a[i].toDouble(); };
        QStringList texts;
        const auto fixed = [&](std::initializer_list<double> values) {
            for (const double value : values)
                texts.append(QString::number(value, 'f', 6));
        };
        std::string actual;
        if (what == "day") {
            texts.append(QString::number(solar_day_number(d(0), d(1), d(2))));
        } else if (what == "next day") {
            texts.append(QString::number(uint32_t(solar_day_number(d(0), d(1), d(2) + 1)) -
                                         uint32_t(solar_day_number(d(0), d(1), d(2)))));
        } else if (what == "reduced") {
            texts << QString::number(revolution(d(0))) << QString::number(rev180(d(0)));
        } else if (what == "sun") {
            double lon = 0.0, r = 0.0, ra = 0.0, dec = 0.0, r2 = 0.0;
            sunEclipticPosition(d(0), &lon, &r);
            sun_RA_dec(d(0), &ra, &dec, &r2);
            fixed({siderealTimeAtMidnight(d(0)), lon, r, ra, dec});
            QCOMPARE(r2, r);
        } else if (what == "rise") {
            const double altitude = solar::kSunriseAltitudeDeg;
            double rise = 0.0, set = 0.0;
            texts.append(QString::number(
                sunRiseSet(2026, d(0), d(1), d(3), d(2), altitude, d(4), &rise, &set)));
            fixed({rise, set, dayLength(2026, d(0), d(1), d(3), d(2), altitude, d(4))});
        } else if (what == "clock") {
            const auto n = [&](int i) { return a[i].toInt(); };
            const LocalFields fields{
                n(0), n(1), n(2), n(3), n(4), n(5), n(6), n(7), a.value(8).toStdString()};
            actual = timeText(fields) + '|' + dateText(fields);
        } else if (what == "sunrise") {
            const QDateTime now = QDateTime::fromString(a[0] + u'Z', Qt::ISODate);
            const SunTexts texts = sunTexts(now.toSecsSinceEpoch(), QtCalendar(a[1].toLatin1()),
                                            {a[2].toFloat(), a[3].toFloat()});
            actual = texts.sunrise + '|' + texts.sunset;
        } else {
            actual = latitudeText(a[0].toFloat()) + '|' + longitudeText(a[0].toFloat());
        }
        QCOMPARE(texts.isEmpty() ? QString::fromStdString(actual) : texts.join(u' '), expected);
    }
};

QTEST_APPLESS_MAIN(TestReadoutTexts)
#include "tst_readouttexts.moc"
