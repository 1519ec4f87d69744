#pragma once

// The night overlay: for one instant, the night image made transparent where
// the sun is up and opaque where it is well below the horizon, with a twilight
// ramp in between. Plain bytes in, plain bytes out; no Qt.

#include "astro/GeoPoint.h"
#include "mapcore/MapGeometry.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

/// Calendar fields of an instant in GMT.
struct UtcFields
{
    int32_t year, month, day, hour, minute, second;
};

/// What one redraw needs to know about the sun; angles in degrees, times in hours.
struct SunQuantities
{
    double d;              ///< solar day number of the GMT date (00:00 UT)
    double meanAnomaly;    ///< Ms, [0, 360)
    double meanLongitude;  ///< L, [0, 360)
    double rightAscension; ///< at d, (-180, 180]
    double declination;    ///< at d
    double ut;             ///< time of day, hours
    double t0;             ///< ut + (L + 180) / 15, hours, not reduced
};

/// The sun's quantities for the instant: its position at 00:00 UT of the GMT
/// date and the sidereal time of the instant.
SunQuantities sunQuantities(const UtcFields &utc);

/// Overlay alpha for a sun altitude in degrees: 0 (day) at -35' or higher and for
/// NaN, 255 (night) at -17.4167 or lower, in between proportional to the altitude.
uint8_t alphaForAltitude(double altitudeDeg);

/// The sun's altitude in degrees at a place, by the expressions the overlay
/// evaluates for a pixel there.
double sunAltitudeAt(const SunQuantities &sun, const GeoPoint &place);

/// Daylight at a sun altitude, by the overlay's limits: day above -35', night
/// at -18 degrees or lower, twilight between.
enum class Daylight
{
    Day,
    Twilight,
    Night
};
Daylight daylightFor(double altitudeDeg);

/// Latitude in degrees of the upper edge of bitmap row `row` (row 0 at the top).
float rowLatitude(int32_t row, const MapGeometry &geometry);

/// Longitude in degrees of the left edge of bitmap column `column`.
float columnLongitude(int32_t column, const MapGeometry &geometry);

/// The overlay for the instant `utc`, straightforward per-pixel evaluation.
/// nightRgb holds 3 bytes per pixel, mapWidth x mapHeight pixels, top row first;
/// outRgba receives 4 bytes per pixel, colour premultiplied by alpha. Returns
/// false and writes nothing when the geometry is empty or a buffer is too small.
bool computeNightOverlayReference(const MapGeometry &geometry, std::span<const uint8_t> nightRgb,
                                  const UtcFields &utc, std::span<uint8_t> outRgba);

/// Same result as computeNightOverlayReference, byte for byte, computed faster.
bool computeNightOverlay(const MapGeometry &geometry, std::span<const uint8_t> nightRgb,
                         const UtcFields &utc, std::span<uint8_t> outRgba);

/// The day image with the night overlay of the instant composited onto it
/// source-atop, in one pass: byte for byte what computeNightOverlay gives
/// composited onto the day image. day and frame hold mapWidth x mapHeight
/// pixels of four bytes, B, G, R, A in memory (QImage's RGB32 and
/// ARGB32_Premultiplied on little-endian machines), top row first, rows
/// dayStride and frameStride bytes apart; day's alpha bytes must be 0xff. The
/// frame is opaque. frame may be day itself, with the same stride. Returns
/// false and writes nothing when the geometry is empty, a buffer is too small
/// or frame overlaps day otherwise. afterRows, when given, is called with
/// each row [first, end) as soon as it is composed, while it is still in the
/// cache: for what is drawn over it.
bool composeDayAndNight(const MapGeometry &geometry, std::span<const uint8_t> day,
                        std::size_t dayStride, std::span<const uint8_t> nightRgb,
                        const UtcFields &utc, std::span<uint8_t> frame, std::size_t frameStride,
                        const std::function<void(int32_t first, int32_t end)> &afterRows = {});
