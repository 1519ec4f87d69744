#pragma once

#include "astro/GeoPoint.h"

#include <QStringList>

class TimeZoneTable;

/// The valid zones whose places lie within 10 degrees of a place in latitude
/// and, the short way round, in longitude; case-insensitively sorted. The
/// place is taken in single precision.
QStringList nearbyZones(const TimeZoneTable &table, const GeoPoint &place);
