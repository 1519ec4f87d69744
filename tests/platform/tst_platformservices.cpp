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
    void systemClockIsUtc() { QCOMPARE(systemClock().now().timeSpec(), Qt::UTC); }

    void knownTimeZones_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("known");
        for (const char *known : {"Europe/Berlin", "America/Argentina/Buenos_Aires",
                                  "America/Port-au-Prince", "Etc/GMT+5", "UTC", "Asia/Calcutta"})
            QTest::newRow(known) << known << true;
        // Unknown cities and spellings; paths out of the database; Qt's offset names,
        // POSIX rules and files of the database that are no zones.
        for (const char *unknown :
             {"", "Nowhere/City", "Nowhere", "europe/berlin", "Europe/Berlin ", "Europe//Berlin",
              "Europe/Berlin/", "../../../etc/localtime", "/usr/share/zoneinfo/UTC", "UTC+05:00",
              "ABC3", "leapseconds", "zone.tab"})
            QTest::newRow(unknown) << unknown << false;
    }
    void knownTimeZones()
    {
        QFETCH(QString, name);
        QFETCH(bool, known);
        QCOMPARE(isKnownTimeZone(name), known);
    }

    void zoneCalendarFields_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDateTime>("utc");
        // year month day hour minute second weekday, offset, abbreviation
        QTest::addColumn<QList<int>>("fields");
        QTest::addColumn<QString>("abbreviation");
        const auto row = [](const char *name, const char *zone, QDate date, QTime time,
                            const QList<int> &fields, const char *abbreviation) {
            QTest::newRow(name) << QByteArray(zone) << QDateTime(date, time, Qt::UTC) << fields
                                << QString(abbreviation);
        };
        row("Kolkata +0530 crosses midnight", "Asia/Kolkata", {2007, 3, 21}, {18, 40},
            {2007, 3, 22, 0, 10, 0, 4, 19800}, "IST");
        row("Berlin winter CET", "Europe/Berlin", {2007, 1, 15}, {12, 0},
            {2007, 1, 15, 13, 0, 0, 1, 3600}, "CET");
        row("Berlin last second of CET, Sunday is 7", "Europe/Berlin", {2007, 3, 25}, {0, 59, 59},
            {2007, 3, 25, 1, 59, 59, 7, 3600}, "CET");
        row("Berlin first second of CEST", "Europe/Berlin", {2007, 3, 25}, {1, 0},
            {2007, 3, 25, 3, 0, 0, 7, 7200}, "CEST");
        row("St Johns -0330", "America/St_Johns", {2007, 1, 1}, {2, 0},
            {2006, 12, 31, 22, 30, 0, 7, -12600}, "NST");
        row("Dubai numeric abbreviation", "Asia/Dubai", {2020, 2, 29}, {23, 0},
            {2020, 3, 1, 3, 0, 0, 7, 14400}, "+04");
        row("an invalid zone reads as UTC", "", {1970, 1, 1}, {1, 0}, {1970, 1, 1, 1, 0, 0, 4, 0},
            "UTC");
    }
    void zoneCalendarFields()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDateTime, utc);
        QFETCH(QList<int>, fields);
        QFETCH(QString, abbreviation);
        const QtZoneCalendar calendar(zone.isEmpty() ? QTimeZone() : QTimeZone(zone));
        const LocalFields l = calendar.fieldsAt(utc.toSecsSinceEpoch());
        QCOMPARE((QList<int>{l.year, l.month, l.day, l.hour, l.minute, l.second, l.weekday,
                             l.offsetSeconds}),
                 fields);
        QCOMPARE(QString::fromStdString(l.abbreviation), abbreviation);
        // Far outside any calendar: nothing to show, but no failure.
        calendar.fieldsAt(INT64_MAX);
    }

    void resources()
    {
        QTemporaryDir dir;
        QImage red(4, 2, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.filePath("Red.png")) && red.save(dir.filePath("Photo.jpg")));
        QFile broken(dir.filePath("Broken.png"));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("\x89PNG but not really") > 0);
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
        QCOMPARE(log.warnings().size(), 0);
        QVERIFY(resources.imageNamed("Absent").isNull());
        QVERIFY(resources.imageNamed("Broken").isNull());
        QCOMPARE(log.warnings().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestPlatformServices)
#include "tst_platformservices.moc"
