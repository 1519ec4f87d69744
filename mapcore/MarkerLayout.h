#pragma once

// Where the location squares, the zone marker and the zone label go.
// Pure single-precision arithmetic in view coordinates (origin at the map's
// bottom-left corner, y northward); the drawing lives in the renderer.

#include <cstdint>

/// A rectangle by its bottom-left corner and its size, in view pixels.
struct RectF
{
    float x = 0, y = 0, width = 0, height = 0;
    bool operator==(const RectF &) const = default;
};

/// A point in view pixels.
struct PointF
{
    float x = 0, y = 0;
    bool operator==(const PointF &) const = default;
};

/// The 3 x 3 pixel square centred on a place at (x, y) pixels; it is stroked 2 pixels
/// wide in black, then filled yellow.
RectF locationSquareRect(float x, float y);

/// Bounds of the red dot (9 x 9 pixels) of the zone marker at (markerX, markerY) pixels.
RectF markerDotRect(float markerX, float markerY);

/// Bounds of the dot's black centre (5 x 5 pixels).
RectF markerCentreRect(float markerX, float markerY);

/// Whole pixels by which the zone label moves left so that its text, textWidth pixels
/// wide, ends before mapWidth - 20; 0 when it already does.
float labelShift(float markerX, float textWidth, int32_t mapWidth);

/// The half-transparent box behind the zone label: 2 pixels wider than the text on each
/// side, its bottom 1 pixel below the text.
RectF zoneLabelBox(float markerX, float markerY, float textWidth, float textHeight, float shift);

/// Bottom-left of the zone label's text.
PointF zoneLabelTextOrigin(float markerX, float markerY, float shift);
