// SPDX-License-Identifier: GPL-3.0-or-later
// Rise and set series on fixed stars, whose answers are known in closed form.
#include "sky/CAstre.h"
#include "time/Calendar.h"
#include "tools/CLeverCoucher.h"
#include "tools/DayClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace zarn;

namespace {
CLieu place(double latitudeDegrees, double longitudeWest = -2.3333, int zone = 1, int dst = 1)
{
    return CLieu("Test", longitudeWest, latitudeDegrees * kRadPerDeg, zone, dst);
}

struct Star {
    CAstre body;
    Star(double raHours, double decDegrees) { body.SetEquatorial(raHours / kHoursPerRad, decDegrees * kRadPerDeg); }
};

double wrap(double hours) { return hours - 24.0 * std::floor(hours / 24.0); }
}  // namespace

TEST(CLeverCoucher, CircumpolarAndNeverRisingRunsGetTheirCodes)
{
    const CInstant date(10, 1, 2005, 15, 0, 0, place(48.85));
    Star polar(2.5, 80.0);
    Star southern(2.5, -80.0);
    for (const auto& [star, code] : {std::pair{&polar, kAlwaysAbove}, std::pair{&southern, kAlwaysBelow}}) {
        CLeverCoucher series(&star->body, 0.0);
        const auto days = series.ComputeSeries(date, 20);
        ASSERT_EQ(days.size(), 20u);
        for (const CJourLeverCoucher& day : days) {
            EXPECT_EQ(day.rise, code);
            EXPECT_EQ(day.set, code);
        }
    }
}

TEST(CLeverCoucher, EquatorialStarAtTheEquatorIsUpHalfASiderealDay)
{
    Star star(6.0, 0.0);
    CLeverCoucher series(&star.body, 0.0);
    const auto days = series.ComputeSeries(CInstant(1, 2, 2010, 0, 0, 0, place(0.0, 0.0, 0, 0)), 10);
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (!isTime(days[i].rise) || !isTime(days[i].set))
            continue;
        // Set and rise are half a sidereal day apart, in either order.
        const double gap = wrap(days[i].set - days[i].rise);
        EXPECT_NEAR(std::min(gap, 24.0 - gap), 12.0 / kSiderealRatio, 0.01) << i;
    }
    // Each day the star rises one sidereal-day difference (3.93 min) earlier.
    EXPECT_NEAR(wrap(days[3].rise - days[4].rise), 24.0 - 24.0 / kSiderealRatio, 0.005);
}

TEST(CLeverCoucher, OneDayOfTheYearHasTwoRisesAndTheEarlierComesFirst)
{
    Star star(9.0, 20.0);
    CLeverCoucher series(&star.body, 0.0);
    const auto days = series.ComputeSeries(CInstant(31, 12, 2009, 0, 0, 0, place(48.85, -2.33, 1, 0)), 365);
    int doubles = 0;
    int risesFound = 0;
    for (const CJourLeverCoucher& day : days) {
        risesFound += isTime(day.rise) + isTime(day.secondRise);
        if (isTime(day.secondRise)) {
            ++doubles;
            EXPECT_LT(day.rise, 0.1);
            EXPECT_GT(day.secondRise, 23.8);
        }
    }
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(risesFound, 366);  // a sidereal year has one day more
}

TEST(CLeverCoucher, ARunOfOneDayFillsExactlyOneRecord)
{
    Star star(12.0, 10.0);
    CLeverCoucher series(&star.body, 0.0);
    const CInstant date(14, 7, 2001, 8, 0, 0, place(45.0));
    const auto one = series.ComputeSeries(date, 1);
    const auto many = series.ComputeSeries(date, 5);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_DOUBLE_EQ(one[0].rise, many[0].rise);
    EXPECT_DOUBLE_EQ(one[0].set, many[0].set);
    EXPECT_TRUE(isTime(one[0].rise));
}

TEST(CLeverCoucher, LegalTimeGainsTheSummerHourOnlyWhereItIsObserved)
{
    // Summer time began on 27 March 2005 at 2 h.
    Star star(14.0, 10.0);
    CLeverCoucher series(&star.body, 0.0);
    const auto observed = series.ComputeSeries(CInstant(24, 3, 2005, 0, 0, 0, place(48.85)), 6);
    const auto standard = series.ComputeSeries(CInstant(24, 3, 2005, 0, 0, 0, place(48.85, -2.3333, 1, 0)), 6);
    for (int i = 0; i < 6; ++i) {
        const double shift = i >= 2 ? 1.0 : 0.0;  // record 2 is 27 March
        EXPECT_NEAR(observed[i].set, standard[i].set + shift, 1e-9) << i;
    }
}

TEST(CLeverCoucher, NextRiseCountsFromTheDateAndCarriesIntoTheNextDay)
{
    Star star(3.0, 15.0);
    const CLieu paris = place(48.85, -2.33, 1, 0);
    CLeverCoucher series(&star.body, 0.0);
    const auto days = series.ComputeSeries(CInstant(9, 11, 2003, 0, 0, 0, paris), 2);
    const double rise = days[0].rise;
    ASSERT_TRUE(isTime(rise));
    CInstant before(10, 11, 2003, 0, 0, 0, paris);
    before.setTimeFromHours(rise - 0.5);
    EXPECT_NEAR(CLeverCoucher::NextRise(&star.body, 0.0, before), rise, 1e-9);
    CInstant after(10, 11, 2003, 0, 0, 0, paris);
    after.setTimeFromHours(rise + 0.5);
    EXPECT_NEAR(CLeverCoucher::NextRise(&star.body, 0.0, after), days[1].rise + 24.0, 1e-9);
    Star polar(3.0, 85.0);
    EXPECT_EQ(CLeverCoucher::NextRise(&polar.body, 0.0, after), kAlwaysAbove);
}

TEST(CLeverCoucher, TheSummerHourIsNotAddedAcrossTheAutumnSwitch)
{
    // 2003: summer time from 30 March 2 h to 26 October 3 h.
    const CLieu paris = place(48.85);
    const CInstant spring(30, 3, 2003, 0, 0, 0, paris);
    EXPECT_DOUBLE_EQ(toLegalHours(spring, 1.5, paris), 1.5);
    EXPECT_DOUBLE_EQ(toLegalHours(spring, 2.5, paris), 3.5);
    const CInstant autumn(26, 10, 2003, 0, 0, 0, paris);
    EXPECT_DOUBLE_EQ(toLegalHours(autumn, 1.5, paris), 2.5);
    EXPECT_DOUBLE_EQ(toLegalHours(autumn, 2.5, paris), 2.5);  // 3.30 would be past the switch
    EXPECT_DOUBLE_EQ(toLegalHours(autumn, 4.0, paris), 4.0);
    EXPECT_DOUBLE_EQ(toLegalHours(spring, 2.5, CLieu("Paris", paris.longitude(), paris.latitude(), 1, 0)), 2.5);
    EXPECT_DOUBLE_EQ(toLegalHours(spring, kAlwaysAbove, paris), kAlwaysAbove);
    // Hours past midnight fall on the next day's calendar.
    const CInstant next = instantAtHours(autumn, 30.5);
    EXPECT_EQ(next.day(), 27);
    EXPECT_EQ(next.hour(), 6);
    EXPECT_EQ(next.minute(), 30);
    EXPECT_EQ(instantAtHours(CInstant(1, 3, 2004, 0, 0, 0, paris), -1.0).day(), 29);
}
