#pragma once

// Where a satellite is over the Earth: SGP4's TEME position turned with the
// Earth by the mean sidereal time (IAU 1982, which the theory assumes), then
// geodetic on WGS84; whether it is in the Earth's shadow; the footprint it
// can be seen from; and how it stands in the sky of a place.

#include "astro/GeoPoint.h"
#include "astro/Sphere.h"
#include "orbits/Sgp4.h"

#include <optional>

namespace orbits {

/// WGS84's equatorial radius, the footprint's R.
inline constexpr double kWgs84RadiusKm = 6378.137;

struct SatellitePlace
{
    GeoPoint subPoint;             ///< geodetic latitude and longitude, WGS84
    double heightKm = 0.0;         ///< above the WGS84 ellipsoid
    sphere::Vector earthFixedKm{}; ///< x to 0 deg N 0 deg E, z to the North Pole
    bool sunlit = false;
    Sgp4Error error = Sgp4Error::None; ///< when set, nothing else holds
};

/// A TEME position (km) in the Earth-fixed frame at a UTC instant, UT1
/// taken as UTC and the pole without its motion.
sphere::Vector earthFixedOf(const std::array<double, 3> &temeKm, double unixSeconds);

/// The geodetic latitude and longitude on WGS84 of an Earth-fixed position;
/// none at the Earth's centre.
std::optional<GeoPoint> subPointOf(const sphere::Vector &earthFixedKm, double *heightKm = nullptr);

/// The satellite at an instant; \a subsolar is the point under the Sun then,
/// which callers placing many satellites work out once.
SatellitePlace satellitePlace(const Sgp4 &sgp4, double unixSeconds, const GeoPoint &subsolar);

/// Whether an Earth-fixed position lies in the Earth's umbra: the cone of
/// shadow behind a spherical Earth of radius kWgs84RadiusKm, lit by a Sun of
/// its true size at its mean distance. The penumbra counts as sunlit.
bool inEarthShadow(const sphere::Vector &earthFixedKm, const GeoPoint &subsolar);

/// The radius along the Earth's surface (km) of the cap from which a
/// satellite at a height stands at least maskDeg above the horizon:
/// R lambda with lambda = acos(R cos e / (R + h)) - e. Zero when the height is
/// not above the ground.
double footprintRadiusKm(double heightKm, double maskDeg);

struct LookAngles
{
    double elevationDeg; ///< geometric, without refraction
    double azimuthDeg;   ///< from north through east, [0, 360)
    double rangeKm;
};

/// A place on the ground that looks at satellites.
class Observer
{
public:
    explicit Observer(const GeoPoint &place, double heightMetres = 0.0);
    const GeoPoint &place() const { return m_place; }
    LookAngles look(const sphere::Vector &earthFixedKm) const;

private:
    GeoPoint m_place;
    sphere::Vector m_positionKm{};
    sphere::LocalFrame m_frame{};
};

} // namespace orbits
