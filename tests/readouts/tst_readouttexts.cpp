#include "readouts/ReadoutTexts.h"
#include "solar/solar.h"
#include "zones/TimeZones.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>
#include <QtTest>

#include <cmath>

using namespace Qt::StringLiterals;

class TestReadoutTexts : public QObject
{
    Q_OBJECT

private slots:
    // Days from 2000 January 0.0: exact from 1900-03-01 to 2100-02-28, a day ahead after it (no
    // century rule). However absurd the year, the next day is one more, modulo 2^32: no overflow.
    void dayNumbersCountFrom2000()
    {
        const std::tuple<int, int, int, int> days[] = {
            {2000, 1, 1, 1}, {1900, 3, 1, -36464}, {2100, 2, 28, 36584}, {2100, 3, 1, 36586}};
        for (const auto &[year, month, day, number] : days)
            QCOMPARE(solar_day_number(year, month, day), number);
        for (const int32_t year : {INT32_MAX, INT32_MIN})
            QCOMPARE(uint32_t(solar_day_number(year, 12, 31)) -
                         uint32_t(solar_day_number(year, 12, 30)),
                     1u);
    }

    // Into [0, 360) and [-180, 180).
    void anglesReducedToOneTurn()
    {
        const std::tuple<double, double, double> angles[] = {
            {360, 0, 0},       {540, 180, -180}, {-90, 270, -90}, {180, 180, -180},
            {-180, 180, -180}, {190, 190, -170}, {1000, 280, -80}};
        for (const auto &[angle, full, half] : angles) {
            QCOMPARE(revolution(angle), full);
            QCOMPARE(rev180(angle), half);
        }
    }

    // Hours UT, not reduced to a day, of the upper limb's crossings of -35' and the
    // day's length: two crossings (0), above all day (1: at the transit -/+ 12 h) or
    // below (-1: both at the transit).
    void sunRiseAndSetHours()
    {
        const std::tuple<QDate, double, double, int, QList<double>> places[] = {
            {{2026, 3, 20}, -33.87, 151.2, 0, {-4.031320, 8.123971, 12.155290}}, // Sydney
            {{2026, 6, 21}, 78.22, 15.65, 1, {-1.013014, 22.986986, 24.0}},      // Svalbard
            {{2026, 12, 21}, 78.22, 15.65, -1, {10.924069, 10.924069, 0.0}}};
        // To the micro-unit: the mathematics library may round the last bits differently.
        const auto micro = [](double value) { return std::round(value * 1e6) / 1e6; };
        const double altitude = solar::kSunriseAltitudeDeg;
        for (const auto &[date, latitude, longitude, code, hours] : places) {
            const int y = date.year(), m = date.month(), d = date.day();
            double rise = 0.0, set = 0.0;
            QCOMPARE(sunRiseSet(y, m, d, longitude, latitude, altitude, 1, &rise, &set), code);
            QCOMPARE((QList{micro(rise), micro(set),
                            micro(dayLength(y, m, d, longitude, latitude, altitude, 1))}),
                     hours);
        }
    }

    // Hours unpadded, the offset from GMT cut to whole minutes, its sign the offset's.
    void clockTimesShowTheOffsetCutToMinutes()
    {
        const auto time = [](int hour, int minute, int second, int offset, const char *zone) {
            return QString::fromStdString(
                timeText({2026, 1, 1, hour, minute, second, 4, offset, zone}));
        };
        QCOMPARE(time(0, 0, 0, 0, "GMT"), u"0:00:00 GMT +0000");
        QCOMPARE(time(22, 30, 0, -12600, "NDT"), u"22:30:00 NDT -0330");
        QCOMPARE(time(7, 3, 9, -1800, "X"), u"7:03:09 X -0030");
        QCOMPARE(time(12, 0, 0, 1172, "AMT"), u"12:00:00 AMT +0019");
    }

    // Every day of a year as Qt writes it in English; unknown names left out.
    void datesInEnglish()
    {
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        for (QDate date(2026, 1, 1); date.year() == 2026; date = date.addDays(1))
            QCOMPARE(QString::fromStdString(dateText({date.year(), date.month(), date.day(), 0, 0,
                                                      0, date.dayOfWeek(), 0, ""})),
                     english.toString(date, u"dddd, MMMM d, yyyy"));
        QCOMPARE(QString::fromStdString(dateText({2026, 0, 1, 0, 0, 0, 0, 0, ""})), u",  1, 2026");
        QCOMPARE(QString::fromStdString(dateText({2026, 13, 1, 0, 0, 0, 8, 0, ""})), u",  1, 2026");
    }

