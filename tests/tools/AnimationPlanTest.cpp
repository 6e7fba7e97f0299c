// SPDX-License-Identifier: GPL-3.0-or-later
// The animation's timetable: durations, steps and intermediate points.
#include "tools/AnimationPlan.h"

#include "sky/SkyMath.h"
#include "time/CDateHeure.h"

#include <gtest/gtest.h>

using namespace zarn;

TEST(AnimationPlan, StepsAndSubStepsFollowTheDuration)
{
    EXPECT_EQ(animation::defaultMonths(5), 18);
    EXPECT_EQ(animation::defaultStep(18), 12);
    EXPECT_EQ(animation::defaultMonths(1), 4);
    EXPECT_EQ(animation::defaultStep(4), 3);
    EXPECT_EQ(animation::defaultStep(1), 1);
    EXPECT_EQ(animation::defaultStep(24), 15);
    EXPECT_EQ(animation::subStep(15), 5);
    EXPECT_EQ(animation::subStep(6), 2);
    EXPECT_EQ(animation::subStep(5), 1);
    EXPECT_EQ(animation::subStep(12), 4);
    // 18 months by 12 days: 45 main steps of three points each.
    EXPECT_EQ(animation::totalSubSteps(18, 12), 45 * 3);
    // Halves round away from zero: 5 × 30 / 4 = 37.5 → 38 main steps.
    EXPECT_EQ(animation::totalSubSteps(5, 4), 38 * 4);
    EXPECT_EQ(animation::stepIndex(7), animation::stepIndex(6));
    CDateHeure date;
    date.setDay(5);
    date.setMonth(3);
    date.setYear(2007);
    EXPECT_EQ(animation::dateLabel(date), "5.3.07");
}

TEST(AnimationPlan, EclipticAndEquatorialTurnsAreInverse)
{
    const double T = 1.2;
    for (double lambda = -3.0; lambda < 3.1; lambda += 0.7) {
        double alpha = 0.0, delta = 0.0, l = 0.0, b = 0.0;
        ASSERT_TRUE(EclipticToEquatorial(T, lambda, 0.3, alpha, delta));
        EquatorialToEcliptic(T, alpha, delta, l, b);
        EXPECT_NEAR(l, lambda, 1e-9);
        EXPECT_NEAR(b, 0.3, 1e-9);
    }
}
