#include "readouts/ReadoutTexts.h"

#include <QDateTime>
#include <QTimeZone>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

/// Seconds since 1970 of a UTC wall-clock time, worked out by Qt rather than by the
/// calendar arithmetic under test.
qint64 utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), QTimeZone::utc())
        .toSecsSinceEpoch();
}

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

constexpr int kHour = 3600;

} // namespace

class TestReadoutTexts : public QObject
{
    Q_OBJECT

private slots:
    void civilFieldsMatchQt()
    {
        // Instants from 1600 to 2400, an odd step so that every field varies, and
        // offsets on both sides of GMT.
        const qint64 step = 86400 * 37 + 3671;
        for (const int offset : {0, 19800, -12600, 50400, -43200}) {
            for (qint64 t = utc(1600, 1, 1); t < utc(2400, 12, 31); t += step) {
                const LocalFields f = civilFieldsAt(t, offset);
                const QDateTime expected =
                    QDateTime::fromSecsSinceEpoch(t + offset, QTimeZone::utc());
                QCOMPARE(QDateTime(QDate(f.year, f.month, f.day), QTime(f.hour, f.minute, f.second),
                                   QTimeZone::utc()),
                         expected);
                QCOMPARE(f.weekday, expected.date().dayOfWeek());
            }
        }
    }

    void daysFromCivilMatchesQt()
    {
        constexpr qint64 kJulianDayOf1970 = 2440588;
        for (QDate d(1600, 1, 1); d.year() <= 2400; d = d.addDays(1))
            QCOMPARE(daysFromCivil(d.year(), d.month(), d.day()),
                     d.toJulianDay() - kJulianDayOf1970);
        QCOMPARE(midnightGmtSeconds(2026, 6, 21), utc(2026, 6, 21));
        QCOMPARE(midnightGmtSeconds(1969, 12, 31), -86400);
    }

    // Instants where the zone's wall clock reads a given time.
    void clockAndDate_data()
    {
        QTest::addColumn<qint64>("now");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("abbreviation");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("date");
        const auto row = [](const char *name, const QDateTime &local, int offset,
                            const char *abbreviation, const char *time, const char *date) {
            QTest::newRow(name) << local.toSecsSinceEpoch() - offset << offset << abbreviation
                                << time << date;
        };
        const auto at = [](int year, int month, int day, int hour, int minute = 0, int second = 0) {
            return QDateTime(QDate(year, month, day), QTime(hour, minute, second),
                             QTimeZone::utc());
        };
        row("midnight reads 0:00:00, GMT +0000", at(2026, 1, 1, 0), 0, "GMT", "0:00:00 GMT +0000",
            "Thursday, January 1, 2026");
        row("minutes and seconds keep their zero: 7:03:09", at(2026, 1, 1, 7, 3, 9), 0, "UTC",
            "7:03:09 UTC +0000", "Thursday, January 1, 2026");
        row("Tuesday, May 1, 2007 in CEST", at(2007, 5, 1, 9, 5, 7), 2 * kHour, "CEST",
            "9:05:07 CEST +0200", "Tuesday, May 1, 2007");
        row("local date ahead of UTC", at(2007, 5, 1, 0, 30), 2 * kHour, "CEST",
            "0:30:00 CEST +0200", "Tuesday, May 1, 2007");
        row("local date behind UTC", at(2007, 4, 30, 22, 30), -12600, "NDT", "22:30:00 NDT -0330",
            "Monday, April 30, 2007");
        row("half hour east: +0530", at(2026, 1, 1, 12), 19800, "IST", "12:00:00 IST +0530",
            "Thursday, January 1, 2026");
        row("under an hour west keeps its sign: -0030", at(2026, 1, 1, 12), -1800, "X",
            "12:00:00 X -0030", "Thursday, January 1, 2026");
        row("quarter hours: +1345", at(2026, 1, 1, 12), 49500, "+1345", "12:00:00 +1345 +1345",
            "Thursday, January 1, 2026");
        row("offset seconds are cut: +0019 for 19:32", at(2026, 1, 1, 12), 1172, "AMT",
            "12:00:00 AMT +0019", "Thursday, January 1, 2026");
        row("leap day", at(2024, 2, 29, 12), 0, "GMT", "12:00:00 GMT +0000",
            "Thursday, February 29, 2024");
        row("before 1970, one second before midnight", at(1969, 12, 31, 23, 59, 59), 0, "GMT",
            "23:59:59 GMT +0000", "Wednesday, December 31, 1969");
    }
    void clockAndDate()
    {
        QFETCH(qint64, now);
        QFETCH(int, offset);
        QFETCH(QString, abbreviation);
        QFETCH(QString, time);
        QFETCH(QString, date);
        const LocalFields fields =
            FixedOffsetCalendar(offset, abbreviation.toStdString()).fieldsAt(now);
        QCOMPARE(q(::timeText(fields)), time);
        QCOMPARE(q(::dateText(fields)), date);
    }

