// The city list: what its tables hold against what the process grew by when
// reading it the first time (run it alone, --benchmark_filter=City, for a
// process that has read nothing else), and a search by name and by place.

#include "places/CityList.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <unistd.h>

namespace {

// The resident set in bytes.
double residentBytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE));
}

void CityListLoad(benchmark::State &state)
{
    size_t tables = 0;
    double grown = 0.0;
    for (auto _ : state) {
        const double before = residentBytes();
        const places::CityList list = places::CityList::load(places::CityList::kDefaultPath);
        grown = residentBytes() - before;
        tables = list.memoryBytes();
        benchmark::DoNotOptimize(list.size());
    }
    state.counters["table_MB"] = double(tables) / 1e6;
    state.counters["resident_MB"] = grown / 1e6;
}

// Names with an accent, in another script, with a region, and one that finds nothing.
void CitySearch(benchmark::State &state)
{
    const places::CityList &list = places::CityList::shared();
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.find("München"));
        benchmark::DoNotOptimize(list.find("Москва"));
        benchmark::DoNotOptimize(list.find("Paris", "Texas"));
        benchmark::DoNotOptimize(list.find("Nowhereville"));
    }
    state.SetItemsProcessed(state.iterations() * 4);
}

void CityNearest(benchmark::State &state)
{
    const places::CityList &list = places::CityList::shared();
    for (auto _ : state)
        benchmark::DoNotOptimize(list.nearest({47.0, 11.5}, 200.0));
}

} // namespace

BENCHMARK(CityListLoad)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(CitySearch)->Unit(benchmark::kMicrosecond);
BENCHMARK(CityNearest)->Unit(benchmark::kMicrosecond);
