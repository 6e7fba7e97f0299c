// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the horizon strip magnified, at 1920 × 1080 on the catalogue sky
// for Paris, 23 September 1998 at 22.30, with the planet, star (to magnitude
// 4) and constellation names: a wheel step and a drag step to the next paint
// (the names placed again for the part shown), and a hover at ×20.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include "../tests/charts/SkyWindowTestHost.h"
#include "charts/CCarteHorizon.h"
#include "charts/ui/CZarnView.h"
#include "ui/Hints.h"

namespace {

using namespace zarn;

struct Strip {
    test::SkyWindowTestHost host;
    CZarnView view{host};
    QImage image{1920, 1080, QImage::Format_RGB32};
    Strip()
    {
        host.display.starColouring = 1;
        host.display.names = {1, 1, 40, 1};
        host.display.altitudeScale = 1;
        host.kind = CCarte::Horizon;
        view.resize(1920, 1080);
        host.charts->AttachView(&view);
        view.show();
        QCoreApplication::processEvents();
        host.charts->Horizon().SetDirection(6);
        view.OnHint(hint::Resized | hint::Horizon, true);
        image = QImage(view.viewport()->size(), QImage::Format_RGB32);
        view.RenderTo(image);
    }
};

// The strip facing east, magnified around the middle of the window.
Strip& magnified(double factor)
{
    static Strip s;
    s.view.OnHint(hint::Horizon, true);
    s.view.ZoomBy(factor, {960, 500});
    s.view.RenderTo(s.image);
    return s;
}

void BM_HorizonWheelStepToPaint(benchmark::State& state)
{
    Strip& s = magnified(4.0);
    int n = 0;
    for (auto _ : state) {
        s.view.ZoomBy((n++ % 2) ? 0.8 : 1.25, {700, 400});
        s.view.RenderTo(s.image);
    }
}
BENCHMARK(BM_HorizonWheelStepToPaint)->Unit(benchmark::kMillisecond);

void BM_HorizonDragStepToPaint(benchmark::State& state)
{
    Strip& s = magnified(static_cast<double>(state.range(0)) / 4.0);
    int n = 0;
    for (auto _ : state) {
        const int d = (n++ % 2) ? 12 : -12;
        s.view.PanBy({d, d / 2});
        s.view.RenderTo(s.image);
    }
    state.counters["names"] = static_cast<double>(s.view.Names().Names().size());
}
// At ×1.25 (many names in the window) and ×4.
BENCHMARK(BM_HorizonDragStepToPaint)->Arg(5)->Arg(16)->Unit(benchmark::kMillisecond);

void BM_HorizonHoverAtTwenty(benchmark::State& state)
{
    Strip& s = magnified(20.0);
    int i = 0;
    for (auto _ : state) {
        const QPointF p((i * 37) % 1900, (i * 53) % 1000);
        QMouseEvent move(QEvent::MouseMove, p, s.view.viewport()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(s.view.viewport(), &move);
        ++i;
    }
}
BENCHMARK(BM_HorizonHoverAtTwenty)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
