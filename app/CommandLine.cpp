#include "app/CommandLine.h"

#include "mapcore/MapGeometry.h"
#include "model/ShownRange.h"

#include <QRegularExpression>
#include <QTimeZone>

namespace {
using Mode = CommandLineOptions::Mode;

enum class Option
{
    Snapshot,
    Readouts,
    ListZones,
    Wallpaper,
    At,
    Size,
    DayImage,
    NightImage,
    Zone,
    Pin,
    Json,
    Grid,
    Locations,
    Sun,
    Moon,
    TwilightLines,
    From,
    To,
    Step,
    Fps,
    Quality,
    Every,
    Help,
    Version,
};

struct KnownOption
{
    const char *name;
    Option option;
    bool takesValue;
};

constexpr KnownOption kOptions[] = {
    {"--snapshot", Option::Snapshot, true},
    {"--readouts", Option::Readouts, false},
    {"--list-zones", Option::ListZones, false}, // an optional query follows
    {"--wallpaper", Option::Wallpaper, false},
    {"--json", Option::Json, false},
    {"--at", Option::At, true},
    {"--size", Option::Size, true},
    {"--day-image", Option::DayImage, true},
    {"--night-image", Option::NightImage, true},
    {"--zone", Option::Zone, true},
    {"--pin", Option::Pin, true},
    {"--grid", Option::Grid, false},
    {"--locations", Option::Locations, false},
    {"--sun", Option::Sun, false},
    {"--moon", Option::Moon, false},
    {"--twilight-lines", Option::TwilightLines, false},
    {"--from", Option::From, true},
    {"--to", Option::To, true},
    {"--step", Option::Step, true},
    {"--fps", Option::Fps, true},
    {"--quality", Option::Quality, true},
    {"--every", Option::Every, true},
    {"--help", Option::Help, false},
    {"-h", Option::Help, false},
    {"--version", Option::Version, false},
};

constexpr qint64 kMaxFrames = 100000;
// As many as the window keeps.
constexpr qsizetype kMaxPins = 12;
// Far more than any span of the dates Duskmap computes, yet no overflow in
// milliseconds.
constexpr qint64 kLongestDurationSeconds = qint64(1000) * 366 * 86400;
// A desktop or a status page gains nothing from refreshing more often than the
// readouts' minutes change.
constexpr qint64 kShortestRefreshSeconds = 60;
constexpr qint64 kDefaultWallpaperRefreshSeconds = 600;

/// How many frame number fields a file name holds; -1 for a "%" that starts
/// neither a frame field nor "%%".
int frameFieldCount(const QString &pattern)
{
    int fields = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != QLatin1Char('%'))
            continue;
        const QStringView rest = QStringView(pattern).mid(i + 1);
        if (rest.startsWith(QLatin1Char('%'))) {
            i += 1;
        } else if (rest.startsWith(QLatin1Char('d'))) {
            ++fields;
            i += 1;
        } else if (rest.size() >= 3 && rest[0] == QLatin1Char('0') && rest[1] >= QLatin1Char('1') &&
                   rest[1] <= QLatin1Char('9') && rest[2] == QLatin1Char('d')) {
            ++fields;
            i += 3;
        } else {
            return -1;
        }
    }
    return fields;
}

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

const KnownOption *findOption(const QString &name)
{
    for (const KnownOption &known : kOptions) {
        if (name == QLatin1String(known.name))
            return &known;
    }
    return nullptr;
}

/// The modes an option serves, as a set of bits 1 << Mode.
int modesOf(Option option)
{
    constexpr int snapshot = 1 << int(Mode::Snapshot);
    constexpr int readouts = 1 << int(Mode::Readouts);
    constexpr int wallpaper = 1 << int(Mode::Wallpaper);
    switch (option) {
    case Option::At:
        return snapshot | readouts;
    case Option::Size:
    case Option::Zone:
    case Option::Pin:
        return snapshot | readouts | wallpaper;
    case Option::Json:
        return readouts;
    case Option::DayImage:
    case Option::NightImage:
    case Option::Grid:
    case Option::Locations:
    case Option::Sun:
    case Option::Moon:
    case Option::TwilightLines:
    case Option::Every:
        return snapshot | wallpaper;
    case Option::From:
    case Option::To:
    case Option::Step:
    case Option::Fps:
    case Option::Quality:
        return snapshot;
    default:
        return ~0;
    }
}

