#include "mapcore/TwilightLines.h"

#include "solar/Angles.h"
#include "solar/solar.h"

#include <algorithm>
#include <cmath>
#include <limits>

using solar::kDegToRad;
using solar::kRadToDeg;

namespace {

/// A small circle about a centre, with the sines and cosines that every
/// point on it shares.
struct SmallCircle
{
    double longitude, sinLat, cosLat, sinRadius, cosRadius;

    GeoPoint at(double bearingRad) const
    {
        const double sinBearing = std::sin(bearingRad), cosBearing = std::cos(bearingRad);
        const double sinLat1 = sinLat * cosRadius + cosLat * sinRadius * cosBearing;
        const double latitude = std::asin(std::fmax(-1.0, std::fmin(1.0, sinLat1)));
        const double dLon =
            std::atan2(sinBearing * sinRadius * cosLat, cosRadius - sinLat * sinLat1);
        return {latitude * kRadToDeg, longitude + dLon * kRadToDeg};
    }
};

} // namespace

GeoPoint overlaySubsolarPoint(const SunQuantities &sun)
{
    // The overlay's hour angle, 15 (lon / 15 + t0) - RA, is zero here.
    return {sun.declination, rev180(sun.rightAscension - 15.0 * sun.t0)};
}

double contourStepFor(double pixelsPerDegree)
{
    constexpr double kBendRadiusDeg = 50.0, kStrayPx = 0.25;
    const double step = std::sqrt(8.0 * kBendRadiusDeg * kStrayPx / pixelsPerDegree);
    return std::isfinite(step) ? std::clamp(step, 0.5, 6.0) : 6.0;
}

std::vector<GeoPoint> altitudeContour(const GeoPoint &subsolar, double altitudeDeg,
                                      double maxStepDeg)
{
    maxStepDeg = std::fmax(maxStepDeg, 0.1);
    const double radius = (90.0 - altitudeDeg) * kDegToRad;
    const double centre = subsolar.latitude * kDegToRad;
    const SmallCircle circle{subsolar.longitude, std::sin(centre), std::cos(centre),
                             std::sin(radius), std::cos(radius)};
    // The eastern half, bearings 0 to 180 degrees, in steps of about
    // maxStepDeg: along a circle of any radius, the arc they span is no
    // longer than that.
    const int steps = std::max(4, int(std::ceil(180.0 / maxStepDeg)));
    const double step = M_PI / steps;
    std::vector<GeoPoint> points;
    points.reserve(size_t(steps) * 3);
    GeoPoint previous = circle.at(0.0);
    points.push_back(previous);
    // Longitudes unwrap onto the previous point's; where the circle passes
    // near a pole the longitude turns fast, and the step is halved there.
    const auto next = [&](double bearing) {
        GeoPoint p = circle.at(bearing);
        p.longitude = previous.longitude + rev180(p.longitude - previous.longitude);
        return p;
    };
    // Halving stops at a 256th of a step: where the circle runs through a
    // pole its longitude jumps, and no shorter step would close the gap.
    const double shortest = step / 256.0;
    for (int i = 1; i <= steps; ++i) {
        double from = (i - 1) * step;
        const double to = i * step;
        while (from < to) {
            double span = to - from;
            GeoPoint p = next(from + span);
            while (span > shortest && (std::fabs(p.longitude - previous.longitude) > maxStepDeg ||
                                       std::fabs(p.latitude - previous.latitude) > maxStepDeg)) {
                span /= 2.0;
                p = next(from + span);
            }
            points.push_back(p);
            previous = p;
            from += span;
        }
    }
    // The western half mirrors it about the sun's meridian, on from the
    // southern end; around a pole the mirror image lies 360 degrees on.
    // (At a pole itself the longitude means nothing: the meridian's, or its
    // opposite's, nearest the last point.)
    const double meridian =
        subsolar.longitude +
        180.0 * std::round((points.back().longitude - subsolar.longitude) / 180.0);
    const double turn = 2.0 * meridian;
    for (size_t i = points.size() - 1; i-- > 0;)
        points.push_back({points[i].latitude, turn - points[i].longitude});
    return points;
}

double eveningLongitude(const GeoPoint &subsolar, double altitudeDeg, double latitudeDeg)
{
    const double phi = latitudeDeg * kDegToRad;
    const double delta = subsolar.latitude * kDegToRad;
    const double cosH = (std::sin(altitudeDeg * kDegToRad) - std::sin(phi) * std::sin(delta)) /
                        (std::cos(phi) * std::cos(delta));
    if (!(cosH >= -1.0 && cosH <= 1.0))
        return std::numeric_limits<double>::quiet_NaN();
    return rev180(subsolar.longitude + std::acos(cosH) * kRadToDeg);
}
