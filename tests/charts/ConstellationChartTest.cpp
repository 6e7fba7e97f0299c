// SPDX-License-Identifier: GPL-3.0-or-later
// The constellation map: orientation and scale of its projection, the point
// opposite the centre, the highlighted figure and the grid.
#include <gtest/gtest.h>

#include <algorithm>

#include "../support/RecordingSurface.h"
#include "ChartTestSky.h"
#include "charts/CCarteConstellation.h"
#include "sky/DrawFlags.h"

namespace zarn {
namespace {

using test::RecordingSurface;
using test::TestObject;
using test::TestSky;

constexpr SRect kMap{-400, -300, 400, 300};

TestObject* addAt(TestSky& sky, CConstellation& group, double raDeg, double decDeg, const std::string& name = "")
{
    auto object = std::make_unique<TestObject>(name, 30);
    object->SetEquatorial(raDeg * kRadPerDeg, decDeg * kRadPerDeg);
    object->Place(0.0, 1.0, 0.0);
    TestObject* raw = object.get();
    group.append(raw);
    sky.owned.push_back(std::move(object));
    return raw;
}

CConstellation& constellation(TestSky& sky, const std::string& name, int raDeg, int decDeg)
{
    CConstellation& group = sky.NewGroup(name);
    group.setNames(name, "", "", name.substr(0, 3));
    group.setCentre(raDeg, decDeg);
    return group;
}

TEST(ConstellationChart, NorthUpEastLeftAndTheOppositePointFarAndHidden)
{
    TestSky sky;
    CConstellation& orion = constellation(sky, "Orion", 83, 5);
    const CAstre* centre = addAt(sky, orion, 83.0, 5.0);
    const CAstre* north = addAt(sky, orion, 83.0, 15.0);
    const CAstre* east = addAt(sky, orion, 93.0, 5.0);
    CAstre* opposite = addAt(sky, orion, 263.0, -5.0);
    CAstre* behind = addAt(sky, orion, 83.0, -90.0);  // 95° away
    CCarteConstellation chart(sky);
    chart.SetConstellation(&orion);

    EXPECT_EQ(chart.PlaceAt(*centre, kMap), (SPoint{0, 0}));
    const SPoint up = chart.PlaceAt(*north, kMap);
    EXPECT_EQ(up.x, 0);
    EXPECT_LT(up.y, -50);
    const SPoint left = chart.PlaceAt(*east, kMap);
    EXPECT_LT(left.x, -50);
    EXPECT_NEAR(left.y, 0, 12);  // the parallel curves a little towards the pole
    // Stereographic: 10° from the centre is tan(5°) of the plane.
    EXPECT_NEAR(-up.y, 0.5 * 600 * 3.17 * std::tan(5.0 * kRadPerDeg), 1.0);

    double x = 0.0;
    double y = 0.0;
    EXPECT_FALSE(chart.Project(*opposite, 0.0, x, y));
    EXPECT_DOUBLE_EQ(std::abs(x), 10000.0);
    EXPECT_DOUBLE_EQ(std::abs(y), 10000.0);
    EXPECT_FALSE(chart.Project(*behind, 0.0, x, y));

    // Only what lies within 90° of the centre is placed.
    RecordingSurface dc;
    chart.Draw(dc, kMap, 0);
    EXPECT_EQ(chart.ScreenStars().size(), 3u);
}

TEST(ConstellationChart, HydraIsDrawnSmaller)
{
    TestSky sky;
    CCarteConstellation chart(sky);
    CConstellation& hydra = constellation(sky, "Hydre", 140, -10);
    CConstellation& leo = constellation(sky, "Lion", 160, 15);
    chart.SetConstellation(&leo);
    const double others = chart.GetScale(kMap);
    chart.SetConstellation(&hydra);
    EXPECT_DOUBLE_EQ(chart.GetScale(kMap) / others, 2.5 / 3.17);
    EXPECT_DOUBLE_EQ(others, 0.5 * 600 * 3.17);
}

// Pegasus and its special line to Andromeda's Alpheratz.
struct PegasusSky {
    TestSky sky;
    CConstellation& special = constellation(sky, "Lignes spéciales", 0, 0);
    CConstellation& pegasus = constellation(sky, "Pégase", 340, 20);
    CConstellation& cygnus = constellation(sky, "Cygne", 310, 40);

