#include "eclipses/Shadow.h"

#include "astro/PlaceSun.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace eclipses {

namespace {

constexpr double kE2 = kEarthFlattening * (2.0 - kEarthFlattening);
// Stretching z by this makes the ellipsoid a sphere of the equatorial radius.
constexpr double kStretch = 1.0 / (1.0 - kEarthFlattening);

double dot(const Vector &a, const Vector &b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vector unit(const Vector &v)
{
    const double n = std::sqrt(dot(v, v));
    return {v[0] / n, v[1] / n, v[2] / n};
}

// The larger root of |q + s d|^2 = a^2 with z stretched: the Sun's side.
std::optional<Vector> meetEarth(const Vector &q, const Vector &d)
{
    const Vector qs{q[0], q[1], q[2] * kStretch}, ds{d[0], d[1], d[2] * kStretch};
    const double a = dot(ds, ds), b = dot(qs, ds);
    const double c = dot(qs, qs) - kEarthEquatorialRadiusKm * kEarthEquatorialRadiusKm;
    const double disc = b * b - a * c;
    if (disc < 0.0)
        return std::nullopt;
    const double s = (-b + std::sqrt(disc)) / a;
    return Vector{q[0] + s * d[0], q[1] + s * d[1], q[2] + s * d[2]};
}

} // namespace

double ShadowSample::obscuration() const
{
    if (magnitude <= 0.0)
        return 0.0;
    // The Sun's radius 1, the Moon's k, their centres c apart.
    const double k = diameterRatio;
    const double c = 1.0 + k - 2.0 * magnitude;
    if (c <= std::abs(1.0 - k))
        return std::min(1.0, k * k);
    const double a = std::acos(std::clamp((c * c + 1.0 - k * k) / (2.0 * c), -1.0, 1.0));
    const double b = std::acos(std::clamp((c * c + k * k - 1.0) / (2.0 * c * k), -1.0, 1.0));
    const double lens = a - std::sin(2.0 * a) / 2.0 + k * k * (b - std::sin(2.0 * b) / 2.0);
    return std::clamp(lens / std::numbers::pi, 0.0, 1.0);
}

Vector positionKm(const GeoPoint &place, double heightMetres)
{
    const double lat = place.latitude * sphere::kDegToRad;
    const double lon = place.longitude * sphere::kDegToRad;
    const double s = std::sin(lat), c = std::cos(lat);
    const double n = kEarthEquatorialRadiusKm / std::sqrt(1.0 - kE2 * s * s);
    const double h = heightMetres / 1000.0;
    return {(n + h) * c * std::cos(lon), (n + h) * c * std::sin(lon), (n * (1.0 - kE2) + h) * s};
}

GeoPoint placeOfSurfacePoint(const Vector &p)
{
    return {std::atan2(p[2], (1.0 - kE2) * std::hypot(p[0], p[1])) * sphere::kRadToDeg,
            std::atan2(p[1], p[0]) * sphere::kRadToDeg};
}

Shadow::Shadow(const SunMoon &bodies) : m_moon(bodies.moon)
{
    const Vector &s = bodies.sun;
    const Vector &m = bodies.moon;
    m_sunUnit = unit(s);
    const Vector g{s[0] - m[0], s[1] - m[1], s[2] - m[2]};
    const double distance = std::sqrt(dot(g, g));
    m_d = unit(g);
    m_ex = unit({-m_d[1], m_d[0], 0.0});
    m_ey = {m_d[1] * m_ex[2] - m_d[2] * m_ex[1], m_d[2] * m_ex[0] - m_d[0] * m_ex[2],
            m_d[0] * m_ex[1] - m_d[1] * m_ex[0]};
    m_exScaled = {m_ex[0], m_ex[1], m_ex[2] * (1.0 - kE2)};
    m_eyScaled = {m_ey[0], m_ey[1], m_ey[2] * (1.0 - kE2)};
    m_dScaled = {m_d[0], m_d[1], m_d[2] * (1.0 - kE2)};
    m_x = dot(m, m_ex);
    m_y = dot(m, m_ey);
    m_zMoon = dot(m, m_d);
    const double sinF1 = (kSunRadiusKm + kMoonRadiusKm) / distance;
    const double sinF2 = (kSunRadiusKm - kMoonUmbralRadiusKm) / distance;
    m_tanF1 = sinF1 / std::sqrt(1.0 - sinF1 * sinF1);
    m_tanF2 = sinF2 / std::sqrt(1.0 - sinF2 * sinF2);
    m_c1 = m_zMoon + kMoonRadiusKm / sinF1;
    m_c2 = m_zMoon - kMoonUmbralRadiusKm / sinF2;
    // A place sees the eclipse while the Sun's upper limb stands above the
    // horizon, lifted by refraction.
    m_sinHorizon = std::sin(astro::kRiseSetAltitudeDeg * sphere::kDegToRad);
    // Positions the library could not give shade no place.
    if (!std::isfinite(m_x + m_y + m_c1 + m_c2 + m_tanF1 + m_tanF2 + m_sunUnit[2]))
        m_capCos = 2.0;
}

Shadow Shadow::forPixels(double unixSeconds)
{
    Shadow shadow = at(unixSeconds);
    shadow.boundPenumbra();
    return shadow;
}

void Shadow::boundPenumbra()
{
    // The penumbra falls within a cylinder about the axis of its widest
    // radius on the Earth, a little below the limb for refraction. Its trace
    // on the Earth is bounded by that circle where it crosses the Earth's
    // disc and by the limb where the limb lies inside it; the cap spans
    // samples of both, as the unit vectors normal to the ellipsoid there.
    constexpr int kSamples = 128;
    // Past the limb by the depth of the horizon the pixels take (50'), and
    // over the gaps between samples.
    constexpr double kMarginRad = 1.2 * sphere::kDegToRad;
    const double a = kEarthEquatorialRadiusKm;
    const double radius = (m_c1 + 0.02 * a) * m_tanF1;
    const double r = std::hypot(m_x, m_y);
    if (!(r < a + radius)) {
        m_capCos = 2.0; // none of it
        return;
    }
    const auto normal = [](const Vector &p) { return unit({p[0], p[1], p[2] / (1.0 - kE2)}); };
    // The limb in a direction of the plane: the farthest point still on the Earth.
    const auto limb = [&](double ux, double uy) {
        double inside = 0.9 * a * (1.0 - kEarthFlattening), outside = 1.001 * a;
        for (int i = 0; i < 16; ++i) {
            const double m = (inside + outside) / 2.0;
            (surfacePoint(ux * m, uy * m) ? inside : outside) = m;
        }
        return *surfacePoint(ux * inside, uy * inside);
    };
    // The limb point in a direction of the plane, and whether the cylinder holds it.
    const auto limbAt = [&](double angle) {
        const Vector edge = limb(std::cos(angle), std::sin(angle));
        const auto plane = planeCoordinates(edge);
        return std::pair{edge, std::hypot(plane[0] - m_x, plane[1] - m_y) < radius};
    };
    std::vector<Vector> samples;
    const double step = 2.0 * std::numbers::pi / kSamples;
    auto previous = limbAt(-step);
    for (int i = 0; i < kSamples; ++i) {
        const double angle = step * i;
        if (const auto p =
                surfacePoint(m_x + radius * std::cos(angle), m_y + radius * std::sin(angle)))
            samples.push_back(normal(*p));
        const auto current = limbAt(angle);
        if (current.second)
            samples.push_back(normal(current.first));
        if (current.second != previous.second) {
            // A corner, where the circle crosses the limb: the farthest point, often.
            double in = current.second ? angle : angle - step,
                   out = current.second ? angle - step : angle;
            for (int k = 0; k < 16; ++k) {
                const double m = (in + out) / 2.0;
                (limbAt(m).second ? in : out) = m;
            }
            samples.push_back(normal(limbAt(in).first));
        }
        previous = current;
    }
    if (samples.empty()) {
        // The cylinder holds the whole disc.
        m_capCos = -2.0;
        return;
    }
    Vector sum{};
    for (const Vector &v : samples)
        for (size_t k = 0; k < 3; ++k)
            sum[k] += v[k];
    m_capCentre = unit(sum);
    double least = 1.0;
    for (const Vector &v : samples)
        least = std::min(least, dot(v, m_capCentre));
    m_capCos = std::cos(std::min(std::numbers::pi, std::acos(least) + kMarginRad));
}

ShadowSample Shadow::sample(const GeoPoint &place, double heightMetres) const
{
    const Vector p = positionKm(place, heightMetres);
    if (!(sunAltitudeDeg(place) >= astro::kRiseSetAltitudeDeg - astro::horizonDipDeg(heightMetres)))
        return {};
    const ConeRadii r = conesAt(p);
    if (!(r.delta < r.l1))
        return {};
    return {r.magnitude(), r.diameterRatio(), r.delta < std::abs(r.l2)};
}

ConeRadii Shadow::conesAt(const Vector &p) const
{
    const double dx = m_x - dot(p, m_ex), dy = m_y - dot(p, m_ey);
    const double zeta = dot(p, m_d);
    return {std::hypot(dx, dy), (m_c1 - zeta) * m_tanF1, (m_c2 - zeta) * m_tanF2};
}

double Shadow::sunAltitudeDeg(const GeoPoint &place) const
{
    // The Sun's direction from the Earth's centre: its parallax is 9".
    return std::asin(std::clamp(dot(sphere::unitVector(place), m_sunUnit), -1.0, 1.0)) *
           sphere::kRadToDeg;
}

double Shadow::gamma() const
{
    return std::hypot(m_x, m_y) / kEarthEquatorialRadiusKm;
}

double Shadow::gammaOnSphere() const
{
    // The axis' distance from the centre with z stretched.
    const Vector q{m_moon[0], m_moon[1], m_moon[2] * kStretch};
    const Vector d = unit({m_d[0], m_d[1], m_d[2] * kStretch});
    const double along = dot(q, d);
    return std::sqrt(std::max(0.0, dot(q, q) - along * along)) / kEarthEquatorialRadiusKm;
}

std::optional<Vector> Shadow::centralPoint() const
{
    return meetEarth(m_moon, m_d);
}

std::optional<Vector> Shadow::surfacePoint(double x, double y) const
{
    const Vector q{x * m_ex[0] + y * m_ey[0], x * m_ex[1] + y * m_ey[1], x * m_ex[2] + y * m_ey[2]};
    return meetEarth(q, m_d);
}

std::array<double, 3> Shadow::planeCoordinates(const Vector &p) const
{
    return {dot(p, m_ex), dot(p, m_ey), dot(p, m_d)};
}

} // namespace eclipses
