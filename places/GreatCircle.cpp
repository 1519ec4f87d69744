#include "places/GreatCircle.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>

namespace places {

namespace {

double bearing(double azimuthDeg)
{
    const double b = std::fmod(azimuthDeg, 360.0);
    return b < 0.0 ? b + 360.0 : b;
}

} // namespace

GreatCirclePath greatCirclePath(const GeoPoint &from, const GeoPoint &to)
{
    double metres = 0.0, azimuth1 = 0.0, azimuth2 = 0.0;
    GeographicLib::Geodesic::WGS84().Inverse(from.latitude, from.longitude, to.latitude,
                                             to.longitude, metres, azimuth1, azimuth2);
    const double shortKm = metres / 1000.0;
    // The azimuth at the end points onwards; the way back is opposite it.
    return {bearing(azimuth1), bearing(azimuth2 + 180.0), shortKm, bearing(azimuth1 + 180.0),
            kMeanCircumferenceKm - shortKm};
}

} // namespace places
