#pragma once

#include "app/CommandLine.h"

#include <QTextStream>

class Clock;
class Preferences;
class Resources;

/// The command-line modes that need no window, and construct no widget. Each
/// returns the exit status: 0 on success, 2 for bad input or an output that
/// cannot be written, with one line on the error stream.
int runSnapshot(const CommandLineOptions &options, Preferences &preferences,
                const Resources &resources, const Clock &clock, QTextStream &err);
int runReadouts(const CommandLineOptions &options, Preferences &preferences,
                const Resources &resources, const Clock &clock, QTextStream &out, QTextStream &err);
/// The zones, or with a query only those it finds, best first.
int runListZones(const CommandLineOptions &options, const Resources &resources, QTextStream &out);