    // Cut, not rounded, to the minute; the times count from 00:00 GMT of the zone's
    // date, and each reads in the offset of its own instant.
    void sunriseAndSunsetOnTheZonesClock_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<float>("latitude");
        QTest::addColumn<float>("longitude");
        QTest::addColumn<QStringList>("texts"); // sunrise, sunset
        const auto noon = [](int month, int day, const QTimeZone &zone) {
            return QDateTime({2026, month, day}, {12, 0}, zone);
        };
        const QTimeZone svalbard(3600);
        // 00:00 GMT of the day is still winter time.
        QTest::newRow("clocks changed") << noon(3, 29, QTimeZone("Europe/Berlin")) << 52.52f
                                        << 13.4f << QStringList{"Sunrise:  6:47", "Sunset: 19:34"};
        // Already March 2 fourteen hours east, where Svalbard's sunrise moves fast.
        QTest::newRow("date ahead of UT")
            << QDateTime({2026, 3, 2}, {0, 30}, QTimeZone(14 * 3600)) << 78.22f << 15.65f
            << QStringList{"Sunrise: 21:16", "Sunset:  5:02"};
        QTest::newRow("polar day")
            << noon(6, 21, svalbard) << 78.22f << 15.65f << QStringList{"Sun never sets", ""};
        QTest::newRow("polar night")
            << noon(12, 21, svalbard) << 78.22f << 15.65f << QStringList{"Sun never rises", ""};
        QTest::newRow("NaN") << noon(6, 21, svalbard) << float(qQNaN()) << 0.0f
                             << QStringList{"", ""};
    }
    void sunriseAndSunsetOnTheZonesClock()
    {
        QFETCH(QDateTime, now);
        QFETCH(float, latitude);
        QFETCH(float, longitude);
        QFETCH(QStringList, texts);
        const SunTexts sun =
            sunTexts(now.toSecsSinceEpoch(), QtZoneCalendar(now.timeZone()), {latitude, longitude});
        QCOMPARE(
            (QStringList{QString::fromStdString(sun.sunrise), QString::fromStdString(sun.sunset)}),
            texts);
    }

    // Degrees, minutes and rounded seconds, left out when they round to 0; a rounding
    // that fills a minute or a degree carries; empty beyond 32-bit degrees.
    // The two largest units, a zero second part left out, seconds only under a minute.
    void timeFromNowInTwoUnits()
    {
        const std::tuple<int64_t, const char *> rows[] = {
            {0, "+0 3"},           {-59, "-59 3"},        {60, "+1 2"},
            {70230, "+19 1 30 2"}, {-266405, "-3 0 2 1"}, {86400, "+1 0"}};
        for (const auto &[seconds, expected] : rows) {
            const TimeFromNow from = timeFromNow(seconds);
            QString text = QString(from.negative ? "-" : "+") + QString::number(from.first.count) +
                           ' ' + QString::number(int(from.first.unit));
            if (from.second)
                text +=
                    QStringLiteral(" %1 %2").arg(from.second->count).arg(int(from.second->unit));
            QCOMPARE(text, QString(expected));
        }
    }

    void placeTextsRoundTheSecondsAndCarry_data()
    {
        QTest::addColumn<float>("degrees");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        const auto row = [](float degrees, const QString &latitude, const QString &longitude) {
            QTest::addRow("%.9g", degrees) << degrees << latitude << longitude;
        };
        row(51.5f, u"Latitude:  51° 30' N"_s, u"Longitude:  51° 30' E"_s);
        row(-74.0064f, u"Latitude:  74°  0' 23\" S"_s, u"Longitude:  74°  0' 23\" W"_s);
        row(-0.0001f, u"Latitude:   0°  0' S"_s, u"Longitude:   0°  0' W"_s);
        row(-0.0f, u"Latitude:   0°  0' N"_s, u"Longitude:   0°  0' E"_s);
        // 59.4967 seconds round down, the next float's 59.5001 carry.
        row(10.34986019f, u"Latitude:  10° 20' 59\" N"_s, u"Longitude:  10° 20' 59\" E"_s);
        row(10.349861f, u"Latitude:  10° 21' N"_s, u"Longitude:  10° 21' E"_s);
        row(45.99999f, u"Latitude:  46°  0' N"_s, u"Longitude:  46°  0' E"_s);
        for (const float beyond : {float(qQNaN()), -float(qInf()), 3e9f})
            row(beyond, {}, {});
    }
    void placeTextsRoundTheSecondsAndCarry()
    {
        QFETCH(float, degrees);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QCOMPARE(QString::fromStdString(latitudeText(degrees)), latitude);
        QCOMPARE(QString::fromStdString(longitudeText(degrees)), longitude);
    }
};

QTEST_APPLESS_MAIN(TestReadoutTexts)
#include "tst_readouttexts.moc"
