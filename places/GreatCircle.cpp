#include "places/GreatCircle.h"

#include "astro/Sphere.h"

#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace places {

namespace {

using sphere::Vector;

double dot(const Vector &a, const Vector &b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

} // namespace

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

std::vector<GeoPoint> greatCircleSamples(const GeoPoint &from, const GeoPoint &to, bool longPath,
                                         double stepDeg)
{
    const Vector a = sphere::unitVector(from), b = sphere::unitVector(to);
    // The direction from a towards b along the circle: b without its part
    // along a. Between antipodes every circle is a shortest one; any will do.
    Vector towards{b[0] - dot(a, b) * a[0], b[1] - dot(a, b) * a[1], b[2] - dot(a, b) * a[2]};
    double length = std::sqrt(dot(towards, towards));
    const double angle = std::atan2(length, dot(a, b));
    if (length < 1e-12) {
        if (angle < 1.0) // the same place
            return longPath ? std::vector<GeoPoint>{} : std::vector<GeoPoint>{from, to};
        // Antipodes: through the pole, or along the equator from a pole.
        towards = std::abs(a[2]) < 0.9 ? Vector{-a[2] * a[0], -a[2] * a[1], 1.0 - a[2] * a[2]}
                                       : Vector{1.0, 0.0, 0.0};
        length = std::sqrt(dot(towards, towards));
    }
    const double sign = longPath ? -1.0 : 1.0;
    for (double &c : towards)
        c *= sign / length;
    const double sweep = longPath ? 2.0 * std::numbers::pi - angle : angle;
    const int steps = std::max(1, int(std::ceil(sweep / (stepDeg * sphere::kDegToRad))));
    std::vector<GeoPoint> samples;
    samples.reserve(size_t(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double t = sweep * i / steps;
        const double c = std::cos(t), s = std::sin(t);
        samples.push_back(sphere::placeOf(
            {c * a[0] + s * towards[0], c * a[1] + s * towards[1], c * a[2] + s * towards[2]}));
    }
    // The ends exactly as given, not as rounded through the vectors.
    samples.front() = from;
    samples.back() = to;
    return samples;
}

} // namespace places
