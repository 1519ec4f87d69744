#include "app/CommandLine.h"

#include "app/FramePattern.h"
#include "eclipses/Eclipses.h"
#include "model/MapModel.h"
#include "model/ShownRange.h"
#include "places/PlaceText.h"
#include "render/WebpAnimation.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {
using Mode = CommandLineOptions::Mode;

constexpr int modeBit(Mode mode)
{
    return 1 << int(mode);
}
constexpr int kSnapshot = modeBit(Mode::Snapshot);
constexpr int kReadouts = modeBit(Mode::Readouts);
constexpr int kWallpaper = modeBit(Mode::Wallpaper);
constexpr int kListEclipses = modeBit(Mode::ListEclipses);
constexpr int kPasses = modeBit(Mode::Passes);
constexpr int kAnyMode = ~0;

constexpr qint64 kMaxFrames = 100000;
// Far more than any span of the dates Duskmap computes, yet no overflow in
// milliseconds.
constexpr qint64 kLongestDurationSeconds = qint64(1000) * 366 * 86400;
// A desktop or a status page gains nothing from refreshing more often than the
// readouts' minutes change.
constexpr qint64 kShortestRefreshSeconds = 60;
constexpr qint64 kDefaultWallpaperRefreshSeconds = 600;
constexpr int kFewestFps = 1;
constexpr int kMostFps = 60;
// JPEG's and WebP's best.
constexpr int kBestQuality = 100;

/// The options as applied one by one, before the rules that join them.
struct Reading
{
    CommandLineOptions options;
    int modesChosen = 0;
    bool help = false;
    bool version = false;
    std::optional<QDateTime> from;
    std::optional<QDateTime> to;
    std::optional<qint64> stepSeconds;
    std::optional<int> fps;
    QString eclipse; ///< --eclipse: next, previous or a date
};

enum class Takes
{
    Nothing,
    Value,
    /// --list-zones: a query may follow.
    OptionalQuery,
};

/// The sections of --help: options for any mode, for the maps drawn, and for
/// snapshots alone.
enum class HelpSection
{
    Any,
    Maps,
    Snapshots,
};

/// One option: how it is read, which modes it serves, its help and what it
/// sets. apply returns the error, empty when the value is good.
/// Written with designated initializers, each field given only where it
/// differs from these defaults.
struct OptionDescriptor
{
    QString name = {};
    Takes takes = Takes::Nothing;
    QString valueName = {};
    int modes = kAnyMode;
    HelpSection section = HelpSection::Any;
    /// The --help line's left part, when not the name and value; its text.
    /// An option with no help text is described by another's line.
    QString helpLabel = {};
    QString help = {};
    bool repeatable = false;
    std::function<QString(Reading &, const QString &value)> apply = {};
    QString shortName = {};
};

/// Parses an option's whole number within [low, high].
std::optional<int> boundedNumber(const QString &text, int low, int high)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}\\z"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int value = text.toInt();
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

/// "FROM,TO" as two years within those of the eclipses' list, FROM first.
std::optional<std::pair<int, int>> eclipseYearsFrom(const QString &text)
{
    static const QRegularExpression years(QStringLiteral("^([0-9]{4}),([0-9]{4})\\z"));
    const QRegularExpressionMatch match = years.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int from = match.captured(1).toInt(), to = match.captured(2).toInt();
    if (from < eclipses::kFirstYear || to > eclipses::kLastYear || from > to)
        return std::nullopt;
    return std::pair{from, to};
}

/// What an option does whose value a parser reads into the reading: the
/// parser's error, after the option's name.
template <typename T>
auto readInto(std::optional<T> Reading::*member, const char *name,
              std::optional<T> (*parse)(const QString &, QString *))
{
    return [=](Reading &reading, const QString &value) {
        QString error;
        reading.*member = parse(value, &error);
        return reading.*member ? QString()
                               : QStringLiteral("%1: %2").arg(QLatin1String(name), error);
    };
}

QString chooseMode(Reading &reading, Mode mode)
{
    reading.options.mode = mode;
    ++reading.modesChosen;
    return {};
}

/// A whole number of seconds as the durations are written: "90s", "10m".
QString durationText(qint64 seconds)
{
    if (seconds % 86400 == 0)
        return QStringLiteral("%1d").arg(seconds / 86400);
    if (seconds % 3600 == 0)
        return QStringLiteral("%1h").arg(seconds / 3600);
    if (seconds % 60 == 0)
        return QStringLiteral("%1m").arg(seconds / 60);
    return QStringLiteral("%1s").arg(seconds);
}

QString sizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

