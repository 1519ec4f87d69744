#pragma once

#include "readouts/ReadoutTexts.h"

#include <QString>
#include <QTimeZone>

/// Whether the system's time-zone database (TZif files under $TZDIR or
/// /usr/share/zoneinfo) knows a zone by this name, and Qt can read it; "UTC" always.
/// Only names spelt as the tz database spells them are asked ("Europe/Berlin",
/// "Etc/GMT+5"): an empty name, a path such as "../x", Qt's own "UTC+05:00" or a
/// POSIX rule such as "ABC3" are not zones.
bool isKnownTimeZone(const QString &name);

/// The name of the system's current time zone; "UTC" when it has none that
/// isKnownTimeZone accepts.
QString systemTimeZoneName();

/// The readouts' view of a zone, read from the system's time-zone database. An
/// invalid zone reads as UTC.
class QtZoneCalendar final : public ZoneCalendar
{
public:
    explicit QtZoneCalendar(QTimeZone zone);
    LocalFields fieldsAt(int64_t utcSeconds) const override;

private:
    QTimeZone m_zone;
};
