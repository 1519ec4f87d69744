#include "platform/Clock.h"
#include "platform/LargeImage.h"
#include "platform/Resources.h"
#include "zones/TimeZones.h"

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

    // In an unknown zone, UTC's fields; far outside any calendar, none, and no failure.
    void zoneCalendarEdges()
    {
        const LocalFields utc = QtZoneCalendar(QTimeZone()).fieldsAt(3600);
        QCOMPARE(QString::asprintf("%d %d %s", utc.hour, utc.weekday, utc.abbreviation.c_str()),
                 "1 4 UTC");
        const LocalFields far = QtZoneCalendar(QTimeZone("Europe/Berlin")).fieldsAt(INT64_MAX);
        QVERIFY(far.year == 0 && far.weekday == 0 && far.abbreviation.empty());
    }
    void resources()
    {
        QTemporaryDir dir;
        QImage red(4, 2, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.filePath("Red.png")) && red.save(dir.filePath("Photo.jpg")));
        const Resources resources(dir.path());
        QCOMPARE(resources.pathForResource("Red", "png"), dir.filePath("Red.png"));
        QCOMPARE(resources.pathForResource("Red.png", ""), dir.filePath("Red.png"));
        for (const auto &[name, type] :
             {std::pair{"Red", "jpg"}, {"Absent", "png"}, {"../Red", "png"}, {"", ""}})
            QVERIFY(resources.pathForResource(name, type).isEmpty());
        QVERIFY(Resources().pathForResource("Absent", "png").isEmpty());
        // Missing and broken images: the window's resource faults.
        QCOMPARE(resources.imageNamed("Red").size(), QSize(4, 2));
        QCOMPARE(resources.imageNamed("Photo").size(), QSize(4, 2));
        // One large enough to be decoded into huge pages, as Qt decodes it.
        QImage large(1500, 700, QImage::Format_RGB32);
        for (int y = 0; y < large.height(); ++y)
            for (int x = 0; x < large.width(); ++x)
                large.setPixel(x, y, qRgb(x % 256, y % 256, (x ^ y) % 256));
        QVERIFY(large.save(dir.filePath("Large.jpg")));
        QCOMPARE(resources.imageNamed("Large"), QImage(dir.filePath("Large.jpg")));
        // Rows laid out as QImage lays out its own, where they need padding.
        QCOMPARE(largeImage({2047, 1023}, QImage::Format_RGB888).bytesPerLine(),
                 QImage(2047, 1023, QImage::Format_RGB888).bytesPerLine());
    }
};

QTEST_GUILESS_MAIN(TestPlatformServices)
#include "tst_platformservices.moc"