    void dateTextNames()
    {
        // Every weekday and month name, and a day of the month without a leading zero.
        const QStringList expected = {
            "Monday, January 5, 2026",   "Monday, February 2, 2026", "Monday, March 2, 2026",
            "Wednesday, April 1, 2026",  "Friday, May 1, 2026",      "Monday, June 1, 2026",
            "Wednesday, July 1, 2026",   "Saturday, August 1, 2026", "Tuesday, September 1, 2026",
            "Thursday, October 1, 2026", "Sunday, November 1, 2026", "Tuesday, December 1, 2026"};
        const int days[] = {5, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1};
        const FixedOffsetCalendar gmt(0, "GMT");
        for (int month = 1; month <= 12; ++month) {
            QCOMPARE(q(dateText(gmt.fieldsAt(utc(2026, month, days[month - 1], 12)))),
                     expected[month - 1]);
        }
    }

    void sunTexts_data()
    {
        QTest::addColumn<qint64>("now");
        QTest::addColumn<int>("offset");
        QTest::addColumn<float>("latitude");
        QTest::addColumn<float>("longitude");
        QTest::addColumn<QString>("sunrise");
        QTest::addColumn<QString>("sunset");
        const qint64 midsummer = utc(2026, 6, 21, 12);
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("51.5N 0E at UTC+1: cut, not rounded (rise 4:42:36)")
            << midsummer << kHour << 51.5f << 0.0f << "Sunrise:  4:42"
            << "Sunset: 21:21";
        QTest::newRow("51.5N 0E at GMT") << midsummer << 0 << 51.5f << 0.0f << "Sunrise:  3:42"
                                         << "Sunset: 20:21";
        QTest::newRow("Sydney at UTC+11: rise before 00:00 UT of the date")
            << utc(2026, 3, 20, 1) << 11 * kHour << -33.8667f << 151.2167f << "Sunrise:  6:58"
            << "Sunset: 19:07";
        QTest::newRow("New York at UTC-4: set 24:30:46 UT, the next day, reads 20:30")
            << utc(2026, 6, 21, 16) << -4 * kHour << 40.7142f << -74.0064f << "Sunrise:  5:25"
            << "Sunset: 20:30";
        QTest::newRow("Svalbard in June: never sets")
            << midsummer << kHour << 78.22f << 15.65f << "Sun never sets"
            << "";
        QTest::newRow("Svalbard in December: never rises")
            << utc(2026, 12, 21, 12) << kHour << 78.22f << 15.65f << "Sun never rises"
            << "";
        QTest::newRow("latitude not a number: no times") << midsummer << 0 << nan << 0.0f << ""
                                                         << "";
        QTest::newRow("longitude infinite: no times")
            << midsummer << 0 << 51.5f << std::numeric_limits<float>::infinity() << ""
            << "";
    }
    void sunTexts()
    {
        QFETCH(qint64, now);
        QFETCH(int, offset);
        QFETCH(float, latitude);
        QFETCH(float, longitude);
        QFETCH(QString, sunrise);
        QFETCH(QString, sunset);
        const SunTexts texts =
            ::sunTexts(now, FixedOffsetCalendar(offset, "Z"), latitude, longitude);
        QCOMPARE(q(texts.sunrise), sunrise);
        QCOMPARE(q(texts.sunset), sunset);
    }

