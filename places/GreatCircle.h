#pragma once

// The short and long paths between two places on the WGS84 ellipsoid.

#include "astro/GeoPoint.h"

#include <vector>

namespace places {

/// The long path follows a convention of its own: the short path's bearing
/// turned round, and as long as this fixed figure less the short path, whatever
/// the ellipsoid or the sphere would give.
constexpr double kLongPathCircumferenceKm = 40030.17;

struct GreatCirclePath
{
    double shortBearingDeg;   ///< at the start, from north through east, [0, 360)
    double reverseBearingDeg; ///< at the end, back towards the start
    double shortDistanceKm;
    double longBearingDeg; ///< the short one turned round
    double longDistanceKm;
};

GreatCirclePath greatCirclePath(const GeoPoint &from, const GeoPoint &to);

/// Places along the WGS84 geodesic from one place to another, at most
/// stepKm apart, both ends included: the short path, or the long one, which
/// goes the other way round along the same geodesic for the long path's
/// length, ending about where the short one does. Drawn through any view,
/// the samples follow the line as that view shows it. Empty where the path
/// is not defined: the long path between one place and itself.
std::vector<GeoPoint> pathSamples(const GeoPoint &from, const GeoPoint &to, bool longPath,
                                  double stepKm = 50.0);

} // namespace places