    PegasusSky()
    {
        addAt(sky, special, 346.0, 15.0);
        addAt(sky, special, 2.0, 29.0);
        special.setFigure({0x0100});
        addAt(sky, pegasus, 346.0, 15.0);
        addAt(sky, pegasus, 331.0, 10.0);
        pegasus.setFigure({0x0100});
    }
    std::vector<Colour> lineColours(const CConstellation& shown)
    {
        CCarteConstellation chart(sky);
        chart.SetConstellation(&shown);
        RecordingSurface dc;
        chart.Draw(dc, kMap, draw::kFigures);
        std::vector<Colour> colours;
        for (const auto& call : dc.Of("line"))
            colours.push_back(call.colour);
        return colours;
    }
};

TEST(ConstellationChart, PegasusHighlightsTheSpecialLinesOthersLeaveThemGrey)
{
    PegasusSky s;
    const Colour highlight = paletteIndex(kHighlightPaletteEntry);
    EXPECT_EQ(s.lineColours(s.pegasus), (std::vector<Colour>{highlight, highlight}));
    EXPECT_EQ(s.lineColours(s.cygnus), (std::vector<Colour>{kGrey, kGrey}));
}

TEST(ConstellationChart, GridOnlyWithItsFlagWithHourAndDeclinationLabels)
{
    TestSky sky;
    CConstellation& orion = constellation(sky, "Orion", 83, 5);
    CCarteConstellation chart(sky);
    chart.SetConstellation(&orion);
    RecordingSurface plain;
    chart.Draw(plain, kMap, 0);
    EXPECT_TRUE(plain.Of("line").empty());

    RecordingSurface dc;
    chart.Draw(dc, kMap, draw::kGrid);
    const auto lines = dc.Of("line");
    EXPECT_GT(lines.size(), 20u);
    // No segment runs wild from the far side of the sphere.
    for (const auto& line : lines)
        EXPECT_LT(std::abs(line.rect.right - line.rect.left), 800);
    const auto texts = dc.Texts();
    auto has = [&](const std::string& t) { return std::find(texts.begin(), texts.end(), t) != texts.end(); };
    EXPECT_TRUE(has(" 6h"));
    EXPECT_TRUE(has(" +10\u00B0 "));
    EXPECT_TRUE(has(" -10\u00B0 "));
    // Labels whose box would leave the map are not written.
    EXPECT_FALSE(has(" +70\u00B0 "));
}

TEST(ConstellationChart, PreviewDrawsTheConstellationsStars)
{
    TestSky sky;
    CConstellation& leo = constellation(sky, "Lion", 160, 15);
    addAt(sky, leo, 152.0, 12.0);
    addAt(sky, leo, 177.0, 14.5);
    addAt(sky, leo, 250.0, -60.0);  // far: drawn where it falls, outside the picture
    CCarteConstellation chart(sky);
    RecordingSurface dc;
    chart.DrawPreview(dc, 0, 100.0, leo);
    chart.DrawPreview(dc, 0, 100.0, leo);  // twice: nothing piles up
    const auto discs = dc.Of("ellipse");
    ASSERT_EQ(discs.size(), 6u);
    EXPECT_EQ(chart.Constellation(), &leo);
    // Regulus west of the centre: to the right.
    EXPECT_GT(discs[0].rect.left, 0);
    EXPECT_LT(discs[1].rect.left, 0);
}

}  // namespace
}  // namespace zarn
