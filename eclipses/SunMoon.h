#pragma once

// The Sun and the Moon for eclipses, from the Swiss Ephemeris and its
// JPL-based files: where each stands over the rotating Earth, and the time
// scales the library keeps. No Qt.

#include "astro/Sphere.h"

#include <array>
#include <cstdint>

namespace eclipses {

using sphere::Vector;

// The bodies and the Earth as the library's eclipse functions take them, so
// that what is computed here agrees with its own local circumstances.
inline constexpr double kEarthEquatorialRadiusKm = 6378.140;
inline constexpr double kEarthFlattening = 1.0 / 298.25642;
inline constexpr double kSunRadiusKm = 696000.0;
inline constexpr double kMoonRadiusKm = 1738.15;
/// The Moon's mean radius for the umbra, as NASA's canon takes it (k =
/// 0.2722810 Earth radii, against 0.2725076 for the penumbra): its valleys
/// let the Sun through at the second and third contacts.
inline constexpr double kMoonUmbralRadiusKm = 0.2722810 * 6378.137;

enum class EphemerisProblem : uint8_t
{
    None,
    /// The JPL-based files are missing: the library falls back to its
    /// analytical theory, some kilometres off along the shadow's path.
    FilesMissing,
};

/// Whether the library finds its files (checked once per thread).
EphemerisProblem ephemerisProblem();

/// TT - UT in seconds at an instant (seconds since 1970 UT), as the library
/// keeps it: observed values to 2023, its estimates to 2028, then the long-term
/// parabola of Stephenson, Morrison and Hohenkerk (2016) joined smoothly,
/// about 70 s in 2030 and 93 s in 2100.
double deltaTSeconds(double unixSeconds);

/// The apparent places of the Sun and the Moon, centre of the Earth to
/// centre of each, in km along x to 0° N 0° E, y to 0° N 90° E, z to the
/// North Pole at the instant.
struct SunMoon
{
    Vector sun;
    Vector moon;
};

/// For an instant in seconds since 1970; UTC is taken as UT1, within 0.9 s.
SunMoon sunMoonAt(double unixSeconds);

/// The same over a span of hours, from a few of the library's positions:
/// polynomials through Chebyshev nodes follow the Moon to under a metre over
/// twelve hours, so the searches for contacts and limits, which want
/// hundreds of instants, pay for nine.
class SunMoonTrack
{
public:
    SunMoonTrack(double centreUnixSeconds, double halfSpanSeconds);
    SunMoon at(double unixSeconds) const;
    double start() const { return m_centre - m_halfSpan; }
    double end() const { return m_centre + m_halfSpan; }

private:
    static constexpr int kNodes = 9;
    double m_centre;
    double m_halfSpan;
    std::array<double, kNodes> m_times{};
    /// The Sun's and the Moon's equatorial places of date, and sidereal time
    /// less its mean rate.
    std::array<std::array<double, 7>, kNodes> m_values{};
    double m_siderealAtCentre = 0.0;
};

} // namespace eclipses
