#include "app/HeadlessModes.h"
#include "platform/Translations.h"

#include "app/DesktopWallpaper.h"
#include "app/TimeLapse.h"
#include "eclipses/Eclipses.h"

#include "model/MapModel.h"
#include "model/PreferencesBinding.h"
#include "model/ReadoutsJson.h"
#include "model/ShownTexts.h"
#include "platform/Clock.h"
#include "platform/ElementFile.h"
#include "platform/Resources.h"
#include "platform/StopSignals.h"
#include "platform/WeatherFiles.h"
#include "render/FrameRenderer.h"
#include "render/ImageWriter.h"

#include "zones/ZoneSearch.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {
// Monotonic timers stand still while the machine sleeps; a refresh that fell
// due meanwhile comes at most this long after it wakes up.
constexpr qint64 kLongestSleepMs = 60000;
// The wallpaper's size where there is no screen to ask.
constexpr QSize kScreenlessWallpaperSize{1920, 1080};

MapGeometry geometryFor(const CommandLineOptions &options)
{
    const QSize size = options.mapSize();
    return geometryFromSize(float(size.width()), float(size.height()));
}

/// Reads the satellites' elements that the options, else the preferences,
/// name into the model, saying on err what was skipped. False, with one line
/// on err, when the file the command line names cannot be read; a stored
/// one that cannot is said and left out, as the window does.
bool loadSatellites(const CommandLineOptions &options, MapModel &model, QTextStream &err)
{
    const bool given = !options.satellitesPath.isEmpty();
    const QString path = given ? options.satellitesPath : model.satellites().elementsFile();
    if (path.isEmpty())
        return true;
    orbits::ElementFile file = readElementFile(path);
    if (const QString message = elementFileMessage(file, printableArgument(path), false);
        !message.isEmpty())
        err << "duskmap: " << message << "\n";
    if (file.fileProblem != orbits::ElementProblem::None)
        return !given;
    model.satellites().setElements(
        std::make_shared<const std::vector<orbits::ElementSet>>(std::move(file.sets)));
    return true;
}

/// The model as the window would start it, at the instant and in the zone the
/// options ask for; nothing on bad input, with one line on err.
std::unique_ptr<MapModel> modelFor(const CommandLineOptions &options, Preferences &preferences,
                                   const Resources &resources, const Clock &clock, QTextStream &err)
{
    auto model = std::make_unique<MapModel>(TimeZoneTable::load(resources), clock);
    model->setShownInstant(options.at.value_or(clock.now()));
    PreferencesBinding::restore(*model, preferences, false);
    if (!loadSatellites(options, *model, err))
        return nullptr;
    if (options.noPins)
        model->setPinnedZones({});
    // Home and target as given, else as stored.
    for (const PlaceEndInfo &end : kPlaceEnds) {
        const auto &typed = options.places[std::size_t(end.end)];
        if (!typed)
            continue;
        places::PlaceResult found = placeNamedBy(typed->parsed);
        if (!found.ok) {
            err << "duskmap: " << end.option << ": "
                << printableArgument(
                       placeProblemText(found.problem, typed->text, TextLanguage::English))
                << "\n";
            return nullptr;
        }
        model->setPlace(end.end, ChosenPlace{typed->text, std::move(found.place)});
    }
    if (options.homeElevation)
        model->setHomeElevation(*options.homeElevation);
    if (options.greyLineBand)
        model->setGreyLineBand(*options.greyLineBand);
    // The weather files as given, else as stored: one given that cannot be
    // read ends the run; a stored one is said and left out, as the window does.
    const QString cloudsPath = options.cloudsPath.isEmpty()
                                   ? model->weatherFile(WeatherSource::Clouds)
                                   : options.cloudsPath;
    if (!cloudsPath.isEmpty()) {
        const CloudMapReading clouds = readCloudMap(cloudsPath);
        if (!clouds.map) {
            err << "duskmap: cannot read the cloud map \"" << cloudsPath << "\": " << clouds.error
                << "\n";
            if (!options.cloudsPath.isEmpty())
                return nullptr;
        }
        model->setClouds(clouds.map);
    }
    const QString auroraPath = options.auroraPath.isEmpty()
                                   ? model->weatherFile(WeatherSource::Aurora)
                                   : options.auroraPath;
    if (!auroraPath.isEmpty()) {
        const AuroraReading aurora = readAuroraForecast(auroraPath);
        if (!aurora.forecast) {
            err << "duskmap: cannot read the aurora forecast \"" << auroraPath
                << "\": " << aurora.error << "\n";
            if (!options.auroraPath.isEmpty())
                return nullptr;
        }
        model->setAurora(aurora.forecast);
    }
    if (options.zone.isEmpty() && options.pins.isEmpty())
        return model;
    // The zones offered are those of the window's zone box, found as it finds
    // them.
    const QStringList offered = model->offeredZones();
    const ZoneCountries countries = loadZoneCountries();
    const LocalZoneNames local = localZoneNames(offered, QLocale(), catalogueLanguages());
    const auto zoneFor = [&](const QString &query, const char *option) {
        QStringList candidates;
        const QString zone = zoneNamedBy(query, offered, countries, &candidates, local);
        if (zone.isEmpty() && candidates.isEmpty()) {
            err << "duskmap: " << option << " \"" << printableArgument(query)
                << "\" finds no time zone (duskmap --list-zones lists the zones)\n";
        } else if (zone.isEmpty()) {
            err << "duskmap: " << option << " \"" << printableArgument(query) << "\" finds "
                << candidates.size()
                << " zones: " << candidates.mid(0, 5).join(QStringLiteral(", "))
                << (candidates.size() > 5 ? ", ..." : "") << "; name one\n";
        }
        return zone;
    };
    if (!options.zone.isEmpty()) {
        const QString zone = zoneFor(options.zone, "--zone");
        if (zone.isEmpty())
            return nullptr;
        model->selectZone(zone);
    }
    if (!options.pins.isEmpty()) {
        QStringList pins;
        for (const QString &query : options.pins) {
            const QString zone = zoneFor(query, "--pin");
            if (zone.isEmpty())
                return nullptr;
            pins.append(zone);
        }
        model->setPinnedZones(pins);
    }
    return model;
}

