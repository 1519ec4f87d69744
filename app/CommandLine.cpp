#include "app/CommandLine.h"

#include <QRegularExpression>
#include <QTimeZone>

namespace {
using Mode = CommandLineOptions::Mode;

const QDate kFirstExactDate(1900, 3, 1);
const QDate kLastExactDate(2100, 2, 28);

enum class Option
{
    Snapshot,
    Readouts,
    ListZones,
    At,
    Size,
    DayImage,
    NightImage,
    Zone,
    Grid,
    Locations,
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
    {"--list-zones", Option::ListZones, false},
    {"--at", Option::At, true},
    {"--size", Option::Size, true},
    {"--day-image", Option::DayImage, true},
    {"--night-image", Option::NightImage, true},
    {"--zone", Option::Zone, true},
    {"--grid", Option::Grid, false},
    {"--locations", Option::Locations, false},
    {"--help", Option::Help, false},
    {"-h", Option::Help, false},
    {"--version", Option::Version, false},
};

const KnownOption *findOption(const QString &name)
{
    for (const KnownOption &known : kOptions) {
        if (name == QLatin1String(known.name))
            return &known;
    }
    return nullptr;
}

bool usableBy(Option option, Mode mode)
{
    switch (option) {
    case Option::At:
    case Option::Size:
    case Option::Zone:
        return mode == Mode::Snapshot || mode == Mode::Readouts;
    case Option::DayImage:
    case Option::NightImage:
    case Option::Grid:
    case Option::Locations:
        return mode == Mode::Snapshot;
    default:
        return true;
    }
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
    if (utcDate < kFirstExactDate || utcDate > kLastExactDate) {
        if (error)
            *error = QStringLiteral("the time \"%1\" is outside 1900-03-01 to 2100-02-28 (UTC), "
                                    "the dates Duskmap computes exactly")
                         .arg(text);
        return std::nullopt;
    }
    return instant;
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
        if (seen.contains(known->option))
            return fail(QStringLiteral("%1 is given more than once").arg(name));
        seen.append(known->option);
        seenNames.append(name);

        if (known->takesValue && !inlineValue) {
            if (i + 1 >= arguments.size())
                return fail(QStringLiteral("%1 needs a value").arg(name));
            value = arguments.at(++i);
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
            ++modes;
            break;
        case Option::At: {
            QString error;
            options.at = parseInstant(value, &error);
            if (!options.at)
                return fail(error);
            break;
        }
        case Option::Size:
            if (value == QLatin1String("small"))
                options.size = CommandLineOptions::MapSize::Small;
            else if (value == QLatin1String("large"))
                options.size = CommandLineOptions::MapSize::Large;
            else
                return fail(
                    QStringLiteral("--size must be \"small\" or \"large\", not \"%1\"").arg(value));
            break;
        case Option::DayImage:
            options.dayImagePath = value;
            break;
        case Option::NightImage:
            options.nightImagePath = value;
            break;
        case Option::Zone:
            options.zone = value;
            break;
        case Option::Grid:
            options.grid = true;
            break;
        case Option::Locations:
            options.locations = true;
            break;
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
        return fail(QStringLiteral("choose one of --snapshot, --readouts and --list-zones"));
    for (qsizetype i = 0; i < seen.size(); ++i) {
        if (!usableBy(seen.at(i), options.mode)) {
            const bool snapshotOnly = seen.at(i) == Option::DayImage ||
                                      seen.at(i) == Option::NightImage ||
                                      seen.at(i) == Option::Grid || seen.at(i) == Option::Locations;
            return fail(QStringLiteral("%1 needs %2")
                            .arg(seenNames.at(i),
                                 snapshotOnly ? QStringLiteral("--snapshot")
                                              : QStringLiteral("--snapshot or --readouts")));
        }
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
        "  --list-zones          print the zones offered, one a line: name, latitude,\n"
        "                        longitude (degrees), separated by tabs\n"
        "  --at TIME             the instant to show, ISO 8601 (2026-06-21T18:40:00Z);\n"
        "                        default: now\n"
        "  --size small|large    the map size, 720x360 or 1440x720; default: small\n"
        "  --zone NAME           the time zone to mark and read out; default: the zone\n"
        "                        the window would start with\n"
        "  --day-image FILE      use FILE as the day map (--snapshot)\n"
        "  --night-image FILE    use FILE as the night map (--snapshot)\n"
        "  --grid                draw the latitude/longitude grid (--snapshot)\n"
        "  --locations           draw the zones' places (--snapshot)\n"
        "  -h, --help            show this help\n"
        "  --version             show the version\n"
        "\n"
        "Preferences: $XDG_CONFIG_HOME/duskmap/duskmap.conf\n"
        "(~/.config/duskmap/duskmap.conf by default).\n");
}
