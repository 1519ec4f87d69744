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

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

Q_DECLARE_METATYPE(LocalFields)

class TestReadoutTexts : public QObject
{
    Q_OBJECT

private slots:
    void clockAndDate_data()
    {
        QTest::addColumn<LocalFields>("fields");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("date");
        const auto row = [](const char *name, const LocalFields &fields, const char *time,
                            const QString &date) {
            QTest::newRow(name) << fields << QString(time) << date;
        };
        // year, month, day, hour, minute, second, weekday, offset, abbreviation
        row("midnight, GMT +0000", {2026, 1, 5, 0, 0, 0, 1, 0, "GMT"}, "0:00:00 GMT +0000",
            "Monday, January 5, 2026");
        row("zeros kept in minutes and seconds, CEST +0200", {2026, 2, 3, 7, 3, 9, 2, 7200, "CEST"},
            "7:03:09 CEST +0200", "Tuesday, February 3, 2026");
        row("half hour west: -0330", {2026, 3, 4, 22, 30, 0, 3, -12600, "NDT"},
            "22:30:00 NDT -0330", "Wednesday, March 4, 2026");
        row("under an hour west keeps its sign: -0030", {2026, 4, 2, 12, 0, 0, 4, -1800, "X"},
            "12:00:00 X -0030", "Thursday, April 2, 2026");
        row("quarter hours: +1345", {2026, 5, 1, 12, 0, 0, 5, 49500, "+1345"},
            "12:00:00 +1345 +1345", "Friday, May 1, 2026");
        row("offset seconds are cut: +0019 for 19:32", {2026, 6, 6, 12, 0, 0, 6, 1172, "AMT"},
            "12:00:00 AMT +0019", "Saturday, June 6, 2026");
        const char *months[] = {"July", "August", "September", "October", "November", "December"};
        for (int month = 7; month <= 12; ++month)
            row(months[month - 7], {2026, month, 7, 23, 59, 59, 7, 0, "UTC"}, "23:59:59 UTC +0000",
                QStringLiteral("Sunday, %1 7, 2026").arg(months[month - 7]));
        row("no calendar fields: no names", {}, "0:00:00  +0000", ",  0, 0");
    }
    void clockAndDate()
    {
        QFETCH(LocalFields, fields);
        QFETCH(QString, time);
        QFETCH(QString, date);
        QCOMPARE(q(timeText(fields)), time);
        QCOMPARE(q(dateText(fields)), date);
    }

    void sunTexts_data()
    {
        QTest::addColumn<qint64>("now");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<float>("latitude");
        QTest::addColumn<float>("longitude");
        QTest::addColumn<QString>("sunrise");
        QTest::addColumn<QString>("sunset");
        const auto row = [](const char *name, qint64 now, const char *zone, float latitude,
                            float longitude, const char *sunrise, const char *sunset) {
            QTest::newRow(name) << now << QByteArray(zone) << latitude << longitude
                                << QString(sunrise) << QString(sunset);
        };
        const qint64 midsummer = utc(2026, 6, 21, 12);
        row("51.5N 0E at UTC+1: cut, not rounded (rise 4:42:36)", midsummer, "UTC+01:00", 51.5f,
            0.0f, "Sunrise:  4:42", "Sunset: 21:21");
        row("51.5N 0E at GMT", midsummer, "UTC", 51.5f, 0.0f, "Sunrise:  3:42", "Sunset: 20:21");
        row("Sydney at UTC+11: rise before 00:00 UT of the date", utc(2026, 3, 20, 1), "UTC+11:00",
            -33.8667f, 151.2167f, "Sunrise:  6:58", "Sunset: 19:07");
        row("New York at UTC-4: set 24:30:46 UT, the next day, reads 20:30", utc(2026, 6, 21, 16),
            "UTC-04:00", 40.7142f, -74.0064f, "Sunrise:  5:25", "Sunset: 20:30");
        // The times count from 00:00 GMT of the zone's date: a midnight a day off
        // shows across a change of the clocks.
        row("Berlin, the day before summer time: CET", utc(2026, 3, 28, 12), "Europe/Berlin",
            52.52f, 13.4f, "Sunrise:  5:49", "Sunset: 18:33");
        row("Berlin, the day summer time starts: CEST", utc(2026, 3, 29, 12), "Europe/Berlin",
            52.52f, 13.4f, "Sunrise:  6:47", "Sunset: 19:34");
        // At 10:30 UT on March 1 it is already March 2 fourteen hours east, and the
        // sunrise in Svalbard moves by minutes a day.
        row("today as the zone counts days", utc(2026, 3, 1, 10, 30), "UTC+14:00", 78.22f, 15.65f,
            "Sunrise: 21:16", "Sunset:  5:02");
        row("Svalbard in June: never sets", midsummer, "UTC+01:00", 78.22f, 15.65f,
            "Sun never sets", "");
        row("Svalbard in December: never rises", utc(2026, 12, 21, 12), "UTC+01:00", 78.22f, 15.65f,
            "Sun never rises", "");
        row("latitude not a number: no times", midsummer, "UTC",
            std::numeric_limits<float>::quiet_NaN(), 0.0f, "", "");
        row("longitude infinite: no times", midsummer, "UTC", 51.5f,
            std::numeric_limits<float>::infinity(), "", "");
    }
    void sunTexts()
    {
        QFETCH(qint64, now);
        QFETCH(QByteArray, zone);
        QFETCH(float, latitude);
        QFETCH(float, longitude);
        QFETCH(QString, sunrise);
        QFETCH(QString, sunset);
        const SunTexts texts = ::sunTexts(now, QtCalendar(zone), latitude, longitude);
        QCOMPARE(q(texts.sunrise), sunrise);
        QCOMPARE(q(texts.sunset), sunset);
    }

    // The split into degrees, minutes and rounded seconds, through the texts.
    void positionTexts_data()
    {
        QTest::addColumn<bool>("isLatitude");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, bool isLatitude, float value, const char *text) {
            QTest::newRow(name) << isLatitude << value << QString(text);
        };
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        row("51.5 N: no seconds", true, 51.5f, "Latitude:  51° 30' N");
        row("151.2167 E", false, 151.2167f, "Longitude: 151° 13' E");
        row("seconds marked with a double quote", true, 40.7142f, "Latitude:  40° 42' 51\" N");
        row("-74.0064 W with seconds", false, -74.0064f, "Longitude:  74°  0' 23\" W");
        row("38.99998 seconds round up", false, -0.1275f, "Longitude:   0°  7' 39\" W");
        row("-0.0001: S although all is 0", true, -0.0001f, "Latitude:   0°  0' S");
        row("-0.0 is not negative", true, -0.0f, "Latitude:   0°  0' N");
        // 10.34986019 gives 59.4967 seconds, the next float up 59.5001.
        row("59.4967 seconds round down", true, 10.34986019f, "Latitude:  10° 20' 59\" N");
        row("59.5001 seconds carry", true, std::nextafter(10.34986019f, 11.0f),
            "Latitude:  10° 21' N");
        row("carry reaches the degrees", true, 45.99999f, "Latitude:  46°  0' N");
        row("carry reaches 180 W", false, -179.99999f, "Longitude: 180°  0' W");
        row("latitude not a number: empty", true, nan, "");
        row("longitude infinite: empty", false, -inf, "");
        row("beyond 32-bit degrees: empty", false, 3.0e9f, "");
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
