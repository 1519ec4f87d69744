// The program's command-line modes end to end: the built binary run as a
// user runs it, with its own configuration home. Arguments are one string split
// at spaces; "@name" stands for a file in the test's directory.
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <csignal>

namespace {
struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run finish(QProcess &process)
{
    Run result;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        result = {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                  QString::fromUtf8(process.readAllStandardError())};
    return result;
}

// Whether the process catches SIGTERM itself by now, as its status in /proc says.
bool catchesTerm(const QProcess &process)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(process.processId()));
    const QString text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    const auto caught = QRegularExpression("SigCgt:\\s*([0-9a-f]+)").match(text);
    return caught.hasMatch() && (caught.captured(1).toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}
} // namespace

class TestSnapshot : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList files(const QString &folder = {}, const QString &filter = "*") const
    {
        return QDir(path(folder)).entryList({filter}, QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    // Starts the program without a display, in the given system zone.
    void start(QProcess &process, const QString &arguments, const QString &timeZone = "UTC")
    {
        start(process, arguments.split(' ', Qt::SkipEmptyParts), timeZone);
    }
    void start(QProcess &process, QStringList arguments, const QString &timeZone)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", path("config"));
        env.insert("TZ", timeZone);
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_dir.path());
        arguments.replaceInStrings(QStringLiteral("@"), m_dir.path() + '/');
        process.start(QStringLiteral(DUSKMAP_BINARY), arguments);
    }
    Run run(const QString &arguments, const QString &timeZone = "UTC")
    {
        return run(arguments.split(' ', Qt::SkipEmptyParts), timeZone);
    }
    Run run(const QStringList &arguments, const QString &timeZone = "UTC")
    {
        QProcess process;
        start(process, arguments, timeZone);
        return finish(process);
    }

    QString plainImage(const QString &name, QRgb colour)
    {
        QImage image(64, 32, QImage::Format_RGB32);
        image.fill(colour);
        return image.save(path(name)) ? path(name) : QString();
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // With an all-black day and an all-white night, each pixel of the map is
    // the overlay's alpha itself.
    void userImagesAndInstant()
    {
        const Run r =
            run("--snapshot @alpha.png --at 2007-03-21T18:40:00Z --zone UTC --day-image " +
                plainImage("black.png", qRgb(0, 0, 0)) + " --night-image " +
                plainImage("white.png", qRgb(255, 255, 255)));
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(QImage(path("alpha.png")).pixel(360, 180), qRgb(119, 119, 119));
        const Run large = run("--snapshot @large.jpg --size large --grid --locations");
        QVERIFY2(large.status == 0, qPrintable(large.err));
        QCOMPARE(QImage(path("large.jpg")).size(), QSize(1440, 720));
    }

    // LAPSE stands for hourly frames over a day.
    void badInputLeavesNoFile_data()
    {
        QTest::addColumn<QString>("arguments");
        const auto row = [](const char *name, QString arguments) {
            QTest::newRow(name) << arguments.replace(
                "LAPSE", "--from 2026-01-01T00:00:00Z --to 2026-01-02T00:00:00Z --step 1h");
        };
        // What only the running program can tell; the parser's own table has
        // every malformed command line, and one of them stands for it here.
        row("unknown option", "--snapshot @out.png --bogus");
        row("no frame field", "--snapshot @out.png LAPSE");
        row("unreadable day image", "--snapshot @out.png --day-image @missing.png");
        row("unreadable night image", "--snapshot @out.png --night-image @garbage.png");
        row("unknown zone", "--snapshot @out.png --zone Mars/Base");
        row("unknown image format", "--snapshot @out.gifx");
        row("unwritable place", "--snapshot @no/such/dir/out.png");
        row("readouts, unknown zone", "--readouts --zone Nowhere/Land");
        row("ambiguous zone", "--readouts --zone argentina");
        row("pin naming no zone", "--snapshot @out.png --pin Mars");
        row("ambiguous pin", "--snapshot @out.png --pin UTC --pin indiana");
        row("frames in no folder", "--snapshot @no/such/out%d.png LAPSE");
        row("animation in no folder", "--snapshot @no/such/out.webp LAPSE");
        row("frames of an unknown format", "--snapshot @out%d.gifx LAPSE");
    }
    void badInputLeavesNoFile()
    {
        QFETCH(QString, arguments);
        QFile garbage(path("garbage.png"));
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("not an image at all"));
        garbage.close();
        const Run r = run(arguments);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.startsWith("duskmap: "));
        QVERIFY(r.out.isEmpty());
        // Neither the output nor a temporary file is left behind.
        QCOMPARE(files({}, "out*"), QStringList());
    }

    void listZonesIsTabSeparated()
    {
        const Run r = run("--list-zones");
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() > 300);
        for (const QString &line : lines)
            QCOMPARE(line.count('\t'), 2);
        QVERIFY(lines.contains(QStringLiteral("UTC\t51.4769\t-0.0005")));
    }

    void noDisplayWritesDuskmapPng()
    {
        const Run r = run(QStringList{});
        QVERIFY2(r.status == 0 && r.out.contains("duskmap.png"), qPrintable(r.err));
        QCOMPARE(QImage(path("duskmap.png")).size(), QSize(720, 360));
    }

    // Each line starts as given. The system's zone as the TZ variable sets it:
    // one no database knows, and a real one that the zone table does not list.
    void readouts_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("tz");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("chosen zone")
            << "--zone Europe/London"
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
        QFETCH(QString, arguments);
        QFETCH(QString, tz);
        QFETCH(QStringList, lines);
        const Run r = run("--readouts --at 2026-06-21T12:00:00Z " + arguments, tz);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QStringList printed = r.out.split('\n');
        QCOMPARE(printed.size(), 7);
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(printed.at(i).startsWith(lines.at(i)), qPrintable(printed.at(i)));
        // A snapshot in that zone is written too.
        const Run snapshot = run("--snapshot @zone.png", tz);
        QVERIFY2(snapshot.status == 0 && QFile::exists(path("zone.png")), qPrintable(snapshot.err));
    }

    void searchOnTheCommandLine()
    {
        QCOMPARE(run(QStringList{"--list-zones", "new york"}).out,
                 "America/New_York\t40.7142\t-74.0064\n");
        QVERIFY(run("--list-zones=germany").out.startsWith("Europe/Berlin\t"));
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
                         "pins",         "subsolar", "sublunar",
                         "moon"};
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
        const Run help = run("--help");
        QVERIFY(help.status == 0 && help.out.contains("--snapshot FILE"));
        const Run version = run("--version");
        QVERIFY(version.status == 0 && version.out.startsWith("duskmap "));
    }

    // Each frame holds the bytes of the single snapshot of its instant; the
    // last instant is a frame when it falls on a step. Off a terminal, quiet.
    void framesAreSnapshots()
    {
        const QString layers = " --zone Asia/Tokyo --grid --locations";
        const QString options = layers + " --step 20m --from 2026-06-21T18:00:00Z --to 2026-06-21T";
        Run r = run("--snapshot @f-%03d.png" + options + "19:00:00Z");
        QVERIFY2(r.status == 0 && r.err.isEmpty() && r.out.isEmpty(), qPrintable(r.err));
        r = run("--snapshot @100%%-%d.png" + options + "18:59:59Z");
        QVERIFY2(r.status == 0 && r.err.isEmpty(), qPrintable(r.err));
        QCOMPARE(files({}, "*-*.png").join(' '),
                 "100%-0.png 100%-1.png 100%-2.png f-000.png f-001.png f-002.png f-003.png");
        r = run("--snapshot @single.png --at 2026-06-21T18:40:00Z" + layers);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(contents(path("f-002.png")), contents(path("single.png")));
        QCOMPARE(contents(path("100%-2.png")), contents(path("single.png")));
        QVERIFY(contents(path("f-001.png")) != contents(path("single.png")));
        // On a terminal a progress line counts the frames.
        QProcess script;
        script.start("script",
                     {"-qec",
                      DUSKMAP_BINARY " --snapshot " + path("t%d.png") + options + "19:00:00Z",
                      "/dev/null"});
        const Run terminal = finish(script);
        QVERIFY2(terminal.status == 0 && terminal.out.contains("4/4 frames"),
                 qPrintable(terminal.out));
    }

    void animation()
    {
        const Run r = run("--snapshot @a.webp --from 2026-06-21T00:00:00Z --to "
                          "2026-06-21T02:00:00Z --step 30m --fps 5 --quality 50");
        QVERIFY2(r.status == 0 && r.err.isEmpty(), qPrintable(r.err));
        QProcess webpmux;
        webpmux.start("webpmux", {"-info", path("a.webp")});
        const QString info = finish(webpmux).out.simplified();
        QVERIFY2(info.contains("Canvas size: 720 x 360 Features present: animation") &&
                     info.contains("Loop Count : 0") && info.contains("Number of frames: 5") &&
                     info.count(" 200 ") == 5,
                 qPrintable(info));
    }

    // SIGTERM stops a run between frames: the frames written stay whole, and an
    // animation is not written, an older file of its name left as it was.
    void stopped()
    {
        QVERIFY(QDir(m_dir.path()).mkdir("stop"));
        QFile old(path("stop.webp"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        for (const QString output : {"@stop/%05d.png", "@stop.webp"}) {
            QProcess process;
            start(process, "--snapshot " + output +
                               " --from 2026-01-01T00:00:00Z --to 2026-03-01T00:00:00Z --step 1m");
            QTRY_VERIFY(catchesTerm(process));
            QTRY_VERIFY(output.endsWith(".webp") || !files("stop").isEmpty());
            QTest::qWait(300);
            process.terminate();
            const Run r = finish(process);
            QCOMPARE(r.status, 1);
            const QStringList written = files("stop");
            if (output.endsWith(".webp")) {
                QCOMPARE(r.err, "duskmap: stopped; the animation was not written\n");
                QCOMPARE(contents(path("stop.webp")), QByteArray("old"));
                QCOMPARE(files({}, "stop*"), QStringList({"stop", "stop.webp"}));
                continue;
            }
            QCOMPARE(r.err, QStringLiteral("duskmap: stopped; %1 of 84961 frames written\n")
                                .arg(written.size()));
            for (int i = 0; i < written.size(); ++i) {
                QCOMPARE(written.at(i), QStringLiteral("%1.png").arg(i, 5, 10, QLatin1Char('0')));
                QVERIFY(contents(path("stop/" + written.at(i))).endsWith("IEND\xae\x42\x60\x82"));
            }
        }
    }

    // A frame that cannot be written, its name taken by a folder, ends the run.
    void writeFailure()
    {
        QVERIFY(QDir(m_dir.path()).mkpath("fail/3.png"));
        const Run r = run("--snapshot @fail/%d.png --from 2026-01-01T00:00:00Z --to "
                          "2026-01-01T09:00:00Z --step 1h");
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith("duskmap: cannot write \"" + path("fail/3.png") + "\": ") &&
                     r.err.endsWith("; 3 of 10 frames written\n") && r.err.count('\n') == 1,
                 qPrintable(r.err));
        QCOMPARE(files("fail").join(' '), "0.png 1.png 2.png 3.png");
    }
};

QTEST_GUILESS_MAIN(TestSnapshot)
#include "tst_snapshot.moc"
