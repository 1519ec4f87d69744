// Satellites: placing 10,000 of them at one instant against SGP4 alone, reading
// a 30,000-record OMM CSV against splitting it into fields, and the passes of
// one satellite over three days against scanning its elevation every second;
// the next passes of twenty chosen satellites, as the passes row finds them
// and a minute later from what it kept, against their whole three days' search.

#include "astro/PlaceSun.h"
#include "model/Satellites.h"
#include "orbits/ElementReader.h"
#include "orbits/Passes.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char *kIss =
    "ISS (ZARYA)\n"
    "1 25544U 98067A   24001.50000000  .00016717  00000-0  30057-3 0  9992\n"
    "2 25544  51.6416 247.4627 0006703 130.5360 325.0288 15.50377579432715\n";
constexpr double kEpoch = 1704110400.0; // the ISS set's, 2024-01-01 12:00 UTC
const GeoPoint kBerlin{52.52, 13.40};

// A catalogue like the real one: nine in ten in low orbits, the rest in
// half-day and day-long ones (deep space), all at the ISS's epoch.
std::string ommCsv(int count)
{
    std::string text = "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,"
                       "RA_OF_ASC_NODE,ARG_OF_PERICENTER,MEAN_ANOMALY,EPHEMERIS_TYPE,"
                       "CLASSIFICATION_TYPE,NORAD_CAT_ID,ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,"
                       "MEAN_MOTION_DOT,MEAN_MOTION_DDOT\n";
    for (int i = 0; i < count; ++i) {
        const double meanMotion =
            i % 10 == 9 ? (i % 20 == 19 ? 1.0027 : 2.0056) : 14.0 + i % 30 * 0.1;
        text += "OBJECT " + std::to_string(i) + ",2024-001A,2024-01-01T12:00:00.000000," +
                std::to_string(meanMotion) + ",." + std::to_string(1000 + i % 9000) + "," +
                std::to_string(i % 180) + "." + std::to_string(i % 10) + "," +
                std::to_string(i * 7 % 360) + ",90.5," + std::to_string(i * 13 % 360) + ",0,U," +
                std::to_string(100000 + i) + ",999,1,.1E-3,.1E-4,0\n";
    }
    return text;
}

const std::vector<orbits::Sgp4> &catalogue()
{
    static const std::vector<orbits::Sgp4> sets = [] {
        std::vector<orbits::Sgp4> made;
        for (const orbits::ElementSet &set : orbits::readElementText(ommCsv(10000)).sets)
            made.emplace_back(set);
        return made;
    }();
    return sets;
}

constexpr double kInstant = kEpoch + 2 * 86400.0;

void OrbitsTemeOnly(benchmark::State &state)
{
    for (auto _ : state)
        for (const orbits::Sgp4 &sgp4 : catalogue())
            benchmark::DoNotOptimize(sgp4.atUnixSeconds(kInstant));
    state.SetItemsProcessed(state.iterations() * int64_t(catalogue().size()));
}

// With the Earth-fixed place, its latitude, longitude and height, and the shadow.
void OrbitsPlaced(benchmark::State &state)
{
    for (auto _ : state) {
        const GeoPoint sun = astro::subsolarPoint(astro::utcInstantOf(kInstant));
        for (const orbits::Sgp4 &sgp4 : catalogue())
            benchmark::DoNotOptimize(orbits::satellitePlace(sgp4, kInstant, sun));
    }
    state.SetItemsProcessed(state.iterations() * int64_t(catalogue().size()));
}

void OmmCsvFields(benchmark::State &state)
{
    const std::string text = ommCsv(30000);
    for (auto _ : state) {
        size_t fields = 0;
        for (const char c : text)
            fields += c == ',' || c == '\n';
        benchmark::DoNotOptimize(fields);
    }
}

void OmmCsvRead(benchmark::State &state)
{
    const std::string text = ommCsv(30000);
    for (auto _ : state)
        benchmark::DoNotOptimize(orbits::readElementText(text).sets.size());
}

const orbits::Sgp4 &iss()
{
    static const orbits::Sgp4 sgp4(orbits::readElementText(kIss).sets.at(0));
    return sgp4;
}

// What the passes are checked against: the elevation every second for three days.
void PassesSecondScan(benchmark::State &state)
{
    const orbits::Observer home(kBerlin);
    for (auto _ : state) {
        int up = 0;
        for (double t = kEpoch; t < kEpoch + orbits::kPassSearchSeconds; t += 1.0)
            up += home.look(orbits::earthFixedOf(iss().atUnixSeconds(t).positionKm, t))
                      .elevationDeg >= 0.0;
        benchmark::DoNotOptimize(up);
    }
}

void Passes(benchmark::State &state)
{
    const orbits::Observer home(kBerlin);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            orbits::findPasses(iss(), home, 0.0, kEpoch, kEpoch + orbits::kPassSearchSeconds));
}

// Twenty chosen from the catalogue, every seventeenth, at inclinations all
// round: eighteen low, a third of them never over Berlin, two in deep space.
Satellites &twenty()
{
    static const std::unique_ptr<Satellites> satellites = [] {
        auto sets = std::make_shared<std::vector<orbits::ElementSet>>(
            orbits::readElementText(ommCsv(340)).sets);
        QList<int> numbers;
        for (std::size_t i = 0; i < sets->size(); i += 17)
            numbers.append(sets->at(i).catalogNumber);
        auto made = std::make_unique<Satellites>();
        made->setElements(std::move(sets));
        made->setChosen(numbers);
        return made;
    }();
    return *satellites;
}

void NextPassesWholeSearch(benchmark::State &state)
{
    for (auto _ : state)
        for (const ShownSatellite &satellite : twenty().shown())
            benchmark::DoNotOptimize(passesOver(satellite, kBerlin, 0.0, 0.0, kInstant));
}

void NextPassesFound(benchmark::State &state)
{
    double metres = 0.0;
    for (auto _ : state) {
        // Another home's height each time, so that nothing kept is used.
        metres = 1.0 - metres;
        benchmark::DoNotOptimize(twenty().nextPasses(kBerlin, metres, kInstant));
    }
}

void NextPassesKept(benchmark::State &state)
{
    twenty().nextPasses(kBerlin, 0.0, kInstant);
    for (auto _ : state)
        benchmark::DoNotOptimize(twenty().nextPasses(kBerlin, 0.0, kInstant + 60.0));
}

} // namespace

BENCHMARK(OrbitsTemeOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(OrbitsPlaced)->Unit(benchmark::kMillisecond);
BENCHMARK(OmmCsvFields)->Unit(benchmark::kMillisecond);
BENCHMARK(OmmCsvRead)->Unit(benchmark::kMillisecond);
BENCHMARK(PassesSecondScan)->Unit(benchmark::kMillisecond);
BENCHMARK(Passes)->Unit(benchmark::kMillisecond);
BENCHMARK(NextPassesWholeSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(NextPassesFound)->Unit(benchmark::kMillisecond);
BENCHMARK(NextPassesKept)->Unit(benchmark::kMillisecond);
