// SPDX-License-Identifier: GPL-3.0-or-later
// Time to compute the Sun, the five planets and the Moon for one instant, as
// the document does after every change of date or place.
#include "sky/SolarBodies.h"
#include "time/CInstant.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace zarn;

namespace {

SolarBodies loadedBodies()
{
    SolarBodies bodies;
    if (bodies.load(std::string(ZARN_DATA_DIR) + "/ELEMENTS.ZAR"))
        std::abort();
    return bodies;
}

void ComputeSevenBodies(benchmark::State& state)
{
    SolarBodies bodies = loadedBodies();
    const CLieu paris("Paris", -2.3333, 0.8527, 1, 1);
    CInstant instant(14, 7, 2031, 22, 30, 0, paris);
    for (auto _ : state) {
        benchmark::DoNotOptimize(bodies.computeAll(instant));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ComputeSevenBodies)->Unit(benchmark::kMicrosecond);

void ComputeMoon(benchmark::State& state)
{
    SolarBodies bodies = loadedBodies();
    const CLieu paris("Paris", -2.3333, 0.8527, 1, 1);
    CInstant instant(14, 7, 2031, 22, 30, 0, paris);
    for (auto _ : state)
        benchmark::DoNotOptimize(bodies.moon.Compute(instant));
}
BENCHMARK(ComputeMoon)->Unit(benchmark::kMicrosecond);

void ComputeSaturn(benchmark::State& state)
{
    SolarBodies bodies = loadedBodies();
    const CLieu paris("Paris", -2.3333, 0.8527, 1, 1);
    CInstant instant(14, 7, 2031, 22, 30, 0, paris);
    for (auto _ : state)
        benchmark::DoNotOptimize(bodies.planet(kSaturn).Compute(instant));
}
BENCHMARK(ComputeSaturn)->Unit(benchmark::kMicrosecond);

}  // namespace
