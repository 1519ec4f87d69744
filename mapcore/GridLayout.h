#pragma once

// Where the latitude/longitude grid puts its lines and what its labels say.
// Pure arithmetic on the map geometry; the drawing lives in the renderer.

#include "mapcore/MapGeometry.h"

#include <cstdint>
#include <string>
#include <vector>

/// A grid line: where it lies along its axis, in whole view pixels
/// (truncated), and the degrees it marks.
struct GridLine
{
    int32_t position;
    int32_t degrees;
    bool operator==(const GridLine &) const = default;
};

/// The parallels every 10 degrees strictly between the poles whose lines
/// fall strictly inside the map's height, placed by the geometry. None when
/// they would lie under one pixel apart (a scale below 0.1 pixel a degree,
/// not positive or not a number).
std::vector<GridLine> latitudeGridLines(const MapGeometry &geometry);

/// The meridians every 10 degrees strictly between 180 W and 180 E, likewise.
std::vector<GridLine> longitudeGridLines(const MapGeometry &geometry);

/// "  80° S", "   0°  ", "  80° N" for a latitude value in degrees.
std::string latitudeLabelText(int32_t value);

/// " 160° W", "   0°  ", " 160° E" for a longitude value in degrees.
std::string longitudeLabelText(int32_t value);

/// Whether a longitude line carries a label: every second line, 0, ±20, ±40 ... degrees.
bool longitudeLabelShown(int32_t value);

/// Bottom of a latitude label (its box and its text), 6 pixels below the line at y.
float latitudeLabelY(int32_t y);

/// Left of a longitude label (its box and its text), centring a text textWidth pixels
/// wide on the line at x.
float longitudeLabelX(int32_t x, float textWidth);
