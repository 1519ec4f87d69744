// The program's command-line modes end to end: the built binary run as a
// user runs it, with its own configuration home.
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

namespace {
struct Run
{
    int status = -1;
    QString out;
    QString err;
};
} // namespace

class TestSnapshot : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Runs the program without a display, in the given system zone.
    Run run(const QStringList &arguments, const QString &timeZone = QStringLiteral("UTC"))
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
        env.insert("TZ", timeZone);
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(DUSKMAP_BINARY), arguments);
        Run result;
        if (!process.waitForFinished(60000))
            return result;
        result.status = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString plainImage(const QString &name, QRgb colour)
    {
        QImage image(64, 32, QImage::Format_RGB32);
        image.fill(colour);
        const QString file = path(name);
        return image.save(file) ? file : QString();
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // With an all-black day and an all-white night, each pixel of the map is
    // the overlay's alpha itself.
    void userImagesAndInstant()
    {
        const QString out = path("alpha.png");
        const Run r = run({"--snapshot", out, "--at", "2007-03-21T18:40:00Z", "--day-image",
                           plainImage("black.png", qRgb(0, 0, 0)), "--night-image",
                           plainImage("white.png", qRgb(255, 255, 255)), "--zone", "UTC"});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(QImage(out).pixel(360, 180), qRgb(119, 119, 119));
    }

    void largeJpegSnapshot()
    {
        const QString out = path("large.jpg");
        const Run r = run({"--snapshot", out, "--size", "large", "--grid", "--locations"});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(QImage(out).size(), QSize(1440, 720));
    }

    // "@name" stands for a file in the test's directory.
    void badInputLeavesNoFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown option") << QStringList{"--snapshot", "@out.png", "--bogus"};
        QTest::newRow("unparsable time") << QStringList{"--snapshot", "@out.png", "--at", "noon"};
        QTest::newRow("date outside the exact range")
            << QStringList{"--snapshot", "@out.png", "--at", "2200-01-01T00:00:00Z"};
        QTest::newRow("unreadable day image")
            << QStringList{"--snapshot", "@out.png", "--day-image", "@missing.png"};
        QTest::newRow("unreadable night image")
            << QStringList{"--snapshot", "@out.png", "--night-image", "@garbage.png"};
        QTest::newRow("unknown zone")
            << QStringList{"--snapshot", "@out.png", "--zone", "Mars/Base"};
        QTest::newRow("unknown image format") << QStringList{"--snapshot", "@out.gifx"};
        QTest::newRow("unwritable place") << QStringList{"--snapshot", "@no/such/dir/out.png"};
        QTest::newRow("readouts, unknown zone")
            << QStringList{"--readouts", "--zone", "Nowhere/Land"};
        QTest::newRow("ambiguous zone") << QStringList{"--readouts", "--zone", "argentina"};
        QTest::newRow("pin naming no zone")
            << QStringList{"--snapshot", "@out.png", "--pin", "Mars"};
        QTest::newRow("ambiguous pin")
            << QStringList{"--snapshot", "@out.png", "--pin", "UTC", "--pin", "indiana"};
    }
    void badInputLeavesNoFile()
    {
        QFETCH(QStringList, arguments);
        {
            QFile garbage(path("garbage.png"));
            QVERIFY(garbage.open(QIODevice::WriteOnly));
            garbage.write("not an image at all");
        }
        for (QString &argument : arguments) {
            if (argument.startsWith('@'))
                argument = path(argument.mid(1));
        }
        const Run r = run(arguments);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.startsWith("duskmap: "));
        QVERIFY(r.out.isEmpty());
        // Neither the output nor a temporary file is left behind.
        const QStringList left = QDir(m_dir.path()).entryList({"out*"}, QDir::Files);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
    }

    void listZonesIsTabSeparated()
    {
        const Run r = run({"--list-zones"});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() > 300);
        for (const QString &line : lines)
            QCOMPARE(line.count('\t'), 2);
        QVERIFY(lines.contains(QStringLiteral("UTC\t51.4769\t-0.0005")));
    }

    void noDisplayWritesDuskmapPng()
    {
        QFile::remove(path("duskmap.png"));
        const Run r = run({});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QVERIFY(r.out.contains("duskmap.png"));
        QCOMPARE(QImage(path("duskmap.png")).size(), QSize(720, 360));
    }

    // Each line starts as given. The system's zone as the TZ variable sets it:
    // one no database knows, and a real one that the zone table does not list.
    void readouts_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("tz");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("chosen zone")
            << "Europe/London"
            << "UTC"
            << QStringList{"13:00:00 BST +0100", "Sunday, June 21, 2026", "Sunrise:  4:4",
                           "Sunset: 21:2",       "Latitude:  51° 30'",    "Longitude:   0° "};
        QTest::newRow("TZ names no zone")
            << ""
            << "Nowhere/Land"
            << QStringList{"12:00:00 UTC +0000", "", "", "", "Latitude:  51° 28' 37\" N"};
        QTest::newRow("system zone not in the table")
            << ""
            << "Europe/Belfast"
            << QStringList{"13:00:00 BST +0100", "", "", "", "Latitude:   0°  0' N"};
    }
    void readouts()
    {
        QFETCH(QString, zone);
        QFETCH(QString, tz);
        QFETCH(QStringList, lines);
        QStringList arguments{"--readouts", "--at", "2026-06-21T12:00:00Z"};
        if (!zone.isEmpty())
            arguments << "--zone" << zone;
        const Run r = run(arguments, tz);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QStringList printed = r.out.split('\n');
        QCOMPARE(printed.size(), 7);
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(printed.at(i).startsWith(lines.at(i)), qPrintable(printed.at(i)));
        // A snapshot in that zone is written too.
        const Run snapshot = run({"--snapshot", path("zone.png")}, tz);
        QVERIFY2(snapshot.status == 0 && QFile::exists(path("zone.png")), qPrintable(snapshot.err));
    }

    void searchOnTheCommandLine()
    {
        QCOMPARE(run({"--list-zones", "new york"}).out, "America/New_York\t40.7142\t-74.0064\n");
        QVERIFY(run({"--list-zones=germany"}).out.startsWith("Europe/Berlin\t"));
        const QStringList at{"--at", "2026-10-01T12:00:00Z"};
        const Run lines = run(QStringList{"--readouts", "--zone", "new york"} + at);
        QVERIFY2(lines.out.startsWith("8:00:00 EDT -0400\n"), qPrintable(lines.out));
        // A pin is drawn on the map; none leaves the map as it was.
        QCOMPARE(run(QStringList{"--snapshot", path("a.png")} + at).status, 0);
        QCOMPARE(run(QStringList{"--snapshot", path("b.png"), "--pin", "tokyo"} + at).status, 0);
        QVERIFY(QImage(path("a.png")) != QImage(path("b.png")));
    }

    void json()
    {
        const QStringList arguments{
            "--readouts", "--zone",   "Europe/Berlin", "--at", "2026-10-01T12:00:00Z",
            "--pin",      "new york", "--pin",         "tokyo"};
        const QStringList lines = run(arguments).out.split('\n');
        const Run r = run(arguments + QStringList{"--json"});
        QCOMPARE(r.out.count('\n'), 1);
        const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QStringList keys{"time",         "date",     "sunrise",
                         "sunset",       "latitude", "longitude",
                         "zone",         "instant",  "utc_offset_seconds",
                         "abbreviation", "place",    "sunrise_utc",
                         "sunset_utc",   "sun",      "next_change",
                         "pins"};
        keys.sort();
        QCOMPARE(json.keys(), keys);
        QCOMPARE((QStringList{json["time"].toString(), json["date"].toString(),
                              json["sunrise"].toString(), json["sunset"].toString(),
                              json["latitude"].toString(), json["longitude"].toString()}),
                 lines.mid(0, 6));
        QCOMPARE(json["instant"].toString(), "2026-10-01T12:00:00Z");
        QCOMPARE(json["utc_offset_seconds"].toInt(), 7200);
        QCOMPARE(json["abbreviation"].toString(), "CEST");
        QCOMPARE(json["place"]["latitude"].toDouble(), 52.5);
        QCOMPARE(json["sun"].toString(), "rises-and-sets");
        // The texts are cut to the minute from the same instants.
        const QDateTime sunrise =
            QDateTime::fromString(json["sunrise_utc"].toString(), Qt::ISODate);
        QVERIFY(json["sunrise"].toString().endsWith(
            sunrise.toTimeZone(QTimeZone("Europe/Berlin")).toString(" H:mm")));
        QCOMPARE(json["next_change"]["instant"].toString(), "2026-10-25T01:00:00Z");
        QCOMPARE(json["next_change"]["offset_after_seconds"].toInt(), 3600);
        const QJsonArray pins = json["pins"].toArray();
        QCOMPARE(pins.size(), 2);
        QCOMPARE(pins[0]["zone"].toString(), "America/New_York");
        QCOMPARE(pins[0]["time"].toString(), "8:00:00 EDT -0400");
        QCOMPARE(pins[0]["light"].toString(), "day");
        QCOMPARE(pins[1]["light"].toString(), "night");
        QCOMPARE(pins[1]["utc_offset_seconds"].toInt(), 32400);
    }

    void helpAndVersion()
    {
        const Run help = run({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains("--snapshot FILE"));
        const Run version = run({"--version"});
        QCOMPARE(version.status, 0);
        QVERIFY(version.out.startsWith("duskmap "));
    }
};

QTEST_GUILESS_MAIN(TestSnapshot)
#include "tst_snapshot.moc"
