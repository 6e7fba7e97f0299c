// SPDX-License-Identifier: GPL-3.0-or-later
// The objects' own drawing: star discs by class and screen, own colours,
// hit areas, deep-sky pictures, the Sun's rays, the Moon's lit part and the
// printed names of stars and bodies.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "../../support/RecordingSurface.h"
#include "sky/CEtoile.h"
#include "sky/CMessier.h"
#include "sky/CNouvelObjet.h"
#include "sky/CPointEcliptique.h"
#include "sky/CPointEquateur.h"
#include "sky/CZenith.h"
#include "sky/DrawFlags.h"
#include "sky/SolarBodies.h"
#include "sky/draw/CVueNoms.h"
#include "sky/draw/DeepSkySymbols.h"
#include "time/CInstant.h"

namespace zarn {
namespace {

using test::RecordingSurface;

CEtoile makeStar(int magnitudeTenths, int colour = 4, std::int32_t number = 1)
{
    CEtoile s;
    s.setDesignation("alf*Vega");
    s.setCatalogueNumber(number);
    s.setAttributes(CEtoile::packAttributes(0, magnitudeTenths, colour));
    s.Prepare();
    return s;
}

TEST(StarDraw, DiscExtentsByClassOnOrdinaryAndSmallScreens)
{
    RecordingSurface wide;
    makeStar(0).Draw(wide, 100, 50, 0, nullptr);     // class 0
    makeStar(26).Draw(wide, 100, 50, 0, nullptr);    // class 3
    makeStar(-14).Draw(wide, 100, 50, 0, nullptr);   // class -1, drawn as 0
    ASSERT_EQ(wide.Of("ellipse").size(), 3u);
    EXPECT_EQ(wide.Of("ellipse")[0].rect, (SRect{95, 45, 105, 55}));
    EXPECT_EQ(wide.Of("ellipse")[1].rect, (SRect{98, 48, 102, 52}));
    EXPECT_EQ(wide.Of("ellipse")[2].rect, (SRect{95, 45, 105, 55}));

    RecordingSurface small;
    small.screenWidth = 640;
    makeStar(0).Draw(small, 0, 0, 0, nullptr);
    makeStar(26).Draw(small, 0, 0, 0, nullptr);
    EXPECT_EQ(small.Of("ellipse")[0].rect, (SRect{-4, -4, 4, 4}));
    EXPECT_EQ(small.Of("ellipse")[1].rect, (SRect{-1, -1, 2, 2}));
}

TEST(StarDraw, FaintestClassIsAPointExceptOnARealPrinter)
{
    RecordingSurface screen;
    makeStar(58).Draw(screen, 7, 8, 0, nullptr);
    ASSERT_EQ(screen.Of("pixel").size(), 1u);
    EXPECT_EQ(screen.Of("pixel")[0].colour, kWhite);

    RecordingSurface preview;
    preview.printer = preview.preview = true;
    makeStar(58).Draw(preview, 7, 8, 0, nullptr);
    EXPECT_EQ(preview.Of("pixel").size(), 1u);

    RecordingSurface paper;
    paper.printer = true;
    paper.millimetre = {24, 24};
    makeStar(58).Draw(paper, 0, 0, 0, nullptr);
    ASSERT_EQ(paper.Of("ellipse").size(), 1u);
    EXPECT_EQ(paper.Of("ellipse")[0].colour, kBlack);
    EXPECT_EQ(paper.Of("ellipse")[0].rect.width(), 4);  // 5 mm / 30
}

TEST(StarDraw, OwnColoursOnlyWhenAskedAndNeverOnPaper)
{
    RecordingSurface screen;
    makeStar(10, 9).Draw(screen, 0, 0, draw::kOwnColours, nullptr);
    makeStar(10, 9).Draw(screen, 0, 0, 0, nullptr);
    EXPECT_EQ(screen.Of("ellipse")[0].colour, paletteIndex(9));
    EXPECT_EQ(screen.Of("ellipse")[1].colour, kWhite);
    RecordingSurface paper;
    paper.printer = true;
    makeStar(10, 9).Draw(paper, 0, 0, draw::kOwnColours, nullptr);
    EXPECT_EQ(paper.Of("ellipse")[0].colour, kBlack);
}

TEST(StarHit, RadiusShrinksWithFaintnessAndAlcyoneIsSmall)
{
    RecordingSurface dc;
    const CEtoile bright = makeStar(0);
    EXPECT_TRUE(bright.HitTest({104, 100}, 100, 100, dc, 0));
    EXPECT_FALSE(bright.HitTest({104, 104}, 100, 100, dc, 0));  // corner of the square
    const CEtoile faint = makeStar(40);                           // class 4: radius 2
    EXPECT_TRUE(faint.HitTest({101, 101}, 100, 100, dc, 0));
    EXPECT_FALSE(faint.HitTest({103, 100}, 100, 100, dc, 0));
    const CEtoile alcyone = makeStar(29, 4, 23630);               // class 3 would give 2 anyway
    const CEtoile alcyoneBright = makeStar(0, 4, 23630);
    EXPECT_TRUE(alcyoneBright.HitTest({102, 100}, 100, 100, dc, 0));
    EXPECT_FALSE(alcyoneBright.HitTest({104, 100}, 100, 100, dc, 0));
    EXPECT_TRUE(alcyone.HitTest({100, 100}, 100, 100, dc, 0));
}

TEST(StarLabel, OnlyNamesOfTheLabelMapAreLabelledAndNotTwiceOnTopOfEachOther)
{
    RecordingSurface paper;
    paper.printer = true;
    paper.millimetre = {24, 24};
    const std::map<std::string, std::string> codes{{"Vega", "4"}};
    CVueNoms labels(CVueNoms::Kind::Print);
    labels.SetLabelCodes(&codes);
    CEtoile vega = makeStar(0);
    EXPECT_TRUE(vega.DrawLabel(paper, 1000, 1000, labels, 0));
    // Offset: the class-0 symbol (2 mm) plus one millimetre, to the right.
    EXPECT_EQ(paper.Of("text")[0].rect.left, 1000 + 48 + 24);
    CEtoile unnamed = makeStar(0);
    unnamed.setDesignation("alf*Deneb");
    EXPECT_FALSE(unnamed.DrawLabel(paper, 1000, 1000, labels, 0));
    // A second label with every place taken is dropped.
    labels.AddOccupied({0, 0, 5000, 5000});
    EXPECT_FALSE(vega.DrawLabel(paper, 1000, 1000, labels, 0));
    EXPECT_EQ(paper.Of("text").size(), 1u);
}

TEST(DeepSkyDraw, SymbolsNeedTheDeepSkyBitAndUserObjectsStayOffConstellationCharts)
{
    RecordingSurface dc;
    CMessier nebula;
    nebula.setDesignation("N1976*M42");
    EXPECT_FALSE(nebula.Draw(dc, 0, 0, 0, nullptr));
    EXPECT_TRUE(nebula.Draw(dc, 0, 0, draw::kDeepSky, nullptr));
    ASSERT_EQ(dc.Of("bitmap").size(), 1u);
    EXPECT_EQ(dc.Of("bitmap")[0].rect, (SRect{-5, -5, 6, 6}));  // centred 11 x 11

    CNouvelObjet comet(10.0, 20.0, "Comète", 0);
    EXPECT_FALSE(comet.Draw(dc, 0, 0, draw::kDeepSky | draw::kConstellationStyle, nullptr));
    EXPECT_TRUE(comet.Draw(dc, 0, 0, draw::kDeepSky, nullptr));
    // Each kind has its own picture in both sizes; a user object has five.
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b) {
            EXPECT_NE(deepSkySymbol(a, false).bits, deepSkySymbol(b, false).bits);
            EXPECT_NE(deepSkySymbol(a, true).bits, deepSkySymbol(b, true).bits);
        }
    for (int a = 0; a < 5; ++a)
        for (int b = a + 1; b < 5; ++b)
            EXPECT_NE(userObjectSymbol(a, false).bits, userObjectSymbol(b, false).bits);
    EXPECT_EQ(userObjectSymbol(2, true).bits, deepSkySymbol(2, true).bits);
    CNouvelObjet cross(10.0, 20.0, "O*Croix", 4);
    EXPECT_EQ(cross.kind(), 4);
}

TEST(SunDraw, DiscWithEightRaysAndItsHitSquare)
{
    SolarBodies bodies;
    RecordingSurface dc;
    EXPECT_FALSE(bodies.sun.Draw(dc, 0, 0, 0, nullptr));
    EXPECT_TRUE(bodies.sun.Draw(dc, 0, 0, draw::kSun | draw::kOwnColours, nullptr));
    EXPECT_EQ(dc.Of("line").size(), 4u);  // four lines through the centre
    EXPECT_EQ(dc.Of("line")[0].rect, (SRect{-8, 0, 9, 0}));
    EXPECT_EQ(dc.Of("ellipse")[0].colour, rgb(255, 220, 0));
    EXPECT_TRUE(bodies.sun.HitTest({4, 4}, 0, 0, dc, 0));
    EXPECT_FALSE(bodies.sun.HitTest({5, 0}, 0, 0, dc, 0));
}

TEST(PlanetDraw, PatternedDiscSizedByScreen)
{
    SolarBodies bodies;
    RecordingSurface wide;
    EXPECT_FALSE(bodies.planet(3).Draw(wide, 0, 0, draw::kSun, nullptr));
    EXPECT_TRUE(bodies.planet(3).Draw(wide, 0, 0, draw::kPlanets, nullptr));
    EXPECT_EQ(wide.Of("ellipse")[0].rect, (SRect{-5, -5, 6, 6}));
    EXPECT_TRUE(bodies.planet(3).HitTest({5, -5}, 0, 0, wide, 0));
    RecordingSurface small;
    small.screenWidth = 640;
    bodies.planet(3).Draw(small, 0, 0, draw::kPlanets, nullptr);
    EXPECT_EQ(small.Of("ellipse")[0].rect, (SRect{-4, -4, 5, 5}));
    EXPECT_FALSE(bodies.planet(3).HitTest({5, 0}, 0, 0, small, 0));
}

TEST(BodyLabel, OffsetGrowsUntilFreeAndTheLabelIsAlwaysKept)
{
    SolarBodies bodies;
    bodies.planet(4).SetBodyName("Jupiter");
    RecordingSurface paper;
    paper.printer = true;
    paper.millimetre = {10, 10};
    CVueNoms labels(CVueNoms::Kind::Print);
    // Every place within 30 units is taken: the offset grows past it.
    labels.AddOccupied({-1000, -1000, 1000, 1000});
    EXPECT_TRUE(bodies.planet(4).DrawLabel(paper, 0, 0, labels, draw::kPlanets));
    EXPECT_EQ(labels.Offset(), 60);  // gave up at six millimetres, still drawn
    EXPECT_EQ(paper.Texts(), (std::vector<std::string>{"Jupiter"}));
    EXPECT_FALSE(bodies.planet(4).DrawLabel(paper, 0, 0, labels, draw::kSun));
}

// The lit polygon's mean x relative to the centre: positive when lit on the right.
double litSide(const RecordingSurface& dc, int x0)
{
    const auto polygons = dc.Of("polygon");
    double sum = 0.0;
    for (const SPoint& p : polygons.at(0).points)
        sum += p.x - x0;
    return sum / static_cast<double>(polygons.at(0).points.size());
}

TEST(MoonDraw, WaxingMoonLitTowardsTheWestAndNewMoonDark)
{
    SolarBodies bodies;
    ASSERT_FALSE(bodies.load(std::string(ZARN_DATA_DIR) + "/ELEMENTS.ZAR").has_value());
    const CLieu paris("Paris", -2.33, 48.83 * 0.0174532925199433, 1, 1);
    // First quarter of 28 September 1998: half lit, on the west side (to the
    // right with north up in the equatorial orientation).
    ASSERT_TRUE(bodies.moon.Compute(CInstant(28, 9, 1998, 23, 0, 0, paris)));
    EXPECT_NEAR(bodies.moon.GetTerminator(), 0.0, 0.05);
    RecordingSurface dc;
    EXPECT_FALSE(bodies.moon.Draw(dc, 100, 100, draw::kSun, nullptr));
    ASSERT_TRUE(bodies.moon.Draw(dc, 100, 100, draw::kMoon | draw::kEquatorialMoon, nullptr));
    EXPECT_EQ(dc.Of("ellipse")[0].rect, (SRect{85, 85, 116, 116}));  // 1920-pixel screen: r = 15
    EXPECT_GT(litSide(dc, 100), 4.0);
    // Waning gibbous of 10 October 1998 (last quarter on the 12th): lit on the east.
    RecordingSurface waning;
    ASSERT_TRUE(bodies.moon.Compute(CInstant(9, 10, 1998, 23, 0, 0, paris)));
    bodies.moon.Draw(waning, 100, 100, draw::kMoon | draw::kEquatorialMoon, nullptr);
    EXPECT_LT(litSide(waning, 100), -1.0);
    // New Moon of 20 September 1998: only the outline.
    RecordingSurface dark;
    ASSERT_TRUE(bodies.moon.Compute(CInstant(20, 9, 1998, 19, 0, 0, paris)));
    bodies.moon.Draw(dark, 0, 0, draw::kMoon, nullptr);
    const auto lit = dark.Of("polygon");
    if (!lit.empty()) {
        // Whatever is left is a sliver along the limb.
        double far = 0.0;
        for (const SPoint& p : lit[0].points)
            far = std::max(far, std::hypot(p.x, p.y));
        EXPECT_GE(far, 14.0);
    }
}

// The lit polygon's mean offset from the Moon's centre.
std::pair<double, double> litCentre(const RecordingSurface& dc, int x0, int y0)
{
    const auto points = dc.Of("polygon").at(0).points;
    double sx = 0.0;
    double sy = 0.0;
    for (const SPoint& p : points) {
        sx += p.x - x0;
        sy += p.y - y0;
    }
    return {sx / points.size(), sy / points.size()};
}

TEST(MoonDraw, OnARoundChartThePhaseTurnsWithTheDirectionOfTheZenith)
{
    SolarBodies bodies;
    ASSERT_FALSE(bodies.load(std::string(ZARN_DATA_DIR) + "/ELEMENTS.ZAR").has_value());
    const CLieu paris("Paris", -2.33, 48.83 * 0.0174532925199433, 1, 1);
    ASSERT_TRUE(bodies.moon.Compute(CInstant(28, 9, 1998, 20, 0, 0, paris)));
    // Due south on the round chart (below the centre) the zenith is up, as on
    // the horizon chart: the same picture.
    RecordingSurface strip;
    RecordingSurface south;
    bodies.moon.Draw(strip, 0, 200, draw::kMoon, nullptr);
    bodies.moon.Draw(south, 0, 200, draw::kMoon | draw::kRoundChart, nullptr);
    const auto [a, b] = litCentre(strip, 0, 200);
    const auto [c, d] = litCentre(south, 0, 200);
    EXPECT_NEAR(a, c, 0.5);
    EXPECT_NEAR(b, d, 0.5);
    // On the west point the zenith is to the left: the picture turns a quarter
    // turn counter-clockwise.
    RecordingSurface west;
    bodies.moon.Draw(west, 200, 0, draw::kMoon | draw::kRoundChart, nullptr);
    const auto [e, f] = litCentre(west, 200, 0);
    EXPECT_NEAR(e, b, 0.7);
    EXPECT_NEAR(f, -a, 0.7);
}

TEST(MarkerDraw, ZenithCrossAndLinePointsFollowTheirBits)
{
    RecordingSurface dc;
    CZenith zenith;
    EXPECT_FALSE(zenith.Draw(dc, 0, 0, 0, nullptr));
    EXPECT_TRUE(zenith.Draw(dc, 0, 0, draw::kZenithChart, nullptr));
    EXPECT_EQ(dc.Of("line")[0].rect, (SRect{-3, -3, 4, 4}));
    EXPECT_TRUE(zenith.HitTest({3, 3}, 0, 0, dc, 0));
    EXPECT_FALSE(zenith.HitTest({4, 0}, 0, 0, dc, 0));

    CPointEcliptique ecliptic(1.0, 0.3);
    CPointEquateur equator(1.0, 0.0);
    EXPECT_FALSE(ecliptic.Draw(dc, 5, 5, draw::kEquator, nullptr));
    EXPECT_TRUE(ecliptic.Draw(dc, 5, 5, draw::kEcliptic | draw::kOwnColours, nullptr));
    EXPECT_TRUE(equator.Draw(dc, 6, 6, draw::kEquator | draw::kOwnColours, nullptr));
    ASSERT_EQ(dc.Of("pixel").size(), 2u);
    EXPECT_EQ(dc.Of("pixel")[0].colour, rgb(255, 255, 0));
    EXPECT_EQ(dc.Of("pixel")[1].colour, kWhite);
    EXPECT_TRUE(ecliptic.HitTest({6, 6}, 5, 5, dc, 0));
    EXPECT_FALSE(ecliptic.HitTest({7, 5}, 5, 5, dc, 0));
}

}  // namespace
}  // namespace zarn