/// Keeps what Qt's image decoders say while it lives from the user: libjpeg's
/// warnings come as Qt messages, and libpng prints its errors straight to
/// stderr. Some of libjpeg's warnings mean that it read past damaged data;
/// others (an unknown JFIF revision, a thumbnail's size) are harmless.
class DecoderMessages
{
public:
    DecoderMessages()
    {
        s_active = this;
        m_previous = qInstallMessageHandler(&DecoderMessages::handle);
        std::fflush(stderr);
        m_stderr = ::dup(STDERR_FILENO);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (m_stderr >= 0 && null >= 0)
            ::dup2(null, STDERR_FILENO);
        if (null >= 0)
            ::close(null);
    }
    ~DecoderMessages()
    {
        if (m_stderr >= 0) {
            ::dup2(m_stderr, STDERR_FILENO);
            ::close(m_stderr);
        }
        qInstallMessageHandler(m_previous);
        s_active = nullptr;
    }
    Q_DISABLE_COPY_MOVE(DecoderMessages)

    /// The first warning of damage from the JPEG decoder, if any.
    QString jpegDamage() const { return m_jpegDamage; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (s_active && type == QtWarningMsg && s_active->m_jpegDamage.isEmpty() &&
            QLatin1String(context.category ? context.category : "")
                .startsWith(QLatin1String("qt.gui.imageio.jpeg")) &&
            (message.startsWith(QLatin1String("Corrupt JPEG data")) ||
             message.startsWith(QLatin1String("Premature end of JPEG file"))))
            s_active->m_jpegDamage = message;
    }

    static inline DecoderMessages *s_active = nullptr;
    QtMessageHandler m_previous;
    int m_stderr = -1;
    QString m_jpegDamage;
};