std::vector<OptionDescriptor> makeDescriptors()
{
    using R = Reading &;
    using V = const QString &;
    const QString smallSize = sizeText({kSmallPreset.mapWidth, kSmallPreset.mapHeight});
    const QString largeSize = sizeText({kLargePreset.mapWidth, kLargePreset.mapHeight});
    std::vector<OptionDescriptor> all = {
        {.name = "--snapshot",
         .takes = Takes::Value,
         .valueName = "FILE",
         .help = "render the map to FILE (PNG, JPEG or WebP, by its extension)",
         .apply =
             [](R r, V value) {
                 r.options.outputPath = value;
                 r.options.format = imageFileFormatFor(value);
                 return chooseMode(r, Mode::Snapshot);
             }},
        {.name = "--readouts",
         .help = "print the readouts: time, date, sunrise, sunset, latitude, longitude, one a "
                 "line; then home, target and the path between them, as far as they are set",
         .apply = [](R r, V) { return chooseMode(r, Mode::Readouts); }},
        {.name = "--json",
         .modes = kReadouts | kListEclipses,
         .help = "with --readouts: print one JSON object instead, with the six texts and the "
                 "same facts as numbers; with --list-eclipses: one JSON array",
         .apply =
             [](R r, V) {
                 r.options.json = true;
                 return QString();
             }},
        {.name = "--list-zones",
         .takes = Takes::OptionalQuery,
         .helpLabel = "--list-zones [QUERY]",
         .help = "print the zones offered, one a line: name, latitude, longitude (degrees), "
                 "separated by tabs; with QUERY, only the zones it finds, best first",
         .apply =
             [](R r, V value) {
                 r.options.zoneQuery = value;
                 return chooseMode(r, Mode::ListZones);
             }},
        {.name = "--list-eclipses",
         .takes = Takes::OptionalQuery,
         .helpLabel = "--list-eclipses [FROM,TO]",
         .help = QStringLiteral("print the solar and lunar eclipses whose greatest falls in the "
                                "years FROM to TO (%1 to %2), one a line: greatest (UT), kind, "
                                "type, its place's latitude and longitude (degrees), magnitude, "
                                "duration of totality or annularity (seconds) and path width "
                                "(km), separated by tabs; default: the next ten")
                     .arg(eclipses::kFirstYear)
                     .arg(eclipses::kLastYear),
         .apply =
             [](R r, V value) {
                 if (!value.isEmpty()) {
                     r.options.eclipseYears = eclipseYearsFrom(value);
                     if (!r.options.eclipseYears)
                         return QStringLiteral("--list-eclipses must be FROM,TO in years from %1 "
                                               "to %2, FROM not after TO, not \"%3\"")
                             .arg(eclipses::kFirstYear)
                             .arg(eclipses::kLastYear)
                             .arg(printableArgument(value));
                 }
                 return chooseMode(r, Mode::ListEclipses);
             }},
        {.name = "--wallpaper",
         .help = QStringLiteral("keep the desktop background showing the current map, refreshed "
                                "every %1 minutes, until stopped")
                     .arg(kDefaultWallpaperRefreshSeconds / 60),
         .apply = [](R r, V) { return chooseMode(r, Mode::Wallpaper); }},
        {.name = "--at",
         .takes = Takes::Value,
         .valueName = "TIME",
         .modes = kSnapshot | kReadouts | kPasses,
         .help = "the instant to show, ISO 8601 (2026-06-21T18:40:00Z); default: now",
         .apply =
             [](R r, V value) {
                 QString error;
                 r.options.at = parseInstant(value, &error);
                 return error;
             }},
        {.name = "--eclipse",
         .takes = Takes::Value,
         .valueName = "next|previous|DATE",
         .modes = kSnapshot | kReadouts,
         .help = QStringLiteral("show an eclipse at its greatest: the next or the previous one "
                                "from --at (default: now), or the one of a date in UT "
                                "(2026-08-12), %1 to %2; with --step alone, a time-lapse "
                                "across it")
                     .arg(eclipses::kFirstYear)
                     .arg(eclipses::kLastYear),
         .apply =
             [](R r, V value) {
                 static const QRegularExpression date(
                     QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}\\z"));
                 if (value != QLatin1String("next") && value != QLatin1String("previous") &&
                     !(date.match(value).hasMatch() &&
                       QDate::fromString(value, Qt::ISODate).isValid()))
                     return QStringLiteral("--eclipse must be next, previous or a date "
                                           "(YYYY-MM-DD), not \"%1\"")
                         .arg(printableArgument(value));
                 r.eclipse = value;
                 return QString();
             }},
        {.name = "--size",
         .takes = Takes::Value,
         .valueName = "small|large|WIDTHxHEIGHT",
         .modes = kSnapshot | kReadouts | kWallpaper,
         .help =
             QStringLiteral("the map size: %1, %2 or any from %3 to %4 (3840x2160); default: "
                            "small, and the screen's size for --wallpaper")
                 .arg(smallSize, largeSize, sizeText(kSmallestMapSize), sizeText(kLargestMapSize)),
         .apply =
             [](R r, V value) {
                 r.options.size = parseMapSize(value);
                 if (r.options.size.isValid())
                     return QString();
                 return QStringLiteral("--size must be small, large or WIDTHxHEIGHT from %1 "
                                       "to %2, not \"%3\"")
                     .arg(sizeText(kSmallestMapSize), sizeText(kLargestMapSize), value);
             }},
        {.name = "--zone",
         .takes = Takes::Value,
         .valueName = "NAME",
         .modes = kSnapshot | kReadouts | kWallpaper,
         .help = "the time zone to mark and read out: its name, or a city or country that finds "
                 "only it (\"new york\"); default: the zone the window would start with",
         .apply =
             [](R r, V value) {
                 if (value.trimmed().isEmpty())
                     return QStringLiteral("--zone needs a zone or a phrase that is not blank");
                 r.options.zone = value;
                 return QString();
             }},
        {.name = "--pin",
         .takes = Takes::Value,
         .valueName = "ZONE",
         .modes = kSnapshot | kReadouts | kWallpaper,
         .help = QStringLiteral("a world clock for ZONE, found as --zone finds it; repeatable, at "
                                "most %1; default: the pinned zones")
                     .arg(MapModel::kMaxPinnedZones),
         .repeatable = true,
         .apply =
             [](R r, V value) {
                 if (value.trimmed().isEmpty())
                     return QStringLiteral("--pin needs a zone or a phrase that is not blank");
                 if (r.options.pins.size() >= MapModel::kMaxPinnedZones)
                     return QStringLiteral("at most %1 zones can be pinned")
                         .arg(MapModel::kMaxPinnedZones);
                 r.options.pins.append(value);
                 return QString();
             }},
        {.name = "--no-pins",
         .modes = kSnapshot | kReadouts | kWallpaper,
         .help = "no world clocks, whatever zones are pinned",
         .apply =
             [](R r, V) {
                 r.options.noPins = true;
                 return QString();
             }},
    };
    // The places, beside the other options of the readouts and before --help.
    for (const PlaceEndInfo &end : kPlaceEnds) {
        const QString name = QLatin1String(end.option);
        all.push_back(
            {.name = name,
             .takes = Takes::Value,
             .valueName = "PLACE",
             .modes = kSnapshot | kReadouts | kWallpaper | kPasses,
             .help = QStringLiteral("the %1 place, read out and marked on the map: LAT,LON in "
                                    "degrees (52.52,13.40), a Maidenhead locator (JO62qm) or a "
                                    "city (\"Paris, FR\"); default: as stored")
                         .arg(QLatin1String(end.jsonKey)),
             .apply = [name, index = std::size_t(end.end)](R r, V value) {
                 places::PlaceText parsed = places::parsePlaceText(value.toStdString());
                 if (parsed.kind == places::PlaceText::Kind::Invalid)
                     return QStringLiteral("%1: %2").arg(
                         name, placeProblemText(parsed.problem, value, TextLanguage::English));
                 r.options.places[index] = CommandLineOptions::TypedPlace{value, std::move(parsed)};
                 return QString();
             }});
    }
    all.push_back(
        {.name = "--home-elevation",
         .takes = Takes::Value,
         .valueName = "METRES",
         .modes = kReadouts | kPasses,
         .help = QStringLiteral(
                     "with --readouts or --passes: the home's height above the sea in metres, %1 "
                     "to %2, which lowers its horizon; default: as stored, else 0")
                     .arg(kLowestElevation)
                     .arg(kHighestElevation),
         .apply = [](R r, V value) {
             bool ok = false;
             const double metres = value.toDouble(&ok);
             if (!ok || !(metres >= kLowestElevation && metres <= kHighestElevation))
                 return QStringLiteral("--home-elevation must be a height in metres from %1 to "
                                       "%2, not \"%3\"")
                     .arg(kLowestElevation)
                     .arg(kHighestElevation)
                     .arg(printableArgument(value));
             r.options.homeElevation = metres;
             return QString();
         }});
    all.push_back(
        {.name = "--grey-line",
         .takes = Takes::Value,
         .valueName = "LOW,HIGH",
         .modes = kReadouts,
         .help = QStringLiteral("with --readouts: the Sun's altitudes in degrees that make the "
                                "grey line, within -%1 and %1; default: as stored, else %2")
                     .arg(kGreyLineLimit)
                     .arg(greyLineBandText(GreyLineBand{})),
         .apply = [](R r, V value) {
             const std::optional<GreyLineBand> band = greyLineBandFrom(value);
             if (!band)
                 return QStringLiteral("--grey-line must be LOW,HIGH in degrees, LOW below HIGH, "
                                       "both within -%1 and %1, not \"%2\"")
                     .arg(kGreyLineLimit)
                     .arg(printableArgument(value));
             r.options.greyLineBand = band;
             return QString();
         }});
    all.push_back({.name = "--help",
                   .help = "show this help",
                   .apply =
                       [](R r, V) {
                           r.help = true;
                           return QString();
                       },
                   .shortName = "-h"});
    all.push_back({.name = "--version", .help = "show the version", .apply = [](R r, V) {
                       r.version = true;
                       return QString();
                   }});
    all.push_back({.name = "--day-image",
                   .takes = Takes::Value,
                   .valueName = "FILE",
                   .modes = kSnapshot | kWallpaper,
                   .section = HelpSection::Maps,
                   .help = "use FILE as the day map",
                   .apply = [](R r, V value) {
                       r.options.dayImagePath = value;
                       return QString();
                   }});
    all.push_back({.name = "--night-image",
                   .takes = Takes::Value,
                   .valueName = "FILE",
                   .modes = kSnapshot | kWallpaper,
                   .section = HelpSection::Maps,
                   .help = "use FILE as the night map",
                   .apply = [](R r, V value) {
                       r.options.nightImagePath = value;
                       return QString();
                   }});
    QStringList viewNames;
    for (const MapViewInfo &info : kMapViews)
        viewNames.append(QLatin1String(info.name));
    all.push_back({.name = "--projection",
                   .takes = Takes::Value,
                   .valueName = "NAME",
                   .modes = kSnapshot | kWallpaper,
                   .section = HelpSection::Maps,
                   .help = QStringLiteral("the view: %1; default: as last chosen in the window")
                               .arg(viewNames.join(QStringLiteral(", "))),
                   .apply = [viewNames](R r, V value) {
                       r.options.view = mapViewNamed(value);
                       return r.options.view
                                  ? QString()
                                  : QStringLiteral("--projection must be one of %1, not \"%2\"")
                                        .arg(viewNames.join(QStringLiteral(", ")),
                                             printableArgument(value));
                   }});
    all.push_back(
        {.name = "--center",
         .takes = Takes::Value,
         .valueName = "LAT,LON",
         .modes = kSnapshot | kWallpaper,
         .section = HelpSection::Maps,
         .help = "centre the view on a place, in decimal degrees, north and east positive; "
                 "default: as last chosen in the window, else Greenwich (the azimuthal view and "
                 "the globe: the zone's place)",
         .apply = [](R r, V value) {
             r.options.centre = parseCentre(value);
             return r.options.centre
                        ? QString()
                        : QStringLiteral("--center must be LAT,LON in degrees, latitude within "
                                         "90 and longitude within 180, not \"%1\"")
                              .arg(printableArgument(value));
         }});
    all.push_back({.name = "--fit",
                   .takes = Takes::Value,
                   .valueName = "contain|cover",
                   .modes = kSnapshot | kWallpaper,
                   .section = HelpSection::Maps,
                   .help =
                       "contain: the whole view, black where the image is larger (the default for "
                       "snapshots); cover: the image filled, the rest cropped (the default for "
                       "--wallpaper)",
                   .apply = [](R r, V value) {
                       if (value == QLatin1String("contain"))
                           r.options.fit = MapFit::Contain;
                       else if (value == QLatin1String("cover"))
                           r.options.fit = MapFit::Cover;
                       else
                           return QStringLiteral("--fit must be contain or cover, not \"%1\"")
                               .arg(printableArgument(value));
                       return QString();
                   }});
    for (const MapLayerInfo &layer : kMapLayers) {
        if (!layer.option)
            continue;
        const QString on = QStringLiteral("--") + QLatin1String(layer.option);
        const QString off = QStringLiteral("--no-") + QLatin1String(layer.option);
        for (const bool shown : {true, false}) {
            const QString &name = shown ? on : off;
            const QString &other = shown ? off : on;
            all.push_back(
                {.name = name,
                 .modes = kSnapshot | kWallpaper,
                 .section = HelpSection::Maps,
                 .helpLabel = on + QStringLiteral(", ") + off,
                 .help = shown ? QLatin1String(layer.optionHelp) + QStringLiteral(", or not")
                               : QString(),
                 .apply = [index = std::size_t(layer.layer), shown, name, other](R r, V) {
                     std::optional<bool> &given = r.options.layers[index];
                     if (given && *given != shown)
                         return QStringLiteral("%1 and %2 cannot be used together")
                             .arg(other, name);
                     given = shown;
                     return QString();
                 }});
        }
    }
    all.push_back(
        {.name = "--every",
         .takes = Takes::Value,
         .valueName = "DURATION",
         .modes = kSnapshot | kWallpaper,
         .section = HelpSection::Maps,
         .help = QStringLiteral("draw the current map again every DURATION, at least %1 (10m, "
                                "1h), at its whole multiples in UTC, until stopped; default for "
                                "--wallpaper: %2")
                     .arg(durationText(kShortestRefreshSeconds),
                          durationText(kDefaultWallpaperRefreshSeconds)),
         .apply = [](R r, V value) {
             QString error;
             r.options.everySeconds = parseDuration(value, &error);
             if (!r.options.everySeconds)
                 return QStringLiteral("--every: %1").arg(error);
             if (*r.options.everySeconds < kShortestRefreshSeconds)
                 return QStringLiteral("--every must be at least %1, not \"%2\"")
                     .arg(durationText(kShortestRefreshSeconds), value);
             return QString();
         }});
    all.push_back(
        {.name = "--from",
         .takes = Takes::Value,
         .valueName = "TIME",
         .modes = kSnapshot,
         .section = HelpSection::Snapshots,
         .helpLabel = "--from TIME --to TIME --step DURATION",
         .help = "a time-lapse: frames from one time to another, DURATION apart (90s, 10m, 1h or "
                 "1d); FILE holds one frame number field, %d or %0Nd (frames/map-%04d.png), or "
                 "ends in .webp for one animation",
         .apply = readInto(&Reading::from, "--from", parseInstant)});
    // Described by --from's line.
    all.push_back({.name = "--to",
                   .takes = Takes::Value,
                   .valueName = "TIME",
                   .modes = kSnapshot,
                   .section = HelpSection::Snapshots,
                   .apply = readInto(&Reading::to, "--to", parseInstant)});
    all.push_back({.name = "--step",
                   .takes = Takes::Value,
                   .valueName = "DURATION",
                   .modes = kSnapshot,
                   .section = HelpSection::Snapshots,
                   .apply = readInto(&Reading::stepSeconds, "--step", parseDuration)});
    all.push_back({.name = "--fps",
                   .takes = Takes::Value,
                   .valueName = "N",
                   .modes = kSnapshot,
                   .section = HelpSection::Snapshots,
                   .help = QStringLiteral("frames a second of the animation, %1 to %2; default: %3")
                               .arg(kFewestFps)
                               .arg(kMostFps)
                               .arg(kDefaultFps),
                   .apply = [](R r, V value) {
                       r.fps = boundedNumber(value, kFewestFps, kMostFps);
                       return r.fps ? QString()
                                    : QStringLiteral(
                                          "--fps must be a whole number from %1 to %2, not "
                                          "\"%3\"")
                                          .arg(kFewestFps)
                                          .arg(kMostFps)
                                          .arg(value);
                   }});
    all.push_back(
        {.name = "--quality",
         .takes = Takes::Value,
         .valueName = "N",
         .modes = kSnapshot,
         .section = HelpSection::Snapshots,
         .help = QStringLiteral("quality of an animation or JPEG frames, 0 to %1; default: %2 for "
                                "animations, %1 for JPEG")
                     .arg(kBestQuality)
                     .arg(kDefaultWebpQuality),
         .apply = [](R r, V value) {
             r.options.quality = boundedNumber(value, 0, kBestQuality);
             return r.options.quality
                        ? QString()
                        : QStringLiteral("--quality must be a whole number from 0 to %1, not "
                                         "\"%2\"")
                              .arg(kBestQuality)
                              .arg(value);
         }});
    all.push_back(
        {.name = "--satellites",
         .takes = Takes::Value,
         .valueName = "FILE",
         .modes = kSnapshot | kReadouts | kWallpaper | kPasses,
         .help = "read the satellites' orbital elements from FILE: two- or three-line element "
                 "sets, or OMM as CSV, JSON or XML; default: the file set in the preferences",
         .apply = [](R r, V value) {
             r.options.satellitesPath = value;
             return QString();
         }});
    all.push_back({.name = "--passes",
                   .help = "print the chosen satellites' passes over home in the next 3 days: "
                           "rise, culmination and set in home's zone, their azimuths, the "
                           "greatest elevation and whether the pass can be seen by eye",
                   .apply = [](R r, V) { return chooseMode(r, Mode::Passes); }});
    all.push_back({.name = "--clouds",
                   .takes = Takes::Value,
                   .valueName = "FILE",
                   .modes = kSnapshot | kReadouts | kWallpaper,
                   .help = "draw the clouds of FILE, a greyscale world map twice as wide as high "
                           "(JPEG or PNG); with --readouts, the aurora counts them",
                   .apply = [](R r, V value) {
                       r.options.cloudsPath = value;
                       return QString();
                   }});
    all.push_back({.name = "--aurora",
                   .takes = Takes::Value,
                   .valueName = "FILE",
                   .modes = kSnapshot | kReadouts | kWallpaper,
                   .help = "draw the aurora forecast of FILE, NOAA SWPC's OVATION JSON, and say "
                           "whether the aurora can be seen at home and target",
                   .apply = [](R r, V value) {
                       r.options.auroraPath = value;
                       return QString();
                   }});
    return all;
}