/// "--snapshot or --readouts": the options that choose the modes of a set.
QString modeOptions(int modes)
{
    QStringList names;
    for (const auto &[mode, name] : {std::pair{Mode::Snapshot, "--snapshot"},
                                     {Mode::Readouts, "--readouts"},
                                     {Mode::Wallpaper, "--wallpaper"}}) {
        if (modes & (1 << int(mode)))
            names << QLatin1String(name);
    }
    const QString last = names.takeLast();
    return names.isEmpty() ? last : names.join(QLatin1String(", ")) + QLatin1String(" or ") + last;
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

QString frameFileName(const QString &pattern, qint64 frame)
{
    QString name;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QStringView rest = QStringView(pattern).mid(i + 1);
        if (pattern[i] != QLatin1Char('%')) {
            name += pattern[i];
        } else if (rest.startsWith(QLatin1Char('%'))) {
            name += QLatin1Char('%');
            i += 1;
        } else if (rest.startsWith(QLatin1Char('d'))) {
            name += QString::number(frame);
            i += 1;
        } else if (rest.size() >= 3 && rest[2] == QLatin1Char('d')) {
            name += QStringLiteral("%1").arg(frame, rest[1].digitValue(), 10, QLatin1Char('0'));
            i += 3;
        }
    }
    return name;
}

