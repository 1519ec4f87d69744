// The command-line parser: every good form, and every bad argument or
// combination answered with one line.
#include "app/CommandLine.h"

#include <QTest>

using Mode = CommandLineOptions::Mode;
using MapSize = CommandLineOptions::MapSize;

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void goodForms_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<bool>("layers"); // --grid and --locations
        const auto row = [](const char *name, const QStringList &arguments, Mode mode,
                            const QString &output = {}, MapSize size = MapSize::Small,
                            const QString &zone = {}, bool layers = false) {
            QTest::newRow(name) << arguments << int(mode) << output << int(size) << zone << layers;
        };
        row("no arguments -> window", {}, Mode::Window);
        row("snapshot alone", {"--snapshot", "a.png"}, Mode::Snapshot, "a.png");
        row("snapshot with =", {"--snapshot=a.jpg", "--size=large"}, Mode::Snapshot, "a.jpg",
            MapSize::Large);
        row("snapshot, all layers",
            {"--grid", "--snapshot", "m.png", "--locations", "--zone", "Europe/Paris"},
            Mode::Snapshot, "m.png", MapSize::Small, "Europe/Paris", true);
        row("readouts with zone", {"--readouts", "--zone", "Asia/Tokyo", "--size", "large"},
            Mode::Readouts, {}, MapSize::Large, "Asia/Tokyo");
        row("list zones", {"--list-zones"}, Mode::ListZones);
        row("help", {"--help"}, Mode::Help);
        row("-h", {"-h"}, Mode::Help);
        row("version", {"--version"}, Mode::Version);
    }
    void goodForms()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, mode);
        QFETCH(QString, output);
        QFETCH(int, size);
        QFETCH(QString, zone);
        QFETCH(bool, layers);
        const CommandLineResult result = parseCommandLine(arguments);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(int(result.options.mode), mode);
        QCOMPARE(result.options.outputPath, output);
        QCOMPARE(int(result.options.size), size);
        QCOMPARE(result.options.zone, zone);
        QCOMPARE(result.options.grid.value_or(false), layers);
        QCOMPARE(result.options.locations.value_or(false), layers);
    }

    void instants_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("utcSeconds");
        QTest::newRow("Z") << "2026-06-21T18:40:00Z" << qint64(1782067200);
        QTest::newRow("offset") << "2026-06-21T20:40:00+02:00" << qint64(1782067200);
        QTest::newRow("milliseconds") << "2026-06-21T18:40:00.250Z" << qint64(1782067200);
        QTest::newRow("first exact day") << "1900-03-01T00:00:00Z" << qint64(-2203891200);
        QTest::newRow("last exact day, last second")
            << "2100-02-28T23:59:59Z" << qint64(4107542399);
    }
    void instants()
    {
        QFETCH(QString, text);
        QFETCH(qint64, utcSeconds);
        const auto instant = parseInstant(text);
        QVERIFY(instant.has_value());
        QCOMPARE(instant->toSecsSinceEpoch(), utcSeconds);
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("errorPart");
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << "unknown option";
        QTest::newRow("stray word") << QStringList{"map.png"} << "unexpected argument";
        QTest::newRow("snapshot without file") << QStringList{"--snapshot"} << "needs a value";
        QTest::newRow("snapshot with empty file") << QStringList{"--snapshot="} << "needs a value";
        QTest::newRow("bad time") << QStringList{"--snapshot", "a.png", "--at", "yesterday"}
                                  << "cannot read the time";
        QTest::newRow("time before 1900-03-01")
            << QStringList{"--snapshot", "a.png", "--at", "1900-02-28T23:59:59Z"} << "outside";
        QTest::newRow("time after 2100-02-28")
            << QStringList{"--snapshot", "a.png", "--at", "2100-03-01T00:00:00Z"} << "outside";
        QTest::newRow("bad size") << QStringList{"--snapshot", "a.png", "--size", "huge"}
                                  << "--size must be";
        QTest::newRow("repeated option")
            << QStringList{"--snapshot", "a.png", "--grid", "--grid"} << "more than once";
        QTest::newRow("two modes")
            << QStringList{"--snapshot", "a.png", "--readouts"} << "choose one";
        QTest::newRow("list zones with zone")
            << QStringList{"--list-zones", "--zone", "UTC"} << "--zone needs";
        QTest::newRow("grid without snapshot") << QStringList{"--grid"} << "--grid needs";
        QTest::newRow("grid with readouts")
            << QStringList{"--readouts", "--grid"} << "--grid needs --snapshot";
        QTest::newRow("at without mode")
            << QStringList{"--at", "2026-01-01T00:00:00Z"} << "--snapshot or --readouts";
        QTest::newRow("flag with value")
            << QStringList{"--grid=yes", "--snapshot", "a.png"} << "takes no value";
        QTest::newRow("json without readouts")
            << QStringList{"--json"} << "--json needs --readouts";
        QTest::newRow("json with snapshot")
            << QStringList{"--snapshot", "a.png", "--json"} << "--json needs --readouts";
        QTest::newRow("blank zone") << QStringList{"--readouts", "--zone", " "} << "not blank";
        QTest::newRow("blank pin") << QStringList{"--readouts", "--pin="} << "needs a value";
        QTest::newRow("empty list query") << QStringList{"--list-zones="} << "not empty";
        QTest::newRow("blank list query") << QStringList{"--list-zones", " "} << "not empty";
        QTest::newRow("pin with list-zones")
            << QStringList{"--list-zones", "--pin", "x"} << "--pin needs";
        QTest::newRow("thirteen pins")
            << (QStringList{"--readouts"} + QStringList(13, "--pin=UTC")) << "at most 12";
        QTest::newRow("help with more") << QStringList{"--help", "--grid"} << "no other options";
        QTest::newRow("control characters shown as ?")
            << QStringList{"--snapshot", "a.png", "--size", "big\n\x1b[31m"} << "big??[31m";
    }
    void badArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, errorPart);
        const CommandLineResult result = parseCommandLine(arguments);
        QVERIFY(!result.ok());
        QVERIFY2(result.error.contains(errorPart), qPrintable(result.error));
        QVERIFY(!result.error.contains(QLatin1Char('\n')));
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
