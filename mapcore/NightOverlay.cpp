#include "mapcore/NightOverlay.h"

#include "mapcore/NightOverlayDetail.h"
#include "solar/solar.h"

#include <cmath>
#include <vector>

using namespace night_overlay_detail;

namespace night_overlay_detail {

bool buffersFit(const MapGeometry &geometry, std::size_t nightBytes, std::size_t outBytes)
{
    if (geometry.mapWidth <= 0 || geometry.mapHeight <= 0)
        return false;
    const auto pixels =
        static_cast<uint64_t>(geometry.mapWidth) * static_cast<uint64_t>(geometry.mapHeight);
    // pixels < 2^62, so four bytes per pixel still fit in 64 bits.
    return pixels * 3 <= nightBytes && pixels * 4 <= outBytes;
}

void fillRowTables(const MapGeometry &geometry, std::vector<double> &sinLat,
                   std::vector<double> &cosLat)
{
    const auto rows = static_cast<std::size_t>(geometry.mapHeight > 0 ? geometry.mapHeight : 0);
    sinLat.resize(rows);
    cosLat.resize(rows);
    for (std::size_t row = 0; row < rows; ++row) {
        const double latitudeRad =
            static_cast<double>(rowLatitude(static_cast<int32_t>(row), geometry)) * kDegToRad;
        sinLat[row] = std::sin(latitudeRad);
        cosLat[row] = std::cos(latitudeRad);
    }
}

} // namespace night_overlay_detail

SunQuantities sunQuantities(const UtcFields &utc)
{
    SunQuantities sun{};
    sun.d = static_cast<double>(solar_day_number(utc.year, utc.month, utc.day));
    sun.meanAnomaly = revolution(solar::kMeanAnomalyDeg + solar::kMeanAnomalyRateDegPerDay * sun.d);
    sun.meanLongitude = revolution(solar::kPerihelionDeg + solar::kPerihelionRateDegPerDay * sun.d +
                                   sun.meanAnomaly);
    double distance = 0.0;
    sun_RA_dec(sun.d, &sun.rightAscension, &sun.declination, &distance);
    sun.ut = static_cast<double>(utc.hour) + static_cast<double>(utc.minute) / 60.0 +
             static_cast<double>(utc.second) / 3600.0;
    // (L + 180) / 15 is the sidereal time at 00:00 UT in hours.
    sun.t0 = sun.ut + (sun.meanLongitude + 180.0) / 15.0;
    return sun;
}

uint8_t alphaForAltitude(double altitudeDeg)
{
    if (altitudeDeg <= kNightLimitDeg)
        return 255;
    if (altitudeDeg > kNightLimitDeg && altitudeDeg < kDayLimitDeg) {
        // The ramp divides the altitude itself, so it starts at 8, not 0, just
        // below the day limit and is clamped between -17.4167 and -18.
        const double f = altitudeDeg / kTwilightDivisorDeg;
        if (f > 1.0)
            return 255;
        return static_cast<uint8_t>(255.0 * f);
    }
    return 0; // day, or not a number
}

double sunAltitudeAt(const SunQuantities &sun, const GeoPoint &place)
{
    const double latitudeRad = place.latitude * kDegToRad;
    const double sinPhi = std::sin(latitudeRad);
    const double cosPhi = std::cos(latitudeRad);
    const double declinationRad = sun.declination * kDegToRad;
    const double hourAngleRad =
        15.0 * ((place.longitude / 15.0 + sun.t0) + sun.rightAscension / (-15.0)) * kDegToRad;
    const double x = std::cos(hourAngleRad) * std::cos(declinationRad);
    const double y = std::sin(hourAngleRad) * std::cos(declinationRad);
    const double z = std::sin(declinationRad);
    return altitudeDeg(x * sinPhi - z * cosPhi, y, x * cosPhi + z * sinPhi);
}

Daylight daylightFor(double altitudeDeg)
{
    if (altitudeDeg <= kNightLimitDeg)
        return Daylight::Night;
    if (altitudeDeg < kDayLimitDeg)
        return Daylight::Twilight;
    return Daylight::Day;
}

float rowLatitude(int32_t row, const MapGeometry &geometry)
{
    // Upper edge of the row; no half-pixel term.
    return (static_cast<float>(geometry.mapHeight - row) - geometry.equatorialOffset) /
           geometry.pixelsPerDegree;
}

float columnLongitude(int32_t column, const MapGeometry &geometry)
{
    return (static_cast<float>(column) - geometry.meridianOffset) / geometry.pixelsPerDegree;
}

bool computeNightOverlayReference(const MapGeometry &geometry, std::span<const uint8_t> nightRgb,
                                  const UtcFields &utc, std::span<uint8_t> outRgba)
{
    if (!buffersFit(geometry, nightRgb.size(), outRgba.size()))
        return false;
    std::vector<double> sinLat;
    std::vector<double> cosLat;
    fillRowTables(geometry, sinLat, cosLat);
    const SunQuantities sun = sunQuantities(utc);
    const double declinationRad = sun.declination * kDegToRad;

    const uint8_t *src = nightRgb.data();
    uint8_t *dst = outRgba.data();
    for (int32_t row = 0; row < geometry.mapHeight; ++row) {
        const double sinPhi = sinLat[static_cast<std::size_t>(row)];
        const double cosPhi = cosLat[static_cast<std::size_t>(row)];
        for (int32_t column = 0; column < geometry.mapWidth; ++column) {
            const double hourAngleRad = hourAngleDeg(column, geometry, sun) * kDegToRad;
            // The sun's direction in the frame of the place's meridian, then
            // turned about the east axis to the horizon frame.
            const double x = std::cos(hourAngleRad) * std::cos(declinationRad);
            const double y = std::sin(hourAngleRad) * std::cos(declinationRad);
            const double z = std::sin(declinationRad);
            const double xh = x * sinPhi - z * cosPhi;
            const double zh = x * cosPhi + z * sinPhi;
            const uint8_t alpha = alphaForAltitude(altitudeDeg(xh, y, zh));
            dst[0] = premultiplied(src[0], alpha);
            dst[1] = premultiplied(src[1], alpha);
            dst[2] = premultiplied(src[2], alpha);
            dst[3] = alpha;
            src += 3;
            dst += 4;
        }
    }
    return true;
}
