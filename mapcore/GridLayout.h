#pragma once

// Where the latitude/longitude grid puts its lines and what its labels say.
// Pure arithmetic on the map geometry; the drawing lives in the renderer.

#include "mapcore/MapGeometry.h"

#include <cstdint>
#include <string>
#include <vector>

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
