// SPDX-License-Identifier: GPL-3.0-or-later
// Seasons, planet visibility, conjunction and opposition searches, and a
// sweep of dates and latitudes that must neither hang nor crash.
#include "AlmanacFixture.h"

#include "tools/AlmanacTexts.h"
#include "tools/BodyAccess.h"
#include "tools/CLeverCoucher.h"
#include "tools/ConjunctionSearch.h"
#include "tools/MoonPhases.h"
#include "tools/PlanetVisibility.h"
#include "tools/Seasons.h"
#include "tools/SunMoonDay.h"
#include "tools/Twilight.h"

#include "tools/Ephemerides.h"

#include <chrono>
#include <cmath>

using namespace zarn;

TEST_F(Almanac, SeasonsComeInOrderToTheMinuteOfLegalTime)
{
    const SeasonsOfYear s = computeSeasons(bodies.sun, paris(), 2003);
    EXPECT_EQ(s.text, "\nPrintemps:  le 21 mars  à  2 h 04\n\nEté:  le 21 juin  à  21 h 12\n\n"
                      "Automne:  le 23 septembre  à  12 h 49\n\nHiver:  le 22 décembre  à  8 h 03\n\n");
    EXPECT_EQ(seasonsTitle(2003), " Saisons 2003");
    // The document's Sun is not moved by the computation.
    bodies.sun.Compute(CInstant(1, 1, 1950, 0, 0, 0, paris()));
    const double alpha = bodies.sun.GetAlpha();
    computeSeasons(bodies.sun, paris(), 2099);
    EXPECT_EQ(bodies.sun.GetAlpha(), alpha);
}

TEST_F(Almanac, NightOfAnEarlyHourIsThePreviousEvening)
{
    CInstant night;
    int slider = 0;
    nightOf(CInstant(1, 4, 2003, 3, 0, 0, paris()), night, slider);
    EXPECT_EQ(slider, 900);
    EXPECT_EQ(night.day(), 31);
    EXPECT_EQ(night.hour(), 12);
    EXPECT_EQ(nightTitle(night), " Zarn du 31 mars au 1 avril 2003 ");
    nightOf(CInstant(14, 4, 2003, 12, 0, 0, paris()), night, slider);
    EXPECT_EQ(slider, 0);
    EXPECT_EQ(nightTitle(night), " Zarn du 14 au 15 avril 2003 ");
}

TEST_F(Almanac, MarsNeedsADarkerSkyOnlyWhenItIsBright)
{
    EXPECT_EQ(visibilityThreshold(3, -2.9), -8.0);
    EXPECT_EQ(visibilityThreshold(3, 0.0), -8.0);
    EXPECT_EQ(visibilityThreshold(3, 0.4), -6.0);
    std::array<CAstre*, 5> planets;
    for (int i = 0; i < 5; ++i)
        planets[i] = &bodies.planet(i + 1);
    // Mars at its 2003 opposition: bright, so the −8° threshold.
    const NightVisibility opposition = computeNightVisibility(bodies.sun, planets, CInstant(28, 8, 2003, 22, 0, 0, paris()));
    EXPECT_EQ(opposition.thresholds[2], -8.0);
    const NightVisibility faint = computeNightVisibility(bodies.sun, planets, CInstant(1, 6, 2004, 22, 0, 0, paris()));
    EXPECT_EQ(faint.thresholds[2], -6.0);
}

TEST_F(Almanac, AnInstantOfTheSameNightMovesOnlyTheSlider)
{
    std::array<CAstre*, 5> planets;
    for (int i = 0; i < 5; ++i)
        planets[i] = &bodies.planet(i + 1);
    NightVisibility known = computeNightVisibility(bodies.sun, planets, CInstant(28, 8, 2003, 22, 0, 0, paris()));
    // Three in the morning still belongs to the night of the 28th.
    const CInstant morning(29, 8, 2003, 3, 0, 0, paris());
    ASSERT_TRUE(followWithinNight(known, morning));
    const NightVisibility full = computeNightVisibility(bodies.sun, planets, morning);
    EXPECT_EQ(known.sliderPosition, full.sliderPosition);
    EXPECT_EQ(known.planets[2].start, full.planets[2].start);
    EXPECT_EQ(known.sun.end, full.sun.end);
    EXPECT_FALSE(followWithinNight(known, CInstant(29, 8, 2003, 13, 0, 0, paris())));
    EXPECT_FALSE(followWithinNight(known, CInstant(29, 8, 2003, 3, 0, 0, at(70.0))));
}