const std::vector<OptionDescriptor> &descriptors()
{
    static const std::vector<OptionDescriptor> all = makeDescriptors();
    return all;
}

const OptionDescriptor *findDescriptor(const QString &name)
{
    for (const OptionDescriptor &descriptor : descriptors()) {
        if (name == descriptor.name ||
            (!descriptor.shortName.isEmpty() && name == descriptor.shortName))
            return &descriptor;
    }
    return nullptr;
}

/// An option as given: the name as typed and its value.
struct GivenOption
{
    const OptionDescriptor *descriptor;
    QString name;
    QString value;
};

/// The first step: the words into options and their values. Returns the
/// error, empty when every word is understood.
QString readWords(const QStringList &arguments, std::vector<GivenOption> &given)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name = arguments.at(i);
        QString value;
        bool inlineValue = false;
        if (name.startsWith(QLatin1String("--"))) {
            const qsizetype equals = name.indexOf(QLatin1Char('='));
            if (equals > 0) {
                value = name.mid(equals + 1);
                name = name.left(equals);
                inlineValue = true;
            }
        }
        const OptionDescriptor *descriptor = findDescriptor(name);
        if (!descriptor) {
            if (name.startsWith(QLatin1Char('-')))
                return QStringLiteral("unknown option \"%1\"").arg(name);
            return QStringLiteral("unexpected argument \"%1\"").arg(name);
        }
        const bool repeated =
            std::any_of(given.begin(), given.end(), [descriptor](const GivenOption &option) {
                return option.descriptor == descriptor;
            });
        if (repeated && !descriptor->repeatable)
            return QStringLiteral("%1 is given more than once").arg(name);

        switch (descriptor->takes) {
        case Takes::Value:
            if (!inlineValue) {
                if (i + 1 >= arguments.size())
                    return QStringLiteral("%1 needs a value").arg(name);
                value = arguments.at(++i);
            }
            if (value.isEmpty())
                return QStringLiteral("%1 needs a value").arg(name);
            break;
        case Takes::OptionalQuery:
            if (!inlineValue && i + 1 < arguments.size() &&
                !arguments.at(i + 1).startsWith(QLatin1Char('-'))) {
                value = arguments.at(++i);
                inlineValue = true;
            }
            if (inlineValue && value.trimmed().isEmpty())
                return QStringLiteral("%1 needs a query that is not empty").arg(name);
            break;
        case Takes::Nothing:
            if (inlineValue)
                return QStringLiteral("%1 takes no value").arg(name);
            break;
        }
        given.push_back({descriptor, name, value});
    }
    return {};
}

