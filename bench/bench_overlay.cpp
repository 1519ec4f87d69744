// Night overlay kernels on the two map sizes: the per-pixel reference and the
// fast kernel, run in the same process so their figures compare directly.

#include "map/NightOverlay.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <limits>
#include <random>
#include <vector>

namespace {

using Kernel = bool (*)(const MapGeometry &, std::span<const uint8_t>, const UtcFields &,
                        std::span<uint8_t>);

// Sun low over the Americas and Asia: long twilight bands across the map.
constexpr UtcFields kInstant{2026, 6, 21, 6, 30, 0};

struct OverlayCase
{
    MapGeometry geometry;
    std::vector<uint8_t> night;
    std::vector<uint8_t> out;
};

OverlayCase makeCase(int64_t width)
{
    OverlayCase c;
    c.geometry = width == kLargePreset.mapWidth ? kLargePreset : kSmallPreset;
    const auto pixels = static_cast<std::size_t>(c.geometry.mapWidth) *
                        static_cast<std::size_t>(c.geometry.mapHeight);
    c.night.resize(3 * pixels);
    std::mt19937 random(42);
    for (uint8_t &sample : c.night)
        sample = static_cast<uint8_t>(random());
    c.out.resize(4 * pixels);
    return c;
}

// Best CPU time of a few runs of a kernel, in seconds.
double bestSeconds(Kernel kernel, OverlayCase &c, int runs)
{
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i < runs; ++i) {
        const std::clock_t start = std::clock();
        kernel(c.geometry, c.night, kInstant, c.out);
        benchmark::ClobberMemory();
        best = std::min(best, static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
    }
    return best;
}

void runOverlay(benchmark::State &state, Kernel kernel, OverlayCase &c)
{
    for (auto _ : state) {
        const bool ok = kernel(c.geometry, c.night, kInstant, c.out);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(c.out.data());
        benchmark::ClobberMemory();
    }
    // Inverted rates are CPU seconds per unit: per pixel and per map.
    const auto perUnit =
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert;
    const auto pixels = static_cast<double>(c.geometry.mapWidth) * c.geometry.mapHeight;
    state.counters["per_pixel"] = benchmark::Counter(pixels, perUnit);
    state.counters["per_map"] = benchmark::Counter(1.0, perUnit);
}

void OverlayReference(benchmark::State &state)
{
    OverlayCase c = makeCase(state.range(0));
    runOverlay(state, computeNightOverlayReference, c);
}

void OverlayFast(benchmark::State &state)
{
    OverlayCase c = makeCase(state.range(0));
    // The baseline, timed outside the measured loop: how many times faster.
    const double referenceSeconds = bestSeconds(computeNightOverlayReference, c, 3);
    const double fastSeconds = bestSeconds(computeNightOverlay, c, 20);
    runOverlay(state, computeNightOverlay, c);
    state.counters["x_reference"] = referenceSeconds / fastSeconds;
}

} // namespace

BENCHMARK(OverlayReference)->Arg(720)->Arg(1440)->Unit(benchmark::kMillisecond);
BENCHMARK(OverlayFast)->Arg(720)->Arg(1440)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