    void sunTextsFollowLocalDate()
    {
        // Svalbard in early March: the sunrise moves by several minutes a day. In a zone
        // 14 hours east, half past midnight on March 2 is still March 1 in UT, and the
        // readouts must already give March 2's times.
        const FixedOffsetCalendar zone(14 * kHour, "Z");
        const SunTexts march1 = ::sunTexts(utc(2026, 3, 1, 0), zone, 78.22f, 15.65f);
        const SunTexts march2 = ::sunTexts(utc(2026, 3, 2, 0), zone, 78.22f, 15.65f);
        QVERIFY(march1.sunrise != march2.sunrise);
        const SunTexts justAfterMidnight =
            ::sunTexts(utc(2026, 3, 1, 10, 30), zone, 78.22f, 15.65f);
        QCOMPARE(q(justAfterMidnight.sunrise), q(march2.sunrise));
        QCOMPARE(q(justAfterMidnight.sunset), q(march2.sunset));
    }

    // The split into degrees, minutes and rounded seconds, through the texts.
    void positionTexts_data()
    {
        QTest::addColumn<bool>("isLatitude");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("51.5 N: no seconds") << true << 51.5f << "Latitude:  51° 30' N";
        QTest::newRow("0 E") << false << 0.0f << "Longitude:   0°  0' E";
        QTest::newRow("-33.8667 S") << true << -33.8667f << "Latitude:  33° 52' S";
        QTest::newRow("151.2167 E") << false << 151.2167f << "Longitude: 151° 13' E";
        QTest::newRow("40.7142: seconds marked with a double quote")
            << true << 40.7142f << "Latitude:  40° 42' 51\" N";
        QTest::newRow("-74.0064 W with seconds")
            << false << -74.0064f << "Longitude:  74°  0' 23\" W";
        QTest::newRow("-0.1275 W: 38.99998 seconds round up to 39")
            << false << -0.1275f << "Longitude:   0°  7' 39\" W";
        QTest::newRow("-0.0001: S although every number is 0")
            << true << -0.0001f << "Latitude:   0°  0' S";
        QTest::newRow("-0.0 is not negative") << true << -0.0f << "Latitude:   0°  0' N";
        // 10.34986019 gives 59.4967 seconds, the next float up 59.5001.
        QTest::newRow("seconds 59.4967 round down to 59")
            << true << 10.34986019f << "Latitude:  10° 20' 59\" N";
        QTest::newRow("seconds 59.5001 carry into the minutes")
            << true << std::nextafter(10.34986019f, 11.0f) << "Latitude:  10° 21' N";
        QTest::newRow("45.99999 reads 46 degrees, not 60 minutes")
            << true << 45.99999f << "Latitude:  46°  0' N";
        QTest::newRow("-179.99999: carry reaches 180 W")
            << false << -179.99999f << "Longitude: 180°  0' W";
        QTest::newRow("latitude not a number: empty")
            << true << std::numeric_limits<float>::quiet_NaN() << "";
        QTest::newRow("longitude infinite: empty")
            << false << -std::numeric_limits<float>::infinity() << "";
        QTest::newRow("beyond 32-bit degrees: empty") << false << 3.0e9f << "";
    }
    void positionTexts()
    {
        QFETCH(bool, isLatitude);
        QFETCH(float, value);
        QFETCH(QString, expected);
        QCOMPARE(q(isLatitude ? latitudeText(value) : longitudeText(value)), expected);
    }
};

QTEST_APPLESS_MAIN(TestReadoutTexts)
#include "tst_readouttexts.moc"