/// The modes that options serve, and the options that choose them.
constexpr std::pair<Mode, const char *> kServedModes[] = {
    {Mode::Snapshot, "--snapshot"},   {Mode::Readouts, "--readouts"},
    {Mode::Wallpaper, "--wallpaper"}, {Mode::ListEclipses, "--list-eclipses"},
    {Mode::Passes, "--passes"},
};

/// "--snapshot or --readouts": the options that choose the modes of a set.
QString modeOptions(int modes)
{
    QStringList names;
    for (const auto &[mode, name] : kServedModes) {
        if (modes & modeBit(mode))
            names << QLatin1String(name);
    }
    const QString last = names.takeLast();
    return names.isEmpty() ? last : names.join(QLatin1String(", ")) + QLatin1String(" or ") + last;
}

/// --eclipse: the instant becomes the eclipse's greatest, or with --step
/// alone a time-lapse spans it.
QString applyEclipse(Reading &reading)
{
    using eclipses::Eclipse;
    CommandLineOptions &options = reading.options;
    if (options.everySeconds)
        return QStringLiteral("--eclipse cannot be used with --every");
    if (reading.from || reading.to)
        return QStringLiteral("--eclipse cannot be used with --from and --to: with --step alone "
                              "the time-lapse spans the eclipse");
    const QString &value = reading.eclipse;
    std::optional<Eclipse> found;
    if (value == QLatin1String("next") || value == QLatin1String("previous")) {
        const double from =
            options.at.value_or(QDateTime::currentDateTimeUtc()).toMSecsSinceEpoch() / 1000.0;
        found = value == QLatin1String("next") ? eclipses::nextEclipse(from)
                                               : eclipses::previousEclipse(from);
        if (!found)
            return QStringLiteral("no %1 eclipse within the years %2 to %3")
                .arg(value)
                .arg(eclipses::kFirstYear)
                .arg(eclipses::kLastYear);
    } else {
        if (options.at)
            return QStringLiteral("--at and --eclipse DATE cannot be used together");
        const QDate date = QDate::fromString(value, Qt::ISODate);
        const double start = QDateTime(date, QTime(0, 0), QTimeZone::utc()).toSecsSinceEpoch();
        found = eclipses::nextEclipse(start - 0.001);
        if (!found || found->greatest >= start + 86400.0)
            return QStringLiteral("no eclipse on %1 (UT); --list-eclipses lists them").arg(value);
    }
    const auto instant = [](double seconds) {
        return QDateTime::fromMSecsSinceEpoch(qint64(std::llround(seconds * 1000.0)),
                                              QTimeZone::utc());
    };
    // Only instants the map can show: the first and last eclipses of the
    // list fall outside the solar day number's dates.
    QString error;
    if (!parseInstant(instant(found->greatest).toString(Qt::ISODate), &error))
        return QStringLiteral("--eclipse: %1").arg(error);
    if (!reading.stepSeconds) {
        options.at = instant(found->greatest);
        return {};
    }
    if (options.at)
        return QStringLiteral("--at and a time-lapse across an eclipse cannot be used together");
    // A lunar eclipse from P1 to P4; the Moon's penumbra stays on the Earth
    // under three and a half hours either side of greatest.
    constexpr double kSolarHalfSpanSeconds = 3.5 * 3600.0;
    const bool lunar = found->kind == eclipses::Kind::Lunar;
    reading.from =
        instant(lunar ? found->contacts[eclipses::P1] : found->greatest - kSolarHalfSpanSeconds);
    reading.to =
        instant(lunar ? found->contacts[eclipses::P4] : found->greatest + kSolarHalfSpanSeconds);
    return {};
}

