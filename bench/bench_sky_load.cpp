// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the catalogue and the orbital elements, then computing the whole
// sky once: what the program does before its first chart appears.
#include <benchmark/benchmark.h>

#include "sky/SkyModel.h"
#include "time/CInstant.h"
#include "time/Calendar.h"

namespace {

void BM_LoadSkyAndRecomputeAll(benchmark::State& state)
{
    const zarn::CInstant instant(14, 7, 2004, 22, 30, 0,
                                 zarn::CLieu("Paris", -2.33, 48.85 * zarn::kRadPerDeg, 1, 1));
    for (auto _ : state) {
        zarn::SkyModel sky;
        const zarn::SkyLoadResult result = sky.load(ZARN_DATA_DIR, instant);
        if (!result.ok()) {
            state.SkipWithError("the data files do not load");
            break;
        }
        benchmark::DoNotOptimize(sky.ciel().names().size());
    }
}
BENCHMARK(BM_LoadSkyAndRecomputeAll)->Unit(benchmark::kMillisecond);

void BM_RecomputeAll(benchmark::State& state)
{
    zarn::CInstant instant(14, 7, 2004, 22, 30, 0, zarn::CLieu("Paris", -2.33, 48.85 * zarn::kRadPerDeg, 1, 1));
    zarn::SkyModel sky;
    if (!sky.load(ZARN_DATA_DIR, instant).ok()) {
        state.SkipWithError("the data files do not load");
        return;
    }
    for (auto _ : state) {
        instant.shiftByDays(1);
        benchmark::DoNotOptimize(sky.recomputeAll(instant));
    }
}
BENCHMARK(BM_RecomputeAll)->Unit(benchmark::kMicrosecond);

}  // namespace
