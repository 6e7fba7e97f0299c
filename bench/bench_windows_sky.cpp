// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the sky window with names, grids and zoom, at 1920 × 1080 on the
// catalogue sky for Paris, 23 September 1998 at 22.30: a repaint with the
// planet, star (to magnitude 4) and constellation names and both grids, a
// wheel step and a drag step to the next paint, and a hover at ×20.
// Run: build/bin/bench_windows_sky --benchmark_repetitions=5
// --benchmark_report_aggregates_only=true (figures in bench/sky/README.md).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include "../tests/charts/SkyWindowTestHost.h"
#include "charts/ui/CZarnView.h"

namespace {

using namespace zarn;

struct Window {
    test::SkyWindowTestHost host;
    CZarnView view{host};
    QImage image{1920, 1080, QImage::Format_RGB32};
    Window()
    {
        host.display.starColouring = 1;
        host.display.names = {1, 1, 40, 1};
        host.display.grid = {1, 1};
        view.resize(1920, 1080);
        host.charts->AttachView(&view);
        view.show();
        QCoreApplication::processEvents();
        view.RenderTo(image);
    }
};

Window& window()
{
    static Window w;
    return w;
}

// The window shown whole, then magnified around its middle.
Window& magnified(double factor)
{
    Window& w = window();
    w.view.ShowWholeChart();
    w.view.ZoomBy(factor, {960, 540});
    w.view.RenderTo(w.image);
    return w;
}

// Names and grids placed once; the repaint reuses them.
void BM_RepaintWithNamesAndGrids(benchmark::State& state)
{
    Window& w = window();
    w.view.ShowWholeChart();
    for (auto _ : state)
        w.view.RenderTo(w.image);
    state.counters["names"] = static_cast<double>(w.view.Names().Names().size());
}
BENCHMARK(BM_RepaintWithNamesAndGrids)->Unit(benchmark::kMillisecond);

// One notch of the wheel, in and out, each to its paint (objects and names
// placed again at the new scale).
void BM_WheelStepToPaint(benchmark::State& state)
{
    Window& w = magnified(4.0);
    int n = 0;
    for (auto _ : state) {
        w.view.ZoomBy((n++ % 2) ? 0.8 : 1.25, {700, 400});
        w.view.RenderTo(w.image);
    }
}
BENCHMARK(BM_WheelStepToPaint)->Unit(benchmark::kMillisecond);

void BM_DragStepToPaint(benchmark::State& state)
{
    Window& w = magnified(4.0);
    int n = 0;
    for (auto _ : state) {
        const int d = (n++ % 2) ? 12 : -12;
        w.view.PanBy({d, d / 2});
        w.view.RenderTo(w.image);
    }
}
BENCHMARK(BM_DragStepToPaint)->Unit(benchmark::kMillisecond);

// The hit test of a mouse move at ×20.
void BM_HoverAtTwenty(benchmark::State& state)
{
    Window& w = magnified(20.0);
    int i = 0;
    for (auto _ : state) {
        const QPointF p((i * 37) % 1900, (i * 53) % 1060);
        QMouseEvent move(QEvent::MouseMove, p, w.view.viewport()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(w.view.viewport(), &move);
        ++i;
    }
}
BENCHMARK(BM_HoverAtTwenty)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
