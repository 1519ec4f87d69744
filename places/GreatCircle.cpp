#include "places/GreatCircle.h"

#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace places {

namespace {

double bearing(double azimuthDeg)
{
    const double b = std::fmod(azimuthDeg, 360.0);
    return b < 0.0 ? b + 360.0 : b;
}

using Vector = std::array<double, 3>;

constexpr double kRadians = std::numbers::pi / 180.0;

Vector unitVector(const GeoPoint &place)
{
    const double lat = place.latitude * kRadians, lon = place.longitude * kRadians;
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

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
    return {bearing(azimuth1), bearing(azimuth2 + 180.0), shortKm, bearing(azimuth1 + 180.0),
            kMeanCircumferenceKm - shortKm};
}

std::vector<GeoPoint> greatCircleSamples(const GeoPoint &from, const GeoPoint &to, bool longPath,
                                         double stepDeg)
{
    const Vector a = unitVector(from), b = unitVector(to);
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
    const int steps = std::max(1, int(std::ceil(sweep / (stepDeg * kRadians))));
    std::vector<GeoPoint> samples;
    samples.reserve(size_t(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double t = sweep * i / steps;
        const double c = std::cos(t), s = std::sin(t);
        const Vector p{c * a[0] + s * towards[0], c * a[1] + s * towards[1],
                       c * a[2] + s * towards[2]};
        samples.push_back({std::atan2(p[2], std::hypot(p[0], p[1])) / kRadians,
                           std::atan2(p[1], p[0]) / kRadians});
    }
    // The ends exactly as given, not as rounded through the vectors.
    samples.front() = from;
    samples.back() = to;
    return samples;
}

} // namespace places
