// SPDX-License-Identifier: GPL-3.0-or-later
// Reference-line points, the zodiac table and the zenith marker.
#include "sky/CPointEcliptique.h"
#include "sky/CPointEquateur.h"
#include "sky/CZenith.h"
#include "sky/CZodiac.h"
#include "time/CInstant.h"
#include "time/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zarn;

namespace {

CInstant anyInstant()
{
    return CInstant(21, 3, 2001, 22, 30, 0, CLieu("Lyon", -4.83, 45.76 * kRadPerDeg, 1, 1));
}

}  // namespace

TEST(ReferencePoints, TheEquatorPointIgnoresItsStoredDeclination)
{
    const double alpha = 1.2;
    CPointEquateur off(alpha, 0.3);
    CPointEcliptique onEquator(alpha, 0.0);
    off.Place(0.0, 1.0, 0.0);
    EXPECT_NEAR(off.GetZ(), 0.0, 1e-12);
    // In an observer's frame the point is where a point at δ = 0 would be.
    const double theta = 0.7, c = std::sin(0.8), s = std::cos(0.8);
    off.Place(theta, c, s);
    onEquator.Place(theta, c, s);
    EXPECT_NEAR(off.GetX(), onEquator.GetX(), 1e-12);
    EXPECT_NEAR(off.GetY(), onEquator.GetY(), 1e-12);
    EXPECT_NEAR(off.GetZ(), onEquator.GetZ(), 1e-12);
    EXPECT_EQ(off.GetName(), "Equateur");
    EXPECT_EQ(onEquator.GetName(), "Ecliptique");
}

TEST(Zodiac, FirstLimitNotBelowAlphaDecidesAndDeclinationPicksTheName)
{
    const CZodiac fish(0.5, -0.1, "PSC", "CET");
    const CZodiac ram(1.0, -1.6, "ARI", "ARI");
    const CZodiac last(kTwoPi, 0.0, "PSC", "AQR");
    const ZodiacTable table{&fish, &ram, &last};
    EXPECT_EQ(zodiacLookup(table, 0.2, 0.0), "PSC");
    EXPECT_EQ(zodiacLookup(table, 0.2, -0.1), "CET");  // at the limit: below
    EXPECT_EQ(zodiacLookup(table, 0.5, -0.2), "CET");  // α at the limit: this entry
    EXPECT_EQ(zodiacLookup(table, 0.8, 0.3), "ARI");
    EXPECT_EQ(zodiacLookup(table, kTwoPi, -0.3), "AQR");
    EXPECT_EQ(zodiacLookup(table, kTwoPi + 0.1, 0.0), "");
    EXPECT_EQ(zodiacLookup({}, 1.0, 0.0), "");
}

TEST(Zenith, StandsAtTheSiderealTimeAndTheLatitude)
{
    const CInstant instant = anyInstant();
    CZenith zenith;
    ASSERT_TRUE(zenith.Compute(instant));
    EXPECT_DOUBLE_EQ(zenith.GetAlpha(), instant.siderealTime());
    EXPECT_DOUBLE_EQ(zenith.GetDelta(), instant.place().latitude());
    EXPECT_EQ(zenith.GetName(), "Zénith");
    // Turned into the observer's frame it is straight overhead.
    zenith.Place(instant.siderealTime(), instant.place().sinLatitude(), instant.place().cosLatitude());
    EXPECT_NEAR(zenith.GetZ(), 1.0, 1e-12);
}
