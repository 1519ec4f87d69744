#pragma once

// The Moon's shadow at one instant: its axis and the two cones about it, the
// penumbra and the umbra (or antumbra), in the Earth-fixed frame, set up once
// per frame so that every place then costs a few multiplications. No Qt.
//
// The frame is the one of Besselian elements: z along the shadow's axis
// towards the Sun, x in the equator's plane towards the east, y north. A
// place at height zeta above the plane through the Earth's centre lies in the
// penumbra while its distance from the axis, Delta, is below
// L1 = (c1 - zeta) tan f1, where c1 is the height of the penumbral cone's
// vertex; likewise the umbral cone with c2 and f2, whose L2 is negative where
// the eclipse is total. The magnitude there is (L1 - Delta) / (L1 + L2).

#include "astro/GeoPoint.h"
#include "eclipses/SunMoon.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace eclipses {

/// What a place sees of the Sun at the instant.
struct ShadowSample
{
    double magnitude = 0.0;     ///< of the Sun's diameter covered; 0 outside or with the Sun down
    double diameterRatio = 0.0; ///< the Moon's apparent diameter over the Sun's
    bool central = false;       ///< inside the umbra (ratio > 1) or the antumbra

    /// The fraction of the Sun's disc covered: the lens where two discs overlap.
    double obscuration() const;
};

/// The cones at one position: the distance from the axis and the radii there, km.
struct ConeRadii
{
    double delta, l1, l2;
    double magnitude() const { return (l1 - delta) / (l1 + l2); }
    double diameterRatio() const { return (l1 - l2) / (l1 + l2); }
};

/// The WGS-like ellipsoid of the library: the position of a place in km.
Vector positionKm(const GeoPoint &place, double heightMetres = 0.0);
/// The place under a position on or near the ellipsoid's surface.
GeoPoint placeOfSurfacePoint(const Vector &positionKm);

struct PixelCones : ConeRadii
{
    double slope;
};

class Shadow
{
public:
    explicit Shadow(const SunMoon &bodies);
    static Shadow at(double unixSeconds) { return Shadow(sunMoonAt(unixSeconds)); }
    /// The same, bounded for a frame's pixels: a tenth of a millisecond more
    /// to set up, and most of the day side then costs one dot product more
    /// than the night side.
    static Shadow forPixels(double unixSeconds);

    /// For a place's unit vector, as sphere::unitVector gives it from its
    /// latitude and longitude; the place is taken at sea level.
    ShadowSample sample(const Vector &unit) const;
    ShadowSample sample(const GeoPoint &place, double heightMetres = 0.0) const;
    /// The same with the cones there, for drawing: none outside the penumbra
    /// or with the Sun down. `slope` is how fast Delta changes along the
    /// ground at most, km per km (1 under the axis, less where the Sun is low),
    /// so that a line of Delta can be drawn the same width everywhere.
    std::optional<PixelCones> pixelCones(const Vector &unit) const;
    /// Whether any of the penumbra falls on the Earth (for forPixels).
    bool fallsOnEarth() const { return m_capCos <= 1.0; }
    /// Whether every place within an angle in radians of a unit vector is
    /// outside the cap about the penumbra or has the Sun down, so that a run
    /// of pixels can be passed over at once. A cosine moves no faster than
    /// its angle, so the angle widens each bound as it is.
    bool shadesNoneWithin(const Vector &u, double radians) const
    {
        return !(u[0] * m_capCentre[0] + u[1] * m_capCentre[1] + u[2] * m_capCentre[2] >=
                 m_capCos - radians) ||
               !(u[0] * m_sunUnit[0] + u[1] * m_sunUnit[1] + u[2] * m_sunUnit[2] >=
                 m_sinHorizon - radians);
    }

    ConeRadii conesAt(const Vector &positionKm) const;
    /// Degrees of the Sun's centre above a place's horizon, without refraction.
    double sunAltitudeDeg(const GeoPoint &place) const;

