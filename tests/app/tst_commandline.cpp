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
        QTest::addColumn<bool>("grid");

        QTest::newRow("no arguments -> window") << QStringList{} << int(Mode::Window) << ""
                                                << int(MapSize::Small) << "" << false;
        QTest::newRow("snapshot alone") << QStringList{"--snapshot", "a.png"} << int(Mode::Snapshot)
                                        << "a.png" << int(MapSize::Small) << "" << false;
        QTest::newRow("snapshot with =") << QStringList{"--snapshot=a.jpg", "--size=large"}
                                         << int(Mode::Snapshot) << "a.jpg" << int(MapSize::Large)
                                         << "" << false;
        QTest::newRow("snapshot, all layers")
            << QStringList{"--grid", "--snapshot", "m.png", "--locations", "--zone",
                           "Europe/Paris"}
            << int(Mode::Snapshot) << "m.png" << int(MapSize::Small) << "Europe/Paris" << true;
        QTest::newRow("readouts with zone")
            << QStringList{"--readouts", "--zone", "Asia/Tokyo", "--size", "large"}
            << int(Mode::Readouts) << "" << int(MapSize::Large) << "Asia/Tokyo" << false;
        QTest::newRow("list zones") << QStringList{"--list-zones"} << int(Mode::ListZones) << ""
                                    << int(MapSize::Small) << "" << false;
        QTest::newRow("help") << QStringList{"--help"} << int(Mode::Help) << ""
                              << int(MapSize::Small) << "" << false;
        QTest::newRow("-h") << QStringList{"-h"} << int(Mode::Help) << "" << int(MapSize::Small)
                            << "" << false;
        QTest::newRow("version") << QStringList{"--version"} << int(Mode::Version) << ""
                                 << int(MapSize::Small) << "" << false;
    }
    void goodForms()
    {
        QFETCH(QStringList, arguments);
        const CommandLineResult result = parseCommandLine(arguments);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QFETCH(int, mode);
        QCOMPARE(int(result.options.mode), mode);
        QFETCH(QString, output);
        QCOMPARE(result.options.outputPath, output);
        QFETCH(int, size);
        QCOMPARE(int(result.options.size), size);
        QFETCH(QString, zone);
        QCOMPARE(result.options.zone, zone);
        QFETCH(bool, grid);
        QCOMPARE(result.options.grid.value_or(false), grid);
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
        QTest::newRow("snapshot with empty file")
            << QStringList{"--snapshot="} << "needs a value";
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
        QTest::newRow("two modes") << QStringList{"--snapshot", "a.png", "--readouts"}
                                   << "choose one";
        QTest::newRow("list zones with zone")
            << QStringList{"--list-zones", "--zone", "UTC"} << "--zone needs";
        QTest::newRow("grid without snapshot") << QStringList{"--grid"} << "--grid needs";
        QTest::newRow("grid with readouts")
            << QStringList{"--readouts", "--grid"} << "--grid needs --snapshot";
        QTest::newRow("at without mode")
            << QStringList{"--at", "2026-01-01T00:00:00Z"} << "--snapshot or --readouts";
        QTest::newRow("flag with value") << QStringList{"--grid=yes", "--snapshot", "a.png"}
                                         << "takes no value";
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
