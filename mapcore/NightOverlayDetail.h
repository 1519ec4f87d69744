#pragma once

// Pieces shared by the reference and the fast overlay kernels, so that both
// evaluate the same expressions in the same order.

#include "mapcore/NightOverlay.h"
#include "solar/Angles.h"
#include "solar/solar.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace night_overlay_detail {

using solar::kDegToRad;
using solar::kRadToDeg;
constexpr double kDayLimitDeg = solar::kSunriseAltitudeDeg; // -35'
constexpr double kNightLimitDeg = -18.0;
constexpr double kTwilightDivisorDeg = -17.416666666666668; // -18 + 35'

/// True when the geometry is non-empty and both buffers hold the whole map.
bool buffersFit(const MapGeometry &geometry, std::size_t nightBytes, std::size_t outBytes);

/// Sine and cosine of each row's latitude, mapHeight entries each.
void fillRowTables(const MapGeometry &geometry, std::vector<double> &sinLat,
                   std::vector<double> &cosLat);

/// The sun's local hour angle in degrees at column `column`, not reduced.
inline double hourAngleDeg(int32_t column, const MapGeometry &geometry, const SunQuantities &sun)
{
    const double longitudeDeg = columnLongitude(column, geometry);
    return 15.0 * ((longitudeDeg / 15.0 + sun.t0) + sun.rightAscension / (-15.0));
}

/// Altitude in degrees from the sun's direction turned to the horizon frame.
inline double altitudeDeg(double xh, double y, double zh)
{
    return std::atan2(zh, std::sqrt(xh * xh + y * y)) * kRadToDeg;
}

/// A premultiplied colour sample: sample x alpha / 255, truncated.
inline uint8_t premultiplied(uint8_t sample, uint8_t alpha)
{
    return static_cast<uint8_t>(static_cast<unsigned>(sample) * alpha / 255u);
}

/// How far the fast kernel's estimates must lie from a decision boundary
/// before it trusts them; closer pixels take the exact path.
struct FastMargins
{
    double sine;        ///< on z', the sine of the altitude
    double altitudeDeg; ///< on the estimated altitude, from the day limit
    double step;        ///< on the estimated ramp 255 h / -17.4167, from an integer
};

/// Margins well above the estimates' proven error bounds.
inline constexpr FastMargins kProvenMargins{1e-9, 1e-7, 1e-6};

/// Instruction sets the fast kernel is compiled for, narrowest first.
enum class InstructionSet
{
    Baseline,  ///< what the whole program is built for
    X86_64_V2, ///< SSE4.2, SSSE3
    X86_64_V3, ///< AVX2
    X86_64_V4, ///< AVX-512
};

/// The instruction sets this processor runs, narrowest first; never empty.
std::vector<InstructionSet> supportedInstructionSets();

/// The fast kernel with chosen margins and instruction set (one this processor
/// supports). Wider margins send more pixels down the exact path; tests use
/// both parameters to exercise every path.
bool computeNightOverlayWithMargins(const MapGeometry &geometry, std::span<const uint8_t> nightRgb,
                                    const UtcFields &utc, std::span<uint8_t> outRgba,
                                    const FastMargins &margins, InstructionSet instructionSet);

/// composeDayAndNight with chosen margins and instruction set, as above.
bool composeDayAndNightWithMargins(const MapGeometry &geometry, std::span<const uint8_t> day,
                                   std::size_t dayStride, std::span<const uint8_t> nightRgb,
                                   const UtcFields &utc, std::span<uint8_t> frame,
                                   std::size_t frameStride, const FastMargins &margins,
                                   InstructionSet instructionSet,
                                   const std::function<void(int32_t, int32_t)> &afterRows = {});

} // namespace night_overlay_detail
