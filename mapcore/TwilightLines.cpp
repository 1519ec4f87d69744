#include "mapcore/TwilightLines.h"

#include "solar/Angles.h"
#include "solar/solar.h"

#include <cmath>
#include <limits>

using solar::kDegToRad;
using solar::kRadToDeg;

namespace {

constexpr double kMaxStepDeg = 2.0;
constexpr int kBaseSteps = 180;
constexpr int kMaxSplits = 6;

GeoPoint pointAtBearing(const GeoPoint &centre, double radiusRad, double bearingRad)
{
    const double lat0 = centre.latitude * kDegToRad;
    const double sinLat = std::sin(lat0) * std::cos(radiusRad) +
                          std::cos(lat0) * std::sin(radiusRad) * std::cos(bearingRad);
    const double latitude = std::asin(std::fmax(-1.0, std::fmin(1.0, sinLat)));
    const double dLon = std::atan2(std::sin(bearingRad) * std::sin(radiusRad) * std::cos(lat0),
                                   std::cos(radiusRad) - std::sin(lat0) * sinLat);
    return {latitude * kRadToDeg, centre.longitude + dLon * kRadToDeg};
}

} // namespace

GeoPoint overlaySubsolarPoint(const SunQuantities &sun)
{
    // The overlay's hour angle, 15 (lon / 15 + t0) - RA, is zero here.
    return {sun.declination, rev180(sun.rightAscension - 15.0 * sun.t0)};
}

std::vector<GeoPoint> altitudeContour(const GeoPoint &subsolar, double altitudeDeg)
{
    const double radius = (90.0 - altitudeDeg) * kDegToRad;
    const double step = 2.0 * M_PI / kBaseSteps;
    std::vector<GeoPoint> points;
    points.reserve(kBaseSteps * 2);
    GeoPoint previous = pointAtBearing(subsolar, radius, 0.0);
    points.push_back(previous);
    // Longitudes unwrap onto the previous point's; where the circle passes
    // near a pole the longitude turns fast, and the step is halved there.
    const auto next = [&](double bearing) {
        GeoPoint p = pointAtBearing(subsolar, radius, bearing);
        p.longitude = previous.longitude + rev180(p.longitude - previous.longitude);
        return p;
    };
    for (int i = 1; i <= kBaseSteps; ++i) {
        double from = (i - 1) * step;
        const double to = i * step;
        while (from < to) {
            double span = to - from;
            GeoPoint p = next(from + span);
            for (int split = 0;
                 split < kMaxSplits && (std::fabs(p.longitude - previous.longitude) > kMaxStepDeg ||
                                        std::fabs(p.latitude - previous.latitude) > kMaxStepDeg);
                 ++split) {
                span /= 2.0;
                p = next(from + span);
            }
            points.push_back(p);
            previous = p;
            from += span;
        }
    }
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