/// The last step: the rules that join options. Returns the error, empty when
/// the options go together.
QString checkRules(Reading &reading, const std::vector<GivenOption> &given)
{
    CommandLineOptions &options = reading.options;
    if (reading.help || reading.version) {
        if (given.size() != 1)
            return QStringLiteral("%1 takes no other options")
                .arg(reading.help ? QStringLiteral("--help") : QStringLiteral("--version"));
        options.mode = reading.help ? Mode::Help : Mode::Version;
        return {};
    }
    if (reading.modesChosen > 1)
        return QStringLiteral("choose one of --snapshot, --readouts, --list-zones, --wallpaper, "
                              "--list-eclipses and --passes");
    for (const GivenOption &option : given) {
        const int modesServed = option.descriptor->modes;
        if (modesServed & modeBit(options.mode))
            continue;
        if (options.mode == Mode::Wallpaper)
            return QStringLiteral("%1 cannot be used with --wallpaper").arg(option.name);
        return QStringLiteral("%1 needs %2").arg(option.name, modeOptions(modesServed));
    }
    if (options.noPins && !options.pins.isEmpty())
        return QStringLiteral("--pin and --no-pins cannot be used together");
    // Frames and animations too: a name's extension is its format.
    if (options.mode == Mode::Snapshot && !options.format)
        return QStringLiteral("cannot tell the image format of \"%1\": name it .png, .jpg, .jpeg "
                              "or .webp")
            .arg(options.outputPath);
    if (!reading.eclipse.isEmpty()) {
        if (const QString error = applyEclipse(reading); !error.isEmpty())
            return error;
    }
    if (options.everySeconds) {
        if (options.at)
            return QStringLiteral("--at cannot be used with --every: each refresh shows the "
                                  "time it is made");
        if (reading.from || reading.to || reading.stepSeconds || reading.fps || options.quality)
            return QStringLiteral("--every cannot be used with a time-lapse");
    } else if (options.mode == Mode::Wallpaper) {
        options.everySeconds = kDefaultWallpaperRefreshSeconds;
    }
    if (options.format == ImageFileFormat::Webp && options.mapSize().width() > kLargestWebpSide)
        return QStringLiteral("a WebP image is at most %1 pixels wide, not %2")
            .arg(kLargestWebpSide)
            .arg(options.mapSize().width());
    if (!reading.from && !reading.to && !reading.stepSeconds) {
        if (reading.fps || options.quality)
            return QStringLiteral("%1 needs a time-lapse (--from, --to and --step)")
                .arg(reading.fps ? QStringLiteral("--fps") : QStringLiteral("--quality"));
        return {};
    }
    if (!reading.from || !reading.to || !reading.stepSeconds)
        return QStringLiteral("a time-lapse needs all of --from, --to and --step");
    if (options.at)
        return QStringLiteral("--at and --from cannot be used together");
    const QDateTime &from = *reading.from;
    const QDateTime &to = *reading.to;
    if (to < from)
        return QStringLiteral("--to is before --from");
    const qint64 frames = from.msecsTo(to) / (*reading.stepSeconds * 1000) + 1;
    if (frames > kMaxFrames)
        return QStringLiteral("the time-lapse would have %1 frames; at most %2")
            .arg(frames)
            .arg(kMaxFrames);
    const QString &path = options.outputPath;
    const bool animation = options.format == ImageFileFormat::Webp;
    const int fields = frameFieldCount(path);
    if (fields < 0)
        return QStringLiteral("\"%1\" holds a %-directive other than %d, %0Nd or %%").arg(path);
    if (animation && fields > 0)
        return QStringLiteral("the animation \"%1\" is one file: its name takes no frame number")
            .arg(path);
    if (!animation && fields != 1)
        return QStringLiteral("\"%1\" needs exactly one frame number field, such as %04d, or the "
                              ".webp extension of an animation")
            .arg(path);
    if (reading.fps && !animation)
        return QStringLiteral("--fps needs a .webp animation");
    options.timeLapse = CommandLineOptions::TimeLapse{
        from, to, *reading.stepSeconds, frames, animation, reading.fps.value_or(kDefaultFps)};
    return {};
}

