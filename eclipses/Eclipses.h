#pragma once

// Every solar and lunar eclipse from 1900 to 2100, in the terms of NASA's
// canon (Espenak and Meeus), from the Swiss Ephemeris' positions. No Qt.

#include "astro/GeoPoint.h"
#include "eclipses/SunMoon.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace eclipses {

inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2100;
/// The searches find each greatest and each contact to this.
inline constexpr double kTimeToleranceSeconds = 0.01;

enum class Kind : uint8_t
{
    Solar,
    Lunar,
};

enum class Type : uint8_t
{
    Partial,
    Annular,
    Total,
    Hybrid,    ///< solar: annular along part of the path, total along the rest
    Penumbral, ///< lunar: the Moon misses the umbra
};

/// A lunar eclipse's contacts: the Moon's limb meets the penumbra (P1, P4)
/// or the umbra (U1 to U4).
enum LunarContact : uint8_t
{
    P1,
    U1,
    U2,
    U3,
    U4,
    P4,
};

struct Eclipse
{
    Kind kind = Kind::Solar;
    Type type = Type::Partial;
    /// Solar: the shadow's axis meets the Earth.
    bool central = false;
    /// UT, seconds since 1970: when the shadow's axis passes closest to the
    /// Earth's centre (solar) or the Moon's centre to the umbra's axis (lunar).
    double greatest = 0.0;
    /// TT - UT at greatest, seconds: greatest + deltaT is the instant in TD.
    double deltaT = 0.0;
    /// Solar: where the eclipse is greatest; lunar: the Moon in the zenith.
    GeoPoint place;
    /// Solar: the Moon's apparent diameter over the Sun's where central, else
    /// the greatest fraction of the Sun's diameter covered. Lunar: umbral.
    double magnitude = 0.0;
    double penumbralMagnitude = 0.0; ///< lunar
    /// The axis' least distance from the Earth's centre in equatorial radii,
    /// negative south of it.
    double gamma = 0.0;
    /// Solar central: of totality or annularity at the place of greatest
    /// eclipse; lunar: of totality. Seconds, 0 where there is none.
    double durationSeconds = 0.0;
    double pathWidthKm = 0.0; ///< solar central, at greatest
    /// Lunar, UT seconds since 1970, by LunarContact; NaN where absent.
    std::array<double, 6> contacts{};

    double greatestTd() const { return greatest + deltaT; }
};

/// Those whose greatest falls within the years, in order of time.
std::vector<Eclipse> eclipsesBetween(int firstYear, int lastYear);

/// All of them in order of time, worked out at the first call (a few tenths
/// of a second) and kept for the process.
const std::vector<Eclipse> &allEclipses();

/// The first eclipse whose greatest comes after the instant, or the last
/// before it; none beyond the years covered.
std::optional<Eclipse> nextEclipse(double unixSeconds, std::optional<Kind> kind = std::nullopt);
std::optional<Eclipse> previousEclipse(double unixSeconds, std::optional<Kind> kind = std::nullopt);

/// The eclipse whose greatest lies nearest the instant, if within the
/// seconds of it; away from new and full Moon it is known without the list.
std::optional<Eclipse> eclipseWithin(double unixSeconds, double seconds);

/// The eclipse under way at the instant: for a solar one, the penumbra on
/// the Earth; for a lunar one, from P1 to P4.
std::optional<Eclipse> eclipseUnderWay(double unixSeconds);

/// One solar or lunar eclipse near an estimate of its syzygy (new or full
/// Moon), if there is one; what allEclipses collects.
std::optional<Eclipse> solarEclipseNear(double unixSeconds);
std::optional<Eclipse> lunarEclipseNear(double unixSeconds);

} // namespace eclipses
