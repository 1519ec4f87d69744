// Eclipses: the Moon's shadow over every pixel of the large map, against the
// night overlay's fast kernel on the same map, and the whole list 1900-2100
// against the Swiss Ephemeris' own searches over the same years, each pair in
// the same run.

#include "eclipses/Eclipses.h"
#include "eclipses/Shadow.h"
#include "mapcore/NightOverlay.h"

#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <chrono>
#include <ctime>
#include <vector>

namespace {

// 2024-04-08 18:18 UT, greatest eclipse: the penumbra covers North America.
constexpr double kGreatest2024 = 1712600280.0;
constexpr UtcFields kInstant{2024, 4, 8, 18, 18, 0};

double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

template <class F> double bestSeconds(F run, int runs)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const double start = threadSeconds();
        run();
        best = std::min(best, threadSeconds() - start);
    }
    return best;
}

// The unit vector of each pixel's centre, as a view caches them.
std::vector<sphere::Vector> unitVectors(int width, int height)
{
    std::vector<sphere::Vector> units;
    units.reserve(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            units.push_back(sphere::unitVector(
                {90.0 - (y + 0.5) * 180.0 / height, -180.0 + (x + 0.5) * 360.0 / width}));
    }
    return units;
}

void ShadowEachPixel(benchmark::State &state)
{
    const int width = int(state.range(0)), height = width / 2;
    const std::vector<sphere::Vector> units = unitVectors(width, height);
    std::vector<float> magnitudes(units.size());
    const auto shade = [&] {
        // The frame's set-up is part of the cost.
        const eclipses::Shadow shadow = eclipses::Shadow::forPixels(kGreatest2024);
        for (size_t i = 0; i < units.size(); ++i)
            magnitudes[i] = float(shadow.sample(units[i]).magnitude);
        benchmark::DoNotOptimize(magnitudes.data());
    };
    const MapGeometry geometry = geometryFromSize(float(width), float(height));
    std::vector<uint8_t> night(3 * units.size(), 40), out(4 * units.size());
    const double overlay =
        bestSeconds([&] { computeNightOverlay(geometry, night, kInstant, out); }, 10);
    const double eclipse = bestSeconds(shade, 10);
    for (auto _ : state)
        shade();
    state.counters["x_night_overlay"] = eclipse / overlay;
    state.counters["ns_per_pixel"] = eclipse * 1e9 / double(units.size());
}

// The list through this library's searches; once, as the process keeps it.
void EclipseList(benchmark::State &state)
{
    const auto library = [] {
        char error[AS_MAXCH];
        double tret[10];
        const double end = swe_julday(2101, 1, 1, 0.0, SE_GREG_CAL);
        for (const bool lunar : {false, true}) {
            for (double t = swe_julday(1900, 1, 1, 0.0, SE_GREG_CAL);; t = tret[0] + 20) {
                const int flags =
                    lunar ? swe_lun_eclipse_when(t, SEFLG_SWIEPH, 0, tret, 0, error)
                          : swe_sol_eclipse_when_glob(t, SEFLG_SWIEPH, 0, tret, 0, error);
                if (flags < 0 || tret[0] >= end)
                    break;
            }
        }
    };
    eclipses::ephemerisProblem(); // names the library's files on this thread
    const double libraryOnly = bestSeconds(library, 1);
    double ours = 1e300;
    for (auto _ : state) {
        const double start = threadSeconds();
        benchmark::DoNotOptimize(
            eclipses::eclipsesBetween(eclipses::kFirstYear, eclipses::kLastYear));
        ours = std::min(ours, threadSeconds() - start);
    }
    state.counters["x_library_search"] = ours / libraryOnly;
    state.counters["seconds"] = ours;
}

} // namespace

BENCHMARK(ShadowEachPixel)->Arg(1440)->Unit(benchmark::kMillisecond);
BENCHMARK(EclipseList)->Iterations(2)->Unit(benchmark::kMillisecond);
