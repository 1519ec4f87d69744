#include "orbits/Passes.h"

#include "astro/PlaceSun.h"
#include "astro/TimeSearch.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace orbits {

namespace {

// A low orbit's elevation bends over a few minutes: a minute's samples see
// every pass, and the search looks between them for brief, low ones.
constexpr double kSampleSeconds = 60.0;
constexpr double kPrecisionSeconds = 0.01;
// Visibility is looked at this often through a pass, and at most this many times.
constexpr double kVisibilityStepSeconds = 10.0;
constexpr int kMaxVisibilitySamples = 200;

// The point under the Sun, worked out every ten minutes and interpolated
// between: it moves smoothly by a quarter of a degree a minute.
class SunTrack
{
public:
    GeoPoint at(double unixSeconds)
    {
        const double bucket = std::floor(unixSeconds / kStepSeconds);
        const GeoPoint a = node(bucket), b = node(bucket + 1.0);
        const double f = unixSeconds / kStepSeconds - bucket;
        return {
            a.latitude + f * (b.latitude - a.latitude),
            sphere::wrapDegrees(a.longitude + f * sphere::wrapDegrees(b.longitude - a.longitude))};
    }

private:
    static constexpr double kStepSeconds = 600.0;
    GeoPoint node(double bucket)
    {
        const auto found = m_nodes.find(bucket);
        if (found != m_nodes.end())
            return found->second;
        const GeoPoint sun = astro::subsolarPoint(astro::utcInstantOf(bucket * kStepSeconds));
        m_nodes.emplace(bucket, sun);
        return sun;
    }
    std::map<double, GeoPoint> m_nodes;
};

} // namespace

std::vector<Pass> findPasses(const Sgp4 &sgp4, const Observer &observer, double maskDeg,
                             double start, double end)
{
    std::vector<Pass> passes;
    if (!(end > start))
        return passes;
    ResonanceState resonance;
    const auto look = [&](double t) -> std::optional<LookAngles> {
        const TemeState state = sgp4.atUnixSeconds(t, &resonance);
        if (state.error != Sgp4Error::None)
            return std::nullopt;
        return observer.look(earthFixedOf(state.positionKm, t));
    };
    // Above the mask when positive; a failed propagation counts as down.
    const auto above = [&](double t) {
        const auto angles = look(t);
        return angles ? angles->elevationDeg - maskDeg : -180.0;
    };
    SunTrack sun;
    const auto visibleAt = [&](double t) {
        const TemeState state = sgp4.atUnixSeconds(t, &resonance);
        if (state.error != Sgp4Error::None)
            return false;
        const sphere::Vector position = earthFixedOf(state.positionKm, t);
        const GeoPoint subsolar = sun.at(t);
        return observer.look(position).elevationDeg >= maskDeg &&
               astro::horizontalFrom(observer.place(), subsolar).altitudeDeg <
                   kVisibleSunAltitudeDeg &&
               !inEarthShadow(position, subsolar);
    };
    const auto addPass = [&](double rise, double set, bool upAtStart, bool upAtEnd) {
        Pass pass;
        pass.riseUnixSeconds = rise;
        pass.setUnixSeconds = set;
        pass.upAtStart = upAtStart;
        pass.upAtEnd = upAtEnd;
        pass.culminationUnixSeconds = astro::extremum(above, rise, set, true, kPrecisionSeconds);
        const auto angles = [&](double t) { return look(t).value_or(LookAngles{-90.0, 0.0, 0.0}); };
        pass.riseAzimuthDeg = angles(rise).azimuthDeg;
        pass.setAzimuthDeg = angles(set).azimuthDeg;
        const LookAngles top = angles(pass.culminationUnixSeconds);
        pass.culminationAzimuthDeg = top.azimuthDeg;
        pass.maxElevationDeg = top.elevationDeg;
        const int samples = std::clamp(int(std::ceil((set - rise) / kVisibilityStepSeconds)), 1,
                                       kMaxVisibilitySamples);
        for (int i = 0; i <= samples && !pass.visible; ++i)
            pass.visible = visibleAt(rise + (set - rise) * i / samples);
        passes.push_back(pass);
    };

    const std::vector<astro::Crossing> crossings =
        astro::signChanges(above, start, end, kSampleSeconds, kPrecisionSeconds);
    std::optional<double> rise;
    if (above(start) >= 0.0)
        rise = start;
    for (const astro::Crossing &crossing : crossings) {
        if (crossing.rising) {
            rise = crossing.time;
        } else if (rise) {
            addPass(*rise, crossing.time, *rise == start, false);
            rise.reset();
        }
    }
    if (rise)
        addPass(*rise, end, *rise == start, true);
    return passes;
}

} // namespace orbits
