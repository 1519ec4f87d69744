#include "mapcore/MarkerLayout.h"

#include <cmath>

namespace {

constexpr float kSquareHalfPx = 1.5f;
constexpr float kSquareSizePx = 3.0f;
constexpr float kDotRadiusPx = 4.0f;
constexpr float kDotSizePx = 9.0f;
constexpr float kCentreRadiusPx = 2.0f;
constexpr float kCentreSizePx = 5.0f;
constexpr int32_t kLabelMarginPx = 20;

} // namespace

RectF locationSquareRect(float x, float y)
{
    return {x - kSquareHalfPx, y - kSquareHalfPx, kSquareSizePx, kSquareSizePx};
}

RectF markerDotRect(float markerX, float markerY)
{
    return {markerX - kDotRadiusPx, markerY - kDotRadiusPx, kDotSizePx, kDotSizePx};
}

RectF markerCentreRect(float markerX, float markerY)
{
    return {markerX - kCentreRadiusPx, markerY - kCentreRadiusPx, kCentreSizePx, kCentreSizePx};
}

float labelShift(float markerX, float textWidth, int32_t mapWidth)
{
    // In 64 bits so that no map width can overflow the subtraction.
    const auto limit = static_cast<float>(static_cast<int64_t>(mapWidth) - kLabelMarginPx);
    const float right = markerX + textWidth;
    if (right > limit) {
        // Truncating keeps the shift whole: the text's end lands in [limit, limit + 1).
        // std::trunc equals the round trip through an integer wherever that is
        // defined, and stays defined for any excess.
        return std::trunc(right - limit);
    }
    return 0.0f;
}

RectF zoneLabelBox(float markerX, float markerY, float textWidth, float textHeight, float shift)
{
    return {(markerX + 3.0f) - shift, markerY + 4.0f, textWidth + 4.0f, textHeight};
}

PointF zoneLabelTextOrigin(float markerX, float markerY, float shift)
{
    return {(markerX + 5.0f) - shift, markerY + 5.0f};
}
