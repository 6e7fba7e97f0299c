// SPDX-License-Identifier: GPL-3.0-or-later
// The constellation map's status bar texts for a star.
#include "sky/StarStatus.h"

#include "sky/CCiel.h"
#include "sky/CEtoile.h"
#include "sky/CMessier.h"
#include "sky/SkyModel.h"
#include "time/CInstant.h"

#include <gtest/gtest.h>

using namespace zarn;

TEST(StarStatus, GreekLettersByTheirLatinCode)
{
    EXPECT_EQ(greekLetterName("a"), "Alpha");
    EXPECT_EQ(greekLetterName("c"), "Khi");
    EXPECT_EQ(greekLetterName("h"), "Êta");
    EXPECT_EQ(greekLetterName("q"), "Thêta");
    EXPECT_EQ(greekLetterName("z"), "Zêta");
    EXPECT_EQ(greekLetterName("f"), "");
    EXPECT_EQ(greekLetterName("v"), "");
    EXPECT_EQ(greekLetterName("A"), "");
    EXPECT_EQ(greekLetterName("ab"), "");
}

TEST(StarStatus, SecondMapEntriesGiveMagnitudesAndTypes)
{
    const StarComponents castor = parseStarComponents("20/29;A1V;A2Vm");
    EXPECT_EQ(castor.magnitudes, (std::vector<int>{20, 29}));
    EXPECT_EQ(castor.spectralTypes, (std::vector<std::string>{"A1V", "A2Vm"}));
    const StarComponents sirius = parseStarComponents("-15/88;A1Vm");
    EXPECT_EQ(sirius.magnitudes, (std::vector<int>{-15, 88}));
    EXPECT_EQ(sirius.spectralTypes.size(), 1u);
    const StarComponents odd = parseStarComponents("x/12/;");
    EXPECT_EQ(odd.magnitudes, (std::vector<int>{12}));
    EXPECT_EQ(odd.spectralTypes, (std::vector<std::string>{""}));
    EXPECT_TRUE(parseStarComponents("").magnitudes.empty());
}

TEST(StarStatus, TextsOfRealStars)
{
    SkyModel sky;
    ASSERT_TRUE(sky.load(ZARN_DATA_DIR, CInstant(1, 1, 2005, 21, 0, 0, CLieu("Paris", -2.33, 0.85, 1, 1))).ok());
    const CCiel::NameMap& names = sky.ciel().names();
    // A double star lists both components.
    const StarStatusTexts castor = starStatusTexts(*names.at("Castor"), sky);
    EXPECT_EQ(castor.first, "    Alpha  GEM  -  m 2.0 / 2.9  -  sp A1V / A2Vm");
    EXPECT_EQ(castor.second, "  Gémeaux");
    const StarStatusTexts sirius = starStatusTexts(*names.at("Sirius"), sky);
    EXPECT_EQ(sirius.first.rfind("    Alpha  CMA  -  m -1.5 / 8.8  -  sp A1Vm", 0), 0u) << sirius.first;
    // Deep-sky objects get no status.
    const StarStatusTexts pleiades = starStatusTexts(*names.at("Pléiades"), sky);
    EXPECT_TRUE(pleiades.first.empty());
    EXPECT_TRUE(pleiades.second.empty());
}

TEST(StarStatus, StarsWithoutLetterOrEntry)
{
    SkyModel sky;  // empty: no second map, no constellations
    CEtoile star;
    star.setAttributes(CEtoile::packAttributes(2, 45, 1));
    star.setConstellation("ORI");
    EXPECT_EQ(starStatusTexts(star, sky).first, "    ***  ORI  -  m 4.5  -  sp ");
    EXPECT_EQ(starStatusTexts(star, sky).second, "  ");
    star.setLetter("f");
    EXPECT_EQ(starStatusTexts(star, sky).first, "     2  ORI  -  m 4.5  -  sp ");
    star.setLetter("k");
    EXPECT_EQ(starStatusTexts(star, sky).first, "    Kappa 2  ORI  -  m 4.5  -  sp ");
}
