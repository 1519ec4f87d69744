#include "readouts/ReadoutTexts.h"

#include <QDateTime>
#include <QTimeZone>
#include <QtTest>

#include <cmath>
#include <limits>

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

qint64 utc(int year, int month, int day, int hour = 0, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), QTimeZone::utc())
        .toSecsSinceEpoch();
}

} // namespace

Q_DECLARE_METATYPE(LocalFields)

class TestReadoutTexts : public QObject
{
    Q_OBJECT

private slots:
    void clockAndDate_data()
    {
        QTest::addColumn<LocalFields>("fields"); // y, m, d, h, m, s, weekday, offset, abbreviation
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const LocalFields &fields, const char *expected) {
            QTest::newRow(name) << fields << QString(expected);
        };
        row("GMT", {2026, 1, 5, 0, 0, 0, 1, 0, "GMT"}, "0:00:00 GMT +0000|Monday, January 5, 2026");
        row("zeros kept", {2026, 2, 3, 7, 3, 9, 2, 7200, "CEST"},
            "7:03:09 CEST +0200|Tuesday, February 3, 2026");
        row("half hour west", {2026, 3, 4, 22, 30, 0, 3, -12600, "NDT"},
            "22:30:00 NDT -0330|Wednesday, March 4, 2026");
        row("under an hour west", {2026, 4, 2, 12, 0, 0, 4, -1800, "X"},
            "12:00:00 X -0030|Thursday, April 2, 2026");
        row("quarter hours", {2026, 5, 1, 12, 0, 0, 5, 49500, "+1345"},
            "12:00:00 +1345 +1345|Friday, May 1, 2026");
        row("offset seconds cut", {2026, 6, 6, 12, 0, 0, 6, 1172, "AMT"},
            "12:00:00 AMT +0019|Saturday, June 6, 2026");
        const char *months[] = {"July", "August", "September", "October", "November", "December"};
        for (int month = 7; month <= 12; ++month)
            QTest::newRow(months[month - 7])
                << LocalFields{2026, month, 7, 23, 59, 59, 7, 0, "UTC"}
                << QStringLiteral("23:59:59 UTC +0000|Sunday, %1 7, 2026").arg(months[month - 7]);
        row("no calendar fields: no names", {}, "0:00:00  +0000|,  0, 0");
    }
    void clockAndDate()
    {
        QFETCH(LocalFields, fields);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(timeText(fields) + '|' + dateText(fields)), expected);
    }

    // Wall-clock times cut, not rounded, to the minute.
    void sunTexts_data()
    {
        QTest::addColumn<qint64>("now");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<float>("latitude");
        QTest::addColumn<float>("longitude");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, qint64 now, const char *zone, float latitude,
                            float longitude, const char *expected) {
            QTest::newRow(name) << now << QByteArray(zone) << latitude << longitude
                                << QString(expected);
        };
        const qint64 june = utc(2026, 6, 21, 12);
        const float nan = std::numeric_limits<float>::quiet_NaN(),
                    inf = std::numeric_limits<float>::infinity();
        row("London at UTC+1: rise 4:42:36", june, "UTC+01:00", 51.5f, 0.0f,
            "Sunrise:  4:42|Sunset: 21:21");
        row("Sydney at UTC+11: rise on the day before UT", utc(2026, 3, 20, 1), "UTC+11:00",
            -33.8667f, 151.2167f, "Sunrise:  6:58|Sunset: 19:07");
        row("New York at UTC-4: set 24:30:46 UT", utc(2026, 6, 21, 16), "UTC-04:00", 40.7142f,
            -74.0064f, "Sunrise:  5:25|Sunset: 20:30");
        // The times count from 00:00 GMT of the zone's date: a midnight a day off
        // shows across a change of the clocks.
        row("Berlin, CET", utc(2026, 3, 28, 12), "Europe/Berlin", 52.52f, 13.4f,
            "Sunrise:  5:49|Sunset: 18:33");
        row("Berlin, CEST from today", utc(2026, 3, 29, 12), "Europe/Berlin", 52.52f, 13.4f,
            "Sunrise:  6:47|Sunset: 19:34");
        // At 10:30 UT on March 1 it is already March 2 fourteen hours east, and the
        // sunrise in Svalbard moves by minutes a day.
        row("today as the zone counts", utc(2026, 3, 1, 10, 30), "UTC+14:00", 78.22f, 15.65f,
            "Sunrise: 21:16|Sunset:  5:02");
        row("Svalbard in June", june, "UTC+01:00", 78.22f, 15.65f, "Sun never sets|");
        row("Svalbard in December", utc(2026, 12, 21, 12), "UTC+01:00", 78.22f, 15.65f,
            "Sun never rises|");
        row("latitude NaN: no times", june, "UTC", nan, 0.0f, "|");
        row("longitude infinite: no times", june, "UTC", 51.5f, inf, "|");
    }
    void sunTexts()
    {
        QFETCH(qint64, now);
        QFETCH(QByteArray, zone);
        QFETCH(float, latitude);
        QFETCH(float, longitude);
        QFETCH(QString, expected);
        const SunTexts texts = ::sunTexts(now, QtCalendar(zone), latitude, longitude);
        QCOMPARE(QString::fromStdString(texts.sunrise + '|' + texts.sunset), expected);
    }

    // The split into degrees, minutes and rounded seconds.
    void positionTexts_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("expected"); // as a latitude | as a longitude
        const auto row = [](const char *name, float value, const char *expected) {
            QTest::newRow(name) << value << QString(expected);
        };
        row("no seconds", 51.5f, "Latitude:  51° 30' N|Longitude:  51° 30' E");
        row("seconds", -74.0064f, "Latitude:  74°  0' 23\" S|Longitude:  74°  0' 23\" W");
        row("degrees above 99", 151.2167f, "Latitude: 151° 13' N|Longitude: 151° 13' E");
        row("38.99998 seconds round up", -0.1275f,
            "Latitude:   0°  7' 39\" S|Longitude:   0°  7' 39\" W");
        row("-0.0001: S although all is 0", -0.0001f, "Latitude:   0°  0' S|Longitude:   0°  0' W");
        row("-0.0 is not negative", -0.0f, "Latitude:   0°  0' N|Longitude:   0°  0' E");
        // 10.34986019 gives 59.4967 seconds, the next float up 59.5001.
        row("59.4967 seconds round down", 10.34986019f,
            "Latitude:  10° 20' 59\" N|Longitude:  10° 20' 59\" E");
        row("59.5001 seconds carry", std::nextafter(10.34986019f, 11.0f),
            "Latitude:  10° 21' N|Longitude:  10° 21' E");
        row("carry reaches the degrees", 45.99999f, "Latitude:  46°  0' N|Longitude:  46°  0' E");
        row("carry reaches 180", -179.99999f, "Latitude: 180°  0' S|Longitude: 180°  0' W");
        row("NaN: empty", std::numeric_limits<float>::quiet_NaN(), "|");
        row("infinite: empty", -std::numeric_limits<float>::infinity(), "|");
        row("beyond 32-bit degrees: empty", 3.0e9f, "|");
    }
    void positionTexts()
    {
        QFETCH(float, value);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(latitudeText(value) + '|' + longitudeText(value)),
                 expected);
    }
};

QTEST_APPLESS_MAIN(TestReadoutTexts)
#include "tst_readouttexts.moc"