/// An option as its --help line names it: "-h, --help", "--at TIME".
QString helpLabel(const OptionDescriptor &descriptor)
{
    QString label = descriptor.helpLabel;
    if (label.isEmpty()) {
        label = descriptor.shortName.isEmpty()
                    ? descriptor.name
                    : descriptor.shortName + QStringLiteral(", ") + descriptor.name;
        if (!descriptor.valueName.isEmpty())
            label += QLatin1Char(' ') + descriptor.valueName;
    }
    return label;
}

/// One option's lines of --help: its label, then its text wrapped to fit 80
/// columns beside or under it.
QString helpLines(const OptionDescriptor &descriptor)
{
    constexpr int kTextColumn = 24;
    constexpr int kLineWidth = 78;
    QString text = QStringLiteral("  ") + helpLabel(descriptor);
    if (text.size() > kTextColumn - 2)
        text += QLatin1Char('\n') + QString(kTextColumn, QLatin1Char(' '));
    else
        text = text.leftJustified(kTextColumn);
    qsizetype column = kTextColumn;
    bool first = true;
    for (const QString &word : descriptor.help.split(QLatin1Char(' '))) {
        if (!first && column + 1 + word.size() > kLineWidth) {
            text += QLatin1Char('\n') + QString(kTextColumn, QLatin1Char(' '));
            column = kTextColumn;
            first = true;
        }
        if (!first) {
            text += QLatin1Char(' ');
            ++column;
        }
        text += word;
        column += word.size();
        first = false;
    }
    return text + QLatin1Char('\n');
}

