// The command-line parser: every good form, and every bad argument or
// combination answered with one line ("!" and a part of it). A row's arguments
// are one string split at spaces.
#include "app/CommandLine.h"

#include <QTest>

namespace {
// What the parser made of a command line, in one line.
QString describe(const CommandLineOptions &o)
{
    static const char *const kModes[] = {"window",    "snapshot", "readouts", "list-zones",
                                         "wallpaper", "help",     "version"};
    QString text = QString::fromLatin1(kModes[int(o.mode)]);
    const auto add = [&text](bool given, const QString &part) {
        if (given)
            text += QLatin1Char(' ') + part;
    };
    add(!o.outputPath.isEmpty(), o.outputPath);
    add(o.size.isValid(), QStringLiteral("%1x%2").arg(o.size.width()).arg(o.size.height()));
    add(!o.zone.isEmpty(), "zone " + o.zone);
    add(o.grid.value_or(false), "grid");
    add(o.locations.value_or(false), "locations");
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
    // SPAN stands for a good day, LAPSE for its hourly frames.
    QTest::newRow(name) << QString::fromUtf8(arguments)
                               .replace("LAPSE", "SPAN --step 1h")
                               .replace("SPAN",
                                        "--from 2026-01-01T00:00:00Z --to 2026-01-02T00:00:00Z")
                               .split(QLatin1Char(' '), Qt::SkipEmptyParts)
                        << QString::fromUtf8(expected);
}
} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        row("no arguments -> window", "", "window");
        row("snapshot with =", "--snapshot=a.jpg --size=large", "snapshot a.jpg 1440x720");
        row("snapshot, all layers", "--grid --snapshot m.png --locations --zone Europe/Paris",
            "snapshot m.png zone Europe/Paris grid locations");
        row("readouts, offset and milliseconds",
            "--readouts --size large --at 2026-06-21T20:40:00.250+02:00",
            "readouts 1440x720 at 2026-06-21T18:40:00Z");
        row("first exact day", "--readouts --at 1900-03-01T00:00:00Z",
            "readouts at 1900-03-01T00:00:00Z");
        row("last exact second", "--snapshot a.png --at 2100-02-28T23:59:59Z",
            "snapshot a.png at 2100-02-28T23:59:59Z");
        row("list zones", "--list-zones", "list-zones");
        row("help", "--help", "help");
        row("-h", "-h", "help");
        row("version", "--version", "version");
        // The last instant is a frame when it falls on a step.
        row("frames, last on a step",
            "--snapshot f-%04d.png --from 2026-06-21T00:00:00Z --to 2026-06-22T00:00:00Z --step "
            "10m --quality 0",
            "snapshot f-%04d.png quality 0 2026-06-21T00:00:00Z..2026-06-22T00:00:00Z every 600 s: "
            "145 frames f-0000.png..f-0144.png");
        row("frames, last between steps, %% literal",
            "--snapshot 100%%-%d.jpg --from 2026-06-21T00:00:00Z --to 2026-06-21T00:01:29Z --step "
            "30s",
            "snapshot 100%%-%d.jpg 2026-06-21T00:00:00Z..2026-06-21T00:01:29Z every 30 s: 3 "
            "frames 100%-0.jpg..100%-2.jpg");
        row("animation, 100,000 frames",
            "--snapshot a.WEBP --from 2026-01-01T00:00:00Z --to 2026-01-02T03:46:39Z --step 1s "
            "--fps 60 --quality 100",
            "snapshot a.WEBP quality 100 2026-01-01T00:00:00Z..2026-01-02T03:46:39Z every 1 s: "
            "100000 frames webp 60 fps");
        row("animation, defaults",
            "--snapshot a.webp --from 2026-01-01T00:00:00Z --to 2026-01-01T00:00:00Z --step 1d",
            "snapshot a.webp 2026-01-01T00:00:00Z..2026-01-01T00:00:00Z every 86400 s: 1 frames "
            "webp 12 fps");
        row("frames, numbers wider than the field", "--snapshot %04d%%.png SPAN --step 1s",
            "snapshot %04d%%.png 2026-01-01T00:00:00Z..2026-01-02T00:00:00Z every 1 s: 86401 "
            "frames 0000%.png..86400%.png");
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
        row("at without mode", "--at 2026-01-01T00:00:00Z", "!--snapshot or --readouts");
        row("flag with value", "--grid=yes --snapshot a.png", "!takes no value");
        row("json without readouts", "--json", "!--json needs --readouts");
        row("json with snapshot", "--snapshot a.png --json", "!--json needs --readouts");
        row("blank zone", "--readouts --zone=\t", "!not blank");
        row("blank pin", "--readouts --pin=", "!needs a value");
        row("empty list query", "--list-zones=", "!not empty");
        row("blank list query", "--list-zones=\t", "!not empty");
        row("pin with list-zones", "--list-zones --pin x", "!--pin needs");
        row("thirteen pins",
            "--readouts --pin=UTC --pin=UTC --pin=UTC --pin=UTC --pin=UTC --pin=UTC --pin=UTC "
            "--pin=UTC --pin=UTC --pin=UTC --pin=UTC --pin=UTC --pin=UTC",
            "!at most 12");
        row("help with more", "--help --grid", "!no other options");
        QTest::newRow("control characters shown as ?")
            << QStringList{"--snapshot", "a.png", "--size", "big\n\x1b[31m"} << "!big??[31m";
        row("from alone", "--snapshot f%d.png --from 2026-01-01T00:00:00Z", "!needs all of");
        row("to and step alone", "--snapshot f%d.png --to 2026-01-01T00:00:00Z --step 1h",
            "!needs all of");
        row("from with readouts", "--readouts --from 2026-01-01T00:00:00Z", "!--from needs");
        row("bad from", "--snapshot f%d.png --from 2026 --to 2026-01-01T00:00:00Z --step 1h",
            "!--from: cannot read the time");
        row("to before from",
            "--snapshot f%d.png --from 2026-01-01T00:00:01Z --to 2026-01-01T00:00:00Z --step 1h",
            "!--to is before --from");
        row("malformed step", "--snapshot f%d.png SPAN --step 1x",
            "!--step: cannot read the duration");
        row("zero step", "--snapshot f%d.png SPAN --step 0s", "!--step: cannot read");
        row("negative step", "--snapshot f%d.png SPAN --step -1h", "!--step: cannot read");
        row("step without unit", "--snapshot f%d.png SPAN --step 60", "!--step: cannot read");
        row("100,001 frames",
            "--snapshot f%d.png --from 2026-01-01T00:00:00Z --to 2026-01-02T03:46:40Z --step 1s",
            "!100001 frames; at most 100000");
        row("no frame field", "--snapshot f.png LAPSE", "!exactly one frame number field");
        row("two frame fields", "--snapshot f%d-%02d.png LAPSE", "!exactly one frame number field");
        row("another directive", "--snapshot f%s%d.png LAPSE", "!other than %d");
        row("width 0", "--snapshot f%00d.png LAPSE", "!other than %d");
        row("animation with a frame field", "--snapshot f%d.webp LAPSE", "!takes no frame number");
        row("at with from", "--snapshot f%d.png --at 2026-01-01T00:00:00Z LAPSE",
            "!--at and --from");
        row("fps 0", "--snapshot a.webp --fps 0", "!--fps must be a whole number from 1 to 60");
        row("fps 61", "--snapshot a.webp --fps 61", "!--fps must be");
        row("quality 101", "--snapshot a.webp --quality 101", "!--quality must be");
        row("quality -1", "--snapshot a.webp --quality -1", "!--quality must be");
        row("fps without time-lapse", "--snapshot a.webp --fps 12", "!--fps needs a time-lapse");
        row("quality without time-lapse", "--snapshot a.jpg --quality 50",
            "!--quality needs a time-lapse");
        row("fps with frame files", "--snapshot f%d.png LAPSE --fps 12", "!--fps needs a .webp");
        row("any size", "--snapshot a.png --size 3840x2160", "snapshot a.png 3840x2160");
        row("smallest size", "--readouts --size=64x32", "readouts 64x32");
        row("largest size", "--snapshot a.png --size 16384x8192", "snapshot a.png 16384x8192");
        for (const char *size : {"0x0", "100x", "-5x5", "1e3x500", "65x31", "63x32", "16385x100",
                                 "64x8193", "x100", "100x100x", "3840X2160", "+100x100"})
            QTest::addRow("size %s", size)
                << QStringList{"--snapshot", "a.png", "--size", size} << "!--size must be";
        row("snapshot every", "--snapshot a.png --every 10m", "snapshot a.png every 600 s");
        row("snapshot every minute", "--every=1m --snapshot a.png", "snapshot a.png every 60 s");
        row("wallpaper", "--wallpaper", "wallpaper every 600 s");
        row("wallpaper, all options",
            "--wallpaper --every 1h --size 2560x1440 --zone UTC --grid --locations --pin x",
            "wallpaper 2560x1440 zone UTC grid locations every 3600 s");
        row("every 59s", "--snapshot a.png --every 59s", "!--every must be at least 1m");
        row("wallpaper every 30s", "--wallpaper --every 30s", "!--every must be at least 1m");
        row("every malformed", "--snapshot a.png --every 10", "!--every: cannot read the duration");
        row("every zero", "--wallpaper --every 0m", "!--every: cannot read the duration");
        row("every with at", "--snapshot a.png --every 1h --at 2026-01-01T00:00:00Z",
            "!--at cannot be used with --every");
        row("every with time-lapse", "--snapshot f%d.png LAPSE --every 1h",
            "!--every cannot be used with a time-lapse");
        row("every with readouts", "--readouts --every 1h",
            "!--every needs --snapshot or --wallpaper");
        row("every alone", "--every 1h", "!--every needs");
        row("wallpaper with snapshot", "--wallpaper --snapshot a.png", "!choose one");
        row("wallpaper with readouts", "--readouts --wallpaper", "!choose one");
        row("wallpaper with list-zones", "--wallpaper --list-zones", "!choose one");
        row("wallpaper with at", "--wallpaper --at 2026-01-01T00:00:00Z",
            "!--at cannot be used with --wallpaper");
        row("wallpaper with time-lapse", "--wallpaper SPAN",
            "!--from cannot be used with --wallpaper");
        row("wallpaper with json", "--wallpaper --json", "!--json cannot be used with --wallpaper");
        row("wallpaper with value", "--wallpaper=yes", "!takes no value");
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
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
