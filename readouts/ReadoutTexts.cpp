#include "readouts/ReadoutTexts.h"

#include "solar/Angles.h"
#include "solar/solar.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int32_t kUpperLimb = 1;
constexpr double kSecondsPerHour = 3600.0;
// Largest magnitude (exclusive) that converts to a 32-bit integer without overflow.
constexpr double kInt32Bound = 2147483648.0;

constexpr std::array<const char *, 7> kWeekdayNames = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
constexpr std::array<const char *, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

/// "+HHMM" / "-HHMM": the offset from GMT cut to whole minutes.
std::string offsetText(int offsetSeconds)
{
    const int64_t magnitude = std::llabs(static_cast<int64_t>(offsetSeconds));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%c%02lld%02lld", offsetSeconds < 0 ? '-' : '+',
                  static_cast<long long>(magnitude / 3600),
                  static_cast<long long>(magnitude % 3600 / 60));
    return buffer;
}

/// Whole days from 1970-01-01 to year-month-day in the proleptic Gregorian calendar
/// (negative before 1970).
int64_t daysFromCivil(int64_t year, int month, int day)
{
    // Count from 0000-03-01 so that the leap day ends each year, in 400-year eras
    // of 146097 days; 719468 days separate 0000-03-01 from 1970-01-01.
    const int64_t y = month <= 2 ? year - 1 : year;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t monthFromMarch = month > 2 ? month - 3 : month + 9;
    const int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int64_t midnightGmtSeconds(int64_t year, int month, int day)
{
    return daysFromCivil(year, month, day) * kSecondsPerDay;
}

/// The readout's text: its label, ": " and its value.
std::string labelled(const char *label, const std::string &value)
{
    return value.empty() ? std::string() : label + std::string(": ") + value;
}

/// A coordinate split for display: whole degrees, minutes and rounded seconds of |v|.
struct DegreesMinutesSeconds
{
    bool negative = false; // S or W
    int32_t degrees = 0;
    int32_t minutes = 0;
    int32_t seconds = 0;
};

/// Splits v (degrees) into degrees and minutes (truncated) and seconds (rounded, halves
/// up); a rounding that fills a minute or a degree carries upward. -0.0 is not negative.
/// The caller passes a finite v of magnitude below 2^31.
DegreesMinutesSeconds degreesMinutesSeconds(float v)
{
    DegreesMinutesSeconds dms;
    if (v < 0.0f) {
        dms.negative = true;
        v = -v;
    }
    dms.degrees = static_cast<int32_t>(v);
    const float fraction = v - static_cast<float>(dms.degrees);
    const float minutes = fraction * 60.0f;
    dms.minutes = static_cast<int32_t>(minutes);
    const float seconds = (minutes - static_cast<float>(dms.minutes)) * 60.0f;
    // Round halves up, in double.
    dms.seconds = static_cast<int32_t>(static_cast<double>(seconds) + 0.5);
    if (dms.seconds >= 60) {
        dms.seconds = 0;
        ++dms.minutes;
    }
    // Within half a second below a whole degree the carry reaches the degrees:
    // 45.99999 reads 46° 0', not 45° 60'.
    if (dms.minutes >= 60) {
        dms.minutes = 0;
        ++dms.degrees;
    }
    return dms;
}

PositionValue positionValue(float value, char negativeLetter, char positiveLetter)
{
    if (!(std::fabs(value) < static_cast<float>(kInt32Bound))) {
        return {};
    }
    const DegreesMinutesSeconds dms = degreesMinutesSeconds(value);
    char buffer[64];
    if (dms.seconds != 0) {
        std::snprintf(buffer, sizeof buffer, "%3i%s %2i' %2i\"", dms.degrees, solar::kDegreeSign,
                      dms.minutes, dms.seconds);
    } else {
        std::snprintf(buffer, sizeof buffer, "%3i%s %2i'", dms.degrees, solar::kDegreeSign,
                      dms.minutes);
    }
    return {buffer, dms.negative ? negativeLetter : positiveLetter};
}

std::string positionText(const char *label, const PositionValue &position)
{
    return position.value.empty() ? std::string()
                                  : labelled(label, position.value + ' ' + position.hemisphere);
}

} // namespace

std::string timeText(const LocalFields &fields)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%i:%02i:%02i ", fields.hour, fields.minute,
                  fields.second);
    return buffer + fields.abbreviation + " " + offsetText(fields.offsetSeconds);
}

