// The whole redraw as the window runs it: day image, night overlay, the
// source-atop composite, grid, location squares, marker and label, into the
// view's offscreen frame.

#include "platform/Clock.h"
#include "platform/Preferences.h"
#include "platform/Resources.h"
#include "widgets/MapView.h"

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void WholeRedraw(benchmark::State &state)
{
    // Made here rather than in main(), so that the overlay kernels run first in a
    // process that Qt has not yet touched.
    static int argc = 1;
    static char name[] = "duskmap_bench";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);

    const MapGeometry size = state.range(0) == kLargePreset.mapWidth ? kLargePreset : kSmallPreset;
    QTemporaryDir dir;
    Preferences preferences(dir.filePath(QStringLiteral("duskmap.conf")));
    const QDateTime instant(QDate(2026, 6, 21), QTime(6, 30), QTimeZone::utc());
    ManualClock clock(instant);
    const Resources resources;
    QComboBox popUp;
    MapView view(preferences, clock, resources, QSizeF(size.mapWidth, size.mapHeight));
    view.setFixedSize(size.mapWidth, size.mapHeight);
    view.setOutlets(&popUp, nullptr, nullptr, nullptr, nullptr, nullptr);
    view.awakeFromNib();
    popUp.addItem(QStringLiteral("Europe/Paris"));
    view.setLatitude(48.8667f);
    view.setLongitude(2.3333f);
    view.setShowLatLonGrid(true);
    view.setShowLocations(true);
    view.renderFrame(instant); // images decoded once, as in the running window

    for (auto _ : state)
        benchmark::DoNotOptimize(view.renderFrame(instant).constBits());
}

} // namespace

BENCHMARK(WholeRedraw)->Arg(720)->Arg(1440)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