    /// The axis' distance from the Earth's centre in equatorial radii (gamma),
    /// and the same with the Earth's polar axis stretched to make it a sphere,
    /// which says whether the axis or the cones meet the Earth.
    double gamma() const;
    double gammaOnSphere() const;
    /// L1 and L2 in the plane through the Earth's centre, km.
    double l1() const { return m_c1 * m_tanF1; }
    double l2() const { return m_c2 * m_tanF2; }

    /// Where the axis meets the Earth, if it does.
    std::optional<Vector> centralPoint() const;
    /// Where the line parallel to the axis through a point of the plane meets
    /// the Earth on the Sun's side.
    std::optional<Vector> surfacePoint(double x, double y) const;
    /// The axis' point in the plane, and a position's.
    double axisX() const { return m_x; }
    double axisY() const { return m_y; }
    /// A position's x, y and height above the plane; y points north.
    std::array<double, 3> planeCoordinates(const Vector &positionKm) const;

private:
    Vector m_sunUnit;
    Vector m_d, m_ex, m_ey;
    Vector m_exScaled, m_eyScaled, m_dScaled; ///< times 1 - e^2 in z, for sea-level places
    double m_x, m_y, m_zMoon;
    double m_c1, m_c2, m_tanF1, m_tanF2;
    double m_sinHorizon;
    Vector m_moon;
    /// A cap of places around the penumbra, in the same unit vectors as the
    /// pixels': most of the day side leaves after one more dot product.
    Vector m_capCentre{};
    double m_capCos = -2.0; ///< all of it, until bounded
    void boundPenumbra();
};

inline std::optional<PixelCones> Shadow::pixelCones(const Vector &u) const
{
    // Each test passes only on numbers, so a NaN shades nothing.
    if (!(u[0] * m_sunUnit[0] + u[1] * m_sunUnit[1] + u[2] * m_sunUnit[2] >= m_sinHorizon))
        return std::nullopt;
    if (!(u[0] * m_capCentre[0] + u[1] * m_capCentre[1] + u[2] * m_capCentre[2] >= m_capCos))
        return std::nullopt;
    // The radius of curvature in the prime vertical, a / sqrt(1 - e^2 sin^2 lat),
    // by the first terms of its series: a metre off at most, and no root.
    constexpr double e2 = kEarthFlattening * (2.0 - kEarthFlattening);
    const double z2 = u[2] * u[2];
    const double n =
        kEarthEquatorialRadiusKm * (1.0 + z2 * (e2 / 2.0 + z2 * (3.0 / 8.0 * e2 * e2)));
    const double xi = n * (m_exScaled[0] * u[0] + m_exScaled[1] * u[1] + m_exScaled[2] * u[2]);
    const double eta = n * (m_eyScaled[0] * u[0] + m_eyScaled[1] * u[1] + m_eyScaled[2] * u[2]);
    const double zeta = n * (m_dScaled[0] * u[0] + m_dScaled[1] * u[1] + m_dScaled[2] * u[2]);
    const double l1 = (m_c1 - zeta) * m_tanF1;
    const double dx = m_x - xi, dy = m_y - eta;
    const double delta2 = dx * dx + dy * dy;
    if (!(delta2 < l1 * l1))
        return std::nullopt;
    const double delta = std::sqrt(delta2);
    // The ground's steepest way across the circles about the axis: the
    // radial direction in the plane less its part along the vertical.
    const double along = delta > 0.0 ? (dx * xi + dy * eta) / (n * delta) : 0.0;
    return PixelCones{{delta, l1, (m_c2 - zeta) * m_tanF2},
                      std::sqrt(std::max(0.0, 1.0 - along * along))};
}

inline ShadowSample Shadow::sample(const Vector &u) const
{
    const std::optional<PixelCones> c = pixelCones(u);
    if (!c)
        return {};
    return {c->magnitude(), c->diameterRatio(), c->delta < std::abs(c->l2)};
}

} // namespace eclipses
