#pragma once

// What one place sees of an eclipse: the contacts, the greatest phase and
// whether the Sun or the Moon is up. No Qt.

#include "astro/GeoPoint.h"
#include "eclipses/Eclipses.h"

#include <array>
#include <cstdint>

namespace eclipses {

class SunMoonTrack;

enum class Seen : uint8_t
{
    None,
    Partial,
    Annular,
    Total,
};

struct SolarLocalCircumstances
{
    /// The most the place sees with the Sun up.
    Seen seen = Seen::None;
    /// C1 to C4, UT seconds since 1970, whether or not the Sun is up; NaN
    /// where absent (C2 and C3 outside the central path, all outside the
    /// penumbra).
    std::array<double, 4> contacts{};
    std::array<bool, 4> sunUpAtContact{};
    /// Where the Moon's centre passes closest to the Sun's.
    double greatest = 0.0;
    double magnitude = 0.0;
    double obscuration = 0.0;
    double centralSeconds = 0.0; ///< of totality or annularity, C3 - C2
    double sunAltitudeDeg = 0.0; ///< at greatest, without refraction
};

SolarLocalCircumstances solarLocalCircumstances(const Eclipse &eclipse, const GeoPoint &place,
                                                double heightMetres = 0.0);
/// The same on a track that spans the eclipse, around an instant of it.
SolarLocalCircumstances solarLocalCircumstances(const SunMoonTrack &track, double around,
                                                const GeoPoint &place, double heightMetres);

struct LunarLocalCircumstances
{
    /// At each of the eclipse's contacts (LunarContact), of the Moon's centre
    /// without refraction; NaN where the contact is absent.
    std::array<double, 6> moonAltitudeDeg{};
    std::array<bool, 6> moonUpAtContact{};
    /// Whether the Moon is up at some contact or at greatest.
    bool seen = false;
    double moonAltitudeAtGreatestDeg = 0.0;
};

LunarLocalCircumstances lunarLocalCircumstances(const Eclipse &eclipse, const GeoPoint &place,
                                                double heightMetres = 0.0);

} // namespace eclipses
