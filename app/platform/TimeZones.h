#pragma once

#include "readouts/ReadoutTexts.h"

#include <QString>
#include <QTimeZone>

/// Whether the system's time-zone database knows a zone by this name. Only names
/// spelt as the tz database spells them are asked ("Europe/Berlin", "Etc/GMT+5",
/// "UTC"): an empty name, a path such as "../x" or Qt's own "UTC+05:00" are not.
bool isKnownTimeZone(const QString &name);

/// The name of the system's current time zone; "UTC" when it has none that
/// isKnownTimeZone accepts.
QString systemTimeZoneName();

/// The readouts' view of a zone, read from the system's time-zone database. An
/// unknown zone reads as UTC.
class QtZoneCalendar final : public ZoneCalendar
{
public:
    explicit QtZoneCalendar(const QString &zoneName);
    explicit QtZoneCalendar(QTimeZone zone);
    LocalFields fieldsAt(int64_t utcSeconds) const override;

private:
    QTimeZone m_zone;
};
