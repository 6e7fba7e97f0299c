// SPDX-License-Identifier: GPL-3.0-or-later
// Universal instants shown in legal time on both sides of the summer-time
// changes, for places east and west of Greenwich and south of the equator.
#include "time/Calendar.h"
#include "time/LegalOffset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace zarn;

namespace {
constexpr double kMinute = 1.0 / 1440.0;
constexpr int kSpan = 75;  // minutes either side of a change

const CLieu kPlaces[] = {
    CLieu("Paris", -2.33, 48.85 * kRadPerDeg, 1, 1),
    CLieu("Ouest", 74.0, 40.7 * kRadPerDeg, -5, 1),
    CLieu("Sud", -151.2, -33.9 * kRadPerDeg, 10, 1),
};

// Universal Julian days of the year's changes: spring at 2 h standard time,
// autumn at 3 h summer time.
double springChange(int year, const CLieu& place)
{
    const CDateHeure start = CDateHeure(1, 1, year, 0, 0, 0).summerTimeStart();
    return julianDay(start.day(), start.month(), year, 2.0 / 24) - place.zone() / 24.0;
}

double autumnChange(int year, const CLieu& place)
{
    const CDateHeure end = CDateHeure(1, 1, year, 0, 0, 0).summerTimeEnd();
    return julianDay(end.day(), end.month(), year, 3.0 / 24) - (place.zone() + 1) / 24.0;
}

long minutesOf(double jd) { return std::lround(jd * 1440.0); }

CInstant legalAtUniversal(double jd, const CLieu& place)
{
    CInstant i(1, 1, 2000, 0, 0, 0, place);
    i.setFromUniversalJulianDay(jd);
    return i;
}
}  // namespace

TEST(LegalOffset, EventsEitherSideOfTheChangesTakeTheOffsetInForce)
{
    // Minutes from the change; the minute of the autumn change itself reads
    // 3 h 00 summer time, as the rule reads a typed 3 h 00.
    const int steps[] = {-121, -61, -1, 0, 1, 59, 61, 121};
    for (const CLieu& place : kPlaces)
        for (int year : {1990, 2003, 2026}) {
            const double spring = springChange(year, place);
            const double autumn = autumnChange(year, place);
            for (int step : steps) {
                for (bool isSpring : {true, false}) {
                    const double ut = (isSpring ? spring : autumn) + step * kMinute;
                    const bool summer = isSpring ? step >= 0 : step <= 0;
                    const int offset = place.zone() + (summer ? 1 : 0);
                    const CInstant legal = legalAtUniversal(ut, place);
                    const std::string where = place.name() + " " + std::to_string(year) +
                                              (isSpring ? " printemps " : " automne ") + std::to_string(step);
                    ASSERT_EQ(minutesOf(legal.julianDay()), minutesOf(ut + offset / 24.0)) << where;
                    ASSERT_EQ(legalOffsetSeconds(ut, place), offset * 3600) << where;
                    // Also in the autumn hour that the clock shows twice, the
                    // legal instant keeps its reading and leads back to the
                    // same universal instant.
                    ASSERT_EQ(minutesOf(legal.universalJulianDay()), minutesOf(ut)) << where;
                }
            }
        }
}

TEST(LegalOffset, EveryMinuteAroundEveryChangeFrom1901To2099)
{
    // Universal minutes 75 min either side of each change: the legal clock moves
    // on by one minute each time, except the spring jump of one hour and the
    // autumn return; legal minutes of those days go to universal time and
    // back unchanged, except the hour that spring skips.
    for (const CLieu& place : kPlaces)
        for (int year = 1901; year <= 2099; ++year) {
            const bool rule = year > 1980;
            for (bool isSpring : {true, false}) {
                const double change = isSpring ? springChange(year, place) : autumnChange(year, place);
                const std::string where = place.name() + " " + std::to_string(year) + (isSpring ? " printemps" : " automne");
                long previous = 0;
                int jumps = 0;
                int twice = 0;
                for (int m = -kSpan; m <= kSpan; ++m) {
                    const double ut = change + m * kMinute;
                    const CInstant legal = legalAtUniversal(ut, place);
                    ASSERT_TRUE(legal.hour() < 24 && legal.minute() < 60 && legal.second() == 0) << where << " " << m;
                    const long shown = minutesOf(legal.julianDay());
                    if (m > -kSpan && shown - previous != 1) {
                        ASSERT_EQ(shown - previous, isSpring ? 61 : -59) << where << " " << m;
                        ++jumps;
                    }
                    previous = shown;
                    twice += minutesOf(legal.universalJulianDay()) != minutesOf(ut);
                    // Legal to universal and back.
                    CInstant typed = legal;
                    typed.shift(0, 0, 60, 0, m < 0);
                    const long skipped = isSpring && rule && typed.hour() == 2 ? 60 : 0;
                    const CInstant back = legalAtUniversal(typed.universalJulianDay(), place);
                    ASSERT_EQ(minutesOf(back.julianDay()), minutesOf(typed.julianDay()) - skipped) << where << " " << m;
                }
                ASSERT_EQ(jumps, rule ? 1 : 0) << where;
                ASSERT_EQ(twice, 0) << where;
            }
        }
}