TEST_F(Almanac, PlanetUpAllNightIsVisibleFromDuskToDawnAndOneNearTheSunIsNot)
{
    std::array<CAstre*, 5> planets;
    for (int i = 0; i < 5; ++i)
        planets[i] = &bodies.planet(i + 1);
    // Saturn at 70° N in midwinter 2004 is circumpolar; Saturn in Paris in
    // June 2003 stands behind the Sun.
    const NightVisibility north = computeNightVisibility(bodies.sun, planets, CInstant(10, 1, 2004, 22, 0, 0, at(70.0)));
    const double dusk = CLeverCoucher::NextSet(&bodies.sun, -6.0, north.night);
    EXPECT_NEAR(north.planets[4].start, dusk, 1e-9);
    EXPECT_GT(north.planets[4].end, north.planets[4].start);
    const NightVisibility june = computeNightVisibility(bodies.sun, planets, CInstant(21, 6, 2003, 22, 0, 0, paris()));
    EXPECT_EQ(june.planets[4].start, -1.0);
    EXPECT_NEAR(june.sun.start, 21.93, 0.02);
    EXPECT_NEAR(june.sun.end, 29.81, 0.02);
}

TEST_F(Almanac, JupiterSaturnFromJustAfterAConjunctionFindsTheNextTwentyYearsOn)
{
    ConjunctionSearch search(bodies, CInstant(1, 6, 2020, 0, 0, 0, paris()));
    const auto first = search.Conjunction(kSaturn, kJupiter);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->found.event.day(), 21);
    EXPECT_EQ(first->found.event.month(), 12);
    EXPECT_EQ(first->closestText, " 21 décembre 2020  à  22h    0° 06'     ");
    EXPECT_TRUE(first->zoomAvailable);
    EXPECT_NEAR(first->zoomScale, 900.0 / std::sqrt(0.1) + 400.0 * 0.9, 60.0);
    const auto next = search.NextConjunction(*first);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->found.event.year(), 2040);
    EXPECT_LT(next->found.evaluations, 2000);
}

TEST_F(Almanac, MoonConjunctionIsGivenToTheMinuteAndPlanetPairsToTheHour)
{
    ConjunctionSearch search(bodies, CInstant(1, 1, 2003, 0, 0, 0, paris()));
    const auto moon = search.Conjunction(kMoon, kVenus);
    ASSERT_TRUE(moon.has_value());
    EXPECT_EQ(moon->eventText, " 28 janvier 2003  à  19h42    4° 18'     ");
    EXPECT_EQ(moon->found.source, BracketSource::MoonStep);
    EXPECT_FALSE(moon->zoomAvailable);  // 4° apart: no zoom
    EXPECT_TRUE(std::isfinite(zoomChartScale(0.0)));
    const auto pair = search.Conjunction(kVenus, kMercury);
    ASSERT_TRUE(pair.has_value());
    EXPECT_EQ(pair->eventText.find("h"), pair->eventText.find("h    "));
}

