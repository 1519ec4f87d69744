#include "zones/NearbyZones.h"

#include "astro/Sphere.h"
#include "zones/TimeZoneTable.h"

#include <cmath>

namespace {
constexpr float kNearbyZoneDeg = 10.0f;
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
            std::fabs(sphere::wrapDegrees(longitude - longitudeDeg)) < kNearbyZoneDeg)
            nearby.append(zone.id);
    }
    return nearby;
}
