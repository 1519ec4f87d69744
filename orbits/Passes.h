#pragma once

// The passes of a satellite over a place: when it rises above an elevation
// mask, culminates and sets, where, and whether it can be seen by eye.

#include "orbits/SatellitePlace.h"
#include "orbits/Sgp4.h"

#include <vector>

namespace orbits {

/// How far ahead the passes are looked for.
inline constexpr double kPassSearchSeconds = 3 * 86400.0;
/// The Sun's altitude at home below which a sunlit satellite can be seen: civil twilight's end.
inline constexpr double kVisibleSunAltitudeDeg = -6.0;

struct Pass
{
    double riseUnixSeconds = 0.0; ///< the start of the search when already up then
    double culminationUnixSeconds = 0.0;
    double setUnixSeconds = 0.0; ///< the end of the search when still up then
    double riseAzimuthDeg = 0.0;
    double culminationAzimuthDeg = 0.0;
    double setAzimuthDeg = 0.0;
    double maxElevationDeg = 0.0; ///< geometric
    bool upAtStart = false;
    bool upAtEnd = false;
    /// At some time of the pass: sunlit, above the mask, and the Sun at home
    /// below kVisibleSunAltitudeDeg.
    bool visible = false;
};

/// The passes within [start, end) where the geometric elevation is at least
/// maskDeg, in order; each time to within 0.01 s.
std::vector<Pass> findPasses(const Sgp4 &sgp4, const Observer &observer, double maskDeg,
                             double startUnixSeconds, double endUnixSeconds);

} // namespace orbits
