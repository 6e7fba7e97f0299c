// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the three sky charts: where objects land, what is placed and
// what is not, the strip's direction labels, the seam, the ground, the hit
// test and the thinning of background objects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "../support/RecordingSurface.h"
#include "ChartTestSky.h"
#include "charts/CCarteCiel.h"
#include "charts/CCarteHorizon.h"
#include "charts/CCarteZenith.h"
#include "sky/DrawFlags.h"

namespace zarn {
namespace {

using test::DrawCall;
using test::RecordingSurface;
using test::TestSky;

// The logical rectangle of a 402 x 402 client once its origin is at the
// centre: AdjustRect makes it the 400-unit square centred on the origin.
constexpr SRect kRoundRect{-201, -201, 201, 201};
// A horizon window 800 wide and 300 high, origin on the horizon at the left.
constexpr SRect kStripRect{0, -300, 800, 0};

const PlacedObject* placementOf(const std::vector<PlacedObject>& list, const CAstre* object)
{
    for (const PlacedObject& placed : list)
        if (placed.object == object)
            return &placed;
    return nullptr;
}

TEST(WholeSkyChart, AdjustsToTheCentredSquare)
{
    TestSky sky;
    CCarteCiel chart(sky);
    EXPECT_EQ(chart.AdjustRect(kRoundRect), (SRect{-200, -200, 200, 200}));
    EXPECT_EQ(chart.AdjustRect({0, 0, 1000, 600}), (SRect{201, 1, 799, 599}));
    EXPECT_EQ(chart.AdjustRect({0, 0, 500, 900}), (SRect{0, 200, 500, 700}));
    RecordingSurface dc;
    EXPECT_EQ(chart.GetOrigin(dc, {0, 0, 1000, 600}), (SPoint{500, 300}));
    EXPECT_DOUBLE_EQ(chart.GetScale({-200, -200, 200, 200}), 200.0);
}

TEST(WholeSkyChart, ZenithInTheMiddleAndCardinalPointsOnTheRim)
{
    TestSky sky;
    CConstellation& group = sky.NewGroup("Test");
    const double phi = 48.83;
    const CAstre* zenith = sky.AddAt(group, 0.0, phi);
    const CAstre* south = sky.AddAt(group, 0.0, phi - 90.0);
    const CAstre* north = sky.AddAt(group, 180.0, 90.0 - phi);
    const CAstre* west = sky.AddAt(group, 90.0, 0.0);
    const CAstre* east = sky.AddAt(group, -90.0, 0.0);
    CCarteCiel chart(sky);
    RecordingSurface dc;
    chart.Draw(dc, kRoundRect, 0);
    const auto& placed = chart.ScreenStars();
    ASSERT_EQ(placed.size(), 5u);
    auto at = [&](const CAstre* o) { return SPoint{placementOf(placed, o)->x, placementOf(placed, o)->y}; };
    EXPECT_EQ(at(zenith), (SPoint{0, 0}));
    EXPECT_EQ(at(south), (SPoint{0, 200}));
    EXPECT_EQ(at(west), (SPoint{200, 0}));
    EXPECT_EQ(at(north), (SPoint{0, -200}));
    EXPECT_EQ(at(east), (SPoint{-200, 0}));
    // Each projection leaves the sine of the altitude in the object.
    EXPECT_NEAR(zenith->GetHeight(), 1.0, 1e-9);
    EXPECT_NEAR(south->GetHeight(), 0.0, 1e-9);
    EXPECT_EQ(sky.redrawn, 1);  // the whole-sky chart tells its owner
}

TEST(WholeSkyChart, JustBelowTheHorizonPlacedButClippedFurtherBelowNotPlaced)
{
    TestSky sky;
    CConstellation& group = sky.NewGroup("Test");
    const CAstre* low = sky.AddAltAz(group, -4.0, 0.0);
    sky.AddAltAz(group, -6.0, 0.0);
    CCarteCiel chart(sky);
    RecordingSurface dc;
    chart.Draw(dc, kRoundRect, 0);
    ASSERT_EQ(chart.ScreenStars().size(), 1u);
    const PlacedObject& placed = chart.ScreenStars()[0];
    EXPECT_EQ(placed.object, low);
    EXPECT_GT(placed.y, 200);  // outside the horizon circle by a little
    EXPECT_LT(placed.y, 216);
    // The circular clip keeps it from being drawn: no disc of a star at its
    // place, only the sky disc and its rim.
    for (const DrawCall& ellipse : dc.Of("ellipse"))
        EXPECT_FALSE(ellipse.rect.width() < 20 && ellipse.rect.contains(placed.x, placed.y));
}

TEST(WholeSkyChart, ChartToSkyInvertsTheProjection)
{
    TestSky sky;
    CConstellation& group = sky.NewGroup("Test");
    const CAstre* star = sky.AddAltAz(group, 37.0, 123.0);
    CCarteCiel chart(sky);
    RecordingSurface dc;
    chart.Draw(dc, kRoundRect, 0);
    const PlacedObject& placed = chart.ScreenStars()[0];
    double ra = 0.0;
    double dec = 0.0;
    chart.ChartToSky(placed.x / 200.0, placed.y / 200.0, ra, dec);
    EXPECT_NEAR(dec, star->GetDelta(), 0.01);
    EXPECT_NEAR(std::remainder(ra - star->GetAlpha(), kTwoPi), 0.0, 0.01);
}

TEST(ZenithChart, MagnifiedAroundTheZenithWithTheSelectionShown)
{
    TestSky sky;
    CConstellation& group = sky.NewGroup("Test");
    const CAstre* high = sky.AddAltAz(group, 80.0, 0.0, "Haute");
    CCarteZenith chart(sky);
    EXPECT_EQ(chart.kind(), CCarte::Zenith);
    EXPECT_DOUBLE_EQ(chart.GetScale({-200, -200, 200, 200}), 634.0);
    sky.selected = const_cast<CAstre*>(high);
    RecordingSurface dc;
    chart.Draw(dc, kRoundRect, draw::kZenithChart);
    const PlacedObject& placed = chart.ScreenStars()[0];
    // tan(5°) of a stereographic half-angle: y = 634 · cos 80° / (1 + sin 80°).
    EXPECT_EQ(placed.y, static_cast<int>(634.0 * std::cos(80 * kRadPerDeg) / (1 + std::sin(80 * kRadPerDeg)) + 0.5));
    EXPECT_EQ(sky.shownText, "Haute");
    EXPECT_EQ(sky.shownAt, (SPoint{placed.x, placed.y}));
    EXPECT_EQ(sky.redrawn, 0);
}

TEST(BackgroundObjects, WholeSkyThinsByTwoOrThreeOthersPlaceAll)
{
    TestSky sky;
    CConstellation& pool = sky.NewGroup("pool");
    for (int i = 0; i < 10; ++i)
        sky.others.push_back(sky.AddAltAz(pool, 30.0, 10.0 * i));
    sky.list.clear();  // the objects are background objects only
    RecordingSurface wide;
    RecordingSurface small;
    small.screenWidth = 640;
    CCarteCiel whole(sky);
    whole.Draw(wide, kRoundRect, 0);
    EXPECT_EQ(whole.ScreenOthers().size(), 5u);
    whole.ClearPlacements();
    whole.Draw(small, kRoundRect, 0);
    EXPECT_EQ(whole.ScreenOthers().size(), 4u);
    EXPECT_EQ(whole.ScreenOthers()[1].object, sky.others[3]);
    CCarteZenith zenith(sky);
    zenith.Draw(small, kRoundRect, 0);
    EXPECT_EQ(zenith.ScreenOthers().size(), 10u);
    CCarteHorizon horizon(sky, 1);
    horizon.Draw(small, kStripRect, 0);
    EXPECT_EQ(horizon.ScreenOthers().size(), 10u);
}

TEST(HorizonChart, DueSouthAtThirtyDegreesLandsInTheMiddleOfTheStrip)
{
    TestSky sky;
    CConstellation& group = sky.NewGroup("Test");
    const CAstre* south30 = sky.AddAltAz(group, 30.0, 0.0);
    sky.AddAltAz(group, -0.01, 10.0);
    sky.AddAltAz(group, 65.01, 10.0);
    const CAstre* high = sky.AddAltAz(group, 64.99, 10.0);
    const CAstre* low = sky.AddAltAz(group, 0.01, 10.0);
    CCarteHorizon chart(sky, 3);
    EXPECT_NEAR(chart.SetDirection(0), kPi, 1e-12);
    RecordingSurface dc;
    chart.Draw(dc, kStripRect, 0);
    ASSERT_EQ(chart.ScreenStars().size(), 3u);
    EXPECT_NE(placementOf(chart.ScreenStars(), low), nullptr);
    const PlacedObject* placed = placementOf(chart.ScreenStars(), south30);
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->x, 900);   // 3h
    EXPECT_EQ(placed->y, -150);  // −h/2
    EXPECT_NE(placementOf(chart.ScreenStars(), high), nullptr);
    SPoint origin = chart.GetOrigin(dc, {0, 0, 800, 300});
    EXPECT_EQ(origin, (SPoint{0, 300}));
}

TEST(HorizonChart, LabelsReadFromNorthEastToNorthWhenFacingSouth)
{
    TestSky sky;
    CCarteHorizon chart(sky, 3);
    chart.SetDirection(0);
    RecordingSurface dc;
    // The whole strip in view: 6 × 300 units.
    chart.Draw(dc, {0, -300, 1800, 0}, 0);
    const auto boxes = dc.Of("box");
    ASSERT_EQ(boxes.size(), 8u);
    std::vector<std::string> order;
    for (const auto& box : boxes)
        order.push_back(box.text);
    EXPECT_EQ(order, (std::vector<std::string>{"NE", "E", "SE", "S", "SW", "W", "NW", "N"}));
    EXPECT_EQ((boxes[3].rect.left + boxes[3].rect.right) / 2, 900);  // "S" in the middle
    // Facing north, "N" is in the middle.
    chart.SetDirection(4);
    RecordingSurface north;
    chart.Draw(north, {0, -300, 1800, 0}, 0);
    EXPECT_EQ(north.Of("box")[3].text, "N");
}

TEST(HorizonChart, FigureAcrossTheSeamIsNotDrawn)
{
    TestSky sky;
    CConstellation& group = sky.NewGroup("Test");
    sky.AddAltAz(group, 20.0, 179.0);  // just west of north: right end of the strip
    sky.AddAltAz(group, 20.0, 181.0);  // just east of north: left end
    sky.AddAltAz(group, 20.0, 5.0);
    sky.AddAltAz(group, 25.0, -5.0);
    group.setFigure({0x0100, 0x0302});
    CCarteHorizon chart(sky, 3);
    chart.SetDirection(0);
    RecordingSurface dc;
    chart.Draw(dc, kStripRect, draw::kFigures);
    std::vector<DrawCall> grey;
    for (const DrawCall& line : dc.Of("line"))
        if (line.colour == kGrey)
            grey.push_back(line);
    ASSERT_EQ(grey.size(), 1u);
    EXPECT_LT(std::abs(grey[0].rect.left - 900), 40);
}

TEST(HorizonChart, GroundIsTheSameAtEveryRepaintAndHidesWhatIsUnderIt)
{
    TestSky sky;
    CCarteHorizon chart(sky);
    RecordingSurface first;
    RecordingSurface second;
    chart.Draw(first, kStripRect, 0);
    chart.Draw(second, kStripRect, 0);
    // The ground is one outline from the horizon through the top of every column.
    auto ground = [](const RecordingSurface& dc) {
        std::vector<int> heights;
        for (const DrawCall& polygon : dc.Of("polygon"))
            if (polygon.colour == paletteIndex(kGroundPaletteEntry))
                for (std::size_t i = 1; i + 2 < polygon.points.size(); ++i) {
                    EXPECT_EQ(polygon.points[i].x, static_cast<int>(i) - 1);
                    heights.push_back(-polygon.points[i].y);
                }
        return heights;
    };
    const auto columns = ground(first);
    ASSERT_EQ(columns.size(), 800u);
    EXPECT_EQ(columns, ground(second));
    // Heights stay between h/60 and h/20 and start at h/30.
    EXPECT_EQ(columns[0], 10);
    for (const int h : columns) {
        EXPECT_GE(h, 5);
        EXPECT_LE(h, 15);
    }
    // The hit test replays the same profile.
    const int x = 437;
    const int height = columns[x];
    EXPECT_TRUE(chart.IsHiddenByGround(kStripRect, x, -height));
    EXPECT_FALSE(chart.IsHiddenByGround(kStripRect, x, -height - 1));
    EXPECT_FALSE(chart.IsHiddenByGround(kStripRect, x, 0));
    // And hit-testing did not disturb the next repaint.
    RecordingSurface third;
    chart.Draw(third, kStripRect, 0);
    EXPECT_EQ(ground(third), columns);
}

TEST(HorizonChart, TurningShiftsPlacementsLikePlacingAgain)
{
    TestSky sky;
    CConstellation& group = sky.NewGroup("Test");
    for (int a = -170; a <= 180; a += 35)
        sky.AddAltAz(group, 20.0, a);
    CCarteHorizon chart(sky, 3);
    RecordingSurface dc;
    const SRect rect{0, -300, 1800, 0};
    chart.Draw(dc, rect, 0);
    const double change = chart.SetDirection(2);  // west: angle π/2 from 0
    EXPECT_NEAR(change, kPi / 2, 1e-12);
    chart.ShiftPlacements(change * 1.273239544568912, 1800);
    const auto shifted = chart.ScreenStars();
    chart.ClearPlacements();
    chart.Draw(dc, rect, 0);
    ASSERT_EQ(shifted.size(), chart.ScreenStars().size());
    for (std::size_t i = 0; i < shifted.size(); ++i) {
        EXPECT_NEAR(shifted[i].x, chart.ScreenStars()[i].x, 1) << i;
        EXPECT_EQ(shifted[i].y, chart.ScreenStars()[i].y);
    }
}

TEST(HorizonChart, TurnsTowardsTheSelectionThenKeepsThatAngle)
{
    TestSky sky;
    CConstellation& group = sky.NewGroup("Test");
    CAstre* target = sky.AddAltAz(group, 30.0, 75.0, "Cible");
    sky.selected = target;
    CCarteHorizon chart(sky, 3);
    chart.SetDirection(CCarteHorizon::kTowardsSelection);
    RecordingSurface dc;
    chart.Draw(dc, kStripRect, 0);
    EXPECT_EQ(chart.DirectionIndex(), CCarteHorizon::kKeepAngle);
    EXPECT_EQ(chart.ScreenStars()[0].x, 900);
    EXPECT_EQ(sky.shownText, "Cible");
    double ra = 0.0;
    double dec = 0.0;
    chart.ChartToSky(kPi, -30.0 * kRadPerDeg, ra, dec);
    EXPECT_NEAR(dec, target->GetDelta(), 1e-9);
}

TEST(ChartHitTest, PreciseHitsPreferBrighterAndTheLaterPlacementOnATie)
{
    TestSky sky;
    CConstellation& group = sky.NewGroup("Test");
    sky.AddAltAz(group, 60.0, 30.0, "Premier", 20);
    sky.AddAltAz(group, 60.0, 30.0, "Second", 20);
    CCarteCiel chart(sky);
    RecordingSurface dc;
    chart.Draw(dc, kRoundRect, 0);
    const PlacedObject& p = chart.ScreenStars()[0];
    ChartHit hit = chart.HitTest({p.x, p.y}, dc, 0);
    EXPECT_TRUE(hit.precise);
    EXPECT_EQ(hit.name, "Second");  // examined first, kept on the tie

    TestSky brighter;
    CConstellation& g2 = brighter.NewGroup("Test");
    brighter.AddAltAz(g2, 60.0, 30.0, "Brillante", 5);
    brighter.AddAltAz(g2, 60.0, 30.0, "Faible", 40);
    CCarteCiel chart2(brighter);
    chart2.Draw(dc, kRoundRect, 0);
    EXPECT_EQ(chart2.HitTest({p.x, p.y}, dc, 0).name, "Brillante");
}

TEST(ChartHitTest, NearestWithoutNameAndNothingFarAway)
{
    TestSky sky;
    CConstellation& group = sky.NewGroup("Test");
    sky.AddAltAz(group, 60.0, 30.0, "Etoile");
    CCarteCiel chart(sky);
    RecordingSurface dc;
    chart.Draw(dc, kRoundRect, 0);
    const PlacedObject& p = chart.ScreenStars()[0];
    const ChartHit near = chart.HitTest({p.x + 10, p.y + 10}, dc, 0);
    EXPECT_EQ(near.placed, &p);
    EXPECT_FALSE(near.precise);
    EXPECT_TRUE(near.name.empty());
    const ChartHit none = chart.HitTest({p.x + 21, p.y + 21}, dc, 0);
    EXPECT_EQ(none.placed, nullptr);
    EXPECT_TRUE(none.name.empty());
}

TEST(PrintedChart, EachStarNameOnceAndNamesUnderTheGroundLeftOut)
{
    TestSky sky;
    CConstellation& a = sky.NewGroup("A");
    CConstellation& b = sky.NewGroup("B");
    CAstre* shared = sky.AddAltAz(a, 40.0, -100.0, "Partagee");
    b.append(shared);
    sky.AddAltAz(b, 0.5, -90.0, "Basse");  // inside the ground band
    CCarteHorizon chart(sky, 3);
    chart.SetDirection(0);
    RecordingSurface paper;
    paper.printer = true;
    paper.millimetre = {24, 24};
    chart.Draw(paper, {0, -3000, 8000, 0}, draw::kStarNames);
    EXPECT_EQ(chart.Labels().size(), 2u);
    EXPECT_EQ(chart.PrintIndex().size(), 2u);
    const auto texts = paper.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Partagee"), 1);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Basse"), 0);
    // The caption band under the chart names the place.
    EXPECT_NE(std::find_if(texts.begin(), texts.end(), [](const std::string& t) { return t.find("Paris") == 0; }),
              texts.end());
    // The screen cache was not touched by printing.
    EXPECT_TRUE(chart.ScreenStars().empty());
}

}  // namespace
}  // namespace zarn
