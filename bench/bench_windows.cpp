// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the almanac windows, offscreen: refilling the ephemerides table
// for a new date (the Sun, the Moon) with the list's repaint, and "Jour
// suivant" with the sky window, the Sun and the Moon (both popups open), the
// ephemerides dialog and the visibility chart all open at 1920 × 1080, from
// the command to the last repaint. The real-time and hour-step figures:
// build/bin/bench_windows --benchmark_filter='RealTime|HourStep'
// --benchmark_repetitions=5 (see bench/sky/README.md).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

#include "app/CRealTime.h"
#include "app/CSettingsStore.h"
#include "app/CZarnApp.h"
#include "app/CZarnDoc.h"
#include "ui/Hints.h"
#include "app/WindowKinds.h"
#include "ui/CActions.h"
#include "shell/CMainFrame.h"
#include "ui/CommandIds.h"
#include "time/Calendar.h"
#include "time/ZarnSettings.h"
#include "tools/ui/CListeEphemerides.h"
#include "tools/ui/CSoleilView.h"
#include "tools/ui/CSystemeSolaireDlg.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <clocale>
#include <memory>

namespace {

using namespace zarn;

CLieu paris() { return CLieu("Paris", -fromPacked(2.20), fromPacked(48.51) * kRadPerDeg, 1, 1); }

void BM_EphemeridesRefill(benchmark::State& state)
{
    SolarBodies bodies;
    if (bodies.load(std::filesystem::path(ZARN_DATA_DIR) / "ELEMENTS.ZAR"))
        state.SkipWithError("ELEMENTS.ZAR");
    CInstant document(15, 3, 2003, 22, 0, 0, paris());
    CSystemeSolaireDlg dialog(bodies, document, nullptr);
    dialog.bodyBox()->setCurrentIndex(static_cast<int>(state.range(0)));
    dialog.show();
    QApplication::processEvents();
    int step = 1;
    for (auto _ : state) {
        document.shiftByDays(step);
        document.recompute();
        step = -step;
        dialog.OnUpdate(nullptr, hint::Date, nullptr);
        dialog.list()->viewport()->repaint();
    }
}
BENCHMARK(BM_EphemeridesRefill)->Arg(0)->Arg(6)->Unit(benchmark::kMillisecond)->UseRealTime();

// The program on a settings file with Paris; it is never closed, so nothing
// is written beside the data files.
struct Program {
    QTemporaryDir config;
    std::unique_ptr<CZarnApp> app;
    Program()
    {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        ZarnSettings settings;
        settings.observatories.push_back(paris());
        Profile profile;
        writeSettings(settings, profile, false);
        QDir().mkpath(config.filePath(QStringLiteral("Zarn")));
        CSettingsStore(config.filePath(QStringLiteral("Zarn/ZARN.INI"))).save(profile);
        app = std::make_unique<CZarnApp>(QStringLiteral(ZARN_DATA_DIR), programWindowKinds());
        app->setMinimumSplashMs(0);
        if (!app->InitInstance())
            std::abort();
        CMainFrame& frame = *app->mainFrame();
        frame.showNormal();
        frame.resize(1920, 1080);
        run(cmd::SolarSystem);
        run(cmd::Visibility);
        for (QMdiSubWindow* w : frame.mdiArea()->subWindowList())
            if (auto* sunMoon = qobject_cast<CSoleilView*>(w->widget())) {
                sunMoon->showPhases();
                sunMoon->showTwilight();
            }
        QApplication::processEvents();
    }
    void run(int command) { app->mainFrame()->actions().action(command)->trigger(); }
};

void BM_NextDayAllWindows(benchmark::State& state)
{
    Program program;
    for (auto _ : state) {
        program.run(cmd::NextDay);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_NextDayAllWindows)->Unit(benchmark::kMillisecond)->UseRealTime();

// Holding the hour step: each step with every window open, to the last repaint.
void BM_HourStepAllWindows(benchmark::State& state)
{
    Program program;
    int k = 0;
    for (auto _ : state) {
        program.run(k++ % 48 < 24 ? cmd::NextMinute + 4 : cmd::NextMinute + 5);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_HourStepAllWindows)->Unit(benchmark::kMillisecond)->UseRealTime();

// Real time with every window open and the time bar shown: one tick of a
// clock that advances a second each time, the chart updates of every tenth
// second and every new minute included; the CPU time it costs per tick.
void BM_RealTimeTick(benchmark::State& state)
{
    Program program;
    program.run(cmd::TimeBar);
    std::int64_t now = 1765310400;  // 9 December 2025, 20:00 UT
    CRealTime& realTime = program.app->document()->realTime();
    realTime.setClock([&now] { return now; });
    program.run(cmd::RealTime);
    QApplication::processEvents();
    for (auto _ : state) {
        ++now;
        realTime.tick();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RealTimeTick)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Iterations(600);

// Only the ticks that move the charts: the clock advances ten seconds each
// time, so that every tick places the sky anew and repaints every window.
void BM_RealTimeChartTick(benchmark::State& state)
{
    Program program;
    program.run(cmd::TimeBar);
    std::int64_t now = 1765310400;
    CRealTime& realTime = program.app->document()->realTime();
    realTime.setClock([&now] { return now; });
    program.run(cmd::RealTime);
    QApplication::processEvents();
    for (auto _ : state) {
        now += CRealTime::kChartSeconds;
        realTime.tick();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RealTimeChartTick)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Iterations(200);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(zarn);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
