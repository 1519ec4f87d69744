#pragma once

// The Sun seen from a place, from ERFA's positions: its altitude and azimuth,
// the precise sunrise and sunset of a day, and the spans when two places both
// lie in the twilight band of the grey line.

#include "astro/GeoPoint.h"
#include "astro/SkyPositions.h"

#include <optional>
#include <vector>

namespace astro {

/// Seconds since 1970-01-01 00:00:00 UTC in calendar fields.
UtcInstant utcInstantOf(double unixSeconds);

struct Horizontal
{
    double altitudeDeg; ///< of the Sun's centre, without refraction
    double azimuthDeg;  ///< from north through east, [0, 360)
};
Horizontal sunHorizontal(const GeoPoint &place, double unixSeconds);
/// The same from the point under the Sun.
Horizontal horizontalFrom(const GeoPoint &place, const GeoPoint &sun);

/// The true altitude of the Sun's centre at sunrise and sunset: 34' of
/// refraction and 16' of semi-diameter below the horizon.
constexpr double kRiseSetAltitudeDeg = -50.0 / 60.0;

/// How far the horizon lies below the level from a height: 1.76' per root metre.
double horizonDipDeg(double elevationMetres);

struct RiseSet
{
    enum class Polar
    {
        None,
        Day,  ///< above the horizon all the span
        Night ///< below it all the span
    };
    std::optional<double> sunrise; ///< seconds since 1970 UTC
    std::optional<double> sunset;
    Polar polar = Polar::None;
};

/// The first sunrise and sunset within [start, end), a local day, to a second.
RiseSet sunRiseSet(const GeoPoint &place, double start, double end, double elevationMetres = 0.0);

struct TimeSpan
{
    double start, end; ///< seconds since 1970 UTC
};

/// The spans within [start, end) while both places see the Sun's centre
/// between lowDeg and highDeg, each edge to a second.
std::vector<TimeSpan> greyLineWindows(const GeoPoint &a, const GeoPoint &b, double start,
                                      double end, double lowDeg = -6.0, double highDeg = 6.0);

} // namespace astro
