// SPDX-License-Identifier: GPL-3.0-or-later
// The plan of a night against the program's own series: the dark window is
// the twilight table of the evening and of the morning, the planets' times
// lie within the visibility chart's, and the events are those the
// conjunction search, the phases and the legal-time rule give.
#include "sky/SkyModel.h"
#include "sky/SkyMath.h"
#include "time/Calendar.h"
#include "time/LegalOffset.h"
#include "tools/BodyAccess.h"
#include "tools/ConjunctionSearch.h"
#include "tools/DayClock.h"
#include "tools/NightPlan.h"
#include "tools/NightPlanParts.h"
#include "tools/PlanetVisibility.h"
#include "tools/Twilight.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace zarn;

namespace {

constexpr double kMinute = 1.0 / 60.0;

class NightPlanTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sky = std::make_unique<SkyModel>();
        ASSERT_TRUE(sky->load(ZARN_DATA_DIR, CInstant(9, 12, 2026, 20, 0, 0, paris())).ok());
    }
    static void TearDownTestSuite() { sky.reset(); }

    static CLieu paris() { return CLieu("Paris", -2.3333, 48.85 * kRadPerDeg, 1, 1); }
    static CLieu tromso() { return CLieu("Tromsø", -18.95, 69.65 * kRadPerDeg, 1, 1); }
    static NightPlan planOf(int day, int month, int year, const CLieu& place)
    {
        return computeNightPlan(sky->bodies(), *sky, CInstant(day, month, year, 22, 0, 0, place));
    }
    static const NightEvent* eventOf(const NightPlan& plan, const std::string& kind)
    {
        auto it = std::find_if(plan.events.begin(), plan.events.end(),
                               [&](const NightEvent& e) { return e.kind == kind; });
        return it == plan.events.end() ? nullptr : &*it;
    }

    static std::unique_ptr<SkyModel> sky;
};
std::unique_ptr<SkyModel> NightPlanTest::sky;

// The twilight table's time of the Sun's crossing of altitude level i (0 at
// −18° … 3 at −0.61°): its set (evening) or its rise (morning); −1 if none.
double tableTime(const TwilightRecord& day, int level, bool set)
{
    const int below = (level + 3) % 4;
    for (int k = 0; k < day.count; ++k) {
        const TwilightEntry& e = day.entries[k];
        if (set ? (e.bandBefore == level && e.bandAfter == below) : (e.bandAfter == level && e.bandBefore == below))
            return e.time;
    }
    return -1.0;
}

// Each limit of the plan that has a time is the twilight table's: the set in
// the evening table, the rise (less 24 h) in the morning one.
void expectTwilightTable(const NightPlan& plan, CAstre& sun)
{
    const CInstant evening = dayStart(plan.night);
    const TwilightRecord eveningTable = computeTwilight(sun, evening);
    const TwilightRecord morningTable = computeTwilight(sun, addDays(evening, 1));
    for (int k = 0; k < 4; ++k) {
        const int level = 3 - k;  // the plan lists −0.61° first, the table −18° first
        const Darkness& dark = plan.twilight[k].dark;
        SCOPED_TRACE(plan.twilight[k].altitude);
        if (!dark.any)
            continue;
        if (dark.start > 12.0) {
            EXPECT_NEAR(dark.start, tableTime(eveningTable, level, true), kMinute);
        }
        if (dark.end < 36.0) {
            EXPECT_NEAR(dark.end - 24.0, tableTime(morningTable, level, false), kMinute);
        }
    }
}

}  // namespace

