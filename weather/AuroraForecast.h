#pragma once

// NOAA SWPC's OVATION aurora forecast: the chance of seeing the aurora, 0 to
// 100 %, on a grid of whole degrees over the whole Earth, and what it means
// for a pixel and for a place. The JSON is parsed in platform/.

#include "astro/GeoPoint.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace weather {

struct CloudMap;
struct CloudLook;

/// The grid: longitudes 0 to 359, latitudes -90 to 90.
inline constexpr int32_t kAuroraColumns = 360;
inline constexpr int32_t kAuroraRows = 181;
inline constexpr int32_t kAuroraPoints = kAuroraColumns * kAuroraRows;
/// A forecast in the JSON form is about 1 MB; anything far larger is not one.
inline constexpr int64_t kMaxAuroraFileBytes = int64_t(16) << 20;
/// The value from which the aurora is drawn and counted as seen, by default.
inline constexpr double kDefaultAuroraThreshold = 10.0;

struct AuroraForecast
{
    int64_t observedUnixSeconds = 0;
    int64_t forecastUnixSeconds = 0;
    /// By row from 90° S up, each row from 0° E eastward.
    std::vector<float> values = std::vector<float>(kAuroraPoints, -1.0f);

    /// Sets one point of the file; an empty text when it is good, else why
    /// not: out of the grid, a value out of 0 to 100, or a point given twice.
    std::string_view setPoint(double longitude, double latitude, double value);
    /// Whether every point of the grid has been set.
    bool complete() const;
};

/// The forecast's value at a unit vector (x towards 0° N 0° E, z towards the
/// North Pole), interpolated between the four grid points around it.
float auroraAt(const AuroraForecast &forecast, float x, float y, float z);

/// The same with its rate of change, in value per degree of arc east and north.
struct AuroraSample
{
    float value, perDegreeEast, perDegreeNorth;
};
AuroraSample auroraSampleAt(const AuroraForecast &forecast, float x, float y, float z);

/// The lowest latitude, north or south, at which the interpolated forecast can
/// reach the value; 90 when it reaches it nowhere.
double lowestLatitudeReaching(const AuroraForecast &forecast, double value);

/// The aurora, some 110 km up, stands a few degrees over the horizon from
/// this far away: "on the horizon" within it.
inline constexpr double kAuroraHorizonKm = 800.0;
/// The sky is dark enough for the aurora with the Sun this far down.
inline constexpr double kAuroraDarkSunDeg = -12.0;

/// Whether the aurora can be seen at a place, and why.
enum class AuroraSight : uint8_t
{
    Overhead,
    OnHorizon,
    /// The forecast there and within kAuroraHorizonKm is at or below the threshold.
    TooWeak,
    /// The Sun is above kAuroraDarkSunDeg.
    TooLight,
    Cloudy,
};

struct AuroraVerdict
{
    AuroraSight sight;
    /// The forecast at the place.
    double value;
    bool visible() const
    {
        return sight == AuroraSight::Overhead || sight == AuroraSight::OnHorizon;
    }
};

/// The aurora at a place with the Sun at the given altitude; the clouds count
/// only when a map of them is given.
AuroraVerdict auroraVerdict(const AuroraForecast &forecast, const GeoPoint &place,
                            double sunAltitudeDeg, double threshold, const CloudMap *clouds,
                            const CloudLook &look);

/// The ramp: green just over the threshold, through yellow to red at
/// kAuroraRedValue and over.
inline constexpr float kAuroraRedValue = 50.0f;
/// The sun's altitudes, as sines, over which the aurora fades in: none above
/// 6° below the horizon, whole from 12° below.
inline constexpr float kAuroraFadeStartSin = -0.1045285f; // sin 6°
inline constexpr float kAuroraFadeEndSin = -0.2079117f;   // sin 12°

/// The premultiplied ARGB32 colour of a value over the threshold, at a
/// darkness of 0 (none) to 1 (whole).
uint32_t auroraColour(float value, float threshold, float darkness);
/// The contour's colour at the threshold, at the same darkness.
uint32_t auroraContourColour(float darkness);

/// How much of the aurora shows where the sun's altitude has this sine.
float auroraDarkness(float sunSin);

} // namespace weather
