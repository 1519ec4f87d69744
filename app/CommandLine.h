#pragma once

#include "mapcore/MapGeometry.h"
#include "model/HomeAndTarget.h"
#include "model/MapLayer.h"
#include "model/MapViews.h"
#include "render/ImageFileFormat.h"

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <utility>

/// The program's exit statuses.
enum ExitStatus
{
    kExitSuccess = 0,
    /// A failure while working.
    kExitFailed = 1,
    /// The command line cannot be carried out as given, found before any work.
    kExitBadInput = 2,
};

/// The frames a second of an animation when --fps is not given.
inline constexpr int kDefaultFps = 12;

/// What the command line asks Duskmap to do.
struct CommandLineOptions
{
    enum class Mode
    {
        Window,
        Snapshot,
        Readouts,
        ListZones,
        Wallpaper,
        Help,
        Version,
        ListEclipses,
        Passes,
    };
    Mode mode = Mode::Window;
    QString outputPath; ///< --snapshot FILE
    /// The image format the output's name asks for; none for an animation or
    /// a name with no known extension.
    std::optional<ImageFileFormat> format;
    std::optional<QDateTime> at; ///< --at TIME
    /// --size in pixels, small and large as 720x360 and 1440x720; not valid
    /// when not given.
    QSize size;
    /// The size of the map to draw: --size, else the small map. The wallpaper
    /// takes the screen's size instead when none is given.
    QSize mapSize() const
    {
        return size.isValid() ? size : QSize(kSmallPreset.mapWidth, kSmallPreset.mapHeight);
    }
    QString dayImagePath;   ///< --day-image FILE
    QString nightImagePath; ///< --night-image FILE
    QString zone;           ///< --zone NAME: an id or a search phrase
    QStringList pins;       ///< --pin ZONE, repeatable: ids or search phrases
    bool noPins = false;    ///< --no-pins: none of the stored pins
    bool json = false;      ///< --json, with --readouts
    QString zoneQuery;      ///< --list-zones QUERY
    /// --grid, --no-grid and the like for each layer; what is not given comes
    /// from the preferences.
    std::array<std::optional<bool>, kMapLayerCount> layers;
    std::optional<MapView> view;    ///< --projection NAME
    std::optional<GeoPoint> centre; ///< --center LAT,LON
    std::optional<MapFit> fit;      ///< --fit contain|cover
    /// --home and --target as typed and parsed, in kPlaceEnds' order; a city
    /// is looked up when the map is made.
    struct TypedPlace
    {
        QString text;
        places::PlaceText parsed;
    };
    std::array<std::optional<TypedPlace>, kPlaceEnds.size()> places;
    std::optional<double> homeElevation;      ///< --home-elevation METRES
    std::optional<GreyLineBand> greyLineBand; ///< --grey-line LOW,HIGH
    QString satellitesPath;                   ///< --satellites FILE

    /// A time-lapse: frames from --from to --to every --step, written as
    /// numbered image files or as one animated WebP.
    struct TimeLapse
    {
        QDateTime from;
        QDateTime to;
        qint64 stepSeconds = 0;
        qint64 frameCount = 0;
        bool animation = false; ///< .webp
        int fps = kDefaultFps;  ///< --fps, animations only
    };
    std::optional<TimeLapse> timeLapse;
    std::optional<int> quality; ///< --quality N, 0 to 100: WebP and JPEG frames
    /// --list-eclipses FROM,TO: the first and last years listed; none for the
    /// next ten eclipses.
    std::optional<std::pair<int, int>> eclipseYears;
    /// --every D: seconds between refreshes of a snapshot, or of the wallpaper
    /// (10 minutes when not given).
    std::optional<qint64> everySeconds;
    QString cloudsPath; ///< --clouds FILE
    QString auroraPath; ///< --aurora FILE
};

/// The sizes --size accepts.
inline constexpr QSize kSmallestMapSize{64, 32};
inline constexpr QSize kLargestMapSize{16384, 8192};

struct CommandLineResult
{
    CommandLineOptions options;
    QString error; ///< one line; empty when the command line is good
    bool ok() const { return error.isEmpty(); }
};

/// Parses the arguments that follow the program name. Accepts "--option value"
/// and "--option=value". Checks everything that can be checked without
/// touching files: the options, their combinations and the time. Reads the
/// words into options first, then applies each, then checks the rules that
/// join them.
CommandLineResult parseCommandLine(const QStringList &arguments);

/// Parses an ISO 8601 instant ("2026-06-21T18:40:00Z", an offset, or local
/// time when none is given) within the dates the solar day number serves,
/// 1900-03-01 to 2100-02-28 in UTC.
std::optional<QDateTime> parseInstant(const QString &text, QString *error = nullptr);

/// A duration: a positive whole number with a unit, "90s", "10m", "1h" or
/// "1d", in seconds; nothing for anything else, with the reason in error.
std::optional<qint64> parseDuration(const QString &text, QString *error = nullptr);

/// A map size: "small", "large" or "WIDTHxHEIGHT" within kSmallestMapSize and
/// kLargestMapSize; not valid for anything else.
QSize parseMapSize(const QString &text);

/// An argument as an error line shows it: control characters as '?', like
/// ls, so that the line stays one line and nothing reaches the terminal.
QString printableArgument(const QString &text);

/// The text of --help, made from the options' own descriptions.
QString usageText();

/// The name of every option, as the table that --help is made from lists them.
QStringList optionNames();

/// The manual page with its generated sections made again from the option
/// table: each from a line ".\" generated from the option table: SECTION" to a
/// line ".\" end of the generated section", where SECTION is "synopsis", or
/// "snapshot", "readouts" or "wallpaper" for the options that mode takes.
/// Empty when a section is unknown or not closed.
QString withGeneratedManual(const QString &page);
