#include "solar/solar.h"

#include "solar/Angles.h"

#include <cmath>

// Every expression below keeps the written order of operations (products
// before sums, stored constants as they are), so results match bit for bit
// wherever the same mathematics library is used.

using namespace solar;

namespace {

constexpr double kInvFullCircle = 0.002777777777777778; // nearest double to 1/360
constexpr double kSiderealDeg = 818.9874;               // 180 + mean anomaly + perihelion
constexpr double kSiderealRateDegPerDay = 0.985647352;  // sum of the two rates

constexpr double kSunRadiusDegAt1Au = 0.2666;

} // namespace

int32_t solar_day_number(int32_t year, int32_t month, int32_t day)
{
    // Widened so that absurd years cannot overflow (undefined behaviour); every
    // date whose count fits in 32 bits gives the same result as 32-bit arithmetic.
    const int64_t y = year;
    const int64_t m = month;
    const int64_t a = (m + 9) / 12;
    const int64_t b = (7 * (y + a)) / 4;
    const int64_t c = (275 * m) / 9;
    return static_cast<int32_t>(367 * y - b + c + day - 730530);
}

double revolution(double x)
{
    const double q = std::floor(x * kInvFullCircle);
    return x + q * (-360.0);
}

double rev180(double x)
{
    const double q = std::floor(x * kInvFullCircle + 0.5);
    return x + q * (-360.0);
}

double siderealTimeAtMidnight(double d)
{
    return revolution(kSiderealRateDegPerDay * d + kSiderealDeg);
}

void sunEclipticPosition(double d, double *lon, double *r)
{
    const double M = revolution(d * kMeanAnomalyRateDegPerDay + kMeanAnomalyDeg);
    const double e = d * kEccentricityRatePerDay + kEccentricity;
    // One correction step of Kepler's equation; the eccentricity is small enough.
    const double E =
        M + (kRadToDeg * e * std::sin(M * kDegToRad)) * (std::cos(M * kDegToRad) * e + 1.0);
    const double x = std::cos(E * kDegToRad) - e;
    const double y = std::sin(E * kDegToRad) * std::sqrt(1.0 - e * e);
    *r = std::sqrt(x * x + y * y);
    const double v = std::atan2(y, x) * kRadToDeg;
    const double w = d * kPerihelionRateDegPerDay + kPerihelionDeg;
    double longitude = v + w;
    if (longitude >= 360.0)
        longitude -= 360.0;
    *lon = longitude;
}

void sun_RA_dec(double d, double *RA, double *dec, double *r)
{
    double lon = 0.0;
    sunEclipticPosition(d, &lon, r);
    const double dist = *r;
    // Ecliptic latitude is zero: rotate the ecliptic point about the x axis.
    const double x = dist * std::cos(lon * kDegToRad);
    const double y = dist * std::sin(lon * kDegToRad);
    const double obliquityRad = (d * kObliquityRateDegPerDay + kObliquityDeg) * kDegToRad;
    const double z = y * std::sin(obliquityRad);
    const double yEq = std::cos(obliquityRad) * y;
    *RA = std::atan2(yEq, x) * kRadToDeg;
    *dec = std::atan2(z, std::sqrt(x * x + yEq * yEq)) * kRadToDeg;
}

int32_t sunRiseSet(int32_t year, int32_t month, int32_t day, double lon, double lat,
                   double altitudeDeg, int32_t upperLimb, double *rise, double *set)
{
    // Local mean noon at the place.
    const double d = (static_cast<double>(solar_day_number(year, month, day)) + 0.5) - lon / 360.0;
    double ra = 0.0;
    double dec = 0.0;
    double r = 0.0;
    sun_RA_dec(d, &ra, &dec, &r);
    const double siderealDeg = revolution((siderealTimeAtMidnight(d) + 180.0) + lon);
    const double transitHours = 12.0 - rev180(siderealDeg - ra) / 15.0;
    const double sunRadiusDeg = kSunRadiusDegAt1Au / r;
    if (upperLimb != 0)
        altitudeDeg = altitudeDeg - sunRadiusDeg;
    const double cost = (std::sin(altitudeDeg * kDegToRad) -
                         std::sin(lat * kDegToRad) * std::sin(dec * kDegToRad)) /
                        (std::cos(lat * kDegToRad) * std::cos(dec * kDegToRad));
    int32_t code = 0;
    double arcHours = 0.0;
    if (cost >= 1.0) {
        code = -1;
        arcHours = 0.0;
    } else if (cost <= -1.0) {
        code = +1;
        arcHours = 12.0;
    } else {
        // A NaN cost lands here too and gives NaN times.
        arcHours = std::acos(cost) * kRadToDeg / 15.0;
    }
    *rise = transitHours - arcHours;
    *set = transitHours + arcHours;
    return code;
}

double dayLength(int32_t year, int32_t month, int32_t day, double lon, double lat,
                 double altitudeDeg, int32_t upperLimb)
{
    const double d = (static_cast<double>(solar_day_number(year, month, day)) + 0.5) - lon / 360.0;
    double sunLon = 0.0;
    double r = 0.0;
    sunEclipticPosition(d, &sunLon, &r);
    const double obliquityDeg = d * kObliquityRateDegPerDay + kObliquityDeg;
    const double sinDec = std::sin(obliquityDeg * kDegToRad) * std::sin(sunLon * kDegToRad);
    const double cosDec = std::sqrt(1.0 - sinDec * sinDec);
    const double sunRadiusDeg = kSunRadiusDegAt1Au / r;
    if (upperLimb != 0)
        altitudeDeg = altitudeDeg - sunRadiusDeg;
    const double cost = (std::sin(altitudeDeg * kDegToRad) - sinDec * std::sin(lat * kDegToRad)) /
                        (cosDec * std::cos(lat * kDegToRad));
    if (cost >= 1.0)
        return 0.0;
    if (cost <= -1.0)
        return 24.0;
    return std::acos(cost) * kRadToDeg * 0.13333333333333333; // 2/15: twice the arc, in hours
}
