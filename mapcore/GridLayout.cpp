#include "mapcore/GridLayout.h"

#include "solar/Angles.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kGridStepDeg = 10.0;
constexpr int32_t kPoleDeg = 90;
constexpr int32_t kAntimeridianDeg = 180;
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

/// The lines every 10 degrees strictly inside +-bound degrees whose
/// truncated positions fall strictly inside (0, limit).
template <typename Position>
std::vector<GridLine> gridLines(int32_t bound, int32_t limit, float pixelsPerDegree,
                                Position position)
{
    // Lines under a pixel apart would pile onto each other.
    if (!(kGridStepDeg * double(pixelsPerDegree) >= 1.0) || !std::isfinite(pixelsPerDegree))
        return {};
    std::vector<GridLine> lines;
    const int32_t step = int32_t(kGridStepDeg);
    for (int32_t degrees = step - bound; degrees < bound; degrees += step) {
        const int32_t at = truncateToInt32(position(float(degrees)));
        if (at > 0 && at < limit)
            lines.push_back({at, degrees});
    }
    return lines;
}

} // namespace

std::vector<GridLine> latitudeGridLines(const MapGeometry &geometry)
{
    return gridLines(kPoleDeg, geometry.mapHeight, geometry.pixelsPerDegree,
                     [&](float degrees) { return latitudeToY(degrees, geometry); });
}

std::vector<GridLine> longitudeGridLines(const MapGeometry &geometry)
{
    return gridLines(kAntimeridianDeg, geometry.mapWidth, geometry.pixelsPerDegree,
                     [&](float degrees) { return longitudeToX(degrees, geometry); });
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
