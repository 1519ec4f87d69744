#include "astro/PlaceSun.h"

#include "astro/Sphere.h"

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

struct Crossing
{
    double time;
    bool rising;
};

double bisect(const std::function<double(double)> &f, double a, double b, double fa)
{
    while (b - a > kPrecisionSeconds) {
        const double m = (a + b) / 2.0;
        const double fm = f(m);
        if ((fm >= 0.0) == (fa >= 0.0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return (a + b) / 2.0;
}

// Where f turns between a and b, by golden section; its sign says which way.
double extremum(const std::function<double(double)> &f, double a, double b, bool maximum)
{
    const double g = (std::sqrt(5.0) - 1.0) / 2.0;
    const auto value = [&](double t) { return maximum ? f(t) : -f(t); };
    double c = b - g * (b - a), d = a + g * (b - a);
    double fc = value(c), fd = value(d);
    while (b - a > kPrecisionSeconds) {
        if (fc > fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - g * (b - a);
            fc = value(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + g * (b - a);
            fd = value(d);
        }
    }
    return (a + b) / 2.0;
}

// The times within [start, end) where f changes sign, in order: sampled, then
// refined; where the samples turn without a change of sign, the turn is found
// and checked, so that a brief dip across zero between two samples is kept.
std::vector<Crossing> signChanges(const std::function<double(double)> &f, double start, double end)
{
    std::vector<Crossing> found;
    const int n = std::max(2, int(std::ceil((end - start) / kSampleSeconds)));
    std::vector<double> t(size_t(n) + 1), v(size_t(n) + 1);
    for (int i = 0; i <= n; ++i) {
        t[size_t(i)] = start + (end - start) * i / n;
        v[size_t(i)] = f(t[size_t(i)]);
    }
    const auto add = [&](double a, double b, double fa) {
        const double time = bisect(f, a, b, fa);
        if (time >= start && time < end)
            found.push_back({time, fa < 0.0});
    };
    for (size_t i = 0; i < size_t(n); ++i) {
        if ((v[i] >= 0.0) != (v[i + 1] >= 0.0)) {
            add(t[i], t[i + 1], v[i]);
            continue;
        }
        // A turn within this interval or the next with no change of sign.
        if (i + 2 > size_t(n) || (v[i + 1] >= 0.0) != (v[i + 2] >= 0.0))
            continue;
        const bool maximum = v[i + 1] > v[i] && v[i + 1] >= v[i + 2];
        const bool minimum = v[i + 1] < v[i] && v[i + 1] <= v[i + 2];
        if (!maximum && !minimum)
            continue;
        const double turn = extremum(f, t[i], t[i + 2], maximum);
        const double ft = f(turn);
        if ((ft >= 0.0) == (v[i + 1] >= 0.0))
            continue;
        add(t[i], turn, v[i]);
        add(turn, t[i + 2], ft);
        ++i; // the next interval is done
    }
    return found;
}

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
    const std::vector<Crossing> crossings = signChanges(above, start, end);
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
        std::vector<Crossing> edges =
            signChanges([&](double t) { return altitude(t) - lowDeg; }, start, end);
        for (const Crossing &c :
             signChanges([&](double t) { return highDeg - altitude(t); }, start, end))
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
