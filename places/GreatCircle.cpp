#include "places/GreatCircle.h"

#include "astro/Sphere.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/GeodesicLine.hpp>

#include <algorithm>
#include <cmath>

namespace places {

GreatCirclePath greatCirclePath(const GeoPoint &from, const GeoPoint &to)
{
    double metres = 0.0, azimuth1 = 0.0, azimuth2 = 0.0;
    GeographicLib::Geodesic::WGS84().Inverse(from.latitude, from.longitude, to.latitude,
                                             to.longitude, metres, azimuth1, azimuth2);
    const double shortKm = metres / 1000.0;
    // The azimuth at the end points onwards; the way back is opposite it.
    return {sphere::wrapBearing(azimuth1), sphere::wrapBearing(azimuth2 + 180.0), shortKm,
            sphere::wrapBearing(azimuth1 + 180.0), kLongPathCircumferenceKm - shortKm};
}

std::vector<GeoPoint> pathSamples(const GeoPoint &from, const GeoPoint &to, bool longPath,
                                  double stepKm)
{
    const GeographicLib::GeodesicLine line = GeographicLib::Geodesic::WGS84().InverseLine(
        from.latitude, from.longitude, to.latitude, to.longitude);
    const double shortKm = line.Distance() / 1000.0;
    if (longPath && !(shortKm > 0.0))
        return {};
    // The long path is reckoned as greatCirclePath states it; backwards from
    // the start, the geodesic goes off along the short path's bearing turned
    // round.
    const double lengthKm = longPath ? kLongPathCircumferenceKm - shortKm : shortKm;
    const double sign = longPath ? -1.0 : 1.0;
    const int steps = std::max(1, int(std::ceil(lengthKm / stepKm)));
    std::vector<GeoPoint> samples;
    samples.reserve(size_t(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        GeoPoint p;
        line.Position(sign * 1000.0 * lengthKm * i / steps, p.latitude, p.longitude);
        samples.push_back(p);
    }
    // The ends exactly as given, not as rounded along the line.
    samples.front() = from;
    if (!longPath)
        samples.back() = to;
    return samples;
}

} // namespace places
