// SPDX-License-Identifier: GPL-3.0-or-later
#include "BodiesTestData.h"

#include "time/CInstant.h"
#include "time/Calendar.h"

#include <cmath>

using namespace zarn;

namespace {
constexpr double kRealPi = 3.14159265358979323846;

CInstant utc(int day, int month, int year, int hour, int minute)
{
    const CLieu paris("Paris", -2.3375, 48.8367 * kRadPerDeg, 0, 0);
    return CInstant(day, month, year, hour, minute, 0, paris);
}
}  // namespace

TEST(CLune, NewMoonOfJanuary2000)
{
    SolarBodies bodies = loadedBodies();
    CLune& moon = bodies.moon;
    // New Moon on 6 January 2000 at 18:14 UT.
    ASSERT_TRUE(moon.Compute(utc(6, 1, 2000, 18, 14)));
    EXPECT_LT(moon.GetIlluminatedFraction(), 0.003);
    EXPECT_NEAR(std::fabs(moon.GetPhaseAngle()), kRealPi, 0.11);
    EXPECT_NEAR(moon.GetTerminator(), 1.0, 0.006);

    // Before it the Moon is west of the Sun (waning), after it east (waxing).
    ASSERT_TRUE(moon.Compute(utc(6, 1, 2000, 16, 0)));
    EXPECT_GT(moon.GetPhaseAngle(), 0.0);
    EXPECT_GT(moon.Elongation(utc(6, 1, 2000, 16, 0)), 0.0);
    ASSERT_TRUE(moon.Compute(utc(6, 1, 2000, 20, 30)));
    EXPECT_LT(moon.GetPhaseAngle(), 0.0);
    EXPECT_LT(moon.Elongation(utc(6, 1, 2000, 20, 30)), 0.0);
}

TEST(CLune, FullMoonOfTheEclipseOf21January2000)
{
    SolarBodies bodies = loadedBodies();
    CLune& moon = bodies.moon;
    // Middle of the total lunar eclipse: the Moon opposite the Sun, β ≈ 0.
    ASSERT_TRUE(moon.Compute(utc(21, 1, 2000, 4, 44)));
    EXPECT_GT(moon.GetIlluminatedFraction(), 0.9999);
    EXPECT_NEAR(moon.GetTerminator(), -1.0, 2e-4);
    EXPECT_NEAR(moon.GetPhaseAngle(), 0.0, 0.02);
    EXPECT_NEAR(std::fabs(moon.Elongation(utc(21, 1, 2000, 4, 44))), kRealPi, 0.01);
}

TEST(CLune, QuartersLightTheLimbTowardsTheSun)
{
    SolarBodies bodies = loadedBodies();
    CLune& moon = bodies.moon;
    // First quarter (14 January 2000): the Sun is west, the bright limb faces
    // west (position angle between 180° and 360°, i.e. χ < 0).
    ASSERT_TRUE(moon.Compute(utc(14, 1, 2000, 13, 34)));
    EXPECT_NEAR(moon.GetIlluminatedFraction(), 0.5, 0.02);
    EXPECT_LT(moon.GetPhaseAngle(), 0.0);
    EXPECT_LT(moon.GetBrightLimbAngle(), 0.0);
    // Last quarter (28 January 2000): the other way round.
    ASSERT_TRUE(moon.Compute(utc(28, 1, 2000, 7, 57)));
    EXPECT_NEAR(moon.GetIlluminatedFraction(), 0.5, 0.02);
    EXPECT_GT(moon.GetPhaseAngle(), 0.0);
    EXPECT_GT(moon.GetBrightLimbAngle(), 0.0);
}

