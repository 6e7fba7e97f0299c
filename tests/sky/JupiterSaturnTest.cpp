// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/CPlaSol.h"
#include "sky/JupiterSaturn.h"

#include <gtest/gtest.h>

using namespace zarn;

// The four sums evaluated independently from the published table
// (data/sources/theory/jupiter_saturn_perturbations.tsv), in the units the
// planet theory takes: micro-degrees, micro-degrees, 1e-7, 1e-6 AU.
TEST(JupiterSaturnPerturbations, SumsOfThePublishedSeries)
{
    const struct {
        int index;
        double T, longitude, perihelion, eccentricity, axis;
    } cases[] = {
        {kJupiter, 0.5, 152762.631440, 5120.066202, 4938.8479, 180.1969},
        {kSaturn, 0.5, -315872.083481, -93777.967974, -22867.6555, -32116.2039},
        {kJupiter, 1.3, 6849.833646, -10508.655294, -3707.6588, 767.9097},
        {kSaturn, 1.3, 7635.539121, 39455.769990, -23271.5620, -39395.5611},
    };
    for (const auto& c : cases) {
        const PerturbationSums sums = JupiterSaturnPerturbations(c.index, c.T);
        EXPECT_NEAR(sums.longitude, c.longitude, 1e-3) << c.index << " " << c.T;
        EXPECT_NEAR(sums.perihelion, c.perihelion, 1e-3) << c.index << " " << c.T;
        EXPECT_NEAR(sums.eccentricity, c.eccentricity, 1e-3) << c.index << " " << c.T;
        EXPECT_NEAR(sums.axis, c.axis, 1e-3) << c.index << " " << c.T;
    }
}

TEST(JupiterSaturnPerturbations, OtherBodiesAreNotPerturbed)
{
    for (int index : {kSun, kMercury, kVenus, kMars, kMoon}) {
        const PerturbationSums sums = JupiterSaturnPerturbations(index, 1.0);
        EXPECT_EQ(sums.longitude, 0.0);
        EXPECT_EQ(sums.perihelion, 0.0);
        EXPECT_EQ(sums.eccentricity, 0.0);
        EXPECT_EQ(sums.axis, 0.0);
    }
}
