#include "mapcore/GridLayout.h"

#include "solar/Angles.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kGridStepDeg = 10.0;
constexpr float kSouthPoleDeg = 90.0f;
constexpr float kAntimeridianDeg = 180.0f;
constexpr double kLatitudeLabelDropPx = 6.0;

/// Truncates toward zero; a value out of range of int32 (only from a degenerate
/// geometry) saturates and NaN gives 0, instead of undefined behaviour.
int32_t truncateToInt32(float value)
{
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483648.0f) {
        return INT32_MAX;
    }
    if (value < -2147483648.0f) {
        return INT32_MIN;
    }
    return static_cast<int32_t>(value);
}

std::string labelText(int32_t value, char negativeLetter, char positiveLetter)
{
    const char letter = value > 0 ? positiveLetter : value < 0 ? negativeLetter : ' ';
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%4lld%s %c", std::llabs(static_cast<long long>(value)),
                  solar::kDegreeSign, letter);
    return buffer;
}

} // namespace

std::vector<int32_t> gridLinePositions(float pixelsPerDegree, int32_t limit)
{
    const double spacing = kGridStepDeg * static_cast<double>(pixelsPerDegree);
    // A spacing under one pixel would never advance past a truncated position.
    if (!(spacing >= 1.0) || !std::isfinite(spacing)) {
        return {};
    }
    std::vector<int32_t> positions;
    // Held in double: every position below limit is a whole number that converts
    // exactly, and a spacing beyond the int32 range cannot overflow.
    for (double position = std::trunc(spacing); position < limit;
         position = std::trunc(position + spacing)) {
        positions.push_back(static_cast<int32_t>(position));
    }
    return positions;
}

int32_t latitudeLabelValue(int32_t y, float pixelsPerDegree)
{
    return truncateToInt32(static_cast<float>(y) / pixelsPerDegree - kSouthPoleDeg);
}

int32_t longitudeLabelValue(int32_t x, float pixelsPerDegree)
{
    return truncateToInt32(static_cast<float>(x) / pixelsPerDegree - kAntimeridianDeg);
}

std::string latitudeLabelText(int32_t value)
{
    return labelText(value, 'S', 'N');
}

std::string longitudeLabelText(int32_t value)
{
    return labelText(value, 'W', 'E');
}

bool longitudeLabelShown(int32_t value)
{
    // Integer division truncates toward zero: -9 ... 9 all share the quotient 0, and
    // a sign never changes the parity, so 160 W is labelled just as 160 E is.
    return (value / 10) % 2 == 0;
}

float latitudeLabelY(int32_t y)
{
    return static_cast<float>(static_cast<double>(y) - kLatitudeLabelDropPx);
}

float longitudeLabelX(int32_t x, float textWidth)
{
    return static_cast<float>(static_cast<double>(textWidth) * -0.5 + static_cast<double>(x));
}
