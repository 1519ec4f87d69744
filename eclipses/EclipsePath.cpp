#include "eclipses/EclipsePath.h"

#include "astro/TimeSearch.h"
#include "eclipses/Shadow.h"

#include <algorithm>
#include <cmath>

namespace eclipses {

namespace {

constexpr double kTrackSeconds = 5.0 * 3600.0;
// Finer steps than a second draw nothing finer, and would only cost memory.
constexpr double kLeastStepSeconds = 1.0;
// The instant's neighbour for the shadow's motion against the ground.
constexpr double kVelocityStepSeconds = 1.0;
constexpr int kLimitIterations = 4;
// The span about greatest whose limit points measure the path's width, and their spacing.
constexpr double kWidthSpanSeconds = 240.0;
constexpr double kWidthStepSeconds = 4.0;

double distanceKm(const Vector &a, const Vector &b)
{
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

// From a point to a polyline: the least distance to its segments.
double distanceToLineKm(const Vector &p, const std::vector<Vector> &line)
{
    double best = INFINITY;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        const Vector &a = line[i], &b = line[i + 1];
        const Vector ab{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
        const double length2 = ab[0] * ab[0] + ab[1] * ab[1] + ab[2] * ab[2];
        double s =
            length2 > 0.0
                ? ((p[0] - a[0]) * ab[0] + (p[1] - a[1]) * ab[1] + (p[2] - a[2]) * ab[2]) / length2
                : 0.0;
        s = std::clamp(s, 0.0, 1.0);
        best =
            std::min(best, distanceKm(p, {a[0] + s * ab[0], a[1] + s * ab[1], a[2] + s * ab[2]}));
    }
    return best;
}

// The first and last instants within the track where exists(t) holds, about an instant where it
// does.
std::pair<double, double> spanWhere(const SunMoonTrack &track, double inside, const auto &margin)
{
    const double first = astro::rootOf(margin, track.start(), inside, kTimeToleranceSeconds);
    const double last = astro::rootOf(margin, inside, track.end(), kTimeToleranceSeconds);
    return {std::isnan(first) ? track.start() : first, std::isnan(last) ? track.end() : last};
}

std::vector<double> timesAcross(double first, double last, double step)
{
    std::vector<double> times;
    for (double t = first; t < last; t += step)
        times.push_back(t);
    times.push_back(last);
    return times;
}

} // namespace

std::optional<Vector> limitPoint(const SunMoonTrack &track, double unixSeconds, Cone cone,
                                 bool north)
{
    const Shadow now(track.at(unixSeconds));
    const Shadow next(track.at(unixSeconds + kVelocityStepSeconds));
    // Start from the axis, or from the Earth's limb below it.
    const double r = std::hypot(now.axisX(), now.axisY());
    const double inside = std::min(1.0, 0.99 * kEarthEquatorialRadiusKm / std::max(r, 1e-9));
    std::optional<Vector> p = now.surfacePoint(now.axisX() * inside, now.axisY() * inside);
    for (int i = 0; i < kLimitIterations && p; ++i) {
        // The axis' motion against the place, within the plane.
        const auto a = now.planeCoordinates(*p);
        const auto b = next.planeCoordinates(*p);
        const double wx = (next.axisX() - b[0]) - (now.axisX() - a[0]);
        const double wy = (next.axisY() - b[1]) - (now.axisY() - a[1]);
        const double w = std::hypot(wx, wy);
        // The edge's point across that motion, on the chosen side.
        double nx = -wy / w, ny = wx / w;
        if ((ny > 0.0) != north) {
            nx = -nx;
            ny = -ny;
        }
        const ConeRadii radii = now.conesAt(*p);
        const double radius = cone == Cone::Penumbra ? radii.l1 : std::abs(radii.l2);
        p = now.surfacePoint(now.axisX() + radius * nx, now.axisY() + radius * ny);
    }
    return p;
}

double pathWidthKm(const SunMoonTrack &track, double unixSeconds)
{
    const std::optional<Vector> centre = Shadow(track.at(unixSeconds)).centralPoint();
    if (!centre)
        return 0.0;
    double width = 0.0;
    for (const bool north : {true, false}) {
        std::vector<Vector> line;
        for (double t = unixSeconds - kWidthSpanSeconds; t <= unixSeconds + kWidthSpanSeconds;
             t += kWidthStepSeconds) {
            if (const auto p = limitPoint(track, t, Cone::Umbra, north))
                line.push_back(*p);
        }
        if (line.size() < 2)
            return 0.0;
        width += distanceToLineKm(*centre, line);
    }
    return width;
}

EclipsePath eclipsePath(const Eclipse &eclipse, double stepSeconds)
{
    EclipsePath path;
    if (eclipse.kind != Kind::Solar || !std::isfinite(eclipse.greatest) ||
        !(stepSeconds >= kLeastStepSeconds && stepSeconds <= kTrackSeconds))
        return path;
    const SunMoonTrack track(eclipse.greatest, kTrackSeconds);
    const auto shadow = [&](double t) { return Shadow(track.at(t)); };
    const double a = kEarthEquatorialRadiusKm;

    const auto limits = [&](Cone cone, std::vector<GeoPoint> &north, std::vector<GeoPoint> &south,
                            double first, double last) {
        for (const double t : timesAcross(first, last, stepSeconds)) {
            if (const auto p = limitPoint(track, t, cone, true))
                north.push_back(placeOfSurfacePoint(*p));
            if (const auto p = limitPoint(track, t, cone, false))
                south.push_back(placeOfSurfacePoint(*p));
        }
    };
    const auto [p1, p4] = spanWhere(track, eclipse.greatest, [&](double t) {
        const Shadow s = shadow(t);
        return s.gammaOnSphere() - 1.0 - s.l1() / a;
    });
    limits(Cone::Penumbra, path.penumbraNorthernLimit, path.penumbraSouthernLimit, p1, p4);
    if (eclipse.type == Type::Partial)
        return path;

    const auto [u1, u4] = spanWhere(track, eclipse.greatest, [&](double t) {
        const Shadow s = shadow(t);
        return s.gammaOnSphere() - 1.0 - std::abs(s.l2()) / a;
    });
    limits(Cone::Umbra, path.northernLimit, path.southernLimit, u1, u4);
    if (!eclipse.central)
        return path;
    const auto [c1, c2] = spanWhere(track, eclipse.greatest,
                                    [&](double t) { return shadow(t).gammaOnSphere() - 1.0; });
    for (const double t : timesAcross(c1, c2, stepSeconds)) {
        if (const auto p = shadow(t).centralPoint())
            path.centralLine.push_back({placeOfSurfacePoint(*p), t});
    }
    return path;
}

} // namespace eclipses
