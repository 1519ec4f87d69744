#pragma once

// The points under the Sun and the Moon and the Moon's phase for one instant,
// from ERFA. Separate from the sun model in solar/, which the night overlay
// and the sunrise and sunset readouts keep using unchanged.

#include "astro/GeoPoint.h"

#include <cstdint>
#include <string_view>

namespace astro {

/// A UTC instant in calendar fields; before 1960 taken as UT.
struct UtcInstant
{
    int32_t year = 2000, month = 1, day = 1, hour = 0, minute = 0;
    double second = 0.0;
};

enum class MoonPhase : uint8_t
{
    New,
    WaxingCrescent,
    FirstQuarter,
    WaxingGibbous,
    Full,
    WaningGibbous,
    LastQuarter,
    WaningCrescent,
};

struct SkyPositions
{
    GeoPoint subsolar; ///< the Sun's apparent place in the zenith; longitude in [-180, 180)
    GeoPoint sublunar; ///< the Moon's geocentric place in the zenith, likewise
    double illuminatedFraction; ///< of the Moon's disc, 0 to 1
    double phaseAngleDeg;       ///< Sun-Moon-Earth angle, 0 (full) to 180 (new)
    double elongationDeg;       ///< Moon's ecliptic longitude minus the Sun's, [0, 360)
    MoonPhase phase;
};

/// TT - UT1 in seconds for the instant.
double ttMinusUt1Seconds(const UtcInstant &utc);

/// Everything above for the instant.
SkyPositions skyPositions(const UtcInstant &utc);

/// The point under the Sun alone, as skyPositions gives it.
GeoPoint subsolarPoint(const UtcInstant &utc);

/// The phase's name for an elongation in degrees: the four principal phases
/// hold for about a day either side of their instant.
MoonPhase moonPhaseForElongation(double elongationDeg);

/// "new", "waxing crescent", ... "waning crescent".
std::string_view moonPhaseName(MoonPhase phase);

} // namespace astro
