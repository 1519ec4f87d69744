#include "zones/NearbyZones.h"

#include "zones/TimeZoneTable.h"

#include <cmath>

namespace {
constexpr float kNearbyZoneDeg = 10.0f;

/// The shorter way round from one longitude to another, in [-180, 180).
float longitudeDifference(float fromDeg, float toDeg)
{
    float difference = toDeg - fromDeg;
    difference -= 360.0f * std::floor((difference + 180.0f) / 360.0f);
    return difference;
}
} // namespace

QStringList nearbyZones(const TimeZoneTable &table, float latitudeDeg, float longitudeDeg)
{
    QStringList nearby;
    for (const QString &name : table.sortedNames()) {
        if (!TimeZoneTable::isValidZone(name))
            continue;
        const ZonePlace place = table.placeOf(name);
        // Zones just across the 180th meridian count as near.
        if (std::fabs(place.latitude - latitudeDeg) < kNearbyZoneDeg &&
            std::fabs(longitudeDifference(longitudeDeg, place.longitude)) < kNearbyZoneDeg)
            nearby.append(name);
    }
    return nearby;
}
