#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <optional>

/// A change of a zone's offset from UTC: daylight-saving time starting or
/// ending, or a new standard offset.
struct ClockChange
{
    QDateTime instant; ///< UTC
    int offsetBeforeSeconds = 0;
    int offsetAfterSeconds = 0;
};

/// The zone's first change of offset after \a from and at most a year later,
/// from the system's tz database; nothing when the offset stays the same.
std::optional<ClockChange> nextClockChange(const QTimeZone &zone, const QDateTime &from);

/// "Clocks go back 1 h on Sunday, October 25, 2026 at 3:00": the day and time as
/// the clocks read just before the change.
QString clockChangeText(const ClockChange &change);
