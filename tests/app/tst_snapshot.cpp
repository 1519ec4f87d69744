// The program's command-line modes end to end: the built binary run as a
// user runs it, with its own configuration home.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
    void pixelsAreTheOverlayAlpha_data()
    {
        QTest::addColumn<QString>("at");
        QTest::addColumn<int>("alpha");
        QTest::newRow("12:00 day") << "2007-03-21T12:00:00Z" << 0;
        QTest::newRow("18:40 twilight") << "2007-03-21T18:40:00Z" << 119;
        QTest::newRow("19:00 twilight") << "2007-03-21T19:00:00Z" << 192;
        QTest::newRow("19:20 night") << "2007-03-21T19:20:00Z" << 255;
    }
    void pixelsAreTheOverlayAlpha()
    {
        QFETCH(QString, at);
        QFETCH(int, alpha);
        const QString day = plainImage("black.png", qRgb(0, 0, 0));
        const QString night = plainImage("white.png", qRgb(255, 255, 255));
        const QString out = path("alpha.png");
        const Run r = run({"--snapshot", out, "--at", at, "--day-image", day, "--night-image",
                           night, "--zone", "UTC"});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QImage image(out);
        QCOMPARE(image.size(), QSize(720, 360));
        // Row 180, column 360: latitude 0, longitude 0.
        QCOMPARE(image.pixel(360, 180), qRgb(alpha, alpha, alpha));
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

    void readoutsPrintSixLines()
    {
        const Run r =
            run({"--readouts", "--zone", "Europe/London", "--at", "2026-06-21T12:00:00Z"});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QStringList lines = r.out.split('\n');
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines.at(0), QStringLiteral("13:00:00 BST +0100"));
        QCOMPARE(lines.at(1), QStringLiteral("Sunday, June 21, 2026"));
        QVERIFY(lines.at(2).startsWith("Sunrise:  4:4"));
        QVERIFY(lines.at(3).startsWith("Sunset: 21:2"));
        QVERIFY(lines.at(4).startsWith("Latitude:  51° 30'"));
        QVERIFY(lines.at(5).startsWith("Longitude:   0° "));
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

    // The system's zone as the TZ variable sets it: one no database knows,
    // and a real one that the zone table does not list.
    void oddSystemZones_data()
    {
        QTest::addColumn<QString>("tz");
        QTest::addColumn<QString>("timeSuffix");
        QTest::addColumn<QString>("latitude");
        QTest::newRow("TZ names no zone") << "Nowhere/Land"
                                          << "UTC +0000"
                                          << "Latitude:  51° 28' 37\" N";
        QTest::newRow("system zone not in the table") << "Europe/Belfast"
                                                      << "BST +0100"
                                                      << "Latitude:   0°  0' N";
    }
    void oddSystemZones()
    {
        QFETCH(QString, tz);
        QFETCH(QString, timeSuffix);
        QFETCH(QString, latitude);
        const Run r = run({"--readouts", "--at", "2026-06-21T12:00:00Z"}, tz);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QStringList lines = r.out.split('\n');
        QVERIFY2(lines.at(0).endsWith(timeSuffix), qPrintable(lines.at(0)));
        QCOMPARE(lines.at(4), latitude);
        const QString out = path("odd.png");
        const Run snapshot = run({"--snapshot", out}, tz);
        QVERIFY2(snapshot.status == 0, qPrintable(snapshot.err));
        QVERIFY(QFile::exists(out));
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
