#include "astro/PlaceSun.h"

#include "astro/Sphere.h"
#include "astro/TimeSearch.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <unordered_map>

namespace astro {

namespace {

using sphere::kDegToRad;
constexpr double kUnixEpochJd = 2440587.5;
constexpr double kSampleSeconds = 600.0; // the Sun's altitude bends little in ten minutes
constexpr double kPrecisionSeconds = 0.25;

} // namespace

UtcInstant utcInstantOf(double unixSeconds)
{
    const double days = std::floor(unixSeconds / 86400.0);
    double secondOfDay = unixSeconds - days * 86400.0;
    int year = 2000, month = 1, day = 1;
    double fraction = 0.0;
    eraJd2cal(kUnixEpochJd, days, &year, &month, &day, &fraction);
    UtcInstant utc{year, month, day, 0, 0, 0.0};
    utc.hour = int(secondOfDay / 3600.0);
    secondOfDay -= utc.hour * 3600.0;
    utc.minute = int(secondOfDay / 60.0);
    utc.second = secondOfDay - utc.minute * 60.0;
    return utc;
}

Horizontal sunHorizontal(const GeoPoint &place, double unixSeconds)
{
    return horizontalFrom(place, subsolarPoint(utcInstantOf(unixSeconds)));
}

Horizontal horizontalFrom(const GeoPoint &place, const GeoPoint &sun)
{
    const double phi = place.latitude * kDegToRad;
    const double delta = sun.latitude * kDegToRad;
    const double hourAngle = (place.longitude - sun.longitude) * kDegToRad;
    const double sinAltitude =
        std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(hourAngle);
    const double azimuth = std::atan2(-std::cos(delta) * std::sin(hourAngle),
                                      std::sin(delta) * std::cos(phi) -
                                          std::cos(delta) * std::cos(hourAngle) * std::sin(phi));
    return {std::asin(std::clamp(sinAltitude, -1.0, 1.0)) / kDegToRad, eraAnp(azimuth) / kDegToRad};
}

double horizonDipDeg(double elevationMetres)
{
    return 1.76 / 60.0 * std::sqrt(std::max(0.0, elevationMetres));
}

RiseSet sunRiseSet(const GeoPoint &place, double start, double end, double elevationMetres)
{
    const double horizon = kRiseSetAltitudeDeg - horizonDipDeg(elevationMetres);
    const auto above = [&](double t) { return sunHorizontal(place, t).altitudeDeg - horizon; };
    RiseSet events;
    const std::vector<Crossing> crossings =
        signChanges(above, start, end, kSampleSeconds, kPrecisionSeconds);
    for (const Crossing &c : crossings) {
        std::optional<double> &slot = c.rising ? events.sunrise : events.sunset;
        if (!slot)
            slot = c.time;
    }
    if (crossings.empty())
        events.polar = above(start) >= 0.0 ? RiseSet::Polar::Day : RiseSet::Polar::Night;
    return events;
}

std::vector<TimeSpan> greyLineWindows(const GeoPoint &a, const GeoPoint &b, double start,
                                      double end, double lowDeg, double highDeg)
{
    // Both places and both edges sample the same instants: the point under
    // the Sun, the costly part, is worked out once for each.
    std::unordered_map<double, GeoPoint> suns;
    const auto sunAt = [&suns](double t) -> const GeoPoint & {
        const auto [at, added] = suns.try_emplace(t);
        if (added)
            at->second = subsolarPoint(utcInstantOf(t));
        return at->second;
    };
    // Each place's spans in the band, from the crossings of both its edges.
    const auto spans = [&](const GeoPoint &place) {
        const auto altitude = [&](double t) { return horizontalFrom(place, sunAt(t)).altitudeDeg; };
        std::vector<Crossing> edges = signChanges([&](double t) { return altitude(t) - lowDeg; },
                                                  start, end, kSampleSeconds, kPrecisionSeconds);
        for (const Crossing &c : signChanges([&](double t) { return highDeg - altitude(t); }, start,
                                             end, kSampleSeconds, kPrecisionSeconds))
            edges.push_back(c);
        std::sort(edges.begin(), edges.end(),
                  [](const Crossing &x, const Crossing &y) { return x.time < y.time; });
        std::vector<TimeSpan> inside;
        const double first = altitude(start);
        bool in = first >= lowDeg && first <= highDeg;
        double since = start;
        for (const Crossing &c : edges) {
            // Entering the band across either edge is a rise of its own function.
            if (c.rising && !in)
                since = c.time;
            else if (!c.rising && in)
                inside.push_back({since, c.time});
            in = c.rising;
        }
        if (in)
            inside.push_back({since, end});
        return inside;
    };
    const std::vector<TimeSpan> x = spans(a), y = spans(b);
    std::vector<TimeSpan> both;
    for (const TimeSpan &p : x) {
        for (const TimeSpan &q : y) {
            const double from = std::max(p.start, q.start), to = std::min(p.end, q.end);
            if (from < to)
                both.push_back({from, to});
        }
    }
    std::sort(both.begin(), both.end(),
              [](const TimeSpan &p, const TimeSpan &q) { return p.start < q.start; });
    return both;
}

} // namespace astro
