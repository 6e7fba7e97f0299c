// SPDX-License-Identifier: GPL-3.0-or-later
// The Sun and the Moon of a day, twilight and the principal phases.
#include "AlmanacFixture.h"

#include "sky/EventAltitude.h"
#include "tools/BodyAccess.h"
#include "tools/CLeverCoucher.h"
#include "tools/DayClock.h"
#include "tools/Ephemerides.h"
#include "tools/MoonPhases.h"
#include "tools/SunMoonDay.h"
#include "tools/Twilight.h"

#include <cmath>
#include <string>

using namespace zarn;

TEST_F(Almanac, PolarSunAtSeventyNorthIsUpAllDayInJuneAndAbsentInDecember)
{
    const SunMoonDay june = computeSunMoonDay(bodies.sun, bodies.moon, CInstant(21, 6, 2004, 12, 0, 0, at(70.0)));
    EXPECT_EQ(june.sunText, "Soleil de minuit");
    const SunMoonDay december = computeSunMoonDay(bodies.sun, bodies.moon, CInstant(21, 12, 2004, 12, 0, 0, at(70.0)));
    EXPECT_EQ(december.sunText, "Soleil invisible");
    // At the poles themselves, typed as 90.00 (the latitude must not pass the pole).
    const CInstant solstice(21, 6, 2004, 12, 0, 0, at(fromPacked(90.00)));
    EXPECT_EQ(computeSunMoonDay(bodies.sun, bodies.moon, solstice).sunText, "Soleil de minuit");
    const CInstant south(21, 6, 2004, 12, 0, 0, at(-fromPacked(90.00)));
    EXPECT_EQ(computeSunMoonDay(bodies.sun, bodies.moon, south).sunText, "Soleil invisible");
    const SunMoonDay paris = computeSunMoonDay(bodies.sun, bodies.moon, CInstant(21, 6, 2004, 12, 0, 0, Almanac::paris()));
    EXPECT_EQ(paris.sunText, "");
    EXPECT_EQ(paris.sunRiseText, " 5.49");  // legal time, summer hour included
    EXPECT_EQ(paris.sunSetText, "21.56");
}

TEST_F(Almanac, PolarSunRowsOfTheEphemerides)
{
    const auto rows = ephemerisTable(bodies.sun, 0, EphemerisMode::RiseSet, CInstant(21, 6, 2004, 12, 0, 0, at(70.0)));
    ASSERT_EQ(rows.size(), 160u);
    EXPECT_EQ(rows[10], " 21.6.2004  visible  ");
    const auto winter = ephemerisTable(bodies.sun, 0, EphemerisMode::RiseSet, CInstant(21, 12, 2004, 12, 0, 0, at(70.0)));
    EXPECT_EQ(winter[10], "21.12.2004 invisible ");
}

TEST_F(Almanac, MoonRowsShowDaysWithoutAnEventAndDaysWithTwo)
{
    const auto rows = ephemerisTable(bodies.moon, 6, EphemerisMode::RiseSet, CInstant(21, 6, 2003, 12, 0, 0, paris()));
    int withoutRise = 0, withoutSet = 0, withSecond = 0;
    for (const std::string& row : rows) {
        ASSERT_GE(row.size(), 21u) << row;
        withoutRise += row.substr(10, 5) == "  -  ";
        withoutSet += row.substr(15, 6) == "   -  ";
        withSecond += row.find('*') != std::string::npos;
    }
    // About one day per lunation has no moonrise (and one no moonset).
    EXPECT_GE(withoutRise, 4);
    EXPECT_LE(withoutRise, 7);
    EXPECT_GE(withoutSet, 4);
    EXPECT_LE(withoutSet, 7);
    EXPECT_EQ(rows[36], " 17.7.2003  -   10.00");
    EXPECT_EQ(withSecond, 0);
    // At 66° N in summer the moonrise moves earlier from day to day: on
    // 17 July 2006 the Moon rises just after midnight and again before the
    // next one; on 6 July it sets twice.
    const auto north = ephemerisTable(bodies.moon, 6, EphemerisMode::RiseSet, CInstant(10, 6, 2006, 12, 0, 0, at(66.0)));
    int twoRises = 0, twoSets = 0;
    for (const std::string& row : north) {
        const auto star = row.find('*');
        if (star == std::string::npos)
            continue;
        const double first = std::stod(row.substr(star + 1 == row.find("*L") + 1 ? 10 : 15, star + 1 == row.find("*L") + 1 ? 5 : 6));
        const double second = std::stod(row.substr(star + 2));
        EXPECT_LT(first, second) << row;  // the earlier event first
        (row[star + 1] == 'L' ? twoRises : twoSets) += 1;
    }
    EXPECT_GT(twoRises, 0);
    EXPECT_GT(twoSets, 0);
}

// The Moon rises at the same minute in the ephemerides, the Sun-and-Moon
// window and the next-rise box, and the Moon counts as up from then on; the
// search honours the altitude it is given, the Moon's too.
TEST_F(Almanac, EveryToolGivesTheSameMoonRise)
{
    const CInstant day(10, 3, 2026, 0, 0, 0, paris());
    const double rise = riseSetDays(bodies.moon, kMoon, day, 1)[0].rise;
    ASSERT_TRUE(isTime(rise));
    const SunMoonDay window = computeSunMoonDay(bodies.sun, bodies.moon, day);
    EXPECT_EQ(window.moonSetFirst ? window.moonSet : window.moonRise, toPackedMinutes(rise));
    EXPECT_NEAR(CLeverCoucher::NextRise(&bodies.moon, eventAltitudeDegrees(kMoon), day), rise, 1.0 / 600.0);
    for (const double minutes : {-1.0, 1.0}) {
        const CInstant at = instantAtHours(day, rise + minutes / 60.0);
        bodies.moon.Compute(at);
        const BodyPosition p = positionAt(bodies.moon, at);
        const CLieu& place = at.place();
        bodies.moon.SetHeight(place.sinLatitude() * std::sin(p.delta) +
                              place.cosLatitude() * std::cos(p.delta) * std::cos(at.siderealTime() - p.alpha));
        EXPECT_EQ(bodies.moon.IsUp(), minutes > 0.0) << minutes;
    }
    CLeverCoucher higher(&bodies.moon, eventAltitudeDegrees(kMoon) + 5.0);
    const double later = higher.ComputeSeries(addDays(day, -1), 1)[0].rise;
    EXPECT_GT(later, rise + 0.5);  // five degrees more take the rising Moon most of an hour
}

