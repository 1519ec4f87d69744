#include "astro/SkyPositions.h"

#include "astro/Sphere.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <cstring>

namespace astro {

namespace {

using sphere::kRadToDeg;

// The Moon gains about 12.2 degrees a day on the Sun: the principal phases
// are named for a day either side of their instant.
constexpr double kPrincipalPhaseHalfWidthDeg = 12.2;

// Espenak and Meeus's polynomials for Delta T (NASA eclipse web site, 2006),
// from 1920 to 2150, and Morrison and Stephenson's parabola outside them.
// y is the year with its fraction.
double espenakMeeusDeltaT(double y)
{
    if (y < 1920.0 || y >= 2150.0) {
        const double u = (y - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u;
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t +
               0.000651814 * t * t * t * t + 0.00002373599 * t * t * t * t * t;
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

struct TimeScales
{
    double ut1[2]; ///< two-part Julian date
    double tt[2];
    double ttMinusUt1; ///< seconds
};

// UT1 is taken as UTC: the difference stays under 0.9 s, far below what the
// map shows. TT - UT1 is TAI - UTC + 32.184 s while ERFA's leap second table
// covers the instant (1960 to five years after the library's release) and
// Espenak and Meeus's Delta T before and after.
TimeScales timeScales(const UtcInstant &utc)
{
    TimeScales scales{};
    eraDtf2d("UTC", utc.year, utc.month, utc.day, utc.hour, utc.minute, utc.second, &scales.ut1[0],
             &scales.ut1[1]);
    const double dayFraction = (utc.hour * 3600.0 + utc.minute * 60.0 + utc.second) / ERFA_DAYSEC;
    double taiMinusUtc = 0.0;
    double tai[2];
    if (eraDat(utc.year, utc.month, utc.day, dayFraction < 1.0 ? dayFraction : 0.999999,
               &taiMinusUtc) == 0 &&
        eraUtctai(scales.ut1[0], scales.ut1[1], &tai[0], &tai[1]) == 0) {
        eraTaitt(tai[0], tai[1], &scales.tt[0], &scales.tt[1]);
        scales.ttMinusUt1 =
            ((scales.tt[0] - scales.ut1[0]) + (scales.tt[1] - scales.ut1[1])) * ERFA_DAYSEC;
    } else {
        scales.ttMinusUt1 = espenakMeeusDeltaT(utc.year + (utc.month - 0.5) / 12.0);
        scales.tt[0] = scales.ut1[0];
        scales.tt[1] = scales.ut1[1] + scales.ttMinusUt1 / ERFA_DAYSEC;
    }
    return scales;
}

GeoPoint pointBelow(double direction[3], double siderealTime)
{
    double rightAscension = 0.0;
    double declination = 0.0;
    eraC2s(direction, &rightAscension, &declination);
    return {declination * kRadToDeg,
            sphere::wrapDegrees(eraAnpm(rightAscension - siderealTime) * kRadToDeg)};
}

double eclipticLongitude(const double p[3], double obliquity)
{
    return std::atan2(p[1] * std::cos(obliquity) + p[2] * std::sin(obliquity), p[0]);
}

/// The Earth's heliocentric and barycentric positions and velocities (au,
/// au/day) as eraEpv00 gives them, interpolated within the TT day from its
/// values at the day's two midnights: a cubic through positions and
/// velocities strays under 1e-9 au over a day, where eraEpv00 itself is good
/// to some 1e-7 au, and each redraw is spared its thousands of terms. Kept
/// per thread, for the renderers of a time-lapse.
void earthPositionVelocity(const double tt[2], double heliocentric[2][3], double barycentric[2][3])
{
    struct Day
    {
        double midnight = std::nan("");
        double pvh[2][2][3]; ///< heliocentric at the day's start and end
        double pvb[2][2][3]; ///< barycentric
    };
    thread_local Day day;
    const double midnight = std::floor(tt[0] + tt[1] - 0.5) + 0.5;
    if (midnight != day.midnight) {
        if (midnight == day.midnight + 1.0) {
            std::memcpy(day.pvh[0], day.pvh[1], sizeof day.pvh[0]);
            std::memcpy(day.pvb[0], day.pvb[1], sizeof day.pvb[0]);
        } else {
            eraEpv00(midnight, 0.0, day.pvh[0], day.pvb[0]);
        }
        eraEpv00(midnight + 1.0, 0.0, day.pvh[1], day.pvb[1]);
        day.midnight = midnight;
    }
    // Cubic Hermite basis at the day's fraction f, and its derivative.
    const double f = (tt[0] - midnight) + tt[1];
    const double f2 = f * f, f3 = f2 * f;
    const double h[4] = {2 * f3 - 3 * f2 + 1, f3 - 2 * f2 + f, -2 * f3 + 3 * f2, f3 - f2};
    const double dh[4] = {6 * f2 - 6 * f, 3 * f2 - 4 * f + 1, -6 * f2 + 6 * f, 3 * f2 - 2 * f};
    const auto interpolate = [&](const double pv[2][2][3], double out[2][3]) {
        for (int i = 0; i < 3; ++i) {
            const double p0 = pv[0][0][i], v0 = pv[0][1][i], p1 = pv[1][0][i], v1 = pv[1][1][i];
            out[0][i] = h[0] * p0 + h[1] * v0 + h[2] * p1 + h[3] * v1;
            out[1][i] = dh[0] * p0 + dh[1] * v0 + dh[2] * p1 + dh[3] * v1;
        }
    };
    interpolate(day.pvh, heliocentric);
    interpolate(day.pvb, barycentric);
}

} // namespace

double ttMinusUt1Seconds(const UtcInstant &utc)
{
    return timeScales(utc).ttMinusUt1;
}

namespace {

// The true equator and equinox of date and Greenwich apparent sidereal time.
struct EarthFrame
{
    TimeScales t;
    double npb[3][3];
    double siderealTime;
};

EarthFrame earthFrame(const UtcInstant &utc)
{
    EarthFrame frame{};
    frame.t = timeScales(utc);
    const TimeScales &t = frame.t;
    // GCRS to the true equator and equinox of date, and Greenwich apparent
    // sidereal time, both with the IAU 2000B nutation: a milliarcsecond from
    // 2000A at a small part of its cost.
    // The nutation is computed once for both.
    double dpsi, deps, epsa;
    double rb[3][3], rp[3][3], rbp[3][3], rn[3][3];
    eraPn00b(t.tt[0], t.tt[1], &dpsi, &deps, &epsa, rb, rp, rbp, rn, frame.npb);
    frame.siderealTime = eraAnp(eraGmst00(t.ut1[0], t.ut1[1], t.tt[0], t.tt[1]) +
                                eraEe00(t.tt[0], t.tt[1], epsa, dpsi));
    return frame;
}

// The Sun's geometric and apparent directions in the frame of date.
void sunDirections(EarthFrame &frame, double geometric[3], double apparent[3])
{
    // The Sun: the Earth's heliocentric position reversed. In the 8 minutes
    // its light travels the Sun moves some 6 km about the barycentre, so the
    // light-time correction is left out; the annual aberration is applied
    // with the Earth's barycentric velocity.
    double earthHeliocentric[2][3];
    double earthBarycentric[2][3];
    earthPositionVelocity(frame.t.tt, earthHeliocentric, earthBarycentric);
    double sunGeometric[3];
    for (int i = 0; i < 3; ++i)
        sunGeometric[i] = -earthHeliocentric[0][i];
    const double sunDistance = eraPm(sunGeometric);
    double sunUnit[3];
    eraSxp(1.0 / sunDistance, sunGeometric, sunUnit);
    double velocity[3];
    eraSxp(ERFA_AULT / ERFA_DAYSEC, earthBarycentric[1], velocity);
    const double inverseLorentz = std::sqrt(1.0 - eraPdp(velocity, velocity));
    double sunApparentGcrs[3];
    eraAb(sunUnit, velocity, sunDistance, inverseLorentz, sunApparentGcrs);
    eraRxp(frame.npb, sunApparentGcrs, apparent);
    eraRxp(frame.npb, sunGeometric, geometric);
}

} // namespace

GeoPoint subsolarPoint(const UtcInstant &utc)
{
    EarthFrame frame = earthFrame(utc);
    double geometric[3], apparent[3];
    sunDirections(frame, geometric, apparent);
    return pointBelow(apparent, frame.siderealTime);
}

SkyPositions skyPositions(const UtcInstant &utc)
{
    EarthFrame frame = earthFrame(utc);
    const TimeScales &t = frame.t;
    auto &npb = frame.npb;
    SkyPositions sky{};
    double sun[3], sunApparent[3];
    sunDirections(frame, sun, sunApparent);
    sky.subsolar = pointBelow(sunApparent, frame.siderealTime);

    // The Moon: geocentric and geometric; its 1.3 s light time moves it by
    // under an arcsecond.
    double moonGcrs[2][3];
    eraMoon98(t.tt[0], t.tt[1], moonGcrs);
    double moon[3];
    eraRxp(npb, moonGcrs[0], moon);
    sky.sublunar = pointBelow(moon, frame.siderealTime);

    // The phase from the geometric directions, the Sun's and the Moon's.
    double moonToSun[3];
    double moonToEarth[3];
    eraPmp(sun, moon, moonToSun);
    eraSxp(-1.0, moon, moonToEarth);
    const double phaseAngle = eraSepp(moonToSun, moonToEarth);
    sky.phaseAngleDeg = phaseAngle * kRadToDeg;
    sky.illuminatedFraction = (1.0 + std::cos(phaseAngle)) / 2.0;
    const double obliquity = eraObl06(t.tt[0], t.tt[1]);
    sky.elongationDeg =
        eraAnp(eclipticLongitude(moon, obliquity) - eclipticLongitude(sun, obliquity)) * kRadToDeg;
    sky.phase = moonPhaseForElongation(sky.elongationDeg);
    return sky;
}

MoonPhase moonPhaseForElongation(double elongationDeg)
{
    const double h = kPrincipalPhaseHalfWidthDeg;
    const double e = elongationDeg;
    if (e < h || e >= 360.0 - h)
        return MoonPhase::New;
    if (e < 90.0 - h)
        return MoonPhase::WaxingCrescent;
    if (e < 90.0 + h)
        return MoonPhase::FirstQuarter;
    if (e < 180.0 - h)
        return MoonPhase::WaxingGibbous;
    if (e < 180.0 + h)
        return MoonPhase::Full;
    if (e < 270.0 - h)
        return MoonPhase::WaningGibbous;
    if (e < 270.0 + h)
        return MoonPhase::LastQuarter;
    return MoonPhase::WaningCrescent;
}

std::string_view moonPhaseName(MoonPhase phase)
{
    switch (phase) {
    case MoonPhase::New:
        return "new";
    case MoonPhase::WaxingCrescent:
        return "waxing crescent";
    case MoonPhase::FirstQuarter:
        return "first quarter";
    case MoonPhase::WaxingGibbous:
        return "waxing gibbous";
    case MoonPhase::Full:
        return "full";
    case MoonPhase::WaningGibbous:
        return "waning gibbous";
    case MoonPhase::LastQuarter:
        return "last quarter";
    case MoonPhase::WaningCrescent:
        return "waning crescent";
    }
    return "new";
}

} // namespace astro