/// Text in roff, where '-' is a hyphen and "\-" a minus, as options have it.
QString roffText(const QString &text)
{
    return QString(text)
        .replace(QLatin1Char('\\'), QLatin1String("\\e"))
        .replace(QLatin1Char('-'), QLatin1String("\\-"));
}

/// An option's help label in roff: the options bold, their values italic, and
/// "--grid, --no-grid" as alternatives; one word, which lines break only
/// before.
QString roffLabel(const OptionDescriptor &descriptor)
{
    QStringList words;
    for (QString word : helpLabel(descriptor).split(QLatin1Char(' '))) {
        const bool alternative = word.endsWith(QLatin1Char(','));
        if (alternative)
            word.chop(1);
        const bool optional = word.startsWith(QLatin1Char('['));
        if (optional)
            word = word.mid(1, word.size() - 2);
        word = (word.startsWith(QLatin1Char('-')) ? QStringLiteral("\\fB%1\\fR")
                                                  : QStringLiteral("\\fI%1\\fR"))
                   .arg(roffText(word));
        words << (optional ? QLatin1Char('[') + word + QLatin1Char(']') : word)
              << QString(alternative ? QStringLiteral("|") : QString());
    }
    words.removeAll(QString());
    return words.join(QStringLiteral("\\ "));
}

/// The options that serve a mode, besides those that choose modes.
std::vector<const OptionDescriptor *> optionsOf(Mode mode)
{
    std::vector<const OptionDescriptor *> served;
    for (const OptionDescriptor &descriptor : descriptors()) {
        if (descriptor.modes != kAnyMode && (descriptor.modes & modeBit(mode)))
            served.push_back(&descriptor);
    }
    return served;
}

/// The synopsis: each option that chooses a mode, with the options of its
/// mode, each as --help describes it.
QString manualSynopsis()
{
    // Flush left, each option whole and never hyphenated.
    QString text = QStringLiteral(".ad l\n.B duskmap\n");
    for (const OptionDescriptor &chooser : descriptors()) {
        if (chooser.modes != kAnyMode)
            continue;
        text += QStringLiteral(".br\n\\fBduskmap\\fR \\%") + roffLabel(chooser) + QLatin1Char('\n');
        for (const auto &[mode, name] : kServedModes) {
            if (chooser.name != QLatin1String(name))
                continue;
            for (const OptionDescriptor *option : optionsOf(mode)) {
                if (!option->help.isEmpty())
                    text += QStringLiteral("\\%[") + roffLabel(*option) + QStringLiteral("]\n");
            }
        }
    }
    return text + QStringLiteral(".ad\n");
}

/// "Takes the options --at, ... --fps and --quality.": every option of a mode.
QString manualTakes(Mode mode)
{
    const std::vector<const OptionDescriptor *> options = optionsOf(mode);
    QString text = QStringLiteral("Takes the options\n");
    for (std::size_t i = 0; i < options.size(); ++i) {
        const QString name = roffText(options[i]->name);
        if (i + 2 < options.size())
            text += QStringLiteral(".BR \\%%1 ,\n").arg(name);
        else if (i + 2 == options.size())
            text += QStringLiteral(".B \\%%1\nand\n").arg(name);
        else
            text += QStringLiteral(".BR \\%%1 .\n").arg(name);
    }
    return text;
}
} // namespace