// The closest approach is the least separation around the conjunction, found
// here by sampling it every hour for twelve days on either side.
TEST_F(Almanac, ClosestApproachIsTheLeastSeparationAroundTheConjunction)
{
    struct Case {
        int first, second, day, month, year;
    } cases[] = {
        {kMercury, kJupiter, 27, 10, 2006},  // Mercury turning back: closest four days later
        {kSaturn, kJupiter, 1, 6, 2020},
        {kMoon, kVenus, 1, 1, 2003},
    };
    for (const Case& c : cases) {
        ConjunctionSearch search(bodies, CInstant(c.day, c.month, c.year, 0, 0, 0, paris()));
        const auto r = search.Conjunction(c.first, c.second);
        ASSERT_TRUE(r.has_value());
        const ConjunctionEvent& found = r->found;
        EXPECT_LE(found.smallest, found.separation);
        CRechercheConjonction probe(found.event, SearchFrame::Equatorial);
        CAstre& a = bodies.body(c.first);
        CAstre& b = bodies.body(c.second);
        EXPECT_NEAR(probe.Compare(a, b, found.closestJulianDay).separation, found.smallest, 1e-12);
        double least = found.separation;
        for (double h = -288.0; h <= 288.0; h += 1.0)
            least = std::min(least, probe.Compare(a, b, found.eventJulianDay + h / 24.0).separation);
        EXPECT_LE(found.smallest, least + 1e-6) << c.first << " " << c.second;
    }
    ConjunctionSearch search(bodies, CInstant(27, 10, 2006, 0, 0, 0, paris()));
    const auto mercury = search.Conjunction(kMercury, kJupiter);
    ASSERT_TRUE(mercury.has_value());
    EXPECT_EQ(mercury->closestText.substr(0, 17), " 1 novembre 2006 ");
    EXPECT_NEAR(mercury->found.smallest * kDegPerRad, 3.16, 0.01);
}

TEST_F(Almanac, EachBranchOfThePlanetSearchFindsItsBracket)
{
    // Over a year of starting dates the sign change is met both in the first
    // and in the second look-ahead step.
    bool second = false, first = false;
    for (int month = 1; month <= 12 && !(second && first); ++month) {
        for (int pair = 0; pair < 4; ++pair) {
            static const int pairs[4][2] = {{kMercury, kVenus}, {kVenus, kMars}, {kMars, kJupiter}, {kMercury, kSaturn}};
            ConjunctionSearch search(bodies, CInstant(1, month, 2005, 0, 0, 0, paris()));
            const auto r = search.Conjunction(pairs[pair][0], pairs[pair][1]);
            ASSERT_TRUE(r.has_value());
            second |= r->found.source == BracketSource::SecondLookAhead;
            first |= r->found.source == BracketSource::FirstLookAhead;
            EXPECT_LT(r->found.separation, 0.2) << month << " " << pair;  // equal right ascensions
        }
    }
    EXPECT_TRUE(second);
    EXPECT_TRUE(first);
}

TEST_F(Almanac, OppositionsFollowOneAnotherWithSuivante)
{
    ConjunctionSearch search(bodies, CInstant(1, 1, 2003, 0, 0, 0, paris()));
    const auto mars = search.Opposition(kMars);
    ASSERT_TRUE(mars.has_value());
    EXPECT_EQ(mars->found.event.day(), 28);
    EXPECT_EQ(mars->found.event.month(), 8);
    EXPECT_NE(mars->eventText.find("    mag  -2.9"), std::string::npos);
    const auto again = search.NextOpposition(*mars);
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->found.event.year(), 2005);
    EXPECT_EQ(again->found.event.month(), 11);
    // Saturn's rings brighten it: the same distances without them are fainter.
    ConjunctionSearch saturn(bodies, CInstant(1, 1, 2003, 0, 0, 0, paris()));
    const auto s = saturn.Opposition(kSaturn);
    ASSERT_TRUE(s.has_value());
    const PlanetDistances d = planetDistancesAt(bodies.planet(kSaturn), s->found.event);
    EXPECT_LT(s->magnitude, oppositionMagnitude(kSaturn, d.fromSun, d.fromEarth, 0.0) - 0.5);
    EXPECT_EQ(oppositionMagnitude(kMars, 1.4, 0.4, 0.3), oppositionMagnitude(kMars, 1.4, 0.4, 0.0));
}

