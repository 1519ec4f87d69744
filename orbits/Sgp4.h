#pragma once

// SGP4 and SDP4, the propagators that mean elements from TLEs and OMM are
// made for: Hoots and Roehrich, Spacetrack Report #3 (1980), as revised by
// Vallado, Crawford, Hujsak and Kelso, "Revisiting Spacetrack Report #3"
// (AIAA 2006-6753), in its improved mode, with the WGS-72 constants the
// elements are fitted with. Orbits of 225 minutes or more take the
// deep-space branch (SDP4): the Sun's and the Moon's periodics and the
// resonances of 12- and 24-hour orbits.
//
// Written here because no Debian package offers SGP4 to C or C++; its
// figures match the published verification set.

#include "orbits/ElementSet.h"

#include <array>
#include <cstdint>

namespace orbits {

/// The published error codes.
enum class Sgp4Error : uint8_t
{
    None = 0,
    MeanEccentricity = 1,      ///< mean eccentricity outside [-0.001, 1)
    MeanMotion = 2,            ///< mean motion at or below zero
    PerturbedEccentricity = 3, ///< eccentricity after the lunar and solar periodics outside [0, 1]
    SemiLatusRectum = 4,       ///< semi-latus rectum below zero
    SubOrbital = 5,            ///< epoch elements sub-orbital (no longer raised)
    Decayed = 6,               ///< the orbit's radius below the Earth's
    /// Not a published code: a time that is not a number or more than
    /// kMaxMinutesFromEpoch away, which the resonance's half-day steps would
    /// take too long to reach.
    TimeOutOfRange = 100,
};

/// About a thousand years.
inline constexpr double kMaxMinutesFromEpoch = 1000 * 365.25 * 1440.0;

/// Position and velocity in the True Equator, Mean Equinox frame.
struct TemeState
{
    std::array<double, 3> positionKm{};
    std::array<double, 3> velocityKmPerS{};
    Sgp4Error error = Sgp4Error::None;
};

/// Where the deep-space resonance's integration stands: it steps half a day
/// at a time from the epoch, and a caller stepping through time keeps this so
/// that each call goes on from the last instead of from the epoch. The
/// results are the same either way.
struct ResonanceState
{
    double atime = 0.0, xli = 0.0, xni = 0.0;
};

class Sgp4
{
public:
    /// WGS-72's equatorial radius, the unit of SGP4's distances.
    static constexpr double kEarthRadiusKm = 6378.135;

    explicit Sgp4(const ElementSet &elements);

    /// The state at a time after the epoch (before it for negative times).
    /// With an error set the position and velocity are zero.
    TemeState at(double minutesSinceEpoch, ResonanceState *resume = nullptr) const;
    /// The same at a UTC instant.
    TemeState atUnixSeconds(double unixSeconds, ResonanceState *resume = nullptr) const
    {
        return at((unixSeconds - m_epochUnixSeconds) / 60.0, resume);
    }

    /// The error of the initialisation, which propagates to the epoch.
    Sgp4Error initError() const { return m_initError; }
    double epochUnixSeconds() const { return m_epochUnixSeconds; }
    bool deepSpace() const { return m_deepSpace; }
    /// From the recovered (Brouwer) mean motion.
    double periodMinutes() const;

private:
    // Vallado's names for the initialised quantities, so that this reads
    // against the paper's equations.
    double m_epochUnixSeconds = 0.0;
    double m_bstar = 0.0, m_ecco = 0.0, m_argpo = 0.0, m_inclo = 0.0, m_mo = 0.0, m_no = 0.0,
           m_nodeo = 0.0;
    bool m_deepSpace = false;
    bool m_simple = false; ///< perigee below 220 km: the drag series is cut short
    Sgp4Error m_initError = Sgp4Error::None;
    double m_aycof = 0, m_con41 = 0, m_cc1 = 0, m_cc4 = 0, m_cc5 = 0, m_d2 = 0, m_d3 = 0, m_d4 = 0,
           m_delmo = 0, m_eta = 0, m_argpdot = 0, m_omgcof = 0, m_sinmao = 0, m_t2cof = 0,
           m_t3cof = 0, m_t4cof = 0, m_t5cof = 0, m_x1mth2 = 0, m_x7thm1 = 0, m_mdot = 0,
           m_nodedot = 0, m_xlcof = 0, m_xmcof = 0, m_nodecf = 0, m_gsto = 0;

    // Deep space: the lunar and solar periodics' coefficients, the secular
    // rates, and the resonance's.
    struct DeepSpace
    {
        double e3, ee2, se2, se3, sgh2, sgh3, sgh4, sh2, sh3, si2, si3, sl2, sl3, sl4, xgh2, xgh3,
            xgh4, xh2, xh3, xi2, xi3, xl2, xl3, xl4, zmol, zmos;
        int irez; ///< 0 none, 1 synchronous (24 h), 2 half-day (12 h, eccentric)
        double d2201, d2211, d3210, d3222, d4410, d4422, d5220, d5232, d5421, d5433, dedt, del1,
            del2, del3, didt, dmdt, dnodt, domdt, xfact, xlamo;
    } m_ds{};

    void initDeepSpace(double tc, double xpidot, double eccsq);
    struct Mean
    {
        double em, argpm, inclm, mm, nodem, nm;
    };
    void deepSpaceSecular(double t, Mean &m, ResonanceState *resume) const;
    struct Osculating
    {
        double ep, inclp, nodep, argpp, mp;
    };
    void deepSpacePeriodics(double t, Osculating &p) const;
};

} // namespace orbits