TEST_F(NightPlanTest, ParisDecemberNightFollowsTheTwilightTableAndTheVisibilityChart)
{
    SolarBodies bodies(sky->bodies());
    const NightPlan plan = planOf(9, 12, 2026, paris());
    expectTwilightTable(plan, bodies.sun);
    ASSERT_EQ(plan.darkLevel, 3);  // a real astronomical night in December
    EXPECT_NEAR(plan.darkHours, plan.darkWindow.end - plan.darkWindow.start, 1e-3);
    EXPECT_GT(plan.middle, plan.darkWindow.start);
    EXPECT_LT(plan.middle, plan.darkWindow.end);

    std::array<CAstre*, 5> planets;
    for (int i = 0; i < 5; ++i)
        planets[i] = &bodies.planet(i + 1);
    const NightVisibility chart = computeNightVisibility(bodies.sun, planets, plan.night);
    const NightClock clock(plan.night);
    int observable = 0;
    for (const PlanetPlan& p : plan.planets) {
        SCOPED_TRACE(p.name);
        const VisibilityInterval& bar = chart.planets[p.index - 1];
        if (!p.observable) {
            EXPECT_FALSE(p.reason.empty());
            continue;
        }
        ++observable;
        // Higher above the horizon and a sky at least as dark as the chart asks
        // (Mars's darker sky when it is bright excepted): inside the chart's bar.
        if (chart.thresholds[p.index - 1] >= -6.0) {
            EXPECT_GE(p.interval.start, bar.start - kMinute);
            EXPECT_LE(p.interval.end, bar.end + kMinute);
        }
        // At each end the planet stands at 10°, or the Sun at −6°.
        for (double hours : {p.interval.start, p.interval.end}) {
            const CInstant at = clock.instant(clock.universal(hours));
            const double planet = horizontalOf(bodies.planet(p.index), at).altitude / kRadPerDeg;
            const double sun = horizontalOf(bodies.sun, at).altitude / kRadPerDeg;
            EXPECT_TRUE(std::fabs(planet - 10.0) < 0.3 || std::fabs(sun + 6.0) < 0.3) << hours;
        }
        // The best hour is the highest of the interval.
        const CInstant best = clock.instant(clock.universal(p.bestHour));
        EXPECT_NEAR(horizontalOf(bodies.planet(p.index), best).altitude / kRadPerDeg, p.altitude, 1e-6);
        for (double hours = p.interval.start; hours <= p.interval.end; hours += 0.25) {
            const CInstant at = clock.instant(clock.universal(hours));
            EXPECT_LE(horizontalOf(bodies.planet(p.index), at).altitude / kRadPerDeg, p.altitude + 0.05) << hours;
        }
        EXPECT_FALSE(p.constellation.empty());
        EXPECT_EQ(p.constellation.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1), std::string::npos)
            << "a full name, not an abbreviation";
    }
    EXPECT_GE(observable, 3);  // Venus, Mars, Jupiter, Saturn in December 2026
    // The stars listed are high and brightest first; the constellations named.
    ASSERT_FALSE(plan.stars.empty());
    for (std::size_t i = 0; i < plan.stars.size(); ++i) {
        EXPECT_GT(plan.stars[i].altitude, 30.0);
        if (i > 0) {
            EXPECT_LE(plan.stars[i - 1].magnitude, plan.stars[i].magnitude);
        }
    }
    EXPECT_FALSE(plan.meridianConstellations.empty());
    EXPECT_EQ(eventOf(plan, "heure"), nullptr);
}

TEST_F(NightPlanTest, TromsoHasNoDarknessAtMidsummerAndAPolarNightInMidwinter)
{
    SolarBodies bodies(sky->bodies());
    const NightPlan summer = planOf(21, 6, 2026, tromso());
    EXPECT_FALSE(noTwilightText(computeTwilight(bodies.sun, dayStart(summer.night))).empty());
    EXPECT_EQ(summer.darkLevel, -1);
    for (const TwilightLimits& limits : summer.twilight)
        EXPECT_FALSE(limits.dark.any) << limits.altitude;
    for (const PlanetPlan& p : summer.planets) {
        EXPECT_FALSE(p.observable) << p.name;
        EXPECT_EQ(p.reason, "le ciel ne devient pas assez sombre");
    }
    EXPECT_TRUE(summer.stars.empty());
    EXPECT_NE(nightPlanText(summer).find("Soleil de minuit"), std::string::npos);
    // The middle of a night without darkness is the Sun's lowest point, near
    // 0 h 45 of summer time at 19° east.
    EXPECT_NEAR(summer.middle, 24.77, 0.2);

    const NightPlan winter = planOf(21, 12, 2026, tromso());
    expectTwilightTable(winter, bodies.sun);
    EXPECT_TRUE(winter.twilight[0].dark.any);  // the Sun stays below the horizon all night
    EXPECT_EQ(winter.twilight[0].dark.start, 12.0);
    EXPECT_EQ(winter.twilight[0].dark.end, 36.0);
    EXPECT_EQ(winter.darkLevel, 3);
    EXPECT_NE(nightPlanText(winter).find("nuit polaire"), std::string::npos);
    ASSERT_NE(eventOf(winter, "saison"), nullptr);
    EXPECT_NE(eventOf(winter, "saison")->text.find("hiver"), std::string::npos);
}

