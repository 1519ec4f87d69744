// Night overlay kernels on the two map sizes and a 4K-wide one: the per-pixel reference, the
// fast kernel and the fast kernel composing day and night into the frame, run
// in the same process so their figures compare directly.

#include "mapcore/NightOverlay.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <limits>
#include <random>
#include <vector>

namespace {

// Sun low over the Americas and Asia: long twilight bands across the map.
constexpr UtcFields kInstant{2026, 6, 21, 6, 30, 0};

struct OverlayCase
{
    MapGeometry geometry;
    std::vector<uint8_t> night;
    std::vector<uint8_t> out;
    std::vector<uint8_t> day; // opaque B, G, R, A rows, as a QImage holds them
    std::vector<uint8_t> frame;
};

// A kernel run on a case: the overlay kernels write c.out, the fused one c.frame.
using Kernel = bool (*)(OverlayCase &c);

bool reference(OverlayCase &c)
{
    return computeNightOverlayReference(c.geometry, c.night, kInstant, c.out);
}

bool fast(OverlayCase &c)
{
    return computeNightOverlay(c.geometry, c.night, kInstant, c.out);
}

// Day into a separate frame, as the renderer's frame is not the day image.
bool composed(OverlayCase &c)
{
    const auto stride = 4 * static_cast<std::size_t>(c.geometry.mapWidth);
    return composeDayAndNight(c.geometry, c.day, stride, c.night, kInstant, c.frame, stride);
}

OverlayCase makeCase(int64_t width)
{
    OverlayCase c;
    c.geometry = geometryFromSize(float(width), float(width / 2)); // the presets at 720 and 1440
    const auto pixels = static_cast<std::size_t>(c.geometry.mapWidth) *
                        static_cast<std::size_t>(c.geometry.mapHeight);
    c.night.resize(3 * pixels);
    std::mt19937 random(42);
    for (uint8_t &sample : c.night)
        sample = static_cast<uint8_t>(random());
    c.out.resize(4 * pixels);
    c.day.resize(4 * pixels);
    for (std::size_t i = 0; i < c.day.size(); ++i)
        c.day[i] = i % 4 == 3 ? 0xff : static_cast<uint8_t>(random());
    c.frame.resize(4 * pixels);
    return c;
}

// CPU time of this thread, in seconds.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// Best CPU time of a few runs of a kernel, in seconds.
double bestSeconds(Kernel kernel, OverlayCase &c, int runs)
{
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i < runs; ++i) {
        const double start = threadSeconds();
        kernel(c);
        benchmark::ClobberMemory();
        best = std::min(best, threadSeconds() - start);
    }
    return best;
}

void runOverlay(benchmark::State &state, Kernel kernel, OverlayCase &c)
{
    double seconds = 0.0;
    for (auto _ : state) {
        const double start = threadSeconds();
        const bool ok = kernel(c);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(c.out.data());
        benchmark::DoNotOptimize(c.frame.data());
        benchmark::ClobberMemory();
        seconds += threadSeconds() - start;
    }
    // CPU time, so that other processes on the machine do not count.
    const double pixels = static_cast<double>(c.geometry.mapWidth) * c.geometry.mapHeight;
    state.counters["ns_per_pixel"] =
        benchmark::Counter(seconds * 1e9 / pixels, benchmark::Counter::kAvgIterations);
    state.counters["ms_per_map"] =
        benchmark::Counter(seconds * 1e3, benchmark::Counter::kAvgIterations);
}

void OverlayReference(benchmark::State &state)
{
    OverlayCase c = makeCase(state.range(0));
    runOverlay(state, reference, c);
}

// Against the reference, timed outside the measured loop: how many times faster.
void runAgainstReference(benchmark::State &state, Kernel kernel)
{
    OverlayCase c = makeCase(state.range(0));
    const double referenceSeconds = bestSeconds(reference, c, 3);
    const double kernelSeconds = bestSeconds(kernel, c, 20);
    runOverlay(state, kernel, c);
    state.counters["x_reference"] = referenceSeconds / kernelSeconds;
}

void OverlayFast(benchmark::State &state)
{
    runAgainstReference(state, fast);
}

// Day image and overlay composed into the frame in one pass.
void DayAndNightComposed(benchmark::State &state)
{
    runAgainstReference(state, composed);
}

} // namespace

BENCHMARK(OverlayReference)->Arg(720)->Arg(1440)->Arg(3840)->Unit(benchmark::kMillisecond);
BENCHMARK(OverlayFast)->Arg(720)->Arg(1440)->Arg(3840)->Unit(benchmark::kMillisecond);
BENCHMARK(DayAndNightComposed)->Arg(720)->Arg(1440)->Unit(benchmark::kMillisecond);
