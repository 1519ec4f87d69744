#pragma once

// The track of a solar eclipse over the Earth: its central line with the
// times along it, and the limits of the central phase and of the penumbra.
// Each limit is the envelope of the shadow's edge: at each instant, the
// point of the edge that momentarily neither gains on nor loses ground to
// the Earth's surface, where the edge runs along the shadow's motion
// relative to the place. No Qt.

#include "astro/GeoPoint.h"
#include "eclipses/Eclipses.h"

#include <optional>
#include <vector>

namespace eclipses {

class SunMoonTrack;

struct CentralLinePoint
{
    GeoPoint place;
    double time; ///< UT, seconds since 1970
};

struct EclipsePath
{
    std::vector<CentralLinePoint> centralLine;
    std::vector<GeoPoint> northernLimit; ///< of totality or annularity
    std::vector<GeoPoint> southernLimit;
    std::vector<GeoPoint> penumbraNorthernLimit;
    std::vector<GeoPoint> penumbraSouthernLimit;
};

/// Sampled every step (1 s to 5 h) from the first to the last instant each
/// line exists; empty for a lunar eclipse or a step out of range, and the
/// central lines for a partial one.
EclipsePath eclipsePath(const Eclipse &eclipse, double stepSeconds = 60.0);

enum class Cone : uint8_t
{
    Penumbra,
    Umbra, ///< or the antumbra
};

/// The limit point of a cone on one side of the path at an instant, km, if
/// that edge falls on the Earth.
std::optional<Vector> limitPoint(const SunMoonTrack &track, double unixSeconds, Cone cone,
                                 bool north);

/// The width of the central path across the central line at an instant, km.
double pathWidthKm(const SunMoonTrack &track, double unixSeconds);

} // namespace eclipses
