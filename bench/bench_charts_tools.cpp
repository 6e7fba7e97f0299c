// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the conjunction and animation windows' work: a search from the
// click to the chart drawn at the event (Jupiter–Saturn from 1.1.2021, about
// twenty years ahead; the Moon and Venus), and one main step of the
// animation with six bodies and their trails at 1920 × 1080 (the starry
// background copied from its image, as the window does).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "charts/AnimationRun.h"
#include "charts/CCarteAnimation.h"
#include "charts/CCarteConjonction.h"
#include "charts/CQtSurface.h"
#include "charts/EclipticSky.h"
#include "ui/CProgramPalette.h"
#include "sky/SkyModel.h"
#include "time/CInstant.h"
#include "time/Calendar.h"
#include "tools/ConjunctionSearch.h"

namespace {

using namespace zarn;

struct Sky {
    CInstant instant{1, 1, 2021, 0, 0, 0, CLieu("Paris", -2.33, 48.83 * kRadPerDeg, 1, 1)};
    SkyModel model;
    PaletteColours palette;
    Sky()
    {
        model.load(ZARN_DATA_DIR, instant);
        CProgramPalette program;
        for (int i = 0; i < CProgramPalette::kSize; ++i)
            palette[static_cast<std::size_t>(i)] = program.color(i);
    }
};

Sky& sky()
{
    static Sky s;
    return s;
}

constexpr std::uint32_t kFlags = 0x83E | 0x1 | 0x80;

// The window's chart area at its opening size.
constexpr SRect kConjunctionRect{-212, -200, 212, 200};

void searchAndDraw(benchmark::State& state, int a, int b)
{
    EclipticSky host(sky().model, sky().instant);
    CCarteConjonction chart(host, 300.0);
    SolarBodies bodies(sky().model.bodies());
    QImage image(424, 400, QImage::Format_RGB32);
    for (auto _ : state) {
        ConjunctionSearch search(bodies, sky().instant, &sky().model);
        const auto result = search.Conjunction(a, b);
        host.SetInstant(result->found.event);
        chart.SetReference(&host.Bodies().body(result->firstBody));
        chart.ClearPlacements();
        QPainter painter(&image);
        CQtSurface dc(painter, sky().palette, CQtSurface::ScreenDevice(image));
        dc.SetOrigin({212, 200});
        chart.Draw(dc, kConjunctionRect, kFlags);
    }
}

void BM_JupiterSaturnClickToChart(benchmark::State& state) { searchAndDraw(state, kJupiter, kSaturn); }
BENCHMARK(BM_JupiterSaturnClickToChart)->Unit(benchmark::kMillisecond);

void BM_MoonVenusClickToChart(benchmark::State& state) { searchAndDraw(state, kVenus, kMoon); }
BENCHMARK(BM_MoonVenusClickToChart)->Unit(benchmark::kMillisecond);

constexpr SRect kFullRect{-960, -540, 960, 540};

void BM_AnimationStepSixBodies(benchmark::State& state)
{
    EclipticSky host(sky().model, sky().instant);
    CCarteAnimation chart(host);
    AnimationRun run(host, chart);
    chart.SetScreenRect(kFullRect);
    const CInstant start(1, 9, 2024, 0, 0, 0, sky().instant.place());
    run.Prepare(kMars, true, true, start, 8, 6);
    // The whole ecliptic in view, so that all six bodies leave trails.
    chart.SetRegion(0.0, 0.0, 3.14, 0.5);
    // The background once, as the window keeps it.
    QImage background(1920, 1080, QImage::Format_RGB32);
    {
        QPainter painter(&background);
        CQtSurface dc(painter, sky().palette, CQtSurface::ScreenDevice(background));
        dc.SetOrigin({960, 540});
        chart.SetMovingLayer(false);
        chart.Draw(dc, kFullRect, kFlags);
        chart.SetMovingLayer(true);
    }
    QImage screen(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        if (run.MainCycle() != AnimationRun::Outcome::Going) {
            state.PauseTiming();
            run.Restart();
            state.ResumeTiming();
        }
        QPainter painter(&screen);
        painter.drawImage(0, 0, background);
        CQtSurface dc(painter, sky().palette, CQtSurface::ScreenDevice(screen));
        dc.SetOrigin({960, 540});
        chart.DrawMoving(dc, kFlags);
    }
    state.counters["trail"] = static_cast<double>(chart.TrailSize());
}
BENCHMARK(BM_AnimationStepSixBodies)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
