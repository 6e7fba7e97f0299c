// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/TimeSteps.h"
#include "time/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zarn;

namespace {
CLieu paris() { return CLieu("Paris", -fromPacked(2.20), fromPacked(48.51) * kRadPerDeg, 1, 1); }

CInstant at(int d, int m, int y, int h, int min) { return CInstant(d, m, y, h, min, 0, paris()); }

// Legal day, hour and minute as one number: 29 01 30 for the 29th at 1 h 30.
int legal(const CInstant& i) { return i.day() * 10000 + i.hour() * 100 + i.minute(); }

double elapsedHours(const CInstant& from, const CInstant& to)
{
    return (to.universalJulianDay() - from.universalJulianDay()) * 24.0;
}
}  // namespace

TEST(TimeSteps, EachSizeMovesTheSkyByItsElapsedTimeAcrossTheSpringChange)
{
    // 29 March 2026: at 2 h the legal clock jumps to 3 h. Every step counts
    // the time that passes, so the legal time jumps with the clock.
    struct Case {
        double hours;
        int fromHour, fromMinute;
        int legalAfter;
    } cases[] = {
        {1.0 / 60, 1, 59, 290300},
        {10.0 / 60, 1, 55, 290305},
        {1.0, 1, 30, 290330},
        {-1.0, 3, 30, 290130},
        {-10.0 / 60, 3, 5, 290155},
        {kSiderealDayHours, 1, 30, 300226},
    };
    for (const Case& c : cases) {
        CInstant i = at(29, 3, 2026, c.fromHour, c.fromMinute);
        const CInstant before = i;
        ASSERT_TRUE(stepUniversalHours(i, c.hours));
        EXPECT_EQ(legal(i), c.legalAfter) << c.hours;
        EXPECT_NEAR(elapsedHours(before, i), c.hours, 0.5 / 3600) << c.hours;
    }
}

TEST(TimeSteps, HourStepsThroughTheAutumnNightNeverGoBack)
{
    // 25 October 2026: the legal clock goes from 3 h back to 2 h. Each step
    // is an hour of the sky: 2.30 comes twice, first in summer time.
    CInstant i = at(25, 10, 2026, 0, 30);
    const int expected[] = {250130, 250230, 250230, 250330};
    const int summer[] = {1, 1, 0, 0};
    for (int k = 0; k < 4; ++k) {
        const CInstant before = i;
        ASSERT_TRUE(stepUniversalHours(i, 1.0));
        EXPECT_EQ(legal(i), expected[k]) << k;
        EXPECT_EQ(i.summerTime(), summer[k]) << k;
        EXPECT_NEAR(elapsedHours(before, i), 1.0, 1.0 / 3600) << k;
    }
    // Ten-minute steps across the change keep going forward too.
    CInstant j = at(25, 10, 2026, 2, 50);
    for (int k = 0; k < 12; ++k) {
        const CInstant before = j;
        ASSERT_TRUE(stepUniversalHours(j, 10.0 / 60));
        EXPECT_GT(elapsedHours(before, j), 0.1) << legal(j);
    }
    EXPECT_EQ(legal(j), 250350);
    // Backwards each step moves back at least its size.
    for (int k = 0; k < 12; ++k) {
        const CInstant before = j;
        ASSERT_TRUE(stepUniversalHours(j, -10.0 / 60));
        EXPECT_LT(elapsedHours(before, j), -0.16) << legal(j);
    }
}

TEST(TimeSteps, SiderealDayBringsTheStarsBackAndTheYearsEndStopSteps)
{
    CInstant i = at(9, 12, 2026, 22, 0);
    const double theta = i.siderealTime();
    ASSERT_TRUE(stepUniversalHours(i, kSiderealDayHours));
    EXPECT_EQ(legal(i), 102156);
    EXPECT_EQ(i.second(), 4);
    EXPECT_EQ(i.dateText(), " 10 décembre 2026");
    EXPECT_NEAR(i.siderealTime(), theta, 2e-4);
    ASSERT_TRUE(stepUniversalHours(i, -kSiderealDayHours));
    EXPECT_EQ(legal(i), 92200);

    CInstant last = at(31, 12, 2099, 23, 59);
    EXPECT_FALSE(stepUniversalHours(last, 1.0 / 60));
    EXPECT_EQ(legal(last), 312359);
    EXPECT_EQ(last.year(), 2099);
    CInstant first = at(1, 1, 1901, 0, 5);
    EXPECT_FALSE(stepUniversalHours(first, -10.0 / 60));
    EXPECT_EQ(first.year(), 1901);
    EXPECT_TRUE(stepUniversalHours(first, -1.0 / 60));
    EXPECT_EQ(legal(first), 10004);
}

TEST(TimeSteps, TheClockIsReadInTheLegalTimeOfThePlace)
{
    // 1 July 2026 12:00:05 UT is 14:00:05 in Paris (summer time) and 9:00:05
    // in a place three hours west of Greenwich without summer time.
    CInstant i = at(1, 1, 2000, 0, 0);
    setToClock(i, 1782907205);
    EXPECT_EQ(legal(i), 11400);
    EXPECT_EQ(i.second(), 5);
    EXPECT_EQ(i.month(), 7);
    EXPECT_EQ(i.timeText(), " 14.00");
    CInstant west(1, 1, 2000, 0, 0, 0, CLieu("Ouest", 45.0, 0.0, -3, 0));
    setToClock(west, 1782907205);
    EXPECT_EQ(legal(west), 10900);
}
