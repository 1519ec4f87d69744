#include "eclipses/LocalCircumstances.h"

#include "astro/PlaceSun.h"
#include "astro/TimeSearch.h"
#include "eclipses/Shadow.h"

#include <algorithm>
#include <cmath>

namespace eclipses {

namespace {

// A place's partial phase lasts under four hours and falls within the
// penumbra's three and a half either side of greatest.
constexpr double kSearchSeconds = 4.5 * 3600.0;
constexpr double kTrackSeconds = 5.0 * 3600.0;
// The Sun's altitude bends little in a minute.
constexpr double kSunSampleSeconds = 60.0;

} // namespace

SolarLocalCircumstances solarLocalCircumstances(const SunMoonTrack &track, double around,
                                                const GeoPoint &place, double heightMetres)
{
    SolarLocalCircumstances local;
    local.contacts.fill(std::nan(""));
    const Vector p = positionKm(place, heightMetres);
    const auto cones = [&](double t) { return Shadow(track.at(t)).conesAt(p); };
    const double from = std::max(track.start(), around - kSearchSeconds);
    const double to = std::min(track.end(), around + kSearchSeconds);
    local.greatest = astro::extremum([&](double t) { return cones(t).delta; }, from, to, false,
                                     kTimeToleranceSeconds);
    const Shadow atGreatest(track.at(local.greatest));
    const ConeRadii r = atGreatest.conesAt(p);
    local.sunAltitudeDeg = atGreatest.sunAltitudeDeg(place);
    if (r.delta >= r.l1)
        return local;
    local.magnitude = r.magnitude();
    local.obscuration = ShadowSample{r.magnitude(), r.diameterRatio(), false}.obscuration();
    const auto penumbra = [&](double t) {
        const ConeRadii c = cones(t);
        return c.delta - c.l1;
    };
    const auto umbra = [&](double t) {
        const ConeRadii c = cones(t);
        return c.delta - std::abs(c.l2);
    };
    local.contacts[0] = astro::rootOf(penumbra, from, local.greatest, kTimeToleranceSeconds);
    local.contacts[3] = astro::rootOf(penumbra, local.greatest, to, kTimeToleranceSeconds);
    const bool central = r.delta < std::abs(r.l2);
    if (central) {
        local.contacts[1] = astro::rootOf(umbra, from, local.greatest, kTimeToleranceSeconds);
        local.contacts[2] = astro::rootOf(umbra, local.greatest, to, kTimeToleranceSeconds);
        local.centralSeconds = local.contacts[2] - local.contacts[1];
    }

    const double horizon = astro::kRiseSetAltitudeDeg - astro::horizonDipDeg(heightMetres);
    const auto sunUp = [&](double t) {
        return Shadow(track.at(t)).sunAltitudeDeg(place) >= horizon;
    };
    for (size_t i = 0; i < 4; ++i)
        local.sunUpAtContact[i] = !std::isnan(local.contacts[i]) && sunUp(local.contacts[i]);
    // Whether the Sun is up at some moment of a span: its ends and each minute.
    const auto upWithin = [&](double a, double b) {
        if (std::isnan(a) || std::isnan(b))
            return false;
        for (double t = a; t < b; t += kSunSampleSeconds) {
            if (sunUp(t))
                return true;
        }
        return sunUp(b);
    };
    if (central && upWithin(local.contacts[1], local.contacts[2]))
        local.seen = r.l2 < 0.0 ? Seen::Total : Seen::Annular;
    else if (upWithin(local.contacts[0], local.contacts[3]))
        local.seen = Seen::Partial;
    return local;
}

SolarLocalCircumstances solarLocalCircumstances(const Eclipse &eclipse, const GeoPoint &place,
                                                double heightMetres)
{
    if (eclipse.kind != Kind::Solar || !std::isfinite(eclipse.greatest)) {
        SolarLocalCircumstances none;
        none.contacts.fill(std::nan(""));
        return none;
    }
    const SunMoonTrack track(eclipse.greatest, kTrackSeconds);
    return solarLocalCircumstances(track, eclipse.greatest, place, heightMetres);
}

LunarLocalCircumstances lunarLocalCircumstances(const Eclipse &eclipse, const GeoPoint &place,
                                                double heightMetres)
{
    LunarLocalCircumstances local;
    const Vector p = positionKm(place, heightMetres);
    const Vector up = sphere::unitVector(place);
    // The Moon seen from the place, whose parallax reaches a degree.
    const auto altitude = [&](double t) {
        const Vector m = sunMoonAt(t).moon;
        const Vector v{m[0] - p[0], m[1] - p[1], m[2] - p[2]};
        const double distance = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        const double sine = (v[0] * up[0] + v[1] * up[1] + v[2] * up[2]) / distance;
        return std::pair{std::asin(std::clamp(sine, -1.0, 1.0)) * sphere::kRadToDeg,
                         std::asin(kMoonRadiusKm / distance) * sphere::kRadToDeg};
    };
    // Up while its upper limb, lifted by refraction, stands above the horizon.
    constexpr double kRefractionDeg = 34.0 / 60.0;
    const auto isUp = [&](std::pair<double, double> a) {
        return a.first + a.second + kRefractionDeg + astro::horizonDipDeg(heightMetres) >= 0.0;
    };
    for (size_t i = 0; i < 6; ++i) {
        local.moonAltitudeDeg[i] = std::nan("");
        if (eclipse.kind != Kind::Lunar || std::isnan(eclipse.contacts[i]))
            continue;
        const auto a = altitude(eclipse.contacts[i]);
        local.moonAltitudeDeg[i] = a.first;
        local.moonUpAtContact[i] = isUp(a);
        local.seen = local.seen || local.moonUpAtContact[i];
    }
    if (eclipse.kind == Kind::Lunar) {
        const auto a = altitude(eclipse.greatest);
        local.moonAltitudeAtGreatestDeg = a.first;
        local.seen = local.seen || isUp(a);
    }
    return local;
}

} // namespace eclipses
