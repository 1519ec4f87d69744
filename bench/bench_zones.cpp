// The zones offered on a right-click against what the table's reading costs
// once: asking the system's zone files about every zone.

#include "platform/Resources.h"
#include "zones/NearbyZones.h"
#include "zones/TimeZoneTable.h"
#include "zones/TimeZones.h"

#include <benchmark/benchmark.h>

namespace {

const TimeZoneTable &embeddedTable()
{
    static const TimeZoneTable table = TimeZoneTable::load(Resources());
    return table;
}

// The zones around a right-click on Paris.
void NearbyZones(benchmark::State &state)
{
    const TimeZoneTable &table = embeddedTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(nearbyZones(table, {48.85f, 2.35f}));
}

// Every zone of the table checked against the zone files, as the table's
// reading does once.
void ZoneFileChecks(benchmark::State &state)
{
    const TimeZoneTable &table = embeddedTable();
    for (auto _ : state) {
        for (const Zone &zone : table.zones())
            benchmark::DoNotOptimize(isKnownTimeZone(zone.id));
    }
}

} // namespace

BENCHMARK(NearbyZones)->Unit(benchmark::kMicrosecond);
BENCHMARK(ZoneFileChecks)->Unit(benchmark::kMicrosecond);
