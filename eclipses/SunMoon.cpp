#include "eclipses/SunMoon.h"

#include <swephexp.h>

#include <cmath>
#include <numbers>

namespace eclipses {

namespace {

constexpr double kUnixEpochJd = 2440587.5;
constexpr double kAuKm = 149597870.700;
// The Earth turns once a sidereal day.
constexpr double kSiderealRadPerSecond = 2.0 * std::numbers::pi * 1.00273781191135448 / 86400.0;

double julianDay(double unixSeconds)
{
    return kUnixEpochJd + unixSeconds / 86400.0;
}

// The library keeps its state per thread: each thread names the files once,
// and closes them, freeing what the library holds for it, when it ends, as
// the threads of a time-lapse do.
struct ThreadEphemeris
{
    EphemerisProblem problem;

    ThreadEphemeris()
    {
        swe_set_ephe_path(DUSKMAP_SWE_EPHE_DIR);
        double x[6];
        char error[AS_MAXCH];
        const int32 flags = swe_calc_ut(2451545.0, SE_MOON, SEFLG_SWIEPH, x, error);
        problem = (flags & SEFLG_SWIEPH) ? EphemerisProblem::None : EphemerisProblem::FilesMissing;
    }
    ~ThreadEphemeris() { swe_close(); }
    ThreadEphemeris(const ThreadEphemeris &) = delete;
    ThreadEphemeris &operator=(const ThreadEphemeris &) = delete;
};

EphemerisProblem &threadProblem()
{
    thread_local ThreadEphemeris state;
    return state.problem;
}

// Equatorial of date, in km, and Greenwich apparent sidereal time in radians.
struct OfDate
{
    Vector sun, moon;
    double sidereal;
};

OfDate ofDate(double unixSeconds)
{
    threadProblem();
    const double jd = julianDay(unixSeconds);
    const int32 flags = SEFLG_SWIEPH | SEFLG_EQUATORIAL | SEFLG_XYZ;
    double x[6];
    char error[AS_MAXCH];
    OfDate d{};
    swe_calc_ut(jd, SE_SUN, flags, x, error);
    d.sun = {x[0] * kAuKm, x[1] * kAuKm, x[2] * kAuKm};
    swe_calc_ut(jd, SE_MOON, flags, x, error);
    d.moon = {x[0] * kAuKm, x[1] * kAuKm, x[2] * kAuKm};
    d.sidereal = swe_sidtime(jd) * std::numbers::pi / 12.0;
    return d;
}

Vector earthFixed(const Vector &v, double sidereal)
{
    const double c = std::cos(sidereal), s = std::sin(sidereal);
    return {c * v[0] + s * v[1], -s * v[0] + c * v[1], v[2]};
}

} // namespace

EphemerisProblem ephemerisProblem()
{
    return threadProblem();
}

double deltaTSeconds(double unixSeconds)
{
    threadProblem();
    char error[AS_MAXCH];
    return swe_deltat_ex(julianDay(unixSeconds), SEFLG_SWIEPH, error) * 86400.0;
}

SunMoon sunMoonAt(double unixSeconds)
{
    const OfDate d = ofDate(unixSeconds);
    return {earthFixed(d.sun, d.sidereal), earthFixed(d.moon, d.sidereal)};
}

SunMoonTrack::SunMoonTrack(double centreUnixSeconds, double halfSpanSeconds)
    : m_centre(centreUnixSeconds), m_halfSpan(halfSpanSeconds)
{
    m_siderealAtCentre = ofDate(m_centre).sidereal;
    for (int k = 0; k < kNodes; ++k) {
        const double t = m_centre + m_halfSpan * std::cos(std::numbers::pi * (k + 0.5) / kNodes);
        const OfDate d = ofDate(t);
        m_times[size_t(k)] = t;
        auto &v = m_values[size_t(k)];
        for (size_t i = 0; i < 3; ++i) {
            v[i] = d.sun[i];
            v[i + 3] = d.moon[i];
        }
        v[6] = sphere::wrapRadians(d.sidereal - m_siderealAtCentre -
                                   kSiderealRadPerSecond * (t - m_centre));
    }
}

SunMoon SunMoonTrack::at(double unixSeconds) const
{
    // Barycentric Lagrange interpolation; the weights of Chebyshev nodes of
    // the first kind are (-1)^k sin((2k + 1) pi / 2n).
    std::array<double, 7> sum{};
    double norm = 0.0;
    for (int k = 0; k < kNodes; ++k) {
        const double dt = unixSeconds - m_times[size_t(k)];
        const auto &v = m_values[size_t(k)];
        if (dt == 0.0) {
            sum = v;
            norm = 1.0;
            break;
        }
        const double w =
            ((k % 2) ? -1.0 : 1.0) * std::sin(std::numbers::pi * (2 * k + 1) / (2 * kNodes)) / dt;
        for (size_t i = 0; i < 7; ++i)
            sum[i] += w * v[i];
        norm += w;
    }
    const double sidereal =
        m_siderealAtCentre + kSiderealRadPerSecond * (unixSeconds - m_centre) + sum[6] / norm;
    return {earthFixed({sum[0] / norm, sum[1] / norm, sum[2] / norm}, sidereal),
            earthFixed({sum[3] / norm, sum[4] / norm, sum[5] / norm}, sidereal)};
}

} // namespace eclipses
