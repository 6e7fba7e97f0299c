// SPDX-License-Identifier: GPL-3.0-or-later
// The conjunction and animation charts: the ecliptic band, the longitude
// seam, and bodies plotted at one place.
#include "ChartTestSky.h"

#include "../support/RecordingSurface.h"
#include "charts/CCarteAnimation.h"
#include "charts/EclipticSky.h"
#include "sky/DrawFlags.h"
#include "sky/SkyMath.h"
#include "sky/SkyModel.h"

#include <gtest/gtest.h>

using namespace zarn;

namespace {

struct EclipticCharts : ::testing::Test {
    static SkyModel& sky()
    {
        static SkyModel model;
        static const bool loaded = model.load(ZARN_DATA_DIR, instant()).ok();
        EXPECT_TRUE(loaded);
        return model;
    }
    static const CInstant& instant()
    {
        static const CInstant at(21, 12, 2020, 18, 0, 0, CLieu("Paris", -2.33, 48.83 * kRadPerDeg, 1, 1));
        return at;
    }
    // An object at an ecliptic longitude and latitude (degrees).
    test::TestObject& at(double lambdaDeg, double betaDeg)
    {
        auto object = std::make_unique<test::TestObject>("x", 10);
        double alpha = 0.0, delta = 0.0;
        EclipticToEquatorial(instant().centuries(), lambdaDeg * kRadPerDeg, betaDeg * kRadPerDeg, alpha, delta);
        object->SetEquatorial(alpha, delta);
        objects.push_back(std::move(object));
        return *objects.back();
    }
    EclipticSky host{sky(), instant()};
    std::vector<std::unique_ptr<test::TestObject>> objects;
};

}  // namespace

TEST_F(EclipticCharts, ConjunctionChartKeepsTheBandAndWrapsLongitudes)
{
    CCarteConjonction chart(host, 300.0);
    chart.SetReference(&at(170.0, 0.0));
    chart.PlaceConstellationStars(300.0, false);  // fixes the centre
    double x = 0.0, y = 0.0;
    EXPECT_FALSE(chart.Project(at(170.0, 41.0), 0.0, x, y));
    EXPECT_TRUE(chart.Project(at(170.0, 39.0), 0.0, x, y));
    EXPECT_NEAR(y, -39.0 * kRadPerDeg, 1e-6);  // north is up
    // 190° on either side of the reference: across the seam, 170° away.
    ASSERT_TRUE(chart.Project(at(-20.0, 0.0), 0.0, x, y));
    EXPECT_NEAR(x / kRadPerDeg, -170.0, 1e-6);
    ASSERT_TRUE(chart.Project(at(-20.0 - 20.0, 0.0), 0.0, x, y));
    EXPECT_NEAR(x / kRadPerDeg, -150.0, 1e-6);
    ASSERT_TRUE(chart.Project(at(0.0, 0.0), 0.0, x, y));
    EXPECT_NEAR(x / kRadPerDeg, 170.0, 1e-6);  // east to the left, west to the right
    // No star of the catalogue lies outside the band on the chart.
    for (const PlacedObject& placed : chart.ScreenStars())
        EXPECT_LE(std::abs(placed.y), roundUnits(300.0 * 40.0 * kRadPerDeg));
    EXPECT_EQ(chart.Zoom(900.0), 300.0);
    EXPECT_EQ(chart.GetScale({}), 900.0);
    EXPECT_EQ(chart.Zoom(0.0), 900.0);
    EXPECT_EQ(chart.GetScale({}), 900.0);
}

TEST_F(EclipticCharts, TwoBodiesAtOnePlaceAreBothDrawnAndNamed)
{
    CCarteAnimation chart(host);
    SolarBodies& bodies = host.Bodies();
    chart.SetReference(&bodies.body(kMars));
    chart.SetRegion(0.0, 0.0, 0.5, 0.25);
    chart.SetScreenRect({-400, -200, 400, 200});
    bodies.body(kMars).SetEquatorial(0.1, 0.02);
    bodies.body(kJupiter).SetEquatorial(0.1, 0.02);
    const SPoint mars = chart.Plot(bodies.body(kMars), kMars, CCarteAnimation::kBodyMark);
    const SPoint jupiter = chart.Plot(bodies.body(kJupiter), kJupiter, CCarteAnimation::kBodyMark);
    EXPECT_EQ(mars, jupiter);
    EXPECT_EQ(chart.BoxOf(kMars), 0);
    EXPECT_EQ(chart.BoxOf(kSun), kMars);
    test::RecordingSurface dc;
    chart.DrawMoving(dc, draw::kPlanets | draw::kOwnColours);
    EXPECT_EQ(dc.Of("ellipse").size(), 2u);
    ASSERT_EQ(dc.Of("rectangle").size(), 2u);
    EXPECT_EQ(dc.Of("rectangle")[0].colour, rgb(255, 0, 0));  // Mars's trail is red
    test::RecordingSurface facts;
    const ChartHit hit = chart.HitTest(mars, facts, draw::kPlanets);
    EXPECT_TRUE(hit.precise);
    EXPECT_EQ(hit.name, "Mars");
    // Far outside the region: nothing recorded, the edge marker returned.
    bodies.body(kSaturn).SetEquatorial(3.0, 0.0);
    EXPECT_EQ(chart.Plot(bodies.body(kSaturn), kSaturn, CCarteAnimation::kNextPosition), CCarteAnimation::kOutside);
    EXPECT_EQ(chart.TrailSize(), 2u);
}
