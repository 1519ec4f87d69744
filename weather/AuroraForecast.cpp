#include "weather/AuroraForecast.h"

#include "astro/Sphere.h"
#include "mapcore/ViewShading.h"
#include "weather/CloudMap.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace weather {

namespace {
constexpr float kRadToDegF = float(sphere::kRadToDeg);

/// The grid cell around a unit vector: its corners' values and the place
/// within it.
struct Cell
{
    float a, b, c, d;  // south-west, south-east, north-west, north-east
    float east, north; // 0 to 1 from the south-west corner
    float cosLatitude;
};

Cell cellAt(const AuroraForecast &forecast, float x, float y, float z)
{
    const float across = std::sqrt(x * x + y * y);
    float longitude = view_shading::atan2Approx(y, x) * kRadToDegF;
    longitude = longitude < 0.0f ? longitude + 360.0f : longitude;
    const float row = view_shading::atan2Approx(z, across) * kRadToDegF + 90.0f;
    const float u0 = std::floor(longitude), v0 = std::floor(row);
    int32_t west = int32_t(u0), south = int32_t(v0);
    west = west >= kAuroraColumns ? west - kAuroraColumns : std::max(west, 0);
    const int32_t east = west + 1 == kAuroraColumns ? 0 : west + 1;
    south = std::clamp(south, 0, kAuroraRows - 1);
    const int32_t north = std::min(south + 1, kAuroraRows - 1);
    const float *s = forecast.values.data() + size_t(south) * kAuroraColumns;
    const float *n = forecast.values.data() + size_t(north) * kAuroraColumns;
    return {s[west], s[east], n[west], n[east], longitude - u0, row - v0, across};
}
} // namespace

std::string_view AuroraForecast::setPoint(double longitude, double latitude, double value)
{
    if (!(longitude >= 0.0 && longitude <= 359.0) || longitude != std::floor(longitude))
        return "its longitude is not a whole number from 0 to 359";
    if (!(latitude >= -90.0 && latitude <= 90.0) || latitude != std::floor(latitude))
        return "its latitude is not a whole number from -90 to 90";
    if (!(value >= 0.0 && value <= 100.0))
        return "its value is not from 0 to 100";
    float &at = values[size_t(latitude + 90.0) * kAuroraColumns + size_t(longitude)];
    if (at >= 0.0f)
        return "it is given twice";
    at = float(value);
    return {};
}

bool AuroraForecast::complete() const
{
    return std::none_of(values.begin(), values.end(), [](float v) { return v < 0.0f; });
}

float auroraAt(const AuroraForecast &forecast, float x, float y, float z)
{
    const Cell c = cellAt(forecast, x, y, z);
    const float south = c.a + (c.b - c.a) * c.east;
    const float north = c.c + (c.d - c.c) * c.east;
    return south + (north - south) * c.north;
}

AuroraSample auroraSampleAt(const AuroraForecast &forecast, float x, float y, float z)
{
    const Cell c = cellAt(forecast, x, y, z);
    const float south = c.a + (c.b - c.a) * c.east;
    const float north = c.c + (c.d - c.c) * c.east;
    const float perLongitude = (c.b - c.a) * (1.0f - c.north) + (c.d - c.c) * c.north;
    // A degree of longitude is shorter by the cosine of the latitude.
    return {south + (north - south) * c.north, perLongitude / std::max(c.cosLatitude, 0.01f),
            north - south};
}

double lowestLatitudeReaching(const AuroraForecast &forecast, double value)
{
    double lowest = 90.0;
    for (int32_t row = 0; row < kAuroraRows; ++row) {
        const float *values = forecast.values.data() + size_t(row) * kAuroraColumns;
        if (std::any_of(values, values + kAuroraColumns, [&](float v) { return v >= value; }))
            // Interpolation carries a value into the rows beside it.
            lowest = std::min(lowest, std::max(0.0, std::fabs(row - 90.0) - 1.0));
    }
    return lowest;
}

AuroraVerdict auroraVerdict(const AuroraForecast &forecast, const GeoPoint &place,
                            double sunAltitudeDeg, double threshold, const CloudMap *clouds,
                            const CloudLook &look)
{
    const sphere::Vector up = sphere::unitVector(place);
    const auto [x, y, z] = std::array{float(up[0]), float(up[1]), float(up[2])};
    const double value = auroraAt(forecast, x, y, z);
    AuroraSight sight = AuroraSight::TooWeak;
    if (value > threshold) {
        sight = AuroraSight::Overhead;
    } else {
        // Any grid point over the threshold within sight of the place.
        const double nearest = std::cos(kAuroraHorizonKm / sphere::kMeanRadiusKm);
        for (int32_t row = 0; row < kAuroraRows && sight == AuroraSight::TooWeak; ++row)
            for (int32_t column = 0; column < kAuroraColumns; ++column) {
                if (forecast.values[size_t(row) * kAuroraColumns + size_t(column)] <= threshold)
                    continue;
                const sphere::Vector point = sphere::unitVector({row - 90.0, double(column)});
                if (point[0] * up[0] + point[1] * up[1] + point[2] * up[2] >= nearest) {
                    sight = AuroraSight::OnHorizon;
                    break;
                }
            }
    }
    if (sight != AuroraSight::TooWeak && sunAltitudeDeg > kAuroraDarkSunDeg)
        sight = AuroraSight::TooLight;
    else if (sight != AuroraSight::TooWeak && clouds && !clearSkyAt(*clouds, look, x, y, z))
        sight = AuroraSight::Cloudy;
    return {sight, value};
}

float auroraDarkness(float sunSin)
{
    return std::clamp((kAuroraFadeStartSin - sunSin) / (kAuroraFadeStartSin - kAuroraFadeEndSin),
                      0.0f, 1.0f);
}

namespace {
uint32_t premultiplied(float alpha, float r, float g, float b)
{
    return uint32_t(alpha * 255.0f + 0.5f) << 24 | uint32_t(r * alpha + 0.5f) << 16 |
           uint32_t(g * alpha + 0.5f) << 8 | uint32_t(b * alpha + 0.5f);
}
} // namespace

uint32_t auroraColour(float value, float threshold, float darkness)
{
    // Green, yellow at half way, red: the aurora's own oxygen lines, and the
    // order of a warning.
    const float t = std::clamp((value - threshold) / (kAuroraRedValue - threshold), 0.0f, 1.0f);
    const float r = t < 0.5f ? 60.0f + 390.0f * t : 255.0f;
    const float g = t < 0.5f ? 255.0f - 30.0f * t : 240.0f - 400.0f * (t - 0.5f);
    const float b = t < 0.5f ? 110.0f - 180.0f * t : 20.0f + 60.0f * (t - 0.5f);
    return premultiplied((0.35f + 0.35f * t) * darkness, r, g, b);
}

uint32_t auroraContourColour(float darkness)
{
    return premultiplied(0.9f * darkness, 170.0f, 255.0f, 190.0f);
}

} // namespace weather
