// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/CAstre.h"
#include "sky/SkyMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zarn;

namespace {
constexpr double kRealPi = 3.14159265358979323846;

// An object with a fixed position, as a catalogue object would be.
class FixedObject : public CAstre {
public:
    FixedObject(double alpha, double delta) { SetEquatorial(alpha, delta); }
};
}  // namespace

TEST(ReduceAngle, HalfOpenIntervalBounds)
{
    EXPECT_DOUBLE_EQ(ReduceAngle(0.0, 0.0, kTwoPi), kTwoPi);
    EXPECT_DOUBLE_EQ(ReduceAngle(kTwoPi, 0.0, kTwoPi), kTwoPi);
    EXPECT_NEAR(ReduceAngle(-0.1, 0.0, kTwoPi), kTwoPi - 0.1, 1e-12);
    EXPECT_NEAR(ReduceAngle(kTwoPi + 0.1, 0.0, kTwoPi), 0.1, 1e-12);
    EXPECT_DOUBLE_EQ(ReduceAngle(-180.0, -180.0, 180.0), 180.0);
    EXPECT_DOUBLE_EQ(ReduceAngle(725.0, 0.0, 360.0), 5.0);
}

TEST(Polynomial, HornerFromTheHighestCoefficient)
{
    const double a[4] = {1.0, -2.0, 3.0, 0.5};
    EXPECT_DOUBLE_EQ(Polynomial(a, 2.0, 3), 1.0 - 4.0 + 12.0 + 4.0);
    EXPECT_DOUBLE_EQ(Polynomial(a, 2.0, 1), -3.0);
    EXPECT_DOUBLE_EQ(Polynomial(a, 7.0, 0), 1.0);
}

TEST(EclipticToEquatorial, SolsticePointAndFailure)
{
    double alpha = -1, delta = -1;
    ASSERT_TRUE(EclipticToEquatorial(0.0, kRealPi / 2, 0.0, alpha, delta));
    EXPECT_NEAR(alpha, kRealPi / 2, 1e-12);
    EXPECT_NEAR(delta, 23.452294 * kRadPerDeg, 1e-12);
    // One century later the obliquity is smaller by 0.0130125°.
    ASSERT_TRUE(EclipticToEquatorial(1.0, kRealPi / 2, 0.0, alpha, delta));
    EXPECT_NEAR(delta, (23.452294 - 0.0130125) * kRadPerDeg, 1e-12);
    // The equinox maps to α = 2π, never 0.
    ASSERT_TRUE(EclipticToEquatorial(0.0, 0.0, 0.0, alpha, delta));
    EXPECT_DOUBLE_EQ(alpha, kTwoPi);

    alpha = delta = 7.0;
    EXPECT_FALSE(EclipticToEquatorial(0.0, 1.0, std::numeric_limits<double>::quiet_NaN(), alpha, delta));
    EXPECT_EQ(alpha, 7.0);
    EXPECT_EQ(delta, 7.0);
}

TEST(EquatorialToHorizontal, MeridianAndHorizonPoints)
{
    const double phi = 48.85 * kRadPerDeg;
    // On the meridian, south of the zenith: azimuth 0 (counted from the South)
    // reduced to 2π, altitude 90° − φ + δ.
    Horizontal h = EquatorialToHorizontal(1.0, phi, 1.0, 0.2);
    EXPECT_NEAR(h.azimuth, kTwoPi, 1e-9);
    EXPECT_NEAR(h.altitude, kRealPi / 2 - phi + 0.2, 1e-12);
    // The equator six hours west of the meridian sets exactly in the West.
    h = EquatorialToHorizontal(kRealPi / 2, phi, 0.0, 0.0);
    EXPECT_NEAR(h.azimuth, kRealPi / 2, 1e-12);
    EXPECT_NEAR(h.altitude, 0.0, 1e-12);
}

