#include "mapcore/GridLayout.h"

#include "solar/Angles.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kLatitudeLabelDropPx = 6.0;

std::string labelText(int32_t value, char negativeLetter, char positiveLetter)
{
    const char letter = value > 0 ? positiveLetter : value < 0 ? negativeLetter : ' ';
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%4lld%s %c", std::llabs(static_cast<long long>(value)),
                  solar::kDegreeSign, letter);
    return buffer;
}

} // namespace

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
