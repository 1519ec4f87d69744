// The program's command-line modes end to end: the built binary run as a user runs it, with its own
// configuration and cache homes, on a session bus of the test's own. Arguments are one string split
// at spaces, "~" a space within one; "@name" stands for a file in the test's directory.
#include <QDirIterator>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QtDBus>

#include "TestResources.h"
#include "WriteFaults.h"

#include <clocale>
#include <csignal>
#include <cstdlib>
#include <functional>

namespace {
struct Run
{
    int status = -1;
    QString out, err;
};
Run finish(QProcess &process)
{
    Run result;
    // One that has ended already is finished too, unless it never started.
    if ((process.waitForFinished(60000) || process.error() == QProcess::UnknownError) &&
        process.exitStatus() == QProcess::NormalExit)
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
} // namespace

// Stands in for the desktop portal on the test's own bus, too: records the call,
// and answers on the request path that its token names.
class TestSnapshot : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Wallpaper")

    QTemporaryDir m_dir;
    QProcess m_bus;
    QString m_portalCalls;
    uint m_portalResponse = 0;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    bool write(const QString &name, const QByteArray &bytes)
    {
        return writeFile(path(name), bytes);
    }
    QStringList files(const QString &folder = {}, const QString &filter = "*") const
    {
        return QDir(path(folder)).entryList({filter}, QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    // Starts the program without a display, in the given system zone; NAME=VALUE
    // entries set more of its environment.
    void start(QProcess &process, const QString &arguments, const QString &timeZone = "UTC",
               const QStringList &environment = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", path("config"));
        env.insert("TZ", timeZone);
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        for (const QString &entry : environment)
            env.insert(entry.section('=', 0, 0), entry.section('=', 1));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_dir.path());
        process.start(DUSKMAP_BINARY, arguments.split(' ', Qt::SkipEmptyParts)
                                          .replaceInStrings("@", m_dir.path() + '/')
                                          .replaceInStrings("~", " "));
    }
    Run run(const QString &arguments, const QString &timeZone = "UTC",
            const QStringList &environment = {})
    {
        QProcess process;
        start(process, arguments, timeZone, environment);
        return finish(process);
    }

    QString plainImage(const QString &name, QRgb colour, QSize size = {64, 32})
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return image.save(path(name)) ? path(name) : QString();
    }

public slots:
    QDBusObjectPath SetWallpaperURI(const QString &parent, const QString &uri,
                                    const QVariantMap &options, const QDBusMessage &call)
    {
        m_portalCalls += parent + ' ' + uri + ' ' + options["show-preview"].toString() + ' ' +
                         options["set-on"].toString() + '|';
        const QString handle = "/org/freedesktop/portal/desktop/request/" +
                               call.service().mid(1).replace('.', '_') + '/' +
                               options["handle_token"].toString();
        QDBusConnection("portal").send(
            QDBusMessage::createSignal(handle, "org.freedesktop.portal.Request", "Response")
            << m_portalResponse << QVariantMap());
        return QDBusObjectPath(handle);
    }

private slots:
    void initTestCase()
    {
        // A gsettings first on the path that logs its arguments; by $GSETTINGS_MODE it
        // keeps what is set (0), fails (1) or forgets it (2).
        QVERIFY(write("garbage.png", "not an image at all") && QDir(m_dir.path()).mkdir("bin") &&
                write("bin/gsettings",
                      "#!/bin/sh\necho \"$*\" >>\"$0.log\"\n[ $1$GSETTINGS_MODE = get0 ] && sed -n "
                      "\"s/.*-uri \\(.*\\)/'\\1'/p\" \"$0.log\"\nexit $((GSETTINGS_MODE&1))\n") &&
                QFile(path("bin/gsettings")).setPermissions(QFile::ExeOwner | QFile::ReadOwner) &&
                write("bus.conf", "<busconfig><listen>unix:dir=" + m_dir.path().toUtf8() +
                                      "</listen><policy context='default'><allow own='*'/><allow "
                                      "send_destination='*'/><allow receive_sender='*'/>"
                                      "</policy></busconfig>"));
        qputenv("PATH", path("bin").toUtf8() + ':' + qgetenv("PATH"));
        // The ISS, then a set whose first line's checksum is off by one.
        const QByteArray iss =
            "1 25544U 98067A   24001.50000000  .00016717  00000-0  30057-3 0  9992\n"
            "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.50377579432715\n";
        QVERIFY(write("sats.tle", "ISS (ZARYA)\n" + iss + "BAD\n" +
                                      QByteArray(iss).replace("0  9992", "0  9993")));
        m_bus.start("dbus-daemon",
                    {"--config-file=" + path("bus.conf"), "--nofork", "--print-address"});
        QVERIFY2(m_bus.waitForReadyRead(10000), "dbus-daemon did not start");
        const QByteArray address = m_bus.readLine().trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        QVERIFY(QDBusConnection::connectToBus(QString(address), "portal")
                    .registerObject("/org/freedesktop/portal/desktop", this,
                                    QDBusConnection::ExportAllSlots));
    }
    void cleanupTestCase()
    {
        m_bus.terminate(); // by its process id
        QVERIFY(m_bus.waitForFinished(10000));
    }

