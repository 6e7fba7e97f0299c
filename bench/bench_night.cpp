// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of « Ce soir »: the plan of one night must follow "Jour suivant"
// without delay (under 20 ms). Nights of every kind: Paris in December, the
// night of a conjunction, a summer-time night, Tromsø at midsummer and in
// midwinter.
#include "sky/SkyModel.h"
#include "tools/NightPlan.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace zarn;

namespace {
CLieu paris() { return CLieu("Paris", -2.3333, 48.85 * kRadPerDeg, 1, 1); }
CLieu tromso() { return CLieu("Tromsø", -18.95, 69.65 * kRadPerDeg, 1, 1); }

SkyModel& sky()
{
    static SkyModel* loaded = [] {
        auto* s = new SkyModel;
        if (!s->load(ZARN_DATA_DIR, CInstant(9, 12, 2026, 22, 0, 0, paris())).ok())
            std::abort();
        return s;
    }();
    return *loaded;
}

void NightPlanOf(benchmark::State& state)
{
    static const CInstant nights[] = {
        CInstant(9, 12, 2026, 22, 0, 0, paris()),  CInstant(21, 12, 2020, 22, 0, 0, paris()),
        CInstant(28, 3, 2026, 22, 0, 0, paris()),  CInstant(21, 6, 2026, 22, 0, 0, tromso()),
        CInstant(21, 12, 2026, 22, 0, 0, tromso()),
    };
    const CInstant& night = nights[state.range(0)];
    for (auto _ : state)
        benchmark::DoNotOptimize(computeNightPlan(sky().bodies(), sky(), night));
}
BENCHMARK(NightPlanOf)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// "Jour suivant" thirty times: a month of plans, one after the other.
void NightPlanOfAMonth(benchmark::State& state)
{
    for (auto _ : state) {
        CInstant night(1, 1, 2027, 22, 0, 0, paris());
        for (int day = 0; day < 30; ++day) {
            benchmark::DoNotOptimize(computeNightPlan(sky().bodies(), sky(), night));
            night.shiftByDays(1.0);
        }
    }
}
BENCHMARK(NightPlanOfAMonth)->Unit(benchmark::kMillisecond);
}  // namespace
