#pragma once

// The sun's position and the times it crosses a given altitude, after a simple
// Keplerian model of the Earth's orbit. Angles are in degrees, times in days
// since 2000 January 0.0 UT (d) or in hours UT. Free functions without state:
// every output location is written on every call.

#include <cstdint>

namespace solar {

// Linear elements of the orbit: constant term and rate per day.
inline constexpr double kMeanAnomalyDeg = 356.047;
inline constexpr double kMeanAnomalyRateDegPerDay = 0.9856002585;
inline constexpr double kEccentricity = 0.016709;
inline constexpr double kEccentricityRatePerDay = -1.151e-09;
inline constexpr double kPerihelionDeg = 282.9404;
inline constexpr double kPerihelionRateDegPerDay = 4.70935e-05;
inline constexpr double kObliquityDeg = 23.4393;
inline constexpr double kObliquityRateDegPerDay = -3.563e-07;

/// The standard altitude of sunrise and sunset, taken at the sun's upper limb:
/// 35 arc-minutes of refraction below the horizon. It also ends the day on the map.
inline constexpr double kSunriseAltitudeDeg = -0.5833333333333334;

} // namespace solar

/// Whole days from 2000 January 0.0 UT to 00:00 UT of the given date, in 32-bit
/// integer arithmetic (truncating divisions). Exact from 1900-03-01 to 2100-02-28;
/// month and day are taken as they come, so day 0 is the last day of the month before.
int32_t solar_day_number(int32_t year, int32_t month, int32_t day);

/// The angle x (degrees) reduced to [0, 360).
double revolution(double x);

/// The angle x (degrees) reduced to [-180, 180).
double rev180(double x);

/// Greenwich mean sidereal time at 00:00 UT of day d, in degrees, [0, 360):
/// the sun's mean longitude plus 180 degrees.
double siderealTimeAtMidnight(double d);

/// The sun's true ecliptic longitude (degrees, [0, 360)) and distance
/// (astronomical units) at day d.
void sunEclipticPosition(double d, double *lon, double *r);

/// The sun's right ascension (degrees, (-180, 180]), declination (degrees) and
/// distance (astronomical units) at day d.
void sun_RA_dec(double d, double *RA, double *dec, double *r);

/// Times (hours UT from 00:00 UT of the date, not reduced to [0, 24)) at which
/// the sun crosses altitude altitudeDeg at the place lon/lat (degrees, east
/// and north positive); with upperLimb non-zero the altitude is that of the
/// sun's upper limb. Returns 0 for two crossings, +1 when the sun stays above
/// the altitude all day (rise/set = transit -/+ 12 h), -1 when it stays below
/// (rise = set = transit).
int32_t sunRiseSet(int32_t year, int32_t month, int32_t day, double lon, double lat,
                   double altitudeDeg, int32_t upperLimb, double *rise, double *set);

/// Hours (0 to 24) during which the sun is above altitude altitudeDeg at the
/// place lon/lat on the given date; upperLimb as for sunRiseSet.
double dayLength(int32_t year, int32_t month, int32_t day, double lon, double lat,
                 double altitudeDeg, int32_t upperLimb);
