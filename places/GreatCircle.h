#pragma once

// The short and long paths between two places on the WGS84 ellipsoid.

#include "astro/GeoPoint.h"

namespace places {

/// The circumference at the Earth's mean radius, 6,371.0088 km, from which
/// the long path's length is counted.
constexpr double kMeanCircumferenceKm = 40030.17;

struct GreatCirclePath
{
    double shortBearingDeg;   ///< at the start, from north through east, [0, 360)
    double reverseBearingDeg; ///< at the end, back towards the start
    double shortDistanceKm;
    double longBearingDeg; ///< the short one turned round
    double longDistanceKm;
};

GreatCirclePath greatCirclePath(const GeoPoint &from, const GeoPoint &to);

} // namespace places
