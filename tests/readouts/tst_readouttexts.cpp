#include "readouts/ReadoutTexts.h"

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
        row("sun", "2026-06-21T12:00 UTC+01:00 51.5 0", "Sunrise:  4:42|Sunset: 21:21");
        // The sunrise in Sydney falls on the day before in UT, the New York sunset at 24:30.
        row("sun", "2026-03-20T01:00 UTC+11:00 -33.8667 151.2167", "Sunrise:  6:58|Sunset: 19:07");
        row("sun", "2026-06-21T16:00 UTC-04:00 40.7142 -74.0064", "Sunrise:  5:25|Sunset: 20:30");
        // The times count from 00:00 GMT of the zone's date: a midnight a day off shows
        // across a change of the clocks.
        row("sun", "2026-03-28T12:00 Europe/Berlin 52.52 13.4", "Sunrise:  5:49|Sunset: 18:33");
        row("sun", "2026-03-29T12:00 Europe/Berlin 52.52 13.4", "Sunrise:  6:47|Sunset: 19:34");
        // It is already March 2 fourteen hours east; Svalbard's sunrise moves fast.
        row("sun", "2026-03-01T10:30 UTC+14:00 78.22 15.65", "Sunrise: 21:16|Sunset:  5:02");
        row("sun", "2026-06-21T12:00 UTC+01:00 78.22 15.65", "Sun never sets|");
        row("sun", "2026-12-21T12:00 UTC+01:00 78.22 15.65", "Sun never rises|");
        row("sun", "2026-06-21T12:00 UTC nan 0", "|");
        row("sun", "2026-06-21T12:00 UTC 51.5 inf", "|");
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
        std::string actual;
        if (what == "clock") {
            const auto n = [&](int i) { return a[i].toInt(); };
            const LocalFields fields{
                n(0), n(1), n(2), n(3), n(4), n(5), n(6), n(7), a.value(8).toStdString()};
            actual = timeText(fields) + '|' + dateText(fields);
        } else if (what == "sun") {
            const QDateTime now = QDateTime::fromString(a[0] + u'Z', Qt::ISODate);
            const SunTexts texts = sunTexts(now.toSecsSinceEpoch(), QtCalendar(a[1].toLatin1()),
                                            a[2].toFloat(), a[3].toFloat());
            actual = texts.sunrise + '|' + texts.sunset;
        } else {
            actual = latitudeText(a[0].toFloat()) + '|' + longitudeText(a[0].toFloat());
        }
        QCOMPARE(QString::fromStdString(actual), expected);
    }
};

QTEST_APPLESS_MAIN(TestReadoutTexts)
#include "tst_readouttexts.moc"
