// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the almanac: 160-day rise and set tables, a Jupiter–Saturn
// conjunction search and the seasons of one year.
#include "sky/SolarBodies.h"
#include "tools/ConjunctionSearch.h"
#include "tools/Ephemerides.h"
#include "tools/Seasons.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace zarn;

namespace {
SolarBodies& bodies()
{
    static SolarBodies loaded = [] {
        SolarBodies b;
        if (b.load(std::filesystem::path(ZARN_DATA_DIR) / "ELEMENTS.ZAR"))
            std::abort();
        return b;
    }();
    return loaded;
}

CLieu paris() { return CLieu("Paris", -2.3333, 48.85 * kRadPerDeg, 1, 1); }

void RiseSetTable(benchmark::State& state)
{
    const int index = static_cast<int>(state.range(0));
    SolarBodies b = bodies();
    const CInstant date(15, 3, 2003, 22, 0, 0, paris());
    for (auto _ : state)
        benchmark::DoNotOptimize(ephemerisTable(b.body(index), index, EphemerisMode::RiseSet, date));
}
BENCHMARK(RiseSetTable)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

void JupiterSaturnConjunction(benchmark::State& state)
{
    SolarBodies b = bodies();
    for (auto _ : state) {
        ConjunctionSearch search(b, CInstant(22, 12, 2020, 0, 0, 0, paris()));
        benchmark::DoNotOptimize(search.Conjunction(kJupiter, kSaturn));
    }
}
BENCHMARK(JupiterSaturnConjunction)->Unit(benchmark::kMillisecond);

void SeasonsOfOneYear(benchmark::State& state)
{
    const SolarBodies& b = bodies();
    for (auto _ : state)
        benchmark::DoNotOptimize(computeSeasons(b.sun, paris(), 2003));
}
BENCHMARK(SeasonsOfOneYear)->Unit(benchmark::kMicrosecond);
}  // namespace
