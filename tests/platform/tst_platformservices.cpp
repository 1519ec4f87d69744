#include "MessageLog.h"
#include "platform/Clock.h"
#include "platform/Log.h"
#include "platform/Resources.h"
#include "zones/TimeZones.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

qint64 utcSeconds(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC)
        .toSecsSinceEpoch();
}

} // namespace

class TestPlatformServices : public QObject
{
    Q_OBJECT

private slots:
    void systemClockIsUtc()
    {
        const QDateTime now = systemClock().now();
        QVERIFY(now.isValid());
        QCOMPARE(now.timeSpec(), Qt::UTC);
    }

    void knownTimeZones_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("known");
        QTest::newRow("Europe/Berlin") << "Europe/Berlin" << true;
        QTest::newRow("three components") << "America/Argentina/Buenos_Aires" << true;
        QTest::newRow("hyphenated") << "America/Port-au-Prince" << true;
        QTest::newRow("Etc/GMT+5") << "Etc/GMT+5" << true;
        QTest::newRow("UTC") << "UTC" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("unknown city") << "Nowhere/City" << false;
        QTest::newRow("wrong case") << "europe/berlin" << false;
        QTest::newRow("path out of the database") << "../../../etc/localtime" << false;
        QTest::newRow("absolute path") << "/usr/share/zoneinfo/UTC" << false;
        QTest::newRow("empty component") << "Europe//Berlin" << false;
        QTest::newRow("trailing slash") << "Europe/Berlin/" << false;
        QTest::newRow("Qt offset name") << "UTC+05:00" << false;
        QTest::newRow("space") << "Europe/Berlin " << false;
        QTest::newRow("alias") << "Asia/Calcutta" << true;
        QTest::newRow("one-word unknown name") << "Nowhere" << false;
        QTest::newRow("POSIX rule") << "ABC3" << false;
        QTest::newRow("database file that is no zone") << "leapseconds" << false;
        QTest::newRow("database table") << "zone.tab" << false;
    }
    void knownTimeZones()
    {
        QFETCH(QString, name);
        QFETCH(bool, known);
        QCOMPARE(isKnownTimeZone(name), known);
    }

    void zoneCalendarFields_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<qint64>("utc");
        // year month day hour minute second weekday, offset, abbreviation
        QTest::addColumn<QList<int>>("fields");
        QTest::addColumn<QString>("abbreviation");

        QTest::newRow("Kolkata +0530 crosses midnight")
            << "Asia/Kolkata" << utcSeconds(2007, 3, 21, 18, 40, 0)
            << QList<int>{2007, 3, 22, 0, 10, 0, 4, 19800} << "IST";
        QTest::newRow("Berlin winter CET") << "Europe/Berlin" << utcSeconds(2007, 1, 15, 12, 0, 0)
                                           << QList<int>{2007, 1, 15, 13, 0, 0, 1, 3600} << "CET";
        QTest::newRow("Berlin summer CEST, Sunday is 7")
            << "Europe/Berlin" << utcSeconds(2007, 7, 1, 12, 0, 0)
            << QList<int>{2007, 7, 1, 14, 0, 0, 7, 7200} << "CEST";
        QTest::newRow("Berlin last second of CET")
            << "Europe/Berlin" << utcSeconds(2007, 3, 25, 0, 59, 59)
            << QList<int>{2007, 3, 25, 1, 59, 59, 7, 3600} << "CET";
        QTest::newRow("Berlin first second of CEST")
            << "Europe/Berlin" << utcSeconds(2007, 3, 25, 1, 0, 0)
            << QList<int>{2007, 3, 25, 3, 0, 0, 7, 7200} << "CEST";
        QTest::newRow("St Johns -0330") << "America/St_Johns" << utcSeconds(2007, 1, 1, 2, 0, 0)
                                        << QList<int>{2006, 12, 31, 22, 30, 0, 7, -12600} << "NST";
        QTest::newRow("Dubai numeric abbreviation")
            << "Asia/Dubai" << utcSeconds(2020, 2, 29, 23, 0, 0)
            << QList<int>{2020, 3, 1, 3, 0, 0, 7, 14400} << "+04";
        QTest::newRow("UTC epoch, Thursday")
            << "UTC" << qint64(0) << QList<int>{1970, 1, 1, 0, 0, 0, 4, 0} << "UTC";
    }
    void zoneCalendarFields()
    {
        QFETCH(QString, zone);
        QFETCH(qint64, utc);
        QFETCH(QList<int>, fields);
        QFETCH(QString, abbreviation);
        const LocalFields l = QtZoneCalendar(zone).fieldsAt(utc);
        QCOMPARE((QList<int>{l.year, l.month, l.day, l.hour, l.minute, l.second, l.weekday,
                             l.offsetSeconds}),
                 fields);
        QCOMPARE(QString::fromStdString(l.abbreviation), abbreviation);
    }

    void unknownZoneReadsAsUtc()
    {
        const LocalFields local = QtZoneCalendar(QStringLiteral("Nowhere/City")).fieldsAt(3600);
        QCOMPARE(local.hour, 1);
        QCOMPARE(local.offsetSeconds, 0);
        // Far outside any calendar: nothing to show, but no failure.
        QtZoneCalendar(QStringLiteral("UTC")).fieldsAt(INT64_MAX);
    }

    void beepHandlerCountsAlerts()
    {
        int beeps = 0;
        const auto previous = setBeepHandler([&beeps] { ++beeps; });
        beep();
        setBeepHandler(previous);
        beep(); // no QApplication here: silently nothing
        QCOMPARE(beeps, 1);
    }

    void resourcePaths()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("TimeZones.plist"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const Resources resources(dir.path());
        QCOMPARE(resources.pathForResource("TimeZones", "plist"), dir.filePath("TimeZones.plist"));
        QCOMPARE(resources.pathForResource("TimeZones.plist", ""), dir.filePath("TimeZones.plist"));
        QVERIFY(resources.pathForResource("TimeZones", "xml").isEmpty());
        QVERIFY(resources.pathForResource("Absent", "plist").isEmpty());
        QVERIFY(resources.pathForResource("../TimeZones", "plist").isEmpty());
        QVERIFY(resources.pathForResource("", "").isEmpty());
        QVERIFY(Resources().pathForResource("Absent", "plist").isEmpty());
    }

    void images()
    {
        QTemporaryDir dir;
        QImage red(4, 2, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.filePath("Red.png")));
        QVERIFY(red.save(dir.filePath("Photo.jpg")));
        QFile broken(dir.filePath("Broken.png"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("\x89PNG but not really");
        broken.close();
        const Resources resources(dir.path());

        MessageLog log;
        QCOMPARE(resources.imageNamed("Red").size(), QSize(4, 2));
        QCOMPARE(resources.imageNamed("Photo").size(), QSize(4, 2));
        QCOMPARE(log.warnings().size(), 0);
        QVERIFY(resources.imageNamed("Absent").isNull());
        QCOMPARE(log.warnings().size(), 1);
        QVERIFY(resources.imageNamed("Broken").isNull());
        QCOMPARE(log.warnings().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestPlatformServices)
#include "tst_platformservices.moc"
