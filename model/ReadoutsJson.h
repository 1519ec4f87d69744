#pragma once

#include "mapcore/MapGeometry.h"

#include <QJsonObject>

class MapModel;
namespace eclipses {
struct Eclipse;
}

/// Everything the readouts say about the model's shown instant, for scripts
/// and status bars: the six readout texts unchanged, and the same facts as
/// numbers and ISO 8601 instants. The readout texts use this map geometry.
QJsonObject readoutsJson(const MapModel &model, const MapGeometry &geometry);

/// An eclipse as --readouts and --list-eclipses give it: kind, type, the
/// instant of greatest (UT) and its place, the duration, path width and
/// magnitude.
QJsonObject eclipseJson(const eclipses::Eclipse &eclipse);
