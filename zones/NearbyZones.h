#pragma once

#include <QStringList>

class TimeZoneTable;

/// The valid zones whose places lie within 10 degrees of a place in latitude
/// and, the short way round, in longitude; case-insensitively sorted.
QStringList nearbyZones(const TimeZoneTable &table, float latitudeDeg, float longitudeDeg);