    // With an all-black day and an all-white night, each pixel of the map is
    // the overlay's alpha itself. The night is larger than Qt reads by default.
    void userImagesAndInstant()
    {
        const Run r =
            run("--snapshot @alpha.png --at 2007-03-21T18:40:00Z --zone UTC --day-image " +
                plainImage("black.png", qRgb(0, 0, 0)) + " --night-image " +
                plainImage("white.jpg", qRgb(255, 255, 255), {9000, 8000}));
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(QImage(path("alpha.png")).pixel(360, 180), qRgb(119, 119, 119));
    }

    // Status, lines out, lines of error: what is written | the output's lines joined #; a row's
    // expected text is a prefix of that. LAPSE stands for hourly frames over a day.
    void outputs_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("tz"); // the system's zone, as the TZ variable sets it
        QTest::addColumn<QString>("expected");
        const auto row = [](QString arguments, const char *tz, const char *expected) {
            QTest::addRow("%s, TZ=%s", qPrintable(arguments), tz)
                << arguments.replace(
                       "LAPSE", "--from 2026-01-01T00:00:00Z --to 2026-01-02T00:00:00Z --step 1h")
                << tz << QString::fromUtf8(expected);
        };
        row("", "UTC",
            "0 1 0: duskmap.png 720x360 |duskmap: no display; the current map is in duskmap.png|#");
        row("--list-zones", "UTC", "0 421 0: |Africa/Abidjan\t5.3167\t-4.0333|");
        row("--list-zones new~york", "UTC", "0 1 0: |America/New_York\t40.7142\t-74.0064|#");
        // As the window's zone box finds them: by a listed city, the most populous zone first.
        row("--list-zones osaka", "UTC", "0 1 0: |Asia/Tokyo\t35.6544\t139.7447|#");
        row("--list-zones united~states", "UTC", "0 29 0: |America/New_York\t");
        row("--readouts --zone munich --at 2026-10-01T12:00:00Z", "UTC",
            "0 6 0: |14:00:00 CEST +0200|");
        row("--readouts --zone atlantis --at 2026-10-01T12:00:00Z", "UTC",
            "0 6 0: |14:00:00 SAST +0200|");
        // The row of home and target after the six, as the band given makes it.
        row("--readouts --zone UTC --at 2026-10-01T12:00:00Z --home JO62qm --target Paris,~FR "
            "--grey-line -12,0",
            "UTC",
            "0 9 0: |12:00:00 UTC +0000|Thursday, October 1, 2026|Sunrise:  6:00|Sunset: "
            "17:38|Latitude:  51° 28' 37\" N|Longitude:   0°  0'  2\" W|Home JO62qm · ≈14:00 · "
            "sunrise 7:07, sunset 18:43 · Sun 33°|Target Paris · 14:00 · sunrise 7:49, sunset "
            "19:29 · Sun 38°|SP 247° 878 km · LP 67° 39,152 km · grey line 19:24–19:57 (home "
            "time)|#");
        // Madrid, where the Sun sets before the eclipse ends and the Moon rises in totality.
        row("--readouts --zone UTC --at 2026-08-12T17:46:00Z --home 40.42,-3.70", "UTC",
            "0 7 0: |17:46:00 UTC +0000|Wednesday, August 12, 2026|Sunrise:  4:41|Sunset: "
            "19:28|Latitude:  51° 28' 37\" N|Longitude:   0°  0'  2\" W|Home IN80dk · ≈19:46 · "
            "sunrise 7:22, sunset 21:16 · Sun 16° · partial eclipse 19:36–sunset, 99 % at 20:32, "
            "Sun 7°|#");
        row("--readouts --zone UTC --eclipse 2025-09-07 --home 40.42,-3.70", "UTC",
            "0 7 0: |18:11:49 UTC +0000|Sunday, September 7, 2025|Sunrise:  5:22|Sunset: "
            "18:33|Latitude:  51° 28' 37\" N|Longitude:   0°  0'  2\" W|Home IN80dk · ≈20:11 · "
            "sunrise 7:48, sunset 20:36 · Sun 4° · total lunar eclipse moonrise–20:52|#");
        row("--readouts --zone new~york --at 2026-10-01T12:00:00Z", "UTC",
            "0 6 0: |8:00:00 EDT -0400|");
        // One no database knows, and a real one that the zone table does not list.
        row("--readouts --at 2026-06-21T12:00:00Z", "Nowhere/Land",
            "0 6 0: |12:00:00 UTC +0000|Sunday, June 21, 2026|Sunrise:  3:42|Sunset: "
            "20:20|Latitude:  51° 28' 37\" N|Longitude:   0°  0'  2\" W|#");
        // A record skipped, and said so on one line; the passes in home's zone.
        row("--passes --satellites @sats.tle --home 52.52,13.40 --at 2024-01-01T12:00:00Z", "UTC",
            "0 22 1: |Passes over JO62qm above 0 degrees in the next 3 days, times in "
            "Europe/Berlin||ISS (ZARYA) (25544), elements 0.0 days old|rise\tazimuth\t"
            "culmination\televation\tset\tazimuth\tvisible|2024-01-01 ");
        row("--snapshot @out.jpg --size large --grid --locations", "UTC",
            "0 0 0: out.jpg 1440x720 |#");
        row("--readouts --at 2026-06-21T12:00:00Z", "Europe/Belfast",
            "0 6 0: |13:00:00 BST +0100|Sunday, June 21, 2026|Sunrise:  6:58|Sunset: "
            "19:05|Latitude:   0°  0' N|Longitude:   0°  0' E|#");
        // What only the running program can tell; the parser's own table has
        // every malformed command line, and one of them stands for it here.
        // Neither the output nor a temporary file is left behind.
        for (const char *arguments :
             {"--snapshot @out.png --bogus", "--snapshot @out.png --day-image @missing.png",
              "--snapshot @out.png --night-image @garbage.png",
              "--snapshot @out.png --zone Mars/Base", "--snapshot @out.gifx",
              "--snapshot @no/such/dir/out.png", "--readouts --zone Nowhere/Land",
              "--snapshot @out.png --pin UTC --pin indiana", "--snapshot @no/such/out%d.png LAPSE",
              "--snapshot @no/such/out.webp LAPSE", "--snapshot @out%d.gifx LAPSE",
              "--readouts --home Nowhereville", "--snapshot @out.png --satellites @missing.tle",
              "--passes --home 1,1 --satellites @missing.tle",
              "--snapshot @out.png --clouds @missing.png",
              "--snapshot @out.png --clouds @garbage.png", "--readouts --aurora @garbage.png"})
            row(arguments, "UTC", "2 0 1: |#");
    }
    void outputs()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, tz);
        QFETCH(QString, expected);
        Run r = run(arguments, tz);
        QString described =
            QStringLiteral("%1 %2 %3:").arg(r.status).arg(r.out.count('\n')).arg(r.err.count('\n'));
        for (const QString &name : files({}, "out*") + files({}, "duskmap.png")) {
            const QImage image(path(name));
            described +=
                QStringLiteral(" %1 %2x%3").arg(name).arg(image.width()).arg(image.height());
            QFile::remove(path(name));
        }
        QCOMPARE((described + " |" + r.out.replace('\n', '|') + '#').left(expected.size()),
                 expected);
        QVERIFY2(r.err.isEmpty() || r.err.startsWith("duskmap: "), qPrintable(r.err));
    }

    void json()
    {
        const Run r =
            run("--readouts --zone Europe/Berlin --at 2026-10-01T12:00:00Z --pin new~york "
                "--pin tokyo --json");
        QCOMPARE(r.out.count('\n'), 1);
        QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
        for (const char *key : {"moon", "sublunar", "subsolar"}) // the sky's own tests pin these
            QVERIFY2(!json.take(key).isUndefined(), key);
        QCOMPARE(
            QJsonDocument(json).toJson(QJsonDocument::Compact),
            R"({"abbreviation":"CEST","aurora":null,"clouds":null,"date":"Thursday, October 1, 2026","instant":"2026-10-01T12:00:00Z","latitude":"Latitude:  52° 30' N","latitude_degrees":52.5,"longitude":"Longitude:  13° 22' E","longitude_degrees":13.366699,"next_change":{"instant":"2026-10-25T01:00:00Z","offset_after_seconds":3600,"offset_before_seconds":7200},"pins":[{"date":"Thursday, October 1, 2026","light":"day","time":"8:00:00 EDT -0400","utc_offset_seconds":-14400,"zone":"America/New_York"},{"date":"Thursday, October 1, 2026","light":"night","time":"21:00:00 JST +0900","utc_offset_seconds":32400,"zone":"Asia/Tokyo"}],"place":{"latitude":52.5,"longitude":13.366699},"sun":"rises-and-sets","sunrise":"Sunrise:  7:07","sunrise_local":"07:07","sunrise_utc":"2026-10-01T05:07:46Z","sunset":"Sunset: 18:44","sunset_local":"18:44","sunset_utc":"2026-10-01T16:44:36Z","time":"14:00:00 CEST +0200","utc_offset_seconds":7200,"zone":"Europe/Berlin"})");
        // A pin is drawn on the map; none leaves the map as it was.
        QCOMPARE(run("--snapshot @a.png --at 2026-10-01T12:00:00Z").status, 0);
        QCOMPARE(run("--snapshot @b.png --pin tokyo --at 2026-10-01T12:00:00Z").status, 0);
        QVERIFY(QImage(path("a.png")) != QImage(path("b.png")));
    }

    // Home as stored unless given, target as given: each end, the path between them and the
    // grey line's windows; the path and the windows need both ends.
    // The satellites' members as named, each place its footprint's.
    void satellitesJson()
    {
        const Run r = run("--readouts --json --satellites @sats.tle --home 52.52,13.40 --at "
                          "2024-01-01T12:00:00Z");
        QCOMPARE(r.err, "duskmap: skipped 1 record in \"" + path("sats.tle") +
                            "\", the first on line 5: a bad checksum\n");
        const QJsonArray satellites =
            QJsonDocument::fromJson(r.out.toUtf8()).object()["satellites"].toArray();
        QCOMPARE(satellites.size(), 1);
        const QJsonObject iss = satellites[0].toObject();
        QCOMPARE(iss.keys().join(' '), "altitude_km catalog_number element_age_days "
                                       "footprint_radius_km latitude_degrees longitude_degrees "
                                       "name next_pass sunlit");
        QCOMPARE(iss["next_pass"].toObject().keys().join(' '),
                 "culmination_utc max_elevation_degrees rise_azimuth_degrees rise_utc "
                 "set_azimuth_degrees set_utc visible");
        QCOMPARE(iss["name"].toString(), "ISS (ZARYA)");
        QCOMPARE(iss["catalog_number"].toInt(), 25544);
        QCOMPARE(iss["element_age_days"].toDouble(), 0.0);
        const double h = iss["altitude_km"].toDouble(), R = 6378.137;
        QVERIFY2(h > 400 && h < 440, qPrintable(QString::number(h)));
        QVERIFY(std::abs(iss["footprint_radius_km"].toDouble() - R * std::acos(R / (R + h))) < 0.1);
        QVERIFY(iss["latitude_degrees"].toDouble() <= 51.7);
    }

    void placesJson()
    {
        QVERIFY(QDir().mkpath(path("config/duskmap")));
        QVERIFY(write("config/duskmap/duskmap.conf",
                      "[General]\nHomePlace=\"40.6,-73.8\"\nAuroraForecastFile=" +
                          path("none.json").toUtf8() + '\n'));
        // A stored weather file that cannot be read is said and left out.
        const Run stored = run("--readouts --at 2026-12-21T12:00:00Z");
        QCOMPARE(stored.status, 0);
        QCOMPARE(stored.err, "duskmap: cannot read the aurora forecast \"" + path("none.json") +
                                 "\": no such file\n");
        const auto json = [this](const QString &arguments) {
            const Run r = run("--readouts --json --at 2026-12-21T12:00:00Z" + arguments);
            return QJsonDocument::fromJson(r.out.toUtf8()).object();
        };
        const QJsonObject home = json("");
        QCOMPARE(home["home"]["zone"].toString(), "America/New_York");
        QVERIFY(home["target"].isNull() && home["path"].isNull() && home["grey_line"].isNull());
        const QJsonObject both = json(" --target 78.2,15.6 --grey-line -12,0");
        QCOMPARE(both["home"].toObject().keys().join(' '),
                 "aurora latitude_degrees local_time locator longitude_degrees name polar "
                 "sun_altitude_degrees sun_azimuth_degrees sunrise_utc sunset_utc zone "
                 "zone_inferred");
        QCOMPARE(
            QJsonDocument(both["target"].toObject()).toJson(QJsonDocument::Compact),
            R"({"aurora":null,"latitude_degrees":78.2,"local_time":"2026-12-21T13:00:00+01:00",)"
            R"("locator":"JQ78te","longitude_degrees":15.6,"name":null,"polar":"night",)"
            R"("sun_altitude_degrees":-12.0668,"sun_azimuth_degrees":195.0659,)"
            R"("sunrise_utc":null,"sunset_utc":null,"zone":"Arctic/Longyearbyen",)"
            R"("zone_inferred":true})");
        QCOMPARE(both["path"].toObject().keys().join(' '),
                 "long_bearing_degrees long_distance_km reverse_bearing_degrees "
                 "short_bearing_degrees short_distance_km");
        QCOMPARE(both["grey_line"]["band_degrees"].toArray(), (QJsonArray{-12, 0}));
        QCOMPARE(json(" --home Paris,FR").value("home")["name"].toString(), "Paris");
        QFile::remove(path("config/duskmap/duskmap.conf"));
    }

    // An eclipse named on the command line, in the JSON, against NASA's canon: 2024-04-08
    // greatest at 18:18:29 TD, 4 min 28 s and 197.5 km wide there; 2025-09-07's umbral
    // magnitude 1.3619. Each is seen whole at the place of its greatest.
    void eclipseJson()
    {
        const auto eclipse = [this](const QString &arguments) {
            const Run r = run("--readouts --json --eclipse " + arguments);
            return QJsonDocument::fromJson(r.out.toUtf8()).object()["eclipse"].toObject();
        };
        const QJsonObject solar = eclipse("2024-04-08 --target 25.2896,-104.1484");
        QCOMPARE(solar["kind"].toString() + ' ' + solar["type"].toString(), "solar total");
        const QDateTime td = QDateTime::fromString(solar["greatest_utc"].toString(), Qt::ISODate)
                                 .addMSecs(qint64(solar["delta_t_seconds"].toDouble() * 1000));
        QVERIFY(qAbs(td.secsTo(
                    QDateTime(QDate(2024, 4, 8), QTime(18, 18, 29), QTimeZone::utc()))) <= 2);
        QVERIFY(qAbs(solar["duration_seconds"].toDouble() - 268.0) <= 1.0);
        QVERIFY(qAbs(solar["path_width_km"].toDouble() - 197.5) <= 2.0);
        QCOMPARE(solar["target"]["seen"].toString(), "total");
        QVERIFY(qAbs(solar["target"]["totality_seconds"].toDouble() - 268.0) <= 1.0);
        QVERIFY(solar["home"].isNull());
        const QJsonObject lunar = eclipse("2025-09-07 --target -6.0,86.6");
        QCOMPARE(lunar["kind"].toString() + ' ' + lunar["type"].toString(), "lunar total");
        QVERIFY(qAbs(lunar["target"]["umbral_magnitude"].toDouble() - 1.3619) <= 0.002);
        QCOMPARE(lunar["target"]["seen"].toString(), "total");
        QVERIFY(lunar["target"]["moon_altitude_degrees"].toDouble() > 80.0);
    }

    // What is read and written for machines is the same in every language shipped: the
    // zone table's places, the JSON's figures, and the stored height and grey-line band.
    void sameNumbersInEveryLocale_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *locale :
             {"de_DE", "fr_FR", "es_ES", "it_IT", "pt_BR", "ru_RU", "uk_UA", "ja_JP", "zh_CN"})
            QTest::newRow(locale) << QString(locale) + ".UTF-8";
    }
    void sameNumbersInEveryLocale()
    {
        QFETCH(QString, locale);
        // Else the program would quietly run in C.
        QVERIFY2(std::setlocale(LC_NUMERIC, qPrintable(locale)), "tools/setup.sh compiles it");
        std::setlocale(LC_NUMERIC, "C");
        QVERIFY(QDir().mkpath(path("config/duskmap")));
        QVERIFY(write("config/duskmap/duskmap.conf", "[General]\nHomePlace=\"52.52,13.405\"\n"
                                                     "HomeElevation=812.5\n"
                                                     "GreyLineBand=\"-12.5,4.5\"\n"));
        // The JSON's texts are the user's to read: its numbers are compared.
        const auto numbers = [](const QString &out) {
            QStringList found;
            const std::function<void(const QString &, const QJsonValue &)> walk =
                [&](const QString &at, const QJsonValue &value) {
                    if (value.isObject())
                        for (const QString &key : value.toObject().keys())
                            walk(at + '.' + key, value[key]);
                    else if (value.isArray())
                        for (qsizetype i = 0; i < value.toArray().size(); ++i)
                            walk(at + '.' + QString::number(i), value[i]);
                    else if (value.isDouble())
                        found << at + '=' + QString::number(value.toDouble(), 'g', 17);
                };
            walk({}, QJsonDocument::fromJson(out.toUtf8()).object());
            return found;
        };
        for (const QString arguments :
             {"--list-zones", "--list-zones kolkata", "--list-eclipses 2026,2027",
              "--readouts --json --eclipse 2026-08-12 --target 43.26,-2.93",
              "--readouts --json --zone Europe/Berlin --pin Asia/Kolkata --target 35.6895,139.6917 "
              "--at 2026-12-07T12:00:00Z"}) {
            const Run c = run(arguments, "UTC", {"LC_ALL=C.UTF-8"});
            const Run local = run(arguments, "UTC", {"LC_ALL=" + locale, "LANG=" + locale});
            QCOMPARE(local.status, 0);
            if (arguments.contains("--json"))
                QCOMPARE(numbers(local.out), numbers(c.out));
            else
                QCOMPARE(local.out, c.out);
        }
        QFile::remove(path("config/duskmap/duskmap.conf"));
    }

    // Each frame holds the bytes of the single snapshot of its instant; the
    // last instant is a frame when it falls on a step. Off a terminal, quiet.
    void framesAreSnapshots()
    {
        const QString layers = " --zone Asia/Tokyo --grid --locations --size 1440x720";
        const QString options = layers + " --step 20m --from 2026-06-21T18:00:00Z --to 2026-06-21T";
        Run r = run("--snapshot @f-%03d.png" + options + "19:00:00Z");
        QVERIFY2(r.status == 0 && r.err.isEmpty() && r.out.isEmpty(), qPrintable(r.err));
        QCOMPARE(files({}, "*-*.png").join(' '), "f-000.png f-001.png f-002.png f-003.png");
        r = run("--snapshot @single.png --at 2026-06-21T18:40:00Z" + layers);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(readFile(path("f-002.png")), readFile(path("single.png")));
        QVERIFY(readFile(path("f-001.png")) != readFile(path("single.png")));
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

    // A single .webp is a still: the map of the PNG snapshot, lossy.
    void stillWebp()
    {
        const QString map = " --zone Asia/Tokyo --grid --at 2026-06-21T18:40:00Z";
        for (const char *output : {"still.webp", "still.png"}) {
            const Run r = run(QStringLiteral("--snapshot @") + output + map);
            QVERIFY2(r.status == 0 && r.err.isEmpty(), qPrintable(r.err));
        }
        QProcess webpmux, dwebp;
        webpmux.start("webpmux", {"-info", path("still.webp")});
        QCOMPARE(finish(webpmux).out.simplified(), "Canvas size: 720 x 360 No features present.");
        dwebp.start("dwebp", {path("still.webp"), "-o", path("decoded.png")});
        QCOMPARE(finish(dwebp).status, 0);
        const QImage decoded = QImage(path("decoded.png")).convertToFormat(QImage::Format_RGB32);
        const QImage png(path("still.png"));
        QCOMPARE(decoded.size(), png.size());
        qint64 difference = 0;
        for (int y = 0; y < png.height(); ++y) {
            for (int x = 0; x < png.width(); ++x) {
                const QRgb a = decoded.pixel(x, y), b = png.pixel(x, y);
                difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                              std::abs(qBlue(a) - qBlue(b));
            }
        }
        QVERIFY2(difference < 12 * qint64(png.width()) * png.height(),
                 qPrintable(QString::number(double(difference) / png.width() / png.height())));
    }

    // SIGTERM stops a run between frames: the frames written stay whole, and an
    // animation is not written, an older file of its name left as it was.
    void stopped()
    {
        QVERIFY(QDir(m_dir.path()).mkdir("stop"));
        QVERIFY(write("stop.webp", "old"));
        for (const QString output : {"@stop/%05d.png", "@stop.webp"}) {
            QProcess process;
            start(process, "--snapshot " + output +
                               " --from 2026-01-01T00:00:00Z --to 2026-03-01T00:00:00Z --step 1m");
            // Generous: under the sanitizers on a busy machine, starting alone
            // has taken over 30 s.
            QTRY_VERIFY_WITH_TIMEOUT(catchesTerm(process), 120000);
            QTRY_VERIFY_WITH_TIMEOUT(output.endsWith(".webp") || !files("stop").isEmpty(), 120000);
            QTest::qWait(300);
            process.terminate();
            const Run r = finish(process);
            QCOMPARE(r.status, 1);
            const QStringList written = files("stop");
            if (output.endsWith(".webp")) {
                QCOMPARE(r.err, "duskmap: stopped; the animation was not written\n");
                QCOMPARE(readFile(path("stop.webp")), QByteArray("old"));
                QCOMPARE(files({}, "stop*"), QStringList({"stop", "stop.webp"}));
                continue;
            }
            QCOMPARE(r.err, QStringLiteral("duskmap: stopped; %1 of 84961 frames written\n")
                                .arg(written.size()));
            for (int i = 0; i < written.size(); ++i) {
                QCOMPARE(written.at(i), QStringLiteral("%1.png").arg(i, 5, 10, QLatin1Char('0')));
                QVERIFY(readFile(path("stop/" + written.at(i))).endsWith("IEND\xae\x42\x60\x82"));
            }
        }
    }

    // Each writer on a full disk (a file size limit) and in a read-only folder, and
    // damaged images of the user's: the status and the error, the test's folder as "@".
    // The older file of each name stays as it was, and nothing is left beside it.
    void faults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("expected");
        const QString lapse = " --from 2026-01-01T00:00:00Z --to 2026-01-01T09:00:00Z --step 1h";
        for (const QString fault : {"full", "read-only"}) {
            const bool readOnly = fault == "read-only";
            const QString reason = readOnly ? "Permission denied" : "File too large";
            for (const QString file : {"old.png", "old%d.png", "old.webp"})
                QTest::addRow("%s %s", qPrintable(fault), qPrintable(file))
                    << fault << "--snapshot @w/" + file + (file == "old.png" ? "" : lapse)
                    << (readOnly ? "2 duskmap: cannot write in the folder \"@w\": "
                                 : "1 duskmap: cannot write \"@w/" +
                                       QString(file).replace("%d", "0") + "\": ") +
                           reason;
            QTest::addRow("%s wallpaper", qPrintable(fault))
                << fault << "--wallpaper --every 1m --size 640x320"
                << "0 duskmap: cannot write \"@w/duskmap/wallpaper-b.png\": " + reason +
                       "; keeping the background, trying again at the next refresh\n";
        }
        for (const QString image : {"cut.png", "bad.png", "cut.jpg", "bad.jpg"})
            QTest::addRow("damaged %s", qPrintable(image))
                << "damaged"
                << "--snapshot @w/old.png --day-image @" + image
                << "2 duskmap: cannot read the day image \"@" + image + "\": " +
                       (image.endsWith("png") ? "Unable to read image data\n"
                                              : "damaged data (Corrupt JPEG data: ");
    }
    void faults()
    {
        QFETCH(QString, fault);
        QFETCH(QString, arguments);
        QFETCH(QString, expected);
        const QString w = path("w");
        QVERIFY(QDir(w).removeRecursively() && QDir().mkpath(w + "/duskmap"));
        for (const char *old : {"old.png", "old0.png", "old.webp", "duskmap/wallpaper-a.png"})
            QVERIFY(write(QString("w/") + old, "old"));
        for (const QString format : {"png", "jpg"}) { // cut in half, or 64 bytes zeroed
            QByteArray bytes =
                readFile(plainImage("cut." + format, qRgb(40, 90, 200), {2048, 1024}));
            QVERIFY(write("cut." + format, bytes.left(bytes.size() / 2)));
            QVERIFY(write("bad." + format, bytes.replace(bytes.size() / 2, 64, QByteArray(64, 0))));
        }
        const auto allow = [&](QFile::Permissions extra) {
            for (const QString &folder : {w, w + "/duskmap"})
                QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | extra);
        };
        allow(fault == "read-only" ? QFile::Permissions() : QFile::WriteOwner);
        qputenv("XDG_CACHE_HOME", w.toUtf8());
        QProcess process;
        process.setChildProcessModifier(fault == "full"        ? limitFileSizes
                                        : fault == "read-only" ? dropPermissionOverride
                                                               : +[] {});
        // Numbers as a decimal-comma locale writes them, the messages in English.
        start(process, arguments, "UTC", {"LC_ALL=", "LC_NUMERIC=de_DE.UTF-8"});
        QString err;
        if (arguments.startsWith("--wallpaper")) {
            QTRY_VERIFY_WITH_TIMEOUT((err += process.readAllStandardError()).contains('\n') ||
                                         process.state() == QProcess::NotRunning,
                                     30000);
            process.terminate();
        }
        Run r = finish(process);
        r.err.prepend(err);
        QStringList left;
        for (QDirIterator it(w, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString file = it.next();
            left << QDir(w).relativeFilePath(file) + (readFile(file) == "old" ? "" : " changed");
        }
        allow(QFile::WriteOwner);
        const QString seen =
            QString::number(r.status) + ' ' + r.err.replace(m_dir.path() + '/', "@");
        QCOMPARE(seen.left(expected.size()), expected);
        QCOMPARE(r.err.count('\n'), 1);
        left.sort();
        QCOMPARE(left.join(' '), "duskmap/wallpaper-a.png old.png old.webp old0.png");
    }

    // The first refresh of the wallpaper (A, wallpaper-a.png, there already) or of a snapshot: the
    // calls to the portal and gsettings, the exit status, the files left.
    void refresh_data()
    {
        QTest::addColumn<int>("response"); // the portal's answer; -1: no portal
        QTest::addColumn<int>("gsettings");
        QTest::addColumn<QString>("expected");
        const QString gnome = "set picture-uri B|set picture-uri-dark B|get picture-uri|";
        QTest::newRow("portal") << 0 << 1 << " B false background|0 B portal";
        QTest::newRow("refused") << 2 << 0 << " B false background|" + gnome + "0 B GNOME";
        // B not shown: removed.
        QTest::newRow("neither") << -1 << 1 << "set picture-uri B|1 A advice";
        QTest::newRow("forgets") << -1 << 2 << gnome + "1 A advice";
        QTest::newRow("snapshot") << -1 << 1 << "0 B wrote";
    }
    void refresh()
    {
        QFETCH(int, response);
        QFETCH(int, gsettings);
        QFETCH(QString, expected);
        const QString tag = QTest::currentDataTag(), images = path(tag + "/duskmap/");
        const bool wallpaper = tag != "snapshot";
        QVERIFY(QDir().mkpath(images) && write("bin/gsettings.log", {}) &&
                (!wallpaper || write(tag + "/duskmap/wallpaper-a.png", {})));
        qputenv("XDG_CACHE_HOME", path(tag).toUtf8());
        qputenv("GSETTINGS_MODE", QByteArray::number(gsettings));
        m_portalCalls.clear();
        m_portalResponse = uint(response);
        QDBusConnection bus("portal");
        QVERIFY(response < 0 || bus.registerService("org.freedesktop.portal.Desktop"));
        QProcess process;
        start(process, (wallpaper ? "--wallpaper" : "--snapshot " + images + "wallpaper-b.png") +
                           " --every 1m --size 640x320");
        // A refresh is done when its image is there, and the older one gone.
        QTRY_VERIFY_WITH_TIMEOUT(process.state() == QProcess::NotRunning ||
                                     (QFile::exists(images + "wallpaper-b.png") &&
                                      !QFile::exists(images + "wallpaper-a.png")),
                                 30000);
        process.terminate();
        const Run r = finish(process);
        bus.unregisterService("org.freedesktop.portal.Desktop");
        // One line: what was done and how, or what failed and what to do instead.
        QVERIFY2(r.err.count('\n') == 1, qPrintable(r.err));
        const char *said = r.err.contains("set through the desktop portal")   ? " portal"
                           : r.err.contains("set through GNOME's background") ? " GNOME"
                           : r.err.contains("wrote \"")                       ? " wrote"
                           : r.err.contains("instead, run duskmap --snapshot FILE --every 10m")
                               ? " advice"
                               : " ?";
        QString seen = m_portalCalls + readFile(path("bin/gsettings.log")).replace('\n', '|') +
                       QString::number(r.status) + ' ' + files(tag + "/duskmap").join(' ') + said;
        QCOMPARE(seen.replace("file://" + images, "")
                     .replace("org.gnome.desktop.background ", "")
                     .replace("wallpaper-a.png", "A")
                     .replace("wallpaper-b.png", "B"),
                 expected);
        // A complete PNG that shows the map: bright land by day, dark land by night.
        if (r.status != 0)
            return;
        const QImage grey =
            QImage(images + "wallpaper-b.png").convertToFormat(QImage::Format_Grayscale8);
        QCOMPARE(grey.size(), QSize(640, 320));
        qsizetype bright = 0, dark = 0;
        for (qsizetype i = 0; i < grey.sizeInBytes(); ++i)
            bright += grey.constBits()[i] > 160, dark += grey.constBits()[i] < 30;
        QVERIFY2(bright > 2000 && dark > 2000, qPrintable(QString("%1, %2").arg(bright).arg(dark)));
    }
};

QTEST_GUILESS_MAIN(TestSnapshot)
#include "tst_snapshot.moc"