/// Reads the user's own day or night image. Images up to Qt's usual limit
/// read as they are; larger ones, such as NASA's 21600x10800 Blue Marble, are
/// decoded straight to the map's size, so that the whole image is held only
/// while it is read. A damaged image is refused rather than drawn in part.
bool readUserImage(const QString &path, const char *what, QSize mapSize, QImage &image,
                   QTextStream &err)
{
    constexpr qint64 kPlainBytes = qint64(256) << 20;
    constexpr int kLargestBytesMB = 1024; // the 21600x10800 image, decoded
    QImageReader::setAllocationLimit(kLargestBytesMB);
    QImageReader reader(path);
    QString damage;
    {
        err.flush();
        const DecoderMessages decoder;
        const QSize size = reader.size();
        if (size.isValid() && qint64(size.width()) * size.height() * 4 > kPlainBytes)
            reader.setScaledSize({mapSize.width(), std::max(1, (mapSize.width() + 1) / 2)});
        image = reader.read();
        damage = decoder.jpegDamage();
    }
    if (image.isNull() || !damage.isEmpty()) {
        err << "duskmap: cannot read the " << what << " image \"" << path << "\": "
            << (image.isNull() ? reader.errorString()
                               : QStringLiteral("damaged data (%1)").arg(damage))
            << "\n";
        image = {};
        return false;
    }
    return true;
}

/// The model of a map to draw, with the layers and the images the options
/// ask for; nothing on bad input, with one line on err.
std::unique_ptr<MapModel> mapFor(const CommandLineOptions &options, Preferences &preferences,
                                 const Resources &resources, const Clock &clock, QSize mapSize,
                                 CustomImages &images, QTextStream &err)
{
    std::unique_ptr<MapModel> model = modelFor(options, preferences, resources, clock, err);
    if (!model)
        return nullptr;
    if (!options.dayImagePath.isEmpty() &&
        !readUserImage(options.dayImagePath, "day", mapSize, images.day, err))
        return nullptr;
    if (!options.nightImagePath.isEmpty() &&
        !readUserImage(options.nightImagePath, "night", mapSize, images.night, err))
        return nullptr;
    for (const MapLayerInfo &layer : kMapLayers) {
        if (const std::optional<bool> shown = options.layers[std::size_t(layer.layer)])
            model->setLayerShown(layer.layer, *shown);
    }
    // The view and its centre as the window last left them, unless given;
    // a wallpaper covers the screen, a snapshot shows the whole view.
    if (options.view)
        model->setView(*options.view);
    if (options.centre)
        model->setChosenCentre(*options.centre);
    model->setFit(options.fit.value_or(
        options.mode == CommandLineOptions::Mode::Wallpaper ? MapFit::Cover : MapFit::Contain));
    return model;
}

/// Sleeps until the next whole multiple of `seconds` on the clock; false when
/// a stop is requested first.
bool waitForRefresh(qint64 seconds, const Clock &clock)
{
    const qint64 periodMs = seconds * 1000;
    qint64 due = 0;
    for (;;) {
        const qint64 now = clock.now().toMSecsSinceEpoch();
        if (due - now > periodMs || due == 0) // the first time, or the clock was set back
            due = (now / periodMs + 1) * periodMs;
        if (now >= due)
            return !StopSignals::requested();
        if (StopSignals::waitFor(int(std::min(due - now, kLongestSleepMs))))
            return false;
    }
}

/// Calls refresh now, then at each whole multiple of `seconds` on the clock
/// (every 10 minutes: at :00, :10 and so on), until SIGINT or SIGTERM. A first
/// refresh that fails ends it with its one line on err and false; a later
/// failure is logged in one line and tried again at the next refresh. Each
/// refresh that works says what it did in one line, which the journal keeps
/// under systemd; on a terminal the first also says how often and how to stop.
bool refreshUntilStopped(qint64 seconds, const Clock &clock, QTextStream &err,
                         const std::function<QString()> &refresh,
                         const std::function<QString()> &done)
{
    StopSignals::install();
    if (const QString failure = refresh(); !failure.isEmpty()) {
        err << "duskmap: " << failure << "\n";
        return false;
    }
    const auto report = [&err](const QString &line) {
        if (!line.isEmpty())
            err << "duskmap: " << line << "\n";
        err.flush();
    };
    report(done());
    if (isatty(STDERR_FILENO)) {
        const QString every = seconds % 3600 == 0 ? QStringLiteral("%1 h").arg(seconds / 3600)
                                                  : QStringLiteral("%1 min").arg(seconds / 60);
        report(QStringLiteral("again every %1 until stopped with Ctrl+C").arg(every));
    }
    while (waitForRefresh(seconds, clock)) {
        const QString failure = refresh();
        report(failure.isEmpty() ? done() : failure + "; trying again at the next refresh");
    }
    return true;
}