CommandLineResult parseCommandLine(const QStringList &arguments)
{
    CommandLineResult result;
    CommandLineOptions &options = result.options;
    QList<Option> seen;
    QList<QString> seenNames;
    bool help = false;
    bool version = false;
    int modes = 0;
    std::optional<QDateTime> from;
    std::optional<QDateTime> to;
    std::optional<qint64> stepSeconds;
    std::optional<int> fps;

    auto fail = [&result](const QString &message) {
        // Quoted arguments may hold control characters: shown as '?', like ls, so
        // that the message stays on one line and nothing reaches the terminal.
        result.error = QString(message).replace(
            QRegularExpression(QStringLiteral("[\\x00-\\x1f\\x7f]")), QStringLiteral("?"));
        return result;
    };

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
        const KnownOption *known = findOption(name);
        if (!known) {
            if (name.startsWith(QLatin1Char('-')))
                return fail(QStringLiteral("unknown option \"%1\"").arg(name));
            return fail(QStringLiteral("unexpected argument \"%1\"").arg(name));
        }
        if (seen.contains(known->option) && known->option != Option::Pin)
            return fail(QStringLiteral("%1 is given more than once").arg(name));
        seen.append(known->option);
        seenNames.append(name);

        if (known->takesValue && !inlineValue) {
            if (i + 1 >= arguments.size())
                return fail(QStringLiteral("%1 needs a value").arg(name));
            value = arguments.at(++i);
        } else if (known->option == Option::ListZones) {
            // The query is optional: "--list-zones QUERY" or "--list-zones=QUERY".
            if (!inlineValue && i + 1 < arguments.size() &&
                !arguments.at(i + 1).startsWith(QLatin1Char('-'))) {
                value = arguments.at(++i);
                inlineValue = true;
            }
            if (inlineValue && value.trimmed().isEmpty())
                return fail(QStringLiteral("--list-zones needs a query that is not empty"));
        } else if (!known->takesValue && inlineValue) {
            return fail(QStringLiteral("%1 takes no value").arg(name));
        }
        if (known->takesValue && value.isEmpty())
            return fail(QStringLiteral("%1 needs a value").arg(name));

        switch (known->option) {
        case Option::Snapshot:
            options.mode = Mode::Snapshot;
            options.outputPath = value;
            ++modes;
            break;
        case Option::Readouts:
            options.mode = Mode::Readouts;
            ++modes;
            break;
        case Option::ListZones:
            options.mode = Mode::ListZones;
            options.zoneQuery = value;
            ++modes;
            break;
        case Option::Wallpaper:
            options.mode = Mode::Wallpaper;
            ++modes;
            break;
        case Option::Json:
            options.json = true;
            break;
        case Option::At: {
            QString error;
            options.at = parseInstant(value, &error);
            if (!options.at)
                return fail(error);
            break;
        }
        case Option::Size:
            options.size = parseMapSize(value);
            if (!options.size.isValid())
                return fail(QStringLiteral("--size must be small, large or WIDTHxHEIGHT from %1x%2 "
                                           "to %3x%4, not \"%5\"")
                                .arg(kSmallestMapSize.width())
                                .arg(kSmallestMapSize.height())
                                .arg(kLargestMapSize.width())
                                .arg(kLargestMapSize.height())
                                .arg(value));
            break;
        case Option::DayImage:
            options.dayImagePath = value;
            break;
        case Option::NightImage:
            options.nightImagePath = value;
            break;
        case Option::Zone:
            if (value.trimmed().isEmpty())
                return fail(QStringLiteral("--zone needs a zone or a phrase that is not blank"));
            options.zone = value;
            break;
        case Option::Pin:
            if (value.trimmed().isEmpty())
                return fail(QStringLiteral("--pin needs a zone or a phrase that is not blank"));
            if (options.pins.size() >= kMaxPins)
                return fail(QStringLiteral("at most %1 zones can be pinned").arg(kMaxPins));
            options.pins.append(value);
            break;
        case Option::Grid:
            options.grid = true;
            break;
        case Option::Locations:
            options.locations = true;
            break;
        case Option::Sun:
            options.sun = true;
            break;
        case Option::Moon:
            options.moon = true;
            break;
        case Option::TwilightLines:
            options.twilightLines = true;
            break;
        case Option::From:
        case Option::To: {
            QString error;
            std::optional<QDateTime> &instant = known->option == Option::From ? from : to;
            instant = parseInstant(value, &error);
            if (!instant)
                return fail(QStringLiteral("%1: %2").arg(name, error));
            break;
        }
        case Option::Step: {
            QString error;
            stepSeconds = parseDuration(value, &error);
            if (!stepSeconds)
                return fail(QStringLiteral("--step: %1").arg(error));
            break;
        }
        case Option::Fps:
            fps = boundedNumber(value, 1, 60);
            if (!fps)
                return fail(QStringLiteral("--fps must be a whole number from 1 to 60, not \"%1\"")
                                .arg(value));
            break;
        case Option::Quality:
            options.quality = boundedNumber(value, 0, 100);
            if (!options.quality)
                return fail(
                    QStringLiteral("--quality must be a whole number from 0 to 100, not \"%1\"")
                        .arg(value));
            break;
        case Option::Every: {
            QString error;
            options.everySeconds = parseDuration(value, &error);
            if (!options.everySeconds)
                return fail(QStringLiteral("--every: %1").arg(error));
            if (*options.everySeconds < kShortestRefreshSeconds)
                return fail(QStringLiteral("--every must be at least 1m, not \"%1\"").arg(value));
            break;
        }
        case Option::Help:
            help = true;
            break;
        case Option::Version:
            version = true;
            break;
        }
    }

    if (help || version) {
        if (arguments.size() != 1)
            return fail(QStringLiteral("%1 takes no other options")
                            .arg(help ? QStringLiteral("--help") : QStringLiteral("--version")));
        options.mode = help ? Mode::Help : Mode::Version;
        return result;
    }
    if (modes > 1)
        return fail(
            QStringLiteral("choose one of --snapshot, --readouts, --list-zones and --wallpaper"));
    for (qsizetype i = 0; i < seen.size(); ++i) {
        const int modesServed = modesOf(seen.at(i));
        if (modesServed & (1 << int(options.mode)))
            continue;
        if (options.mode == Mode::Wallpaper)
            return fail(QStringLiteral("%1 cannot be used with --wallpaper").arg(seenNames.at(i)));
        return fail(QStringLiteral("%1 needs %2").arg(seenNames.at(i), modeOptions(modesServed)));
    }
    if (options.everySeconds) {
        if (options.at)
            return fail(QStringLiteral("--at cannot be used with --every: each refresh shows the "
                                       "time it is made"));
        if (from || to || stepSeconds || fps || options.quality)
            return fail(QStringLiteral("--every cannot be used with a time-lapse"));
    } else if (options.mode == Mode::Wallpaper) {
        options.everySeconds = kDefaultWallpaperRefreshSeconds;
    }
    if (from || to || stepSeconds) {
        if (!from || !to || !stepSeconds)
            return fail(QStringLiteral("a time-lapse needs all of --from, --to and --step"));
        if (options.at)
            return fail(QStringLiteral("--at and --from cannot be used together"));
        if (*to < *from)
            return fail(QStringLiteral("--to is before --from"));
        const qint64 frames = from->msecsTo(*to) / (*stepSeconds * 1000) + 1;
        if (frames > kMaxFrames)
            return fail(QStringLiteral("the time-lapse would have %1 frames; at most %2")
                            .arg(frames)
                            .arg(kMaxFrames));
        const QString &path = options.outputPath;
        const bool animation = path.endsWith(QLatin1String(".webp"), Qt::CaseInsensitive);
        const int fields = frameFieldCount(path);
        if (fields < 0)
            return fail(
                QStringLiteral("\"%1\" holds a %-directive other than %d, %0Nd or %%").arg(path));
        if (animation && fields > 0)
            return fail(QStringLiteral("the animation \"%1\" is one file: its name takes no "
                                       "frame number")
                            .arg(path));
        if (!animation && fields != 1)
            return fail(QStringLiteral("\"%1\" needs exactly one frame number field, such as "
                                       "%04d, or the .webp extension of an animation")
                            .arg(path));
        if (fps && !animation)
            return fail(QStringLiteral("--fps needs a .webp animation"));
        options.timeLapse = CommandLineOptions::TimeLapse{*from,  *to,       *stepSeconds,
                                                          frames, animation, fps.value_or(12)};
    } else if (fps || options.quality) {
        return fail(QStringLiteral("%1 needs a time-lapse (--from, --to and --step)")
                        .arg(fps ? QStringLiteral("--fps") : QStringLiteral("--quality")));
    }
    return result;
}

