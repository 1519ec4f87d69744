// Night overlay kernels on the two map sizes: the per-pixel reference and the
// fast kernel, run in the same process so their figures compare directly.

#include "map/NightOverlay.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

using Kernel = bool (*)(const MapGeometry &, std::span<const uint8_t>, const UtcFields &,
                        std::span<uint8_t>);

// Sun low over the Americas and Asia: long twilight bands across the map.
constexpr UtcFields kInstant{2026, 6, 21, 6, 30, 0};

void runOverlay(benchmark::State &state, Kernel kernel)
{
    const MapGeometry geometry =
        state.range(0) == kLargePreset.mapWidth ? kLargePreset : kSmallPreset;
    const auto pixels =
        static_cast<std::size_t>(geometry.mapWidth) * static_cast<std::size_t>(geometry.mapHeight);
    std::vector<uint8_t> night(3 * pixels);
    std::mt19937 random(42);
    for (uint8_t &sample : night)
        sample = static_cast<uint8_t>(random());
    std::vector<uint8_t> out(4 * pixels);

    for (auto _ : state) {
        const bool ok = kernel(geometry, night, kInstant, out);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    // Inverted rates: seconds per (pixel x 1e-9) is nanoseconds per pixel.
    const auto perUnit =
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert;
    state.counters["ns_per_pixel"] =
        benchmark::Counter(static_cast<double>(pixels) * 1e-9, perUnit);
    state.counters["ms_per_map"] = benchmark::Counter(1e-3, perUnit);
}

void OverlayReference(benchmark::State &state)
{
    runOverlay(state, computeNightOverlayReference);
}

void OverlayFast(benchmark::State &state)
{
    runOverlay(state, computeNightOverlay);
}

} // namespace

BENCHMARK(OverlayReference)->Arg(720)->Arg(1440)->Unit(benchmark::kMillisecond);
BENCHMARK(OverlayFast)->Arg(720)->Arg(1440)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
