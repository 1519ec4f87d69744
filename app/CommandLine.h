#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

/// What the command line asks Duskmap to do.
struct CommandLineOptions
{
    enum class Mode
    {
        Window,
        Snapshot,
        Readouts,
        ListZones,
        Help,
        Version
    };
    enum class MapSize
    {
        Small,
        Large
    };

    Mode mode = Mode::Window;
    QString outputPath;            ///< --snapshot FILE
    std::optional<QDateTime> at;   ///< --at TIME
    MapSize size = MapSize::Small; ///< --size small|large
    QString dayImagePath;          ///< --day-image FILE
    QString nightImagePath;        ///< --night-image FILE
    QString zone;                  ///< --zone NAME
    std::optional<bool> grid;      ///< --grid given
    std::optional<bool> locations; ///< --locations given
};

struct CommandLineResult
{
    CommandLineOptions options;
    QString error; ///< one line; empty when the command line is good
    bool ok() const { return error.isEmpty(); }
};

/// Parses the arguments that follow the program name. Accepts "--option value"
/// and "--option=value". Checks everything that can be checked without
/// touching files: the options, their combinations and the time.
CommandLineResult parseCommandLine(const QStringList &arguments);

/// Parses an ISO 8601 instant ("2026-06-21T18:40:00Z", an offset, or local
/// time when none is given) within the dates the solar day number serves,
/// 1900-03-01 to 2100-02-28 in UTC.
std::optional<QDateTime> parseInstant(const QString &text, QString *error = nullptr);

/// The text of --help.
QString usageText();