TEST(Direction, EquatorialFrameRotationAndPole)
{
    FixedObject star(1.0, 0.3);
    double x, y, z;
    // c = 1.0 exactly: no rotation even with a nonzero s.
    star.Direction(2.5, 1.0, 0.7, x, y, z);
    EXPECT_NEAR(x, std::cos(1.5) * std::cos(0.3), 1e-15);
    EXPECT_NEAR(y, std::sin(1.5) * std::cos(0.3), 1e-15);
    EXPECT_NEAR(z, std::sin(0.3), 1e-15);

    // Horizon frame: z is the sine of the altitude.
    const double phi = 0.8;
    star.Direction(2.5, std::sin(phi), std::cos(phi), x, y, z);
    const Horizontal h = EquatorialToHorizontal(2.5, phi, 1.0, 0.3);
    EXPECT_NEAR(z, std::sin(h.altitude), 1e-12);
    EXPECT_NEAR(x * x + y * y + z * z, 1.0, 1e-12);

    FixedObject pole(0.4, kRealPi / 2);
    for (double theta : {0.0, 1.0, 4.0}) {
        pole.Direction(theta, 1.0, 0.0, x, y, z);
        EXPECT_NEAR(x, 0.0, 1e-15);
        EXPECT_NEAR(y, 0.0, 1e-15);
        EXPECT_NEAR(z, 1.0, 1e-15);
    }
}

TEST(Direction, PlaceKeepsTheCosinesAndHeightDecidesVisibility)
{
    FixedObject star(2.0, -0.4);
    star.Place(0.0, 1.0, 0.0);
    EXPECT_NEAR(star.GetZ(), std::sin(-0.4), 1e-15);
    star.SetHeight(-1e-9);
    EXPECT_FALSE(star.IsUp());
    star.SetHeight(0.0);
    EXPECT_FALSE(star.IsUp());
    star.SetHeight(1e-9);
    EXPECT_TRUE(star.IsUp());
}

TEST(Interpolate5, LinesAndParabolas)
{
    const double line[5] = {-6.0, -3.0, 0.0, 3.0, 6.0};
    EXPECT_EQ(Interpolate5(InterpolationMode::Zero, line), 0.0);
    // A line crossing zero 0.4 step after the middle value.
    const double shifted[5] = {-2.4, -1.4, -0.4, 0.6, 1.6};
    EXPECT_NEAR(Interpolate5(InterpolationMode::Zero, shifted), 0.4, 1e-7);
    // y = (n − 0.3)² − 1 sampled at n = −2..2: zero at n = −0.7, extremum at 0.3.
    double parabola[5];
    for (int i = 0; i < 5; ++i)
        parabola[i] = (i - 2 - 0.3) * (i - 2 - 0.3) - 1.0;
    EXPECT_NEAR(Interpolate5(InterpolationMode::Extremum, parabola), 0.3, 1e-7);
    // A gently curved cubic: the zero lies where the cubic vanishes.
    auto cubic = [](double n) { return (n - 0.25) + 0.05 * n * n + 0.01 * n * n * n; };
    double samples[5];
    for (int i = 0; i < 5; ++i)
        samples[i] = cubic(i - 2);
    EXPECT_NEAR(cubic(Interpolate5(InterpolationMode::Zero, samples)), 0.0, 1e-7);
}

TEST(SolveKepler, CircularEccentricAndDegenerate)
{
    EXPECT_DOUBLE_EQ(SolveKepler(0.0, 1.25), 1.25);
    EXPECT_NEAR(SolveKepler(0.0, -1.0), kTwoPi - 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(SolveKepler(0.0, 0.0), kTwoPi);
    for (double e : {0.2, 0.9, 0.97, 0.999}) {
        for (double M : {0.01, 0.5, 3.0, 5.9, -0.3, 40.0}) {
            const double E = SolveKepler(e, M);
            ASSERT_GT(E, 0.0);
            ASSERT_LE(E, kTwoPi);
            EXPECT_NEAR(std::remainder(E - e * std::sin(E) - M, 2 * kRealPi), 0.0, 1e-7)
                << "e=" << e << " M=" << M;
        }
    }
    EXPECT_TRUE(std::isnan(SolveKepler(std::numeric_limits<double>::quiet_NaN(), 1.0)));
    EXPECT_TRUE(std::isnan(SolveKepler(0.1, std::numeric_limits<double>::infinity())));
}