std::string dateText(const LocalFields &fields)
{
    const bool weekdayKnown = fields.weekday >= 1 && fields.weekday <= 7;
    const bool monthKnown = fields.month >= 1 && fields.month <= 12;
    const std::string weekday = weekdayKnown ? kWeekdayNames[fields.weekday - 1] : "";
    const std::string month = monthKnown ? kMonthNames[fields.month - 1] : "";
    return weekday + ", " + month + " " + std::to_string(fields.day) + ", " +
           std::to_string(fields.year);
}

SunEvents sunEvents(int64_t nowUtcSeconds, const ZoneCalendar &zone, const GeoPoint &place)
{
    // The place in single precision, as the map's pixel positions give it.
    const auto latitudeDeg = float(place.latitude);
    const auto longitudeDeg = float(place.longitude);
    // Today as the selected zone counts days, not as GMT does.
    const LocalFields today = zone.fieldsAt(nowUtcSeconds);
    double riseHours = 0.0;
    double setHours = 0.0;
    const int32_t code =
        sunRiseSet(today.year, today.month, today.day, static_cast<double>(longitudeDeg),
                   static_cast<double>(latitudeDeg), solar::kSunriseAltitudeDeg, kUpperLimb,
                   &riseHours, &setHours);
    if (code != 0)
        return {code == 1 ? SunEvents::Kind::AlwaysUp : SunEvents::Kind::AlwaysDown, 0, 0};
    // The times count hours UT from 00:00 GMT of that date, and may fall on the
    // day before or after it; they are truncated to whole seconds.
    const double riseSeconds = riseHours * kSecondsPerHour;
    const double setSeconds = setHours * kSecondsPerHour;
    if (!(std::fabs(riseSeconds) < kInt32Bound) || !(std::fabs(setSeconds) < kInt32Bound))
        return {SunEvents::Kind::Unknown, 0, 0};
    const int64_t midnight = midnightGmtSeconds(today.year, today.month, today.day);
    return {SunEvents::Kind::RisesAndSets, midnight + static_cast<int64_t>(riseSeconds),
            midnight + static_cast<int64_t>(setSeconds)};
}

SunTexts sunTexts(int64_t nowUtcSeconds, const ZoneCalendar &zone, const GeoPoint &place)
{
    const SunEvents events = sunEvents(nowUtcSeconds, zone, place);
    switch (events.kind) {
    case SunEvents::Kind::RisesAndSets:
        return {labelled("Sunrise", sunClockValue(events.sunrise, zone)),
                labelled("Sunset", sunClockValue(events.sunset, zone))};
    case SunEvents::Kind::AlwaysUp:
        return {"Sun never sets", ""};
    case SunEvents::Kind::AlwaysDown:
        return {"Sun never rises", ""};
    case SunEvents::Kind::Unknown:
        break;
    }
    return {};
}

std::string sunClockValue(int64_t instant, const ZoneCalendar &zone)
{
    const LocalFields at = zone.fieldsAt(instant);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%2i:%02i", at.hour, at.minute);
    return buffer;
}

PositionValue latitudeValue(float latitudeDeg)
{
    return positionValue(latitudeDeg, 'S', 'N');
}

PositionValue longitudeValue(float longitudeDeg)
{
    return positionValue(longitudeDeg, 'W', 'E');
}

std::string latitudeText(float latitudeDeg)
{
    return positionText("Latitude", latitudeValue(latitudeDeg));
}

std::string longitudeText(float longitudeDeg)
{
    return positionText("Longitude", longitudeValue(longitudeDeg));
}

TimeFromNow timeFromNow(int64_t seconds)
{
    // The two largest units that say how far; under a minute, seconds. A zero
    // second part is left out.
    static constexpr uint64_t kUnitSeconds[] = {86400, 3600, 60, 1};
    const uint64_t magnitude = seconds < 0 ? uint64_t(0) - uint64_t(seconds) : uint64_t(seconds);
    size_t first = 0;
    while (first + 1 < std::size(kUnitSeconds) && magnitude < kUnitSeconds[first])
        ++first;
    TimeFromNow from;
    from.negative = seconds < 0;
    from.first = {magnitude / kUnitSeconds[first], TimeFromNow::Unit(first)};
    if (kUnitSeconds[first] > 60) {
        const uint64_t rest = magnitude % kUnitSeconds[first] / kUnitSeconds[first + 1];
        if (rest != 0)
            from.second = TimeFromNow::Part{rest, TimeFromNow::Unit(first + 1)};
    }
    return from;
}