std::optional<QDateTime> parseInstant(const QString &text, QString *error)
{
    QDateTime instant = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!instant.isValid()) {
        if (error)
            *error = QStringLiteral("cannot read the time \"%1\": use ISO 8601, such as "
                                    "2026-06-21T18:40:00Z")
                         .arg(text);
        return std::nullopt;
    }
    const QDate utcDate = instant.toUTC().date();
    if (utcDate < kFirstShownDate || utcDate > kLastShownDate) {
        if (error)
            *error = QStringLiteral("the time \"%1\" is outside 1900-03-01 to 2100-02-28 (UTC), "
                                    "the dates Duskmap computes exactly")
                         .arg(text);
        return std::nullopt;
    }
    return instant;
}

std::optional<qint64> parseDuration(const QString &text, QString *error)
{
    static const QRegularExpression form(QStringLiteral("^([1-9][0-9]{0,11})([smhd])\\z"));
    const QRegularExpressionMatch match = form.match(text);
    if (match.hasMatch()) {
        const qint64 count = match.captured(1).toLongLong();
        const QChar unit = match.captured(2).at(0);
        const qint64 unitSeconds = unit == QLatin1Char('s')   ? 1
                                   : unit == QLatin1Char('m') ? 60
                                   : unit == QLatin1Char('h') ? 3600
                                                              : 86400;
        if (count <= kLongestDurationSeconds / unitSeconds)
            return count * unitSeconds;
    }
    if (error)
        *error = QStringLiteral("cannot read the duration \"%1\": use a positive whole number "
                                "and a unit, such as 90s, 10m, 1h or 1d")
                     .arg(text);
    return std::nullopt;
}

QSize parseMapSize(const QString &text)
{
    if (text == QLatin1String("small"))
        return QSize(kSmallPreset.mapWidth, kSmallPreset.mapHeight);
    if (text == QLatin1String("large"))
        return QSize(kLargePreset.mapWidth, kLargePreset.mapHeight);
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})\\z"));
    const QRegularExpressionMatch match = form.match(text);
    const QSize size =
        match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
    if (size.width() < kSmallestMapSize.width() || size.height() < kSmallestMapSize.height() ||
        size.width() > kLargestMapSize.width() || size.height() > kLargestMapSize.height())
        return QSize();
    return size;
}

CommandLineResult parseCommandLine(const QStringList &arguments)
{
    CommandLineResult result;
    Reading reading;
    std::vector<GivenOption> given;
    QString error = readWords(arguments, given);
    for (auto option = given.begin(); error.isEmpty() && option != given.end(); ++option)
        error = option->descriptor->apply(reading, option->value);
    if (error.isEmpty())
        error = checkRules(reading, given);
    if (error.isEmpty())
        result.options = reading.options;
    else
        result.error = printableArgument(error);
    return result;
}

QString printableArgument(const QString &text)
{
    static const QRegularExpression control(QStringLiteral("[\\x00-\\x1f\\x7f]"));
    return QString(text).replace(control, QStringLiteral("?"));
}

QString usageText()
{
    QString text =
        QStringLiteral("Usage: duskmap [OPTION...]\n"
                       "A world map of day, twilight and night, with a clock for a time zone.\n"
                       "\n"
                       "Without options Duskmap opens its window. With no display it renders the\n"
                       "current map to ./duskmap.png instead.\n");
    const std::pair<HelpSection, const char *> sections[] = {
        {HelpSection::Any, ""},
        {HelpSection::Maps, "With --snapshot or --wallpaper:\n"},
        {HelpSection::Snapshots, "With --snapshot:\n"},
    };
    for (const auto &[section, heading] : sections) {
        text += QLatin1Char('\n') + QLatin1String(heading);
        for (const OptionDescriptor &descriptor : descriptors()) {
            if (descriptor.section == section && !descriptor.help.isEmpty())
                text += helpLines(descriptor);
        }
    }
    return text + QStringLiteral(
                      "\n"
                      "What the command line leaves out (the zone, the pins, each layer) comes\n"
                      "from the preferences the window keeps, in\n"
                      "$XDG_CONFIG_HOME/duskmap/duskmap.conf (~/.config/duskmap/duskmap.conf by\n"
                      "default).\n");
}

QStringList optionNames()
{
    QStringList names;
    for (const OptionDescriptor &descriptor : descriptors())
        names << descriptor.name;
    return names;
}

QString withGeneratedManual(const QString &page)
{
    static const QString begin = QStringLiteral(".\\\" generated from the option table: ");
    static const QString end = QStringLiteral(".\\\" end of the generated section\n");
    QString result;
    qsizetype from = 0;
    for (qsizetype at; (at = page.indexOf(begin, from)) >= 0;) {
        const qsizetype nameEnd = page.indexOf(QLatin1Char('\n'), at);
        const qsizetype stop = page.indexOf(end, nameEnd);
        if (nameEnd < 0 || stop < 0)
            return {};
        const QString section = page.mid(at + begin.size(), nameEnd - at - begin.size());
        QString generated;
        if (section == QLatin1String("synopsis"))
            generated = manualSynopsis();
        for (const auto &[mode, name] : kServedModes) {
            if (section == QLatin1String(name).mid(2))
                generated = manualTakes(mode);
        }
        if (generated.isEmpty())
            return {};
        result += page.mid(from, nameEnd + 1 - from) + generated + end;
        from = stop + end.size();
    }
    return result + page.mid(from);
}
