#pragma once

// The texts under the map: clock, date, sunrise/sunset and the place's position.
// Plain functions of an instant, a zone and a place; the zone database stays
// behind ZoneCalendar so that these functions need neither Qt nor the system's
// time-zone files.

#include <cstdint>
#include <string>

/// Calendar fields of one instant as a time zone presents it.
struct LocalFields
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int weekday = 0;       // 1 = Monday ... 7 = Sunday
    int offsetSeconds = 0; // east of GMT positive
    std::string abbreviation;
};

/// A time zone as the readouts need it: the calendar fields of an instant.
class ZoneCalendar
{
public:
    virtual ~ZoneCalendar() = default;
    /// Calendar fields of the instant utcSeconds (seconds since 1970-01-01 00:00:00 UTC).
    virtual LocalFields fieldsAt(int64_t utcSeconds) const = 0;
};

/// A zone with one fixed offset from GMT and one abbreviation all year round.
class FixedOffsetCalendar final : public ZoneCalendar
{
public:
    /// offsetSeconds: seconds east of GMT (-12600 for -03:30).
    FixedOffsetCalendar(int offsetSeconds, std::string abbreviation);
    LocalFields fieldsAt(int64_t utcSeconds) const override;

private:
    int m_offsetSeconds;
    std::string m_abbreviation;
};

/// Whole days from 1970-01-01 to year-month-day in the proleptic Gregorian calendar
/// (negative before 1970). month 1 to 12, day 1 to 31.
int64_t daysFromCivil(int64_t year, int month, int day);

/// The instant 00:00:00 GMT of year-month-day, in seconds since 1970-01-01 00:00:00 UTC.
int64_t midnightGmtSeconds(int64_t year, int month, int day);

/// Calendar fields of utcSeconds shifted by offsetSeconds (the zone's wall clock),
/// weekday included; offset and abbreviation are left empty.
LocalFields civilFieldsAt(int64_t utcSeconds, int offsetSeconds);

/// "H:MM:SS ABBR +HHMM", e.g. "9:05:07 CEST +0200".
std::string timeText(const LocalFields &fields);

/// "Weekday, Month D, YYYY" in English, e.g. "Tuesday, May 1, 2007".
std::string dateText(const LocalFields &fields);

struct SunTexts
{
    std::string sunrise;
    std::string sunset;
};

/// Sunrise and sunset today, as the zone counts days, at a place (degrees, north and
/// east positive), in the zone's wall-clock time cut to the minute. A day without
/// sunrise or sunset gives "Sun never sets" or "Sun never rises" and an empty sunset.
/// A place that is not a number gives two empty texts.
SunTexts sunTexts(int64_t nowUtcSeconds, const ZoneCalendar &zone, float latitudeDeg,
                  float longitudeDeg);

/// A coordinate split for display: whole degrees, minutes and rounded seconds of |v|.
struct DegreesMinutesSeconds
{
    bool negative = false; // S or W
    int32_t degrees = 0;
    int32_t minutes = 0;
    int32_t seconds = 0;
    bool operator==(const DegreesMinutesSeconds &) const = default;
};

/// Splits v (degrees) into degrees and minutes (truncated) and seconds (rounded, halves
/// up); a rounding that fills a minute or a degree carries upward. -0.0 is not negative.
/// The caller must pass a finite v of magnitude below 2^31.
DegreesMinutesSeconds degreesMinutesSeconds(float v);

/// "Latitude:  40° 42' 51\" N"; the seconds are left out when they round to 0.
/// Empty for a value that is not a finite angle.
std::string latitudeText(float latitudeDeg);

/// "Longitude:  74°  0' 23\" W"; as latitudeText with W and E.
std::string longitudeText(float longitudeDeg);