TEST_F(Almanac, SearchesReportFailureInsteadOfLooping)
{
    // A body whose position cannot be formed never brackets anything.
    CPlanete broken(kMars, &bodies.sun);
    for (int r = 0; r < 6; ++r)
        for (int j = 0; j < 4; ++j)
            broken.SetElement(r, j, std::nan(""));
    CRechercheConjonction searcher(CInstant(1, 1, 2003, 0, 0, 0, paris()), SearchFrame::Equatorial);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(searcher.SearchPlanets(broken, kMars, bodies.planet(kJupiter), kJupiter).has_value());
    EXPECT_FALSE(searcher.SearchMoon(broken, bodies.moon).has_value());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    CLeverCoucher series(&broken, 0.0);
    for (const CJourLeverCoucher& day : series.ComputeSeries(CInstant(1, 1, 2003, 0, 0, 0, paris()), 5))
        EXPECT_EQ(day.rise, kNoEvent);
}

TEST_F(Almanac, NotVisibleBoxNamesTheBodyAndItsNextRise)
{
    CInstant night(21, 6, 2003, 12, 0, 0, paris());
    night.refreshTexts();
    const std::string text = notVisibleText(bodies.planet(kMars), kMars, "Mars", night);
    EXPECT_EQ(text.substr(0, text.find("\n")), " 21 juin 2003  à  12.00");
    EXPECT_NE(text.find("     La planète MARS\n     n'est pas visible.\n\n   Prochain lever:  "), std::string::npos);
    EXPECT_EQ(notVisibleTitle(0), "  Soleil");
    CInstant polar(21, 12, 2004, 12, 0, 0, at(75.0));
    polar.refreshTexts();
    const std::string sun = notVisibleText(bodies.sun, 0, "Soleil", polar);
    EXPECT_NE(sun.find("Le SOLEIL n'est pas visible.\n\n   Prochain lever:    -   "), std::string::npos);
}

TEST_F(Almanac, NoEventIsOfferedPastTheProgramsLastYear)
{
    ConjunctionSearch search(bodies, CInstant(1, 6, 2099, 0, 0, 0, paris()));
    EXPECT_FALSE(search.Conjunction(kJupiter, kSaturn).has_value());
    auto moon = search.Conjunction(kMoon, kVenus);
    ASSERT_TRUE(moon.has_value());
    int found = 0;
    for (; moon && found < 20; ++found) {
        EXPECT_EQ(moon->found.event.year(), 2099);
        EXPECT_EQ(moon->found.closest.year(), 2099);
        moon = search.NextConjunction(*moon);
    }
    EXPECT_GE(found, 6);
    EXPECT_LT(found, 9);  // about seven lunations to the year's end, then nothing
}

TEST_F(Almanac, NoDateOrLatitudeHangsOrCrashes)
{
    std::array<CAstre*, 5> planets;
    for (int i = 0; i < 5; ++i)
        planets[i] = &bodies.planet(i + 1);
    for (int year = 1901; year <= 2099; year += 33) {
        for (int lat = -90; lat <= 90; lat += 30) {
            const CInstant date(1 + (year % 28), 1 + (year % 12), year, (year * 7) % 24, 0, 0, at(lat));
            const SunMoonDay day = computeSunMoonDay(bodies.sun, bodies.moon, date);
            EXPECT_FALSE(day.phaseText.empty());
            const TwilightRecord tw = computeTwilight(bodies.sun, date);
            EXPECT_LE(tw.count, 16);
            computeNightVisibility(bodies.sun, planets, date);
            for (int b = 0; b <= 6; ++b)
                ephemerisRows(bodies.body(b), b, EphemerisMode::RiseSet, date, 20);
            EXPECT_TRUE(nextPhases(bodies.moon, date).has_value());
        }
        computeSeasons(bodies.sun, paris(), year);
        ConjunctionSearch search(bodies, CInstant(1, 1, year, 0, 0, 0, paris()));
        // The next Jupiter-Saturn conjunction after 2080 falls in 2100, past the program's years.
        EXPECT_EQ(search.Conjunction(kJupiter, kSaturn).has_value(), year < 2099) << year;
        EXPECT_TRUE(search.Conjunction(kMoon, kMercury).has_value()) << year;
        EXPECT_TRUE(search.Opposition(kMars).has_value()) << year;
    }
}
