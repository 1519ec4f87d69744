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

QStringList nearbyZones(const TimeZoneTable &table, const GeoPoint &place)
{
    const auto latitudeDeg = float(place.latitude);
    const auto longitudeDeg = float(place.longitude);
    QStringList nearby;
    for (const Zone &zone : table.validZones()) {
        const auto latitude = float(zone.place.latitude);
        const auto longitude = float(zone.place.longitude);
        // Zones just across the 180th meridian count as near.
        if (std::fabs(latitude - latitudeDeg) < kNearbyZoneDeg &&
            std::fabs(longitudeDifference(longitudeDeg, longitude)) < kNearbyZoneDeg)
            nearby.append(zone.id);
    }
    return nearby;
}