TEST_F(Almanac, MoonSetBeforeRiseIsExchangedAndFlagged)
{
    // 10 July 2003: the Moon sets at 2.40 and rises again at 18.47.
    const SunMoonDay day = computeSunMoonDay(bodies.sun, bodies.moon, CInstant(10, 7, 2003, 12, 0, 0, paris()));
    EXPECT_TRUE(day.moonSetFirst);
    EXPECT_EQ(day.moonRiseText, " 2.40");  // the earlier event, the set, comes first
    EXPECT_EQ(day.moonSetText, "18.47");
    const SunMoonDay later = computeSunMoonDay(bodies.sun, bodies.moon, CInstant(20, 7, 2003, 12, 0, 0, paris()));
    EXPECT_FALSE(later.moonSetFirst);
    EXPECT_EQ(later.moonRiseText, " 0.47");
}

TEST_F(Almanac, PhaseTextGivesPercentAndWaxingOrWaning)
{
    const SunMoonDay waning = computeSunMoonDay(bodies.sun, bodies.moon, CInstant(21, 6, 2003, 12, 0, 0, paris()));
    EXPECT_EQ(waning.phaseText, "52 %\ndécroissante");
    const SunMoonDay waxing = computeSunMoonDay(bodies.sun, bodies.moon, CInstant(4, 7, 2003, 12, 0, 0, paris()));
    EXPECT_NE(waxing.phaseText.find("\ncroissante"), std::string::npos);
}

TEST_F(Almanac, PhasesStartWithANewMoonOnTheDocumentsDay)
{
    // New Moon of 29 June 2003 at 18:39 UT, 20:39 legal time in Paris.
    const auto phases = nextPhases(bodies.moon, CInstant(29, 6, 2003, 23, 0, 0, paris()));
    ASSERT_TRUE(phases.has_value());
    const PhaseEvent& first = (*phases)[0];
    EXPECT_EQ(first.code, kNewMoon);
    EXPECT_EQ(first.day.day(), 29);
    EXPECT_NEAR(first.hours, 20.65, 0.1);
    const int expected[4] = {kNewMoon, kFirstQuarter, kFullMoon, kLastQuarter};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ((*phases)[i].code, expected[i]);
    EXPECT_EQ((*phases)[3].day.day(), 21);  // last quarter, 21 July
}

TEST_F(Almanac, TwilightOfParisInJuneBeginsInTwilightAndIsSorted)
{
    const TwilightRecord r = computeTwilight(bodies.sun, CInstant(21, 6, 2003, 12, 0, 0, paris()));
    EXPECT_EQ(r.startBand, kAstronomical);  // the Sun never goes below −18°
    ASSERT_EQ(r.count, 6);
    for (int i = 1; i < r.count; ++i)
        EXPECT_LT(r.entries[i - 1].time, r.entries[i].time);
    EXPECT_EQ(r.entries[0].bandAfter, kNautical);
    EXPECT_EQ(r.entries[2].bandAfter, kNoTwilight);  // sunrise
    EXPECT_EQ(r.entries[5].bandAfter, kAstronomical);
    EXPECT_EQ(r.rows, 7);

    const TwilightRecord sixty = computeTwilight(bodies.sun, CInstant(25, 6, 2003, 12, 0, 0, at(60.0)));
    EXPECT_LT(sixty.startBand, kNoTwilight);
    const TwilightRecord winter = computeTwilight(bodies.sun, CInstant(21, 12, 2003, 12, 0, 0, paris()));
    EXPECT_EQ(winter.startBand, kNoTwilight);
    EXPECT_EQ(winter.count, 8);
    EXPECT_EQ(noTwilightText(winter), "");
}

TEST_F(Almanac, PolarDaysWithoutTwilightSaySo)
{
    const TwilightRecord night = computeTwilight(bodies.sun, CInstant(21, 12, 2026, 12, 0, 0, at(89.99)));
    EXPECT_EQ(night.count, 0);
    EXPECT_EQ(noTwilightText(night), "Pas de crépuscule : nuit noire tout le jour");
    const TwilightRecord south = computeTwilight(bodies.sun, CInstant(21, 6, 2026, 12, 0, 0, at(-89.99)));
    EXPECT_EQ(noTwilightText(south), "Pas de crépuscule : nuit noire tout le jour");
    const TwilightRecord midnightSun = computeTwilight(bodies.sun, CInstant(21, 6, 2026, 12, 0, 0, at(70.0)));
    EXPECT_EQ(noTwilightText(midnightSun), "Pas de crépuscule : Soleil levé tout le jour");
    // In civil twilight all day the band says it, not the line.
    const TwilightRecord civil = computeTwilight(bodies.sun, CInstant(1, 10, 2026, 12, 0, 0, at(89.99)));
    EXPECT_EQ(civil.startBand, kCivil);
    EXPECT_EQ(noTwilightText(civil), "");
}
