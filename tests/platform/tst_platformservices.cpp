#include "MessageLog.h"
#include "platform/Clock.h"
#include "platform/Resources.h"
#include "zones/TimeZones.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

class TestPlatformServices : public QObject
{
    Q_OBJECT

private slots:
    void clockAndKnownZones()
    {
        QCOMPARE(systemClock().now().timeSpec(), Qt::UTC);
        for (const char *known : {"Europe/Berlin", "America/Argentina/Buenos_Aires",
                                  "America/Port-au-Prince", "Etc/GMT+5", "UTC", "Asia/Calcutta"})
            QVERIFY2(isKnownTimeZone(known), known);
        // Unknown names and spellings, paths, offset names, POSIX rules, data files.
        for (const char *unknown :
             {"", "Nowhere/City", "Nowhere", "europe/berlin", "Europe/Berlin ", "Europe//Berlin",
              "Europe/Berlin/", "../../../etc/localtime", "/usr/share/zoneinfo/UTC", "UTC+05:00",
              "ABC3", "leapseconds", "zone.tab"})
            QVERIFY2(!isKnownTimeZone(unknown), unknown);
    }

    // Then the weekday (Monday 1), offset and abbreviation.
    void zoneCalendarFields_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("utc");
        QTest::addColumn<QString>("local");
        const auto row = [](const char *zone, const char *utc, const char *local) {
            QTest::addRow("%s %s", zone, utc) << QByteArray(zone) << utc << local;
        };
        row("Asia/Kolkata", "2007-03-21T18:40:00Z", "2007-03-22 00:10:00 4 19800 IST");
        row("Europe/Berlin", "2007-01-15T12:00:00Z", "2007-01-15 13:00:00 1 3600 CET");
        row("Europe/Berlin", "2007-03-25T00:59:59Z", "2007-03-25 01:59:59 7 3600 CET");
        row("Europe/Berlin", "2007-03-25T01:00:00Z", "2007-03-25 03:00:00 7 7200 CEST");
        row("America/St_Johns", "2007-01-01T02:00:00Z", "2006-12-31 22:30:00 7 -12600 NST");
        row("Asia/Dubai", "2020-02-29T23:00:00Z", "2020-03-01 03:00:00 7 14400 +04");
        row("", "1970-01-01T01:00:00Z", "1970-01-01 01:00:00 4 0 UTC"); // invalid zone as UTC
    }
    void zoneCalendarFields()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QString, utc);
        QFETCH(QString, local);
        const QtZoneCalendar calendar(zone.isEmpty() ? QTimeZone() : QTimeZone(zone));
        const LocalFields l =
            calendar.fieldsAt(QDateTime::fromString(utc, Qt::ISODate).toSecsSinceEpoch());
        QCOMPARE(QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d %d %d %s", l.year, l.month, l.day,
                                   l.hour, l.minute, l.second, l.weekday, l.offsetSeconds,
                                   l.abbreviation.c_str()),
                 local);
        // Far outside any calendar: nothing to show, but no failure.
        calendar.fieldsAt(INT64_MAX);
    }

    void resources()
    {
        QTemporaryDir dir;
        QImage red(4, 2, QImage::Format_RGB32);
        red.fill(Qt::red);
        QFile broken(dir.filePath("Broken.png"));
        QVERIFY(red.save(dir.filePath("Red.png")) && red.save(dir.filePath("Photo.jpg")) &&
                broken.open(QIODevice::WriteOnly) && broken.write("\x89PNG but not really") > 0);
        broken.close();
        const Resources resources(dir.path());
        QCOMPARE(resources.pathForResource("Red", "png"), dir.filePath("Red.png"));
        QCOMPARE(resources.pathForResource("Red.png", ""), dir.filePath("Red.png"));
        for (const auto &[name, type] :
             {std::pair{"Red", "jpg"}, {"Absent", "png"}, {"../Red", "png"}, {"", ""}})
            QVERIFY(resources.pathForResource(name, type).isEmpty());
        QVERIFY(Resources().pathForResource("Absent", "png").isEmpty());
        MessageLog log;
        QCOMPARE(resources.imageNamed("Red").size(), QSize(4, 2));
        QCOMPARE(resources.imageNamed("Photo").size(), QSize(4, 2));
        QVERIFY(log.warnings().isEmpty());
        QVERIFY(resources.imageNamed("Absent").isNull() && resources.imageNamed("Broken").isNull());
        QCOMPARE(log.warnings().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestPlatformServices)
#include "tst_platformservices.moc"
