// The command-line parser: every good form, and every bad argument or combination answered with one
// line ("!" and a part of it). A row's arguments are one string split at spaces.
#include "app/CommandLine.h"
#include "app/FramePattern.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <clocale>

namespace {
// What the parser made of a command line, in one line.
QString describe(const CommandLineOptions &o)
{
    static const char *const kModes[] = {"window",     "snapshot",      "readouts",
                                         "list-zones", "wallpaper",     "help",
                                         "version",    "list-eclipses", "passes"};
    QString text = QString::fromLatin1(kModes[int(o.mode)]);
    const auto add = [&text](bool given, const QString &part) {
        if (given)
            text += QLatin1Char(' ') + part;
    };
    add(!o.outputPath.isEmpty(), o.outputPath);
    add(o.size.isValid(), QStringLiteral("%1x%2").arg(o.size.width()).arg(o.size.height()));
    add(!o.zone.isEmpty(), "zone " + o.zone);
    for (const MapLayerInfo &layer : kMapLayers) {
        if (const std::optional<bool> shown = o.layers[std::size_t(layer.layer)])
            add(true, (*shown ? "" : "no-") + QString(layer.option));
    }
    add(o.noPins, "no-pins");
    add(o.eclipseYears.has_value(), QStringLiteral("%1..%2")
                                        .arg(o.eclipseYears.value_or(std::pair{0, 0}).first)
                                        .arg(o.eclipseYears.value_or(std::pair{0, 0}).second));
    add(o.view.has_value(), QLatin1String(viewInfo(o.view.value_or(MapView::Globe)).name));
    add(o.centre.has_value(),
        QStringLiteral("centre %1").arg(centreText(o.centre.value_or(GeoPoint{}))));
    add(o.fit.has_value(), o.fit == MapFit::Cover ? "cover" : "contain");
    for (const PlaceEndInfo &end : kPlaceEnds) {
        if (const auto &place = o.places[size_t(end.end)])
            add(true, end.jsonKey + (" " + place->text));
    }
    add(o.homeElevation.has_value(),
        QStringLiteral("elevation %1").arg(o.homeElevation.value_or(0)));
    const GreyLineBand band = o.greyLineBand.value_or(GreyLineBand{});
    add(o.greyLineBand.has_value(), QStringLiteral("band %1,%2").arg(band.low).arg(band.high));
    add(!o.satellitesPath.isEmpty(), "satellites " + o.satellitesPath);
    add(o.at.has_value(), "at " + o.at.value_or(QDateTime()).toUTC().toString(Qt::ISODate));
    add(o.quality.has_value(), QStringLiteral("quality %1").arg(o.quality.value_or(-1)));
    add(o.everySeconds.has_value(), QStringLiteral("every %1 s").arg(o.everySeconds.value_or(-1)));
    if (const auto &lapse = o.timeLapse) {
        add(true, QStringLiteral("%1..%2 every %3 s: %4 frames")
                      .arg(lapse->from.toUTC().toString(Qt::ISODate),
                           lapse->to.toUTC().toString(Qt::ISODate))
                      .arg(lapse->stepSeconds)
                      .arg(lapse->frameCount));
        add(lapse->animation, QStringLiteral("webp %1 fps").arg(lapse->fps));
        add(!lapse->animation, frameFileName(o.outputPath, 0) + ".." +
                                   frameFileName(o.outputPath, lapse->frameCount - 1));
    }
    return text;
}

void row(const char *name, const char *arguments, const char *expected)
{
    // SPAN stands for a good day from JAN1 to JAN2, LAPSE for its hourly frames.
    const auto expand = [](const char *text) {
        return QString::fromUtf8(text)
            .replace("LAPSE", "SPAN --step 1h")
            .replace("SPAN", "--from JAN1 --to JAN2")
            .replace("JAN1", "2026-01-01T00:00:00Z")
            .replace("JAN2", "2026-01-02T00:00:00Z");
    };
    QTest::newRow(name) << expand(arguments).split(' ', Qt::SkipEmptyParts) << expand(expected);
}
} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    // The locale of the environment, as the program's application object takes it: the
    // test runs with a decimal comma.
    void initTestCase() { QVERIFY(std::setlocale(LC_ALL, "")); }

    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        row("no arguments -> window", "", "window");
        row("snapshot with =", "--snapshot=a.jpg --size=large", "snapshot a.jpg 1440x720");
        row("snapshot, all layers",
            "--grid --snapshot m.png --twilight-lines --locations --zone Europe/Paris --moon --sun",
            "snapshot m.png zone Europe/Paris grid locations sun moon twilight-lines");
        row("layers and pins off", "--snapshot m.png --no-grid --no-sun --moon --no-pins",
            "snapshot m.png no-grid no-sun moon no-pins");
        row("grid, then no grid", "--snapshot m.png --grid --no-grid",
            "!--grid and --no-grid cannot be used together");
        row("no moon, then moon", "--wallpaper --no-moon --moon", "!--no-moon and --moon cannot");
        row("pin and no pins", "--readouts --pin UTC --no-pins", "!--pin and --no-pins cannot");
        row("no twilight lines with readouts", "--readouts --no-twilight-lines",
            "!--no-twilight-lines needs --snapshot or --wallpaper");
        row("readouts, offset and milliseconds",
            "--readouts --size large --at 2026-06-21T20:40:00.250+02:00",
            "readouts 1440x720 at 2026-06-21T18:40:00Z");
        row("first exact day", "--readouts --at 1900-03-01T00:00:00Z",
            "readouts at 1900-03-01T00:00:00Z");
        row("last exact second", "--snapshot a.png --at 2100-02-28T23:59:59Z",
            "snapshot a.png at 2100-02-28T23:59:59Z");
        row("list zones", "--list-zones", "list-zones");
        row("list eclipses", "--list-eclipses --json", "list-eclipses");
        row("list eclipses' years", "--list-eclipses=1900,2100", "list-eclipses 1900..2100");
        row("eclipse of a date", "--readouts --eclipse 2024-04-08",
            "readouts at 2024-04-08T18:17:20Z");
        row("next eclipse from a time", "--snapshot a.png --at JAN1 --eclipse next",
            "snapshot a.png at 2026-02-17T12:11:56Z");
        row("time-lapse across an eclipse", "--snapshot a.webp --eclipse 2025-09-07 --step 10m",
            "snapshot a.webp 2025-09-07T15:28:24Z..2025-09-07T20:55:08Z every 600 s: 33 frames "
            "webp 12 fps");
        row("help", "--help", "help");
        row("-h", "-h", "help");
        row("version", "--version", "version");
        // The last instant is a frame when it falls on a step.
        row("frames, last on a step", "--snapshot f-%04d.png SPAN --step 10m --quality 0",
            "snapshot f-%04d.png quality 0 JAN1..JAN2 every 600 s: 145 frames "
            "f-0000.png..f-0144.png");
        row("frames, last between steps, %% literal",
            "--snapshot 100%%-%d.jpg --from JAN1 --to 2026-01-01T00:01:29Z --step 30s",
            "snapshot 100%%-%d.jpg JAN1..2026-01-01T00:01:29Z every 30 s: 3 frames "
            "100%-0.jpg..100%-2.jpg");
        row("animation, 100,000 frames",
            "--snapshot a.WEBP --from JAN1 --to 2026-01-02T03:46:39Z --step 1s --fps 60 --quality "
            "100",
            "snapshot a.WEBP quality 100 JAN1..2026-01-02T03:46:39Z every 1 s: 100000 frames webp "
            "60 fps");
        row("animation, defaults", "--snapshot a.webp --from JAN1 --to JAN1 --step 1d",
            "snapshot a.webp JAN1..JAN1 every 86400 s: 1 frames webp 12 fps");
        row("frames, numbers wider than the field", "--snapshot %04d%%.png SPAN --step 1s",
            "snapshot %04d%%.png JAN1..JAN2 every 1 s: 86401 frames 0000%.png..86400%.png");
        row("views", "--wallpaper --projection azimuthal --center -90,-180 --fit contain",
            "wallpaper azimuthal centre -90,-180 contain every 600 s");
        row("flat map recentred", "--snapshot m.png --center=-33.87,151.21 --fit=cover",
            "snapshot m.png centre -33.87,151.21 cover");
        row("unknown view", "--snapshot m.png --projection mercator", "!--projection must be");
        row("centre, one number", "--snapshot m.png --center 52.5", "!--center must be");
        row("centre, words", "--snapshot m.png --center north,east", "!--center must be");
        row("centre beyond the pole", "--snapshot m.png --center 90.5,0", "!--center must be");
        row("centre beyond 180", "--snapshot m.png --center 0,180.01", "!--center must be");
        row("fit, other", "--snapshot m.png --fit stretch", "!--fit must be contain or cover");
        row("centre without a map", "--readouts --center 1,2", "!--center needs --snapshot");
        row("fit without a map", "--fit cover", "!--fit needs");
        row("places",
            "--readouts --home 52.52,13.40 --target=jo62QM --home-elevation -500 "
            "--grey-line -18,18",
            "readouts home 52.52,13.40 target jo62QM elevation -500 band -18,18");
        row("city, band", "--readouts --target Paris,Texas --grey-line=-12.5,0",
            "readouts target Paris,Texas band -12.5,0");
        row("places on a map",
            "--snapshot a.png --target Paris --home JO62 --no-paths --locator-grid",
            "snapshot a.png no-paths locator-grid home JO62 target Paris");
        row("elevation on a map", "--wallpaper --home JO62 --home-elevation 9",
            "!--home-elevation cannot be used with --wallpaper");
        const std::pair<const char *, const char *> bad[] = {
            {"--home JO6", "!--home: not a Maidenhead"},
            {"--home JO62q", "!--home: not a Maid"},
            {"--target ZZ00", "!--target: not a Maid"},
            {"--home JO62qm4", "!--home: not a Maid"},
            {"--home 91,0", "!--home: coordinates out"},
            {"--home 0,181", "!--home: coordinates out"},
            {"--home 52.5;13.4", "!--home: not a latitude"},
            {"--home NaN,1", "!--home: coordinates are not"},
            {"--home-elevation 9000.5", "!--home-elevation must"},
            {"--home-elevation -501", "!--home-elevation must"},
            {"--home-elevation nan", "!--home-elevation must"},
            {"--grey-line 6,-6", "!--grey-line must"},
            {"--grey-line 0,0", "!--grey-line must"},
            {"--grey-line -19,0", "!--grey-line must"},
            {"--grey-line 0,18.1", "!--grey-line must"},
            {"--grey-line 1", "!--grey-line must"}};
        for (const auto &[arguments, error] : bad)
            row(arguments, qPrintable(QStringLiteral("--readouts ") + arguments), error);
        row("passes", "--passes --satellites s.tle --home JO62 --at JAN1 --home-elevation 40",
            "passes home JO62 elevation 40 satellites s.tle at 2026-01-01T00:00:00Z");
        row("satellites on a map", "--snapshot a.png --satellites=s.tle --no-satellite-layer",
            "snapshot a.png no-satellite-layer satellites s.tle");
        row("satellites without a file", "--passes --satellites", "!--satellites needs a value");
        row("passes and readouts", "--passes --readouts", "!choose one");
        row("passes with a grid", "--passes --grid", "!--grid needs --snapshot");
        row("satellite layer with passes", "--passes --satellite-layer",
            "!--satellite-layer needs");
        row("unknown option", "--frobnicate", "!unknown option");
        row("stray word", "map.png", "!unexpected argument");
        row("snapshot without file", "--snapshot", "!needs a value");
        row("snapshot with empty file", "--snapshot=", "!needs a value");
        row("bad time", "--snapshot a.png --at yesterday", "!cannot read the time");
        row("time before 1900-03-01", "--snapshot a.png --at 1900-02-28T23:59:59Z", "!outside");
        row("time after 2100-02-28", "--snapshot a.png --at 2100-03-01T00:00:00Z", "!outside");
        row("bad size", "--snapshot a.png --size huge", "!--size must be");
        row("repeated option", "--snapshot a.png --grid --grid", "!more than once");
        row("two modes", "--snapshot a.png --readouts", "!choose one");
        row("list zones with zone", "--list-zones --zone UTC", "!--zone needs");
        row("grid without snapshot", "--grid", "!--grid needs");
        row("grid with readouts", "--readouts --grid", "!--grid needs --snapshot");
        row("at without mode", "--at JAN1", "!--snapshot, --readouts or --passes");
        row("flag with value", "--grid=yes --snapshot a.png", "!takes no value");
        row("json without readouts", "--json", "!--json needs --readouts");
        row("blank zone", "--readouts --zone=\t", "!not blank");
        row("blank pin", "--readouts --pin=", "!needs a value");
        row("blank list query", "--list-zones=\t", "!not empty");
        row("pin with list-zones", "--list-zones --pin x", "!--pin needs");
        row("blank cloud map", "--snapshot m.png --clouds=", "!needs a value");
        row("aurora with list-zones", "--list-zones --aurora a.json", "!--aurora needs");
        QTest::newRow("thirteen pins")
            << ("--readouts" + QString(" --pin=UTC").repeated(13)).split(' ') << "!at most 12";
        row("help with more", "--help --grid", "!no other options");
        QTest::newRow("control characters shown as ?")
            << QStringList{"--snapshot", "a.png", "--size", "big\n\x1b[31m"} << "!big??[31m";
        row("from alone", "--snapshot f%d.png --from JAN1", "!needs all of");
        row("to and step alone", "--snapshot f%d.png --to JAN1 --step 1h", "!needs all of");
        row("from with readouts", "--readouts --from JAN1", "!--from needs");
        row("bad from", "--snapshot f%d.png --from 2026 --to JAN1 --step 1h", "!--from: cannot");
        row("to before from", "--snapshot f%d.png --from 2026-01-01T00:00:01Z --to JAN1 --step 1h",
            "!--to is before --from");
        row("malformed step", "--snapshot f%d.png SPAN --step 1x", "!--step: cannot read the");
        row("zero step", "--snapshot f%d.png SPAN --step 0s", "!--step: cannot read");
        row("negative step", "--snapshot f%d.png SPAN --step -1h", "!--step: cannot read");
        row("100,001 frames", "--snapshot f%d.png --from JAN1 --to 2026-01-02T03:46:40Z --step 1s",
            "!100001 frames; at most 100000");
        row("no frame field", "--snapshot f.png LAPSE", "!exactly one frame number field");
        row("two frame fields", "--snapshot f%d-%02d.png LAPSE", "!exactly one frame number field");
        row("another directive", "--snapshot f%s%d.png LAPSE", "!other than %d");
        row("width 0", "--snapshot f%00d.png LAPSE", "!other than %d");
        row("animation with a frame field", "--snapshot f%d.webp LAPSE", "!takes no frame number");
        row("at with from", "--snapshot f%d.png --at JAN1 LAPSE", "!--at and --from");
        row("fps 0", "--snapshot a.webp --fps 0", "!--fps must be a whole number from 1 to 60");
        row("fps 61", "--snapshot a.webp --fps 61", "!--fps must be");
        row("quality 101", "--snapshot a.webp --quality 101", "!--quality must be");
        row("quality -1", "--snapshot a.webp --quality -1", "!--quality must be");
        row("fps without time-lapse", "--snapshot a.webp --fps 12", "!--fps needs a time-lapse");
        row("quality without time-lapse", "--snapshot a.jpg --quality 50", "!--quality needs a");
        row("fps with frame files", "--snapshot f%d.png LAPSE --fps 12", "!--fps needs a .webp");
        row("no image format", "--snapshot map.gif", "!image format of \"map.gif\": name it");
        row("frames of no image format", "--snapshot f%d LAPSE", "!image format of \"f%d\"");
        row("still webp", "--snapshot a.webp --size 16383x100", "snapshot a.webp 16383x100");
        row("webp too wide", "--snapshot a.webp --size 16384x100", "!at most 16383 pixels wide");
        row("animation too wide", "--snapshot a.webp LAPSE --size 16384x100", "!at most 16383");
        row("smallest size", "--readouts --size=64x32", "readouts 64x32");
        row("largest size", "--snapshot a.png --size 16384x8192", "snapshot a.png 16384x8192");
        for (const char *size :
             {"0x0", "100x", "-5x5", "1e3x500", "65x31", "63x32", "16385x100", "64x8193", "x100",
              "100x100x", "3840X2160", "+100x100", "640x320\n"})
            QTest::addRow("size %s", size)
                << QStringList{"--snapshot", "a.png", "--size", size} << "!--size must be";
        row("wallpaper", "--wallpaper", "wallpaper every 600 s");
        row("wallpaper, options", "--wallpaper --every 1h --size 2560x1440 --grid --pin x",
            "wallpaper 2560x1440 grid every 3600 s");
        row("every 59s", "--snapshot a.png --every 59s", "!--every must be at least 1m");
        row("every malformed", "--snapshot a.png --every 10", "!--every: cannot read the duration");
        QTest::newRow("every, newline") << QStringList{"--snapshot", "a.png", "--every", "1h\n"}
                                        << "!--every: cannot read the duration";
        row("every with at", "--snapshot a.png --every 1h --at JAN1", "!--at cannot be used with");
        row("every with time-lapse", "--snapshot f%d.png LAPSE --every 1h", "!with a time-lapse");
        row("every with readouts", "--readouts --every 1h", "!--every needs --snapshot or --wall");
        row("wallpaper with snapshot", "--wallpaper --snapshot a.png", "!choose one");
        row("wallpaper with at", "--wallpaper --at JAN1", "!--at cannot be used with --wallpaper");
        for (const char *years : {"2100,1900", "1899,1900", "2000,2101", "2000", "2000,2001,"})
            QTest::addRow("eclipse years %s", years)
                << QStringList{"--list-eclipses", years} << "!--list-eclipses must be FROM,TO";
        for (const char *eclipse : {"tomorrow", "2026-02-30", "2026-8-12", "next\n", ""})
            QTest::addRow("eclipse %s", eclipse)
                << QStringList{"--readouts", "--eclipse", eclipse} << "!--eclipse";
        row("no eclipse that day", "--readouts --eclipse 2026-08-13", "!no eclipse on 2026-08-13");
        row("eclipse with from", "--snapshot f%d.png LAPSE --eclipse next", "!--eclipse cannot");
        row("eclipse date with at", "--readouts --at JAN1 --eclipse 2024-04-08", "!--at and --ecl");
        row("eclipse with every", "--snapshot a.png --every 1h --eclipse next",
            "!--eclipse cannot");
        row("eclipse listing an eclipse", "--list-eclipses --eclipse next", "!--eclipse needs");
        row("no eclipse before 1900", "--readouts --at 1900-03-01T00:00:00Z --eclipse previous",
            "!no previous eclipse within");
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const CommandLineResult result = parseCommandLine(arguments);
        if (expected.startsWith('!'))
            QVERIFY2(result.error.contains(expected.mid(1)) && !result.error.contains('\n'),
                     qPrintable(result.error));
        else
            QCOMPARE(result.ok() ? describe(result.options) : result.error, expected);
    }

    // The manual page's four generated sections are current, and it describes every
    // option of the table besides them.
    void manual()
    {
        QFile file(DUSKMAP_MANUAL);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(file.readAll());
        QCOMPARE(withGeneratedManual(page), page);
        static const QRegularExpression generated(
            R"(\.\\" generated from .*?\.\\" end of the generated section\n)",
            QRegularExpression::DotMatchesEverythingOption);
        QCOMPARE(page.count(generated), 4);
        const QString described = QString(page).remove(generated);
        for (const QString &name : optionNames()) {
            const QString roff = QString(name).replace('-', "\\-");
            QVERIFY2(QRegularExpression(QRegularExpression::escape(roff) + "\\b(?!\\\\-)")
                         .match(described)
                         .hasMatch(),
                     qPrintable(name));
        }
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
