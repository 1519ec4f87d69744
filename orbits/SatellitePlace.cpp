#include "orbits/SatellitePlace.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

namespace orbits {

namespace {

constexpr double kUnixEpochJd = 2440587.5;
constexpr double kSunRadiusKm = 695700.0;           // IAU 2015 nominal
constexpr double kAstronomicalUnitKm = 149597870.7; // the Sun's mean distance
constexpr int kWgs84 = 1;                           // ERFA's number for the ellipsoid
constexpr double kWgs84Flattening = 1.0 / 298.257223563;

double dot(const sphere::Vector &a, const sphere::Vector &b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

} // namespace

sphere::Vector earthFixedOf(const std::array<double, 3> &temeKm, double unixSeconds)
{
    const double gmst = eraGmst82(kUnixEpochJd, unixSeconds / 86400.0);
    const double c = std::cos(gmst), s = std::sin(gmst);
    return {c * temeKm[0] + s * temeKm[1], -s * temeKm[0] + c * temeKm[1], temeKm[2]};
}

SatellitePlace satellitePlace(const Sgp4 &sgp4, double unixSeconds, const GeoPoint &subsolar)
{
    SatellitePlace place;
    const TemeState state = sgp4.atUnixSeconds(unixSeconds);
    place.error = state.error;
    if (state.error != Sgp4Error::None)
        return place;
    place.earthFixedKm = earthFixedOf(state.positionKm, unixSeconds);
    const std::optional<GeoPoint> below = subPointOf(place.earthFixedKm, &place.heightKm);
    if (!below) {
        place.error = Sgp4Error::Decayed; // at the Earth's centre
        return place;
    }
    place.subPoint = *below;
    place.sunlit = !inEarthShadow(place.earthFixedKm, subsolar);
    return place;
}

std::optional<GeoPoint> subPointOf(const sphere::Vector &earthFixedKm, double *heightKm)
{
    double longitude = 0.0, latitude = 0.0, height = 0.0;
    // ERFA's eraGc2gd works in metres; the ellipsoid in kilometres keeps the
    // position and the height in kilometres.
    sphere::Vector xyz = earthFixedKm;
    if (eraGc2gde(kWgs84RadiusKm, kWgs84Flattening, xyz.data(), &longitude, &latitude, &height) !=
        0)
        return std::nullopt;
    if (heightKm)
        *heightKm = height;
    return GeoPoint{latitude * sphere::kRadToDeg,
                    sphere::wrapDegrees(longitude * sphere::kRadToDeg)};
}

bool inEarthShadow(const sphere::Vector &earthFixedKm, const GeoPoint &subsolar)
{
    // Along the axis away from the Sun the umbra narrows from the Earth's
    // radius to a point about 1.38 million km behind it.
    const double behind = -dot(earthFixedKm, sphere::unitVector(subsolar));
    if (behind <= 0.0)
        return false;
    const double apexKm = kWgs84RadiusKm * kAstronomicalUnitKm / (kSunRadiusKm - kWgs84RadiusKm);
    const double umbraRadius = kWgs84RadiusKm * (1.0 - behind / apexKm);
    const double offAxis2 = dot(earthFixedKm, earthFixedKm) - behind * behind;
    return umbraRadius > 0.0 && offAxis2 < umbraRadius * umbraRadius;
}

double footprintRadiusKm(double heightKm, double maskDeg)
{
    if (!(heightKm > 0.0))
        return 0.0;
    const double e = maskDeg * sphere::kDegToRad;
    const double lambda = std::acos(kWgs84RadiusKm * std::cos(e) / (kWgs84RadiusKm + heightKm)) - e;
    return kWgs84RadiusKm * std::max(lambda, 0.0);
}

Observer::Observer(const GeoPoint &place, double heightMetres)
    : m_place(place), m_frame(sphere::localFrame(place))
{
    double metres[3];
    eraGd2gc(kWgs84, place.longitude * sphere::kDegToRad, place.latitude * sphere::kDegToRad,
             heightMetres, metres);
    m_positionKm = {metres[0] / 1000.0, metres[1] / 1000.0, metres[2] / 1000.0};
}

LookAngles Observer::look(const sphere::Vector &earthFixedKm) const
{
    const sphere::Vector d = {earthFixedKm[0] - m_positionKm[0], earthFixedKm[1] - m_positionKm[1],
                              earthFixedKm[2] - m_positionKm[2]};
    const double range = std::sqrt(dot(d, d));
    const double up = dot(d, m_frame.up);
    // The geodetic latitude makes "up" the ellipsoid's normal, the horizon's.
    return {std::asin(std::clamp(up / range, -1.0, 1.0)) * sphere::kRadToDeg,
            sphere::wrapBearing(std::atan2(dot(d, m_frame.east), dot(d, m_frame.north)) *
                                sphere::kRadToDeg),
            range};
}

} // namespace orbits