TEST(CLune, ParallacticAngleFollowsTheHourAngle)
{
    SolarBodies bodies = loadedBodies();
    CLune& moon = bodies.moon;
    for (int hour = 0; hour < 24; hour += 5) {
        const CInstant instant = utc(10, 3, 2010, hour, 0);
        ASSERT_TRUE(moon.Compute(instant));
        const double H = std::remainder(instant.siderealTime() - moon.GetAlpha(), 2 * kRealPi);
        // North of the Moon's declination, q has the sign of the hour angle.
        ASSERT_LT(moon.GetDelta(), instant.place().latitude());
        EXPECT_EQ(moon.GetParallacticAngle() > 0, H > 0) << hour;
        EXPECT_GT(moon.GetParallacticAngle(), -kPi);
        EXPECT_LE(moon.GetParallacticAngle(), kPi);
    }
}

TEST(CLune, ParallaxAndVisibilityThreshold)
{
    SolarBodies bodies = loadedBodies();
    CLune& moon = bodies.moon;
    ASSERT_TRUE(moon.Compute(utc(1, 6, 2015, 0, 0)));
    const double parallax = moon.GetParallax();
    EXPECT_NEAR(parallax, std::asin(1.0 / moon.GetDistance()), 1e-15);
    EXPECT_NEAR(parallax * kDegPerRad, 0.95, 0.04);
    const double threshold = std::sin(parallax - 0.61 * kRadPerDeg);
    moon.SetHeight(threshold + 1e-9);
    EXPECT_TRUE(moon.IsUp());
    moon.SetHeight(threshold - 1e-9);
    EXPECT_FALSE(moon.IsUp());
    // Its parallax lowers it by more than refraction and its radius raise it:
    // at a geocentric altitude of 0.1° it has not risen yet.
    moon.SetHeight(std::sin(0.1 * kRadPerDeg));
    EXPECT_FALSE(moon.IsUp());
}

TEST(CLune, GetPositionLeavesThePhaseAlone)
{
    SolarBodies bodies = loadedBodies();
    CLune& moon = bodies.moon;
    ASSERT_TRUE(moon.Compute(utc(21, 1, 2000, 4, 44)));
    const double k = moon.GetIlluminatedFraction();
    double alpha, delta, distance;
    ASSERT_TRUE(moon.GetPosition(1.0, alpha, delta, distance));
    EXPECT_EQ(moon.GetIlluminatedFraction(), k);
    EXPECT_EQ(moon.GetAlpha(), alpha);
    EXPECT_NEAR(distance, 60.3, 4.0);
}

TEST(CLune, PhaseAndAnglesAgreeWithAnIndependentEphemeris)
{
    // Illuminated fraction, bright-limb position angle χ and parallactic angle
    // q at Paris, from the geocentric apparent places of a modern ephemeris
    // (PyEphem 4.1.4) and the textbook definitions of χ and q; degrees.
    const struct {
        int day, month, year, hour, minute;
        double k, chi, q;
    } cases[] = {
        {14, 1, 2000, 13, 34, 0.5019, -111.43, -39.21},
        {28, 1, 2000, 7, 57, 0.5014, 108.59, 22.41},
        {10, 3, 2010, 20, 0, 0.2140, 79.93, 8.73},
        {1, 6, 2015, 0, 0, 0.9689, -65.57, 16.28},
        {3, 9, 2023, 22, 15, 0.8013, 69.64, -42.52},
    };
    SolarBodies bodies = loadedBodies();
    CLune& moon = bodies.moon;
    for (const auto& c : cases) {
        ASSERT_TRUE(moon.Compute(utc(c.day, c.month, c.year, c.hour, c.minute)));
        EXPECT_NEAR(moon.GetIlluminatedFraction(), c.k, 0.004) << c.year << "-" << c.month;
        EXPECT_NEAR(moon.GetTerminator(), 1 - 2 * c.k, 0.008) << c.year << "-" << c.month;
        EXPECT_NEAR(moon.GetBrightLimbAngle() * kDegPerRad, c.chi, 0.5) << c.year << "-" << c.month;
        EXPECT_NEAR(moon.GetParallacticAngle() * kDegPerRad, c.q, 0.1) << c.year << "-" << c.month;
    }
}