TEST_F(NightPlanTest, JupiterSaturnConjunctionIsTheSearchsAndOnlyOnItsNight)
{
    const CLieu place = paris();
    const NightPlan plan = planOf(21, 12, 2020, place);
    const NightEvent* conjunction = eventOf(plan, "conjonction");
    ASSERT_NE(conjunction, nullptr);
    EXPECT_NE(conjunction->text.find("Jupiter et Saturne"), std::string::npos);
    SolarBodies bodies(sky->bodies());
    ConjunctionSearch search(bodies, CInstant(21, 12, 2020, 12, 0, 0, place));
    const auto found = search.Conjunction(4, 5);
    ASSERT_TRUE(found.has_value());
    EXPECT_NEAR(conjunction->hours, NightClock(plan.night).hoursAt(found->found.eventJulianDay), 1e-6);

    // The night before, the two planets are already within 5° of each other
    // but have not passed: a close approach, no conjunction.
    const NightPlan before = planOf(20, 12, 2020, place);
    EXPECT_EQ(eventOf(before, "conjonction"), nullptr);
    const NightEvent* approach = eventOf(before, "rapprochement");
    ASSERT_NE(approach, nullptr);
    EXPECT_NE(approach->text.find("Jupiter et Saturne"), std::string::npos);
}

TEST_F(NightPlanTest, SummerTimeChangesAreEventsAndDurationsStayReal)
{
    const NightPlan spring = planOf(28, 3, 2026, paris());
    const NightEvent* change = eventOf(spring, "heure");
    ASSERT_NE(change, nullptr);
    EXPECT_EQ(change->text, "Passage à l'heure d'été : à 2.00 il est 3.00");
    // The morning's times are summer time: the night is an hour shorter
    // than its legal times say.
    EXPECT_NEAR(spring.darkHours, spring.darkWindow.end - spring.darkWindow.start - 1.0, 1e-3);
    SolarBodies bodies(sky->bodies());
    expectTwilightTable(spring, bodies.sun);

    const NightPlan autumn = planOf(24, 10, 2026, paris());
    ASSERT_NE(eventOf(autumn, "heure"), nullptr);
    EXPECT_EQ(eventOf(autumn, "heure")->text, "Retour à l'heure d'hiver : à 3.00 il est 2.00");
    EXPECT_NEAR(autumn.darkHours, autumn.darkWindow.end - autumn.darkWindow.start + 1.0, 1e-3);
    expectTwilightTable(autumn, bodies.sun);

    // A place without summer time has no change.
    CLieu plain = paris();
    plain.setObservesSummerTime(0);
    EXPECT_EQ(eventOf(planOf(28, 3, 2026, plain), "heure"), nullptr);
}

TEST_F(NightPlanTest, CompassPointsTurnFromTheSouthTowardsTheWest)
{
    // Azimuths are counted from the South towards the West.
    EXPECT_EQ(compassPoint(0.0), "S");
    EXPECT_EQ(compassPoint(90.0 * kRadPerDeg), "O");
    EXPECT_EQ(compassPoint(180.0 * kRadPerDeg), "N");
    EXPECT_EQ(compassPoint(-90.0 * kRadPerDeg), "E");
    EXPECT_EQ(compassPoint(-157.5 * kRadPerDeg), "NNE");
    EXPECT_EQ(compassPoint(11.0 * kRadPerDeg), "S");
    EXPECT_EQ(compassPoint(12.0 * kRadPerDeg), "SSO");
}
