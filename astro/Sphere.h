#pragma once

// The Earth as a sphere: degrees and radians, unit vectors, great circles and
// the wrapping of angles, written once for every part that measures on it.
// No Qt, and header only, so that the loops over pixels inline it.

#include "astro/GeoPoint.h"

#include <array>
#include <cmath>
#include <numbers>

namespace sphere {

inline constexpr double kDegToRad = std::numbers::pi / 180.0;
inline constexpr double kRadToDeg = 180.0 / std::numbers::pi;

/// The IUGG mean radius of the Earth, for every distance on the sphere.
inline constexpr double kMeanRadiusKm = 6371.0088;

/// x towards 0° N 0° E, y towards 0° N 90° E, z towards the North Pole.
using Vector = std::array<double, 3>;

inline Vector unitVector(const GeoPoint &place)
{
    const double lat = place.latitude * kDegToRad;
    const double lon = place.longitude * kDegToRad;
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

/// The place a vector points at; it need not be of unit length. The latitude
/// comes from atan2, which stays exact near the poles where asin does not.
inline GeoPoint placeOf(const Vector &v)
{
    return {std::atan2(v[2], std::hypot(v[0], v[1])) * kRadToDeg,
            std::atan2(v[1], v[0]) * kRadToDeg};
}

/// The directions at a place: up out of the Earth, east and north along it.
struct LocalFrame
{
    Vector up;
    Vector east;
    Vector north;
};

inline LocalFrame localFrame(const GeoPoint &place)
{
    const double lat = place.latitude * kDegToRad;
    const double lon = place.longitude * kDegToRad;
    const double sinLat = std::sin(lat), cosLat = std::cos(lat);
    const double sinLon = std::sin(lon), cosLon = std::cos(lon);
    return {{cosLat * cosLon, cosLat * sinLon, sinLat},
            {-sinLon, cosLon, 0.0},
            {-sinLat * cosLon, -sinLat * sinLon, cosLat}};
}

/// Into [-180, 180): a longitude, or the shorter way from one to another.
/// remainder() is exact, so an angle already in range comes back unchanged.
inline double wrapDegrees(double degrees)
{
    const double wrapped = std::remainder(degrees, 360.0);
    return wrapped >= 180.0 ? wrapped - 360.0 : wrapped;
}

/// Into [-pi, pi).
inline double wrapRadians(double radians)
{
    const double wrapped = std::remainder(radians, 2.0 * std::numbers::pi);
    return wrapped >= std::numbers::pi ? wrapped - 2.0 * std::numbers::pi : wrapped;
}

/// A bearing into [0, 360), clockwise from north.
inline double wrapBearing(double degrees)
{
    double wrapped = std::fmod(degrees, 360.0);
    if (wrapped < 0.0)
        wrapped += 360.0;
    // A tiny negative angle plus 360 rounds to 360 itself.
    return wrapped < 360.0 ? wrapped : 0.0;
}

/// The place a direction points at from a start, after an angular distance
/// (radians) along the great circle of the given initial bearing (radians
/// clockwise from north).
inline GeoPoint destinationPoint(const GeoPoint &from, double bearingRad, double distanceRad)
{
    const LocalFrame frame = localFrame(from);
    Vector v{};
    for (int i = 0; i < 3; ++i)
        v[i] = std::cos(distanceRad) * frame.up[i] +
               std::sin(distanceRad) *
                   (std::sin(bearingRad) * frame.east[i] + std::cos(bearingRad) * frame.north[i]);
    return placeOf(v);
}

/// Angular distance (radians) and initial bearing (radians clockwise from
/// north, [0, 2 pi)) from one place to another.
struct DistanceAndBearing
{
    double distanceRad;
    double bearingRad;
};

inline DistanceAndBearing distanceAndBearing(const GeoPoint &from, const GeoPoint &to)
{
    const double lat1 = from.latitude * kDegToRad;
    const double lat2 = to.latitude * kDegToRad;
    const double dLon = (to.longitude - from.longitude) * kDegToRad;
    const double y = std::sin(dLon) * std::cos(lat2);
    const double x =
        std::cos(lat1) * std::sin(lat2) - std::sin(lat1) * std::cos(lat2) * std::cos(dLon);
    const double z =
        std::sin(lat1) * std::sin(lat2) + std::cos(lat1) * std::cos(lat2) * std::cos(dLon);
    double bearing = std::atan2(y, x);
    if (bearing < 0.0)
        bearing += 2.0 * std::numbers::pi;
    return {std::atan2(std::hypot(x, y), z), bearing};
}

} // namespace sphere
