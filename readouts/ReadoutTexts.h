#pragma once

// The texts under the map: clock, date, sunrise/sunset and the place's position.
// Plain functions of an instant, a zone and a place; the zone database stays
// behind ZoneCalendar so that these functions need neither Qt nor the system's
// time-zone files.

#include "astro/GeoPoint.h"

#include <cstdint>
#include <optional>
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

/// "H:MM:SS ABBR +HHMM", e.g. "9:05:07 CEST +0200".
std::string timeText(const LocalFields &fields);

/// "Weekday, Month D, YYYY" in English, e.g. "Tuesday, May 1, 2007".
std::string dateText(const LocalFields &fields);

struct SunTexts
{
    std::string sunrise;
    std::string sunset;
};

/// Sunrise and sunset today, as the zone counts days, at a place taken in single
/// precision, in the zone's wall-clock time cut to the minute. A day without
/// sunrise or sunset gives "Sun never sets" or "Sun never rises" and an empty sunset.
/// A place that is not a number gives two empty texts.
SunTexts sunTexts(int64_t nowUtcSeconds, const ZoneCalendar &zone, const GeoPoint &place);

/// The same day's sunrise and sunset as instants (seconds since 1970-01-01
/// UTC, truncated as the texts are), or whether the sun stays up or down.
struct SunEvents
{
    enum class Kind
    {
        RisesAndSets,
        AlwaysUp,
        AlwaysDown,
        Unknown ///< a place that is not a number
    };
    Kind kind = Kind::RisesAndSets;
    int64_t sunrise = 0;
    int64_t sunset = 0;
};
SunEvents sunEvents(int64_t nowUtcSeconds, const ZoneCalendar &zone, const GeoPoint &place);

/// A sunrise or sunset's wall-clock time as its readout writes it after the
/// label, cut to the minute: " 4:42".
std::string sunClockValue(int64_t instant, const ZoneCalendar &zone);

/// A coordinate as its readout writes it between the label and the
/// hemisphere letter: " 40° 42' 51\"", the seconds left out when they round
/// to 0. An empty value for an angle that is not finite.
struct PositionValue
{
    std::string value;
    char hemisphere = 0; ///< 'N' or 'S', 'E' or 'W'
};
PositionValue latitudeValue(float latitudeDeg);
PositionValue longitudeValue(float longitudeDeg);

/// "Latitude:  40° 42' 51\" N"; empty for a value that is not a finite angle.
std::string latitudeText(float latitudeDeg);

/// "Longitude:  74°  0' 23\" W"; as latitudeText with W and E.
std::string longitudeText(float longitudeDeg);

/// How far an instant lies from now, in its two largest units, which the
/// window writes "+3 d 2 h", "−3 h 20 min", "+20 min"; under a minute, in
/// seconds ("+0 s" at now).
struct TimeFromNow
{
    enum class Unit
    {
        Days,
        Hours,
        Minutes,
        Seconds,
    };
    struct Part
    {
        uint64_t count = 0;
        Unit unit = Unit::Seconds;
    };
    bool negative = false;
    Part first;
    std::optional<Part> second; ///< none when 0, and for minutes and seconds
};
TimeFromNow timeFromNow(int64_t seconds);
