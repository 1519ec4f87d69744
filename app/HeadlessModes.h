#pragma once

#include "app/CommandLine.h"

#include <QTextStream>

class Clock;
class Preferences;
class Resources;

/// The command-line modes that need no window, and construct no widget. Each
/// returns the exit status: 0 on success, 2 for bad input or an output folder
/// that cannot be written, 1 for a failure while working, with one line on
/// the error stream. A snapshot with --every writes its file until SIGINT or
/// SIGTERM, and returns 0 then.
int runSnapshot(const CommandLineOptions &options, Preferences &preferences,
                const Resources &resources, const Clock &clock, QTextStream &err);
int runReadouts(const CommandLineOptions &options, Preferences &preferences,
                const Resources &resources, const Clock &clock, QTextStream &out, QTextStream &err);
/// Keeps the desktop background showing the current map until SIGINT or
/// SIGTERM: 0 then; 1 when the first image cannot be shown, with one line on
/// err. An image that cannot be written, and a later failure to show one,
/// are logged and tried again at the next refresh.
int runWallpaper(const CommandLineOptions &options, Preferences &preferences,
                 const Resources &resources, const Clock &clock, QTextStream &err);
/// The zones, or with a query only those it finds, best first; 1 with one
/// line on err when it finds none.
int runListZones(const CommandLineOptions &options, const Resources &resources, QTextStream &out,
                 QTextStream &err);
/// The eclipses of --list-eclipses' years, or the next ten from the clock's
/// now, as lines of tab-separated fields or one JSON array.
int runListEclipses(const CommandLineOptions &options, const Clock &clock, QTextStream &out);
/// The chosen satellites' passes over home in the next days, in home's zone;
/// 2 with one line on err without a home or an element file, 1 when the file
/// has none of the chosen satellites.
int runPasses(const CommandLineOptions &options, Preferences &preferences,
              const Resources &resources, const Clock &clock, QTextStream &out, QTextStream &err);