QString usageText()
{
    return QStringLiteral(
        "Usage: duskmap [OPTION...]\n"
        "A world map of day, twilight and night, with a clock for a time zone.\n"
        "\n"
        "Without options Duskmap opens its window. With no display it renders the\n"
        "current map to ./duskmap.png instead.\n"
        "\n"
        "  --snapshot FILE       render the map to FILE (PNG or JPEG, by its extension)\n"
        "  --readouts            print the readouts: time, date, sunrise, sunset,\n"
        "                        latitude, longitude, one a line\n"
        "  --json                with --readouts: print one JSON object instead, with\n"
        "                        the six texts and the same facts as numbers\n"
        "  --list-zones [QUERY]  print the zones offered, one a line: name, latitude,\n"
        "                        longitude (degrees), separated by tabs; with QUERY,\n"
        "                        only the zones it finds, best first\n"
        "  --wallpaper           keep the desktop background showing the current map,\n"
        "                        refreshed every 10 minutes, until stopped\n"
        "  --at TIME             the instant to show, ISO 8601 (2026-06-21T18:40:00Z);\n"
        "                        default: now\n"
        "  --size small|large|WIDTHxHEIGHT\n"
        "                        the map size: 720x360, 1440x720 or any from 64x32 to\n"
        "                        16384x8192 (3840x2160); default: small, and the\n"
        "                        screen's size for --wallpaper\n"
        "  --zone NAME           the time zone to mark and read out: its name, or a\n"
        "                        city or country that finds only it (\"new york\");\n"
        "                        default: the zone the window would start with\n"
        "  --pin ZONE            a world clock for ZONE, found as --zone finds it;\n"
        "                        repeatable, at most 12; default: the pinned zones\n"
        "  -h, --help            show this help\n"
        "  --version             show the version\n"
        "\n"
        "With --snapshot or --wallpaper:\n"
        "  --day-image FILE      use FILE as the day map\n"
        "  --night-image FILE    use FILE as the night map\n"
        "  --grid                draw the latitude/longitude grid\n"
        "  --locations           draw the zones' places\n"
        "  --sun                 mark the point under the Sun\n"
        "  --moon                mark the point under the Moon, in its phase\n"
        "  --twilight-lines      draw the sunset and twilight lines\n"
        "  --every DURATION      draw the current map again every DURATION, at least\n"
        "                        1m (10m, 1h), at its whole multiples in UTC, until\n"
        "                        stopped; default for --wallpaper: 10m\n"
        "\n"
        "With --snapshot:\n"
        "  --from TIME --to TIME --step DURATION\n"
        "                        a time-lapse: frames from one time to another,\n"
        "                        DURATION apart (90s, 10m, 1h or 1d); FILE holds one\n"
        "                        frame number field, %d or %0Nd\n"
        "                        (frames/map-%04d.png), or ends in .webp for one\n"
        "                        animation\n"
        "  --fps N               frames a second of the animation, 1 to 60; default: 12\n"
        "  --quality N           quality of an animation or JPEG frames, 0 to 100;\n"
        "                        default: 80 for animations, 100 for JPEG\n"
        "\n"
        "Preferences: $XDG_CONFIG_HOME/duskmap/duskmap.conf\n"
        "(~/.config/duskmap/duskmap.conf by default).\n");
}
