#include "platform/Clock.h"
#include "platform/LargeImage.h"
#include "platform/Resources.h"
#include "platform/WatchedFile.h"
#include "zones/TimeZones.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstdio>

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

    // A watched file is read again when it is written in place, when an
    // editor renames a new one over it, and when it goes; a read that fails
    // holds nothing and says why.
    void watchedFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("watched.txt");
        const auto write = [&](const QString &name, const QByteArray &bytes) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        };
        write("watched.txt", "one");
        WatchedFile watched([](const QString &name) {
            QFile file(name);
            if (!file.open(QIODevice::ReadOnly))
                return WatchedFile::Read{nullptr, "gone"};
            return WatchedFile::Read{std::make_shared<const QByteArray>(file.readAll()), {}};
        });
        QSignalSpy changed(&watched, &WatchedFile::changed);
        const auto held = [&] {
            const auto value = watched.value<QByteArray>();
            return value ? *value : watched.message().toUtf8();
        };
        watched.setPath(path);
        QTRY_COMPARE(held(), "one");
        QVERIFY(watched.modified().isValid());
        write("watched.txt", "two");
        QTRY_COMPARE(held(), "two");
        write("new.txt", "three");
        // As an editor saves: a new file renamed over the old one, at once.
        QCOMPARE(std::rename(qPrintable(dir.filePath("new.txt")), qPrintable(path)), 0);
        QTRY_COMPARE(held(), "three");
        QVERIFY(QFile::remove(path));
        QTRY_COMPARE(held(), "gone");
        write("watched.txt", "four");
        QTRY_COMPARE(held(), "four");
        QVERIFY(changed.size() >= 5);
    }

    // Another file chosen during a long read is not waited for, which would
    // stall the window: the read under way ends, the newest file is read
    // after it, and only that one is taken.
    void watchedFileNeverWaits()
    {
        QSemaphore firstMayEnd;
        std::atomic<bool> firstWaitedOut = false;
        WatchedFile watched([&](const QString &path) {
            if (path == "first" && !firstMayEnd.tryAcquire(1, 10000))
                firstWaitedOut = true;
            return WatchedFile::Read{std::make_shared<const QString>(path), {}};
        });
        QSignalSpy changed(&watched, &WatchedFile::changed);
        watched.setPath("first");
        watched.setPath("second");
        firstMayEnd.release();
        QTRY_COMPARE(changed.size(), 1);
        QCOMPARE(*watched.value<QString>(), "second");
        QVERIFY(!firstWaitedOut);
    }
};

QTEST_GUILESS_MAIN(TestPlatformServices)
#include "tst_platformservices.moc"
