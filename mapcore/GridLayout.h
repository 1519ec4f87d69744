#pragma once

// Where the latitude/longitude grid puts its lines and what its labels say.
// Pure arithmetic on the map geometry; the drawing lives in the renderer.

#include <cstdint>
#include <string>
#include <vector>

/// Pixel positions of the grid lines along one axis, one every 10 degrees, each
/// truncated to a whole pixel, strictly between 0 and limit (mapHeight or mapWidth).
/// Empty when the spacing would be under one pixel (pixelsPerDegree below 0.1, not
/// positive or not a number), so that no grid is drawn rather than a loop that never ends.
std::vector<int32_t> gridLinePositions(float pixelsPerDegree, int32_t limit);

/// Latitude in whole degrees (truncated toward zero) of the line at y pixels, taking
/// the bottom edge as 90 S.
int32_t latitudeLabelValue(int32_t y, float pixelsPerDegree);

/// Longitude in whole degrees (truncated toward zero) of the line at x pixels, taking
/// the left edge as 180 W.
int32_t longitudeLabelValue(int32_t x, float pixelsPerDegree);

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
