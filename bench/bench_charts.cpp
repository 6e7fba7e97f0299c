// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the sky charts on the catalogue sky for Paris, 23 September 1998
// at 22.30: placing every object for a new instant, a repaint that reuses the
// placements at 1920 × 1080, and the hit test of a mouse move.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "charts/CCarteCiel.h"
#include "charts/CCarteHorizon.h"
#include "charts/CFactsSurface.h"
#include "charts/CQtSurface.h"
#include "charts/ui/SkyChartSet.h"
#include "ui/CProgramPalette.h"
#include "sky/SkyModel.h"
#include "time/CInstant.h"
#include "time/Calendar.h"

namespace {

using namespace zarn;

struct Sky {
    CInstant instant{23, 9, 1998, 22, 30, 0, CLieu("Paris", -2.33, 48.83 * kRadPerDeg, 1, 1)};
    SkyModel model;
    std::unique_ptr<SkyChartSet> charts;
    PaletteColours palette;
    Sky()
    {
        model.load(ZARN_DATA_DIR, instant);
        charts = std::make_unique<SkyChartSet>(model, instant);
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

constexpr SRect kRect{-960, -540, 960, 540};

void BM_PlaceWholeSky(benchmark::State& state)
{
    CCarteCiel& chart = sky().charts->WholeSky();
    const double scale = chart.GetScale(chart.AdjustRect(kRect));
    for (auto _ : state) {
        chart.ClearPlacements();
        chart.PlaceConstellationStars(scale, false);
        chart.PlaceBackgroundObjects(scale, false);
        benchmark::DoNotOptimize(chart.ScreenStars().data());
    }
    state.counters["objects"] = static_cast<double>(chart.ScreenStars().size() + chart.ScreenOthers().size());
}
BENCHMARK(BM_PlaceWholeSky)->Unit(benchmark::kMillisecond);

void BM_RepaintWholeSky(benchmark::State& state)
{
    CCarteCiel& chart = sky().charts->WholeSky();
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        CQtSurface dc(painter, sky().palette, CQtSurface::ScreenDevice(image));
        dc.SetOrigin({960, 540});
        chart.Draw(dc, kRect, 0x1 | 0x2 | 0x4 | 0x8 | 0x10 | 0x20 | 0x40 | 0x80);
    }
}
BENCHMARK(BM_RepaintWholeSky)->Unit(benchmark::kMillisecond);

// The horizon strip facing south with its smoothed ground and direction labels.
void BM_RepaintHorizon(benchmark::State& state)
{
    CCarteHorizon& chart = sky().charts->Horizon();
    chart.SetDirection(0);
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    // The window shows the middle of the strip, 6 × 1080 wide.
    const int scroll = 3 * 1080 - 960;
    const SRect strip{scroll, -1080, scroll + 1920, 0};
    for (auto _ : state) {
        QPainter painter(&image);
        CQtSurface dc(painter, sky().palette, CQtSurface::ScreenDevice(image));
        dc.SetOrigin({-scroll, 1080});
        chart.Draw(dc, strip, 0x1 | 0x2 | 0x4 | 0x8 | 0x10 | 0x20 | 0x40 | 0x80 | 0x100);
    }
}
BENCHMARK(BM_RepaintHorizon)->Unit(benchmark::kMillisecond);

void BM_HoverHitTest(benchmark::State& state)
{
    CCarteCiel& chart = sky().charts->WholeSky();
    CFactsSurface facts(1920, 96);
    facts.SetClip(chart.CreateClipRegion(chart.AdjustRect(kRect)));
    int i = 0;
    for (auto _ : state) {
        const SPoint p{(i * 37) % 1000 - 500, (i * 53) % 1000 - 500};
        benchmark::DoNotOptimize(chart.HitTest(p, facts, 0xFF));
        ++i;
    }
}
BENCHMARK(BM_HoverHitTest)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
