#include "eclipses/Eclipses.h"

#include "astro/TimeSearch.h"
#include "eclipses/EclipsePath.h"
#include "eclipses/LocalCircumstances.h"
#include "eclipses/Shadow.h"

#include <algorithm>
#include <cmath>
#include <numbers>

// The library has its own searches for eclipses, but they take some 2 ms
// each, and its greatest eclipse is the least geocentric distance of the two
// discs, seconds away from NASA's axis closest to the Earth's centre. Here
// its positions go through the Besselian geometry of Shadow instead, nine of
// them for each new or full Moon near a node: the whole list in a few tenths
// of a second.

namespace eclipses {

namespace {

constexpr double kDegToRad = sphere::kDegToRad;
constexpr double kUnixEpochJd = 2440587.5;
// The positions cover six hours either side of the estimated syzygy, which
// falls within an hour of the true one; eclipses last under four hours
// either side of greatest.
constexpr double kTrackSeconds = 6.0 * 3600.0;
constexpr double kGreatestSearchSeconds = 5.0 * 3600.0;
// The Moon is within about 21 degrees of a node when the Sun can be eclipsed
// (Meeus, Astronomical Algorithms, chapter 54).
constexpr double kNodeLimitSine = 0.36;

// The Earth's atmosphere enlarges its shadow: after Danjon, as the
// Astronomical Almanac takes it, the Earth's radius grows by 1/85; its mean
// radius towards the Moon is 0.998340 of the equator's. This gives NASA's
// umbral magnitude for 2025-09-07 to 0.0001, where Chauvenet's 2 % on the
// whole shadow gives 0.005 too much.
constexpr double kAtmosphereFactor = 1.0 + 1.0 / 85.0;
constexpr double kMeanEarthRadiusFactor = 0.998340;

double unixSecondsOfJd(double jd)
{
    return (jd - kUnixEpochJd) * 86400.0;
}

double yearStart(int year)
{
    // Days from 1970-01-01 to 1 January of the year, proleptic Gregorian.
    const int y = year - 1;
    const long days =
        365L * (year - 1970) + (y / 4 - y / 100 + y / 400) - (1969 / 4 - 1969 / 100 + 1969 / 400);
    return double(days) * 86400.0;
}

// The mean new (phase 0) or full (0.5) Moon k lunations after that of
// 2000-01-06, with the larger periodic terms (Meeus, chapter 49), and whether
// the Moon is near enough a node to eclipse.
/// The mean new Moon of 2000-01-06 (JDE) and the mean synodic month.
constexpr double kFirstLunationJd = 2451550.09766;
constexpr double kSynodicMonthDays = 29.530588861;

struct Syzygy
{
    double unixSeconds;
    bool nearNode;
};

Syzygy syzygy(double k)
{
    const double t = k / 1236.85;
    const double e = 1.0 - 0.002516 * t;
    const double m = (2.5534 + 29.10535670 * k) * kDegToRad;
    const double mm = (201.5643 + 385.81693528 * k + 0.0107582 * t * t) * kDegToRad;
    const double f = (160.7108 + 390.67050284 * k - 0.0016118 * t * t) * kDegToRad;
    const bool full = k - std::floor(k) > 0.25;
    double jde = kFirstLunationJd + kSynodicMonthDays * k + 0.00015437 * t * t;
    if (full)
        jde += -0.40614 * std::sin(mm) + 0.17302 * e * std::sin(m) + 0.01614 * std::sin(2 * mm) +
               0.01043 * std::sin(2 * f) + 0.00734 * e * std::sin(mm - m) -
               0.00515 * e * std::sin(mm + m);
    else
        jde += -0.40720 * std::sin(mm) + 0.17241 * e * std::sin(m) + 0.01608 * std::sin(2 * mm) +
               0.01039 * std::sin(2 * f) + 0.00739 * e * std::sin(mm - m) -
               0.00514 * e * std::sin(mm + m);
    return {unixSecondsOfJd(jde), std::abs(std::sin(f)) < kNodeLimitSine};
}

// The limb of the Earth nearest the axis: the farthest point along the
// axis' direction in the plane whose parallel to the axis still meets it.
Vector limbBelowAxis(const Shadow &s)
{
    const double r = std::hypot(s.axisX(), s.axisY());
    const double ux = s.axisX() / r, uy = s.axisY() / r;
    double inside = 0.0, outside = 1.1 * kEarthEquatorialRadiusKm;
    while (outside - inside > 1e-4) {
        const double m = (inside + outside) / 2.0;
        (s.surfacePoint(ux * m, uy * m) ? inside : outside) = m;
    }
    return *s.surfacePoint(ux * inside, uy * inside);
}

// The Earth's shadow at the Moon, as angles seen from the Earth's centre.
struct EarthShadow
{
    double sigma;      ///< the Moon's centre from the shadow's axis
    double moonRadius; ///< the Moon's semi-diameter
    double umbra, penumbra;
    double umbral() const { return (umbra + moonRadius - sigma) / (2.0 * moonRadius); }
    double penumbral() const { return (penumbra + moonRadius - sigma) / (2.0 * moonRadius); }
};

EarthShadow earthShadow(const SunMoon &b)
{
    const double moonDistance = std::hypot(b.moon[0], b.moon[1], b.moon[2]);
    const double sunDistance = std::hypot(b.sun[0], b.sun[1], b.sun[2]);
    const double cosine = -(b.moon[0] * b.sun[0] + b.moon[1] * b.sun[1] + b.moon[2] * b.sun[2]) /
                          (moonDistance * sunDistance);
    const double moonParallax = std::asin(kEarthEquatorialRadiusKm / moonDistance);
    const double sunParallax = std::asin(kEarthEquatorialRadiusKm / sunDistance);
    const double sunRadius = std::asin(kSunRadiusKm / sunDistance);
    const double base = kAtmosphereFactor * kMeanEarthRadiusFactor * moonParallax + sunParallax;
    return {std::acos(std::clamp(cosine, -1.0, 1.0)), std::asin(kMoonRadiusKm / moonDistance),
            base - sunRadius, base + sunRadius};
}

} // namespace

std::optional<Eclipse> solarEclipseNear(double unixSeconds)
{
    const SunMoonTrack track(unixSeconds, kTrackSeconds);
    const auto shadow = [&](double t) { return Shadow(track.at(t)); };
    const double a = kEarthEquatorialRadiusKm;
    Eclipse e;
    e.kind = Kind::Solar;
    e.contacts.fill(std::nan(""));
    e.greatest = astro::extremum(
        [&](double t) { return shadow(t).gamma(); }, unixSeconds - kGreatestSearchSeconds,
        unixSeconds + kGreatestSearchSeconds, false, kTimeToleranceSeconds);
    const Shadow s = shadow(e.greatest);
    const double g = s.gammaOnSphere();
    // Whether the penumbra reaches the Earth's limb below the axis.
    if (g >= 1.0 && s.conesAt(limbBelowAxis(s)).magnitude() <= 0.0)
        return std::nullopt;
    e.deltaT = deltaTSeconds(e.greatest);
    e.gamma = std::copysign(s.gamma(), s.axisY());
    e.central = g < 1.0;
    if (e.central) {
        const Vector p = *s.centralPoint();
        e.place = placeOfSurfacePoint(p);
        const ConeRadii r = s.conesAt(p);
        // The ratio of the discs' diameters with the Moon's umbral radius, as NASA gives it.
        const SunMoon b = track.at(e.greatest);
        e.magnitude =
            kMoonUmbralRadiusKm / std::hypot(b.moon[0] - p[0], b.moon[1] - p[1], b.moon[2] - p[2]) /
            (kSunRadiusKm / std::hypot(b.sun[0] - p[0], b.sun[1] - p[1], b.sun[2] - p[2]));
        e.type = r.l2 < 0.0 ? Type::Total : Type::Annular;
        // Hybrid where the central line's ends see the other kind: there
        // the axis grazes the Earth and the vertex is farther.
        const auto grazing = [&](double t) { return shadow(t).gammaOnSphere() - 1.0; };
        for (const double end :
             {astro::rootOf(grazing, track.start(), e.greatest, kTimeToleranceSeconds),
              astro::rootOf(grazing, e.greatest, track.end(), kTimeToleranceSeconds)}) {
            if (!std::isnan(end) && (shadow(end).l2() < 0.0) != (r.l2 < 0.0))
                e.type = Type::Hybrid;
        }
        e.durationSeconds = solarLocalCircumstances(track, e.greatest, e.place, 0.0).centralSeconds;
        e.pathWidthKm = pathWidthKm(track, e.greatest);
    } else {
        const Vector p = limbBelowAxis(s);
        e.place = placeOfSurfacePoint(p);
        e.magnitude = s.conesAt(p).magnitude();
        e.type = g >= 1.0 + std::abs(s.l2()) / a ? Type::Partial
                 : s.l2() < 0.0                  ? Type::Total
                                                 : Type::Annular;
    }
    return e;
}

std::optional<Eclipse> lunarEclipseNear(double unixSeconds)
{
    const SunMoonTrack track(unixSeconds, kTrackSeconds);
    const auto at = [&](double t) { return earthShadow(track.at(t)); };
    Eclipse e;
    e.kind = Kind::Lunar;
    e.contacts.fill(std::nan(""));
    e.greatest =
        astro::extremum([&](double t) { return at(t).sigma; }, unixSeconds - kGreatestSearchSeconds,
                        unixSeconds + kGreatestSearchSeconds, false, kTimeToleranceSeconds);
    const EarthShadow s = at(e.greatest);
    if (s.penumbral() <= 0.0)
        return std::nullopt;
    e.deltaT = deltaTSeconds(e.greatest);
    e.magnitude = s.umbral();
    e.penumbralMagnitude = s.penumbral();
    e.type = s.umbral() >= 1.0 ? Type::Total : s.umbral() > 0.0 ? Type::Partial : Type::Penumbral;
    const SunMoon b = track.at(e.greatest);
    e.place = sphere::placeOf(b.moon);
    // The Moon's centre from the Earth's shadow's axis in Earth radii,
    // positive where the Moon passes north of it.
    const double moonDistance = std::hypot(b.moon[0], b.moon[1], b.moon[2]);
    const double north =
        b.moon[2] / moonDistance + b.sun[2] / std::hypot(b.sun[0], b.sun[1], b.sun[2]);
    e.gamma = std::copysign(std::sin(s.sigma) * moonDistance / kEarthEquatorialRadiusKm, north);
    // Each contact: the Moon's limb on the cone's edge, before and after.
    const auto edges = [&](double sign, bool umbra) {
        return [&, sign, umbra](double t) {
            const EarthShadow x = at(t);
            return x.sigma - (umbra ? x.umbra : x.penumbra) - sign * x.moonRadius;
        };
    };
    const double from = track.start(), to = track.end();
    e.contacts[P1] = astro::rootOf(edges(1.0, false), from, e.greatest, kTimeToleranceSeconds);
    e.contacts[P4] = astro::rootOf(edges(1.0, false), e.greatest, to, kTimeToleranceSeconds);
    e.contacts[U1] = astro::rootOf(edges(1.0, true), from, e.greatest, kTimeToleranceSeconds);
    e.contacts[U4] = astro::rootOf(edges(1.0, true), e.greatest, to, kTimeToleranceSeconds);
    e.contacts[U2] = astro::rootOf(edges(-1.0, true), from, e.greatest, kTimeToleranceSeconds);
    e.contacts[U3] = astro::rootOf(edges(-1.0, true), e.greatest, to, kTimeToleranceSeconds);
    if (e.type == Type::Total)
        e.durationSeconds = e.contacts[U3] - e.contacts[U2];
    return e;
}

std::vector<Eclipse> eclipsesBetween(int firstYear, int lastYear)
{
    std::vector<Eclipse> list;
    const double from = yearStart(firstYear), to = yearStart(lastYear + 1);
    // Lunations since 2000-01-06, one more either side.
    const double perYear = 12.3685;
    const int first = int(std::floor((firstYear - 2000) * perYear)) - 1;
    const int last = int(std::ceil((lastYear + 1 - 2000) * perYear)) + 1;
    for (int k = first; k <= last; ++k) {
        for (const double phase : {0.0, 0.5}) {
            const Syzygy near = syzygy(k + phase);
            if (!near.nearNode)
                continue;
            const std::optional<Eclipse> e = phase == 0.0 ? solarEclipseNear(near.unixSeconds)
                                                          : lunarEclipseNear(near.unixSeconds);
            if (e && e->greatest >= from && e->greatest < to)
                list.push_back(*e);
        }
    }
    return list;
}

const std::vector<Eclipse> &allEclipses()
{
    static const std::vector<Eclipse> all = eclipsesBetween(kFirstYear, kLastYear);
    return all;
}

std::optional<Eclipse> nextEclipse(double unixSeconds, std::optional<Kind> kind)
{
    const std::vector<Eclipse> &all = allEclipses();
    auto it = std::upper_bound(all.begin(), all.end(), unixSeconds,
                               [](double t, const Eclipse &e) { return t < e.greatest; });
    for (; it != all.end(); ++it) {
        if (!kind || it->kind == *kind)
            return *it;
    }
    return std::nullopt;
}

std::optional<Eclipse> previousEclipse(double unixSeconds, std::optional<Kind> kind)
{
    const std::vector<Eclipse> &all = allEclipses();
    auto it = std::lower_bound(all.begin(), all.end(), unixSeconds,
                               [](const Eclipse &e, double t) { return e.greatest < t; });
    while (it != all.begin()) {
        --it;
        if (!kind || it->kind == *kind)
            return *it;
    }
    return std::nullopt;
}

std::optional<Eclipse> eclipseWithin(double unixSeconds, double seconds)
{
    if (!std::isfinite(unixSeconds) || !(seconds >= 0.0))
        return std::nullopt;
    // At greatest the Moon stands within 1.6 degrees of the Sun or of the
    // point opposite, and it moves under 15.5 degrees a day against them.
    const SunMoon b = sunMoonAt(unixSeconds);
    const double cosine =
        (b.sun[0] * b.moon[0] + b.sun[1] * b.moon[1] + b.sun[2] * b.moon[2]) /
        (std::hypot(b.sun[0], b.sun[1], b.sun[2]) * std::hypot(b.moon[0], b.moon[1], b.moon[2]));
    const double reach = std::min(90.0, 2.0 + 15.5 * seconds / 86400.0) * kDegToRad;
    if (!(std::abs(cosine) >= std::cos(reach)))
        return std::nullopt;
    // Only the new and full Moons about the instant, as the list finds them:
    // working out the whole list costs a snapshot more than its drawing. The
    // last few are kept, for each layer of a frame asks.
    thread_local std::vector<std::pair<double, std::optional<Eclipse>>> recent;
    const auto eclipseAt = [](double k) -> const std::optional<Eclipse> & {
        for (const auto &[lunation, eclipse] : recent)
            if (lunation == k)
                return eclipse;
        const Syzygy near = syzygy(k);
        std::optional<Eclipse> e;
        if (near.nearNode)
            e = k == std::floor(k) ? solarEclipseNear(near.unixSeconds)
                                   : lunarEclipseNear(near.unixSeconds);
        if (e && !(e->greatest >= yearStart(kFirstYear) && e->greatest < yearStart(kLastYear + 1)))
            e.reset();
        if (recent.size() == 4)
            recent.erase(recent.begin());
        return recent.emplace_back(k, e).second;
    };
    // Greatest lies within hours of the syzygy; a day either side is ample.
    const double synodicSeconds = kSynodicMonthDays * 86400.0;
    const double lunations = (unixSeconds - unixSecondsOfJd(kFirstLunationJd)) / synodicSeconds;
    const double margin = (seconds + 86400.0) / synodicSeconds;
    std::optional<Eclipse> best;
    for (double k = std::floor((lunations - margin) * 2.0) / 2.0; k <= lunations + margin;
         k += 0.5) {
        const std::optional<Eclipse> &e = eclipseAt(k);
        if (e && std::abs(e->greatest - unixSeconds) <= seconds &&
            (!best || std::abs(e->greatest - unixSeconds) < std::abs(best->greatest - unixSeconds)))
            best = e;
    }
    return best;
}

std::optional<Eclipse> eclipseUnderWay(double unixSeconds)
{
    // Neither kind lasts more than five hours either side of greatest.
    std::optional<Eclipse> e = eclipseWithin(unixSeconds, 5.0 * 3600.0);
    if (!e)
        return e;
    if (e->kind == Kind::Lunar) {
        if (!(unixSeconds >= e->contacts[P1] && unixSeconds <= e->contacts[P4]))
            return std::nullopt;
        return e;
    }
    const Shadow s = Shadow::at(unixSeconds);
    if (!(s.gammaOnSphere() < 1.0 + s.l1() / kEarthEquatorialRadiusKm))
        return std::nullopt;
    return e;
}

} // namespace eclipses