/// "the map of 2026-12-07 14:20 UTC": what a refresh shows.
QString mapOfNow(const Clock &clock)
{
    return QStringLiteral("the map of %1 UTC")
        .arg(clock.now().toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

/// The primary screen's size in device pixels, within the sizes a map takes.
QSize screenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    // Qt's offscreen platform stands in when there is no display at all.
    if (!screen || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return kScreenlessWallpaperSize;
    const QSize pixels = (QSizeF(screen->size()) * screen->devicePixelRatio()).toSize();
    return pixels.expandedTo(kSmallestMapSize).boundedTo(kLargestMapSize);
}
} // namespace

int runSnapshot(const CommandLineOptions &options, Preferences &preferences,
                const Resources &resources, const Clock &clock, QTextStream &err)
{
    const QString path = options.outputPath;
    if (const QString problem = outputFolderProblem(
            options.timeLapse && !options.timeLapse->animation ? frameFileName(path, 0) : path);
        !problem.isEmpty()) {
        err << "duskmap: " << problem << "\n";
        return kExitBadInput;
    }
    // Long runs heed a stop from the start: reading a large image of the
    // user's can take a while.
    if (options.everySeconds || options.timeLapse)
        StopSignals::install();
    CustomImages images;
    const std::unique_ptr<MapModel> model =
        mapFor(options, preferences, resources, clock, options.mapSize(), images, err);
    if (!model)
        return kExitBadInput;
    if (options.timeLapse)
        return runTimeLapse(options, *model, resources, images, err);

    FrameRenderer renderer(resources);
    renderer.images().setCustomDayImage(images.day);
    renderer.images().setCustomNightImage(images.night);
    const QSize size = options.mapSize();
    const auto write = [&]() -> QString {
        const QImage &frame = renderer.render(*model, size, 1.0);
        if (frame.isNull()) {
            return QStringLiteral("not enough memory to draw a %1x%2 map")
                .arg(size.width())
                .arg(size.height());
        }
        // Encoding needs only the frame: at the largest sizes the prepared
        // images take as much memory as the encoder. A single snapshot needs
        // the user's own images no longer either.
        renderer.images().release();
        if (!options.everySeconds) {
            renderer.images().setCustomDayImage({});
            renderer.images().setCustomNightImage({});
            images = {};
        }
        const QString reason = writeImageFile(frame, path, *options.format);
        // Minutes pass before a next refresh: hold no map meanwhile.
        renderer.releaseMemory();
        return reason.isEmpty() ? reason
                                : QStringLiteral("cannot write \"%1\": %2").arg(path, reason);
    };
    if (options.everySeconds) {
        model->showNow();
        const auto done = [&] {
            return QStringLiteral("wrote \"%1\", %2").arg(path, mapOfNow(clock));
        };
        return refreshUntilStopped(*options.everySeconds, clock, err, write, done) ? kExitSuccess
                                                                                   : kExitFailed;
    }
    if (const QString failure = write(); !failure.isEmpty()) {
        err << "duskmap: " << failure << "\n";
        return kExitFailed;
    }
    return 0;
}

int runWallpaper(const CommandLineOptions &options, Preferences &preferences,
                 const Resources &resources, const Clock &clock, QTextStream &err)
{
    // From the start: reading a large image of the user's can take a while.
    StopSignals::install();
    const QSize size = options.size.isValid() ? options.size : screenSize();
    CustomImages images;
    const std::unique_ptr<MapModel> model =
        mapFor(options, preferences, resources, clock, size, images, err);
    if (!model)
        return kExitBadInput;
    model->showNow();
    FrameRenderer renderer(resources);
    renderer.images().setCustomDayImage(images.day);
    renderer.images().setCustomNightImage(images.night);
    DesktopWallpaper wallpaper;
    // Two names in turn: desktops that keep the image by its file name load it
    // again only under a new one. The one shown at start is not reused first.
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/duskmap";
    const QString names[] = {folder + "/wallpaper-a.png", folder + "/wallpaper-b.png"};
    int next = QFileInfo::exists(names[0]) ? 1 : 0;
    // A full or read-only cache keeps the background shown, from the first
    // refresh on: the disk may have room again by the next.
    bool kept = false;
    const auto keepBackground = [&](const QString &failure) {
        kept = true;
        err << "duskmap: " << failure << "; keeping the background, trying again at the next "
            << "refresh\n";
        err.flush();
        return QString();
    };
    const auto refresh = [&]() -> QString {
        kept = false;
        if (!QDir().mkpath(folder))
            return keepBackground(QStringLiteral("cannot make the folder \"%1\": %2")
                                      .arg(folder, qt_error_string(errno)));
        const QString reason =
            writeImageFile(renderer.render(*model, size, 1.0), names[next], ImageFileFormat::Png);
        // Minutes pass before the next refresh: hold no map meanwhile.
        renderer.releaseMemory();
        if (!reason.isEmpty())
            return keepBackground(
                QStringLiteral("cannot write \"%1\": %2").arg(names[next], reason));
        if (const QString failure = wallpaper.show(names[next]); !failure.isEmpty()) {
            // Only the file on show stays, so that a restart picks the other name.
            QFile::remove(names[next]);
            return failure;
        }
        QFile::remove(names[1 - next]);
        next = 1 - next;
        return {};
    };
    const auto done = [&] {
        if (kept) // said already
            return QString();
        return QStringLiteral("the desktop background shows %1, set through %2")
            .arg(mapOfNow(clock), wallpaper.shownThrough());
    };
    return refreshUntilStopped(*options.everySeconds, clock, err, refresh, done) ? kExitSuccess
                                                                                 : kExitFailed;
}

int runReadouts(const CommandLineOptions &options, Preferences &preferences,
                const Resources &resources, const Clock &clock, QTextStream &out, QTextStream &err)
{
    const std::unique_ptr<MapModel> model = modelFor(options, preferences, resources, clock, err);
    if (!model)
        return kExitBadInput;
    if (options.json) {
        // One line, as status bars read their scripts' output.
        out << QJsonDocument(readoutsJson(*model, geometryFor(options)))
                   .toJson(QJsonDocument::Compact)
            << "\n";
        return 0;
    }
    const ClockTexts time = clockTexts(*model);
    const PlaceTexts place = placeTexts(*model, geometryFor(options));
    out << time.time << "\n"
        << time.date << "\n"
        << place.sunrise << "\n"
        << place.sunset << "\n"
        << place.latitude << "\n"
        << place.longitude << "\n";
    // Then the row of home and target, as far as they are set.
    const HomeTargetTexts row = homeTargetTexts(*model);
    for (const QString &line : {row.home, row.target, row.path}) {
        if (!line.isEmpty())
            out << line << "\n";
    }
    return 0;
}

int runListZones(const CommandLineOptions &options, const Resources &resources, QTextStream &out,
                 QTextStream &err)
{
    const TimeZoneTable table = TimeZoneTable::load(resources);
    if (options.zoneQuery.isEmpty()) {
        out << zoneListing(table);
        return kExitSuccess;
    }
    // Local names in the user's language match too; the listing keeps the ids.
    const QStringList zones = table.validSortedNames();
    const QStringList found = findZones(options.zoneQuery, zones, loadZoneCountries(),
                                        localZoneNames(zones, QLocale(), catalogueLanguages()));
    // As grep does: nothing found is a failure a script can test for.
    if (found.isEmpty()) {
        err << "duskmap: no zone matches \"" << printableArgument(options.zoneQuery) << "\"\n";
        return kExitFailed;
    }
    out << zoneListing(table, found);
    return kExitSuccess;
}

int runListEclipses(const CommandLineOptions &options, const Clock &clock, QTextStream &out)
{
    constexpr std::ptrdiff_t kNextCount = 10;
    std::vector<eclipses::Eclipse> list;
    if (options.eclipseYears) {
        list = eclipses::eclipsesBetween(options.eclipseYears->first, options.eclipseYears->second);
    } else {
        const std::vector<eclipses::Eclipse> &all = eclipses::allEclipses();
        const double now = clock.now().toMSecsSinceEpoch() / 1000.0;
        const auto next =
            std::upper_bound(all.begin(), all.end(), now,
                             [](double t, const eclipses::Eclipse &e) { return t < e.greatest; });
        list.assign(next, next + std::min(kNextCount, std::distance(next, all.end())));
    }
    if (options.json) {
        QJsonArray array;
        for (const eclipses::Eclipse &e : list)
            array.append(eclipseJson(e));
        out << QJsonDocument(array).toJson(QJsonDocument::Compact) << "\n";
        return kExitSuccess;
    }
    // The JSON's own fields, for one format of numbers in both.
    for (const eclipses::Eclipse &e : list) {
        const QJsonObject json = eclipseJson(e);
        QStringList fields;
        for (const char *key :
             {"greatest_utc", "kind", "type", "greatest_latitude_degrees",
              "greatest_longitude_degrees", "magnitude", "duration_seconds", "path_width_km"}) {
            const QJsonValue value = json.value(QLatin1String(key));
            fields << (value.isString() ? value.toString()
                                        : QString::number(value.toDouble(), 'g', 10));
        }
        out << fields.join(QLatin1Char('\t')) << "\n";
    }
    return kExitSuccess;
}

int runPasses(const CommandLineOptions &options, Preferences &preferences,
              const Resources &resources, const Clock &clock, QTextStream &out, QTextStream &err)
{
    const std::unique_ptr<MapModel> model = modelFor(options, preferences, resources, clock, err);
    if (!model)
        return kExitBadInput;
    const std::optional<ChosenPlace> &home = model->place(PlaceEnd::Home);
    if (!home) {
        err << "duskmap: --passes needs a home place: give --home or set one in the window\n";
        return kExitBadInput;
    }
    const Satellites &satellites = model->satellites();
    if (satellites.elements().empty() && options.satellitesPath.isEmpty() &&
        satellites.elementsFile().isEmpty()) {
        err << "duskmap: --passes needs the satellites' elements: give --satellites FILE or "
               "choose a file in the window's preferences\n";
        return kExitBadInput;
    }
    if (satellites.shown().empty()) {
        err << "duskmap: none of the chosen satellites is in the element file\n";
        return kExitFailed;
    }
    // Times as home's clock shows them; the zone of the window where home's
    // own is not known.
    const QTimeZone homeZone(QByteArray::fromStdString(home->place.zone));
    const QTimeZone zone = homeZone.isValid() ? homeZone : model->timeZone();
    const double now = double(model->shownInstant().toMSecsSinceEpoch()) / 1000.0;
    const auto local = [&zone](double seconds) {
        return QDateTime::fromSecsSinceEpoch(std::llround(seconds), zone)
            .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    };
    const auto degrees = [](double value) { return QString::number(value, 'f', 1); };
    out << "Passes over " << shownName(*home) << " above "
        << QString::number(satellites.elevationMask()) << " degrees in the next 3 days, times in "
        << QString::fromUtf8(zone.id()) << "\n";
    for (const ShownSatellite &satellite : satellites.shown()) {
        const double age = (now - satellite.elements.epochUnixSeconds) / 86400.0;
        out << "\n"
            << satellite.name() << " (" << satellite.elements.catalogNumber << "), elements "
            << QString::number(age, 'f', 1) << " days old"
            << (std::abs(age) > kStaleElementDays ? ", stale" : "") << "\n";
        const std::vector<orbits::Pass> passes = passesOver(
            satellite, home->place.point, model->homeElevation(), satellites.elevationMask(), now);
        if (passes.empty()) {
            out << "no pass\n";
            continue;
        }
        out << "rise\tazimuth\tculmination\televation\tset\tazimuth\tvisible\n";
        for (const orbits::Pass &pass : passes)
            out << local(pass.riseUnixSeconds) << "\t" << degrees(pass.riseAzimuthDeg) << "\t"
                << local(pass.culminationUnixSeconds) << "\t" << degrees(pass.maxElevationDeg)
                << "\t" << local(pass.setUnixSeconds) << "\t" << degrees(pass.setAzimuthDeg) << "\t"
                << (pass.visible ? "yes" : "no") << "\n";
    }
    return kExitSuccess;
}
