// SPDX-License-Identifier: GPL-3.0-or-later
// The generated catalogue CIEL.ZAR, as the program loads it, meets what the
// program relies on.
#include "sky/CCiel.h"
#include "sky/CConstellation.h"
#include "sky/CMessier.h"
#include "sky/CNouvelObjet.h"
#include "sky/CPointPlan.h"
#include "sky/SkyModel.h"
#include "time/CInstant.h"
#include "time/Calendar.h"
#include "tools/CatalogueList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace zarn;

namespace {

class RealCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sky = new SkyModel;
        const CInstant instant(1, 1, 2005, 21, 0, 0, CLieu("Paris", -2.33, 48.85 * kRadPerDeg, 1, 1));
        result = sky->load(ZARN_DATA_DIR, instant);
    }
    static void TearDownTestSuite()
    {
        delete sky;
        sky = nullptr;
    }
    static SkyModel* sky;
    static SkyLoadResult result;
};

SkyModel* RealCatalogue::sky = nullptr;
SkyLoadResult RealCatalogue::result;

}  // namespace

TEST_F(RealCatalogue, LoadsAndComputes)
{
    ASSERT_TRUE(result.ok()) << loadErrorText(result);
}

TEST_F(RealCatalogue, EveryObjectNamesAConstellationOfTheList)
{
    ASSERT_TRUE(result.ok());
    std::size_t checked = 0;
    for (const CConstellation* c : sky->ciel().constellations()) {
        for (const CAstre* object : c->objects()) {
            const auto* star = dynamic_cast<const CEtoile*>(object);
            if (!star || dynamic_cast<const CNouvelObjet*>(star)) continue;
            ASSERT_NE(sky->ciel().findByAbbreviation(star->GetConstellation()), nullptr)
                << star->designation() << " in " << c->name() << ": '" << star->GetConstellation() << "'";
            ++checked;
        }
    }
    EXPECT_GT(checked, 5000u);
}

TEST_F(RealCatalogue, FiguresStayInsideTheirArrays)
{
    ASSERT_TRUE(result.ok());
    std::size_t segments = 0;
    for (const CConstellation* c : sky->ciel().constellations()) {
        for (const std::uint16_t segment : c->figure()) {
            EXPECT_LT(segment & 0xFFu, c->objects().size()) << c->name();
            EXPECT_LT(segment >> 8, c->objects().size()) << c->name();
            // A figure joins two different stars.
            EXPECT_NE(segment & 0xFFu, segment >> 8u) << c->name();
        }
        segments += c->figure().size();
    }
    EXPECT_GT(segments, 600u);
}

TEST_F(RealCatalogue, ZodiacTableIsOrderedAndReachesAFullTurn)
{
    ASSERT_TRUE(result.ok());
    const ZodiacTable& zodiac = sky->zodiac();
    ASSERT_FALSE(zodiac.empty());
    EXPECT_GE(zodiac.back()->alphaLimit(), kTwoPi);
    for (std::size_t i = 1; i < zodiac.size(); ++i)
        EXPECT_LT(zodiac[i - 1]->alphaLimit(), zodiac[i]->alphaLimit());
    for (const CZodiac* entry : zodiac) {
        EXPECT_NE(sky->ciel().findByAbbreviation(entry->firstName()), nullptr) << entry->firstName();
        EXPECT_NE(sky->ciel().findByAbbreviation(entry->secondName()), nullptr) << entry->secondName();
    }
    // Every body finds its zodiac constellation, whatever its right ascension.
    for (int i = 0; i < 7; ++i) EXPECT_FALSE(sky->bodies().body(i).GetConstellation().empty()) << i;
    EXPECT_FALSE(sky->zodiacConstellation(kTwoPi, 0.0).empty());
}

TEST_F(RealCatalogue, TheProgramsGroupsArePresentAndFilled)
{
    ASSERT_TRUE(result.ok());
    const CCiel& ciel = sky->ciel();
    ASSERT_NE(ciel.findLast("Objets"), nullptr);
    ASSERT_NE(ciel.findLast("Lignes spéciales"), nullptr);
    const CConstellation* planets = ciel.findLast("Planètes");
    ASSERT_NE(planets, nullptr);
    ASSERT_EQ(planets->objects().size(), 7u);
    EXPECT_EQ(planets->objects().front(), &sky->bodies().body(1));
    EXPECT_EQ(planets->objects()[5], &sky->bodies().body(6));
    EXPECT_EQ(planets->objects().back(), &sky->bodies().body(0));
    EXPECT_EQ(ciel.constellations().back()->name(), "Zenith");
    // The points of "Lignes spéciales" are those of the reference-line list.
    const std::set<const CAstre*> lines(sky->referenceLines().begin(), sky->referenceLines().end());
    std::size_t points = 0;
    for (const CAstre* object : ciel.findLast("Lignes spéciales")->objects()) {
        if (!dynamic_cast<const CPointPlan*>(object)) continue;
        EXPECT_EQ(lines.count(object), 1u);
        ++points;
    }
    EXPECT_EQ(points, lines.size());
    EXPECT_GE(lines.size(), 360u);
}

TEST_F(RealCatalogue, NamesAndLabelsAreThoseObserversUse)
{
    ASSERT_TRUE(result.ok());
    const CCiel::NameMap& names = sky->ciel().names();
    for (const char* name : {"Castor", "Ras Algethi", "Algieba", "Alnitak", "Porrima", "Véga", "Bételgeuse",
                             "Aldébaran", "Sirius", "Pléiades"})
        EXPECT_EQ(names.count(name), 1u) << name;
    EXPECT_EQ(names.at("Castor")->effectiveMagnitude(), 16);
    EXPECT_EQ(names.at("Sirius")->GetConstellationName(*sky), "Grand Chien");
    // A label is only ever looked up by a name the sky holds.
    for (const auto& [name, code] : sky->labels()) {
        EXPECT_EQ(names.count(name), 1u) << name;
        EXPECT_FALSE(code.empty()) << name;
    }
    const CatalogueStats stats = catalogueStats(sky->ciel());
    EXPECT_EQ(stats.constellations, 88u);
    EXPECT_EQ(stats.deepSky, 110u);
    EXPECT_GT(stats.named, 200u);
    const auto deepSky = catalogueLines(sky->ciel(), CatalogueKind::DeepSky);
    EXPECT_TRUE(std::any_of(deepSky.begin(), deepSky.end(),
                            [](const CatalogueLine& l) { return l.text.rfind("Pléiades*", 0) == 0; }));
    const auto stars = catalogueLines(sky->ciel(), CatalogueKind::Stars);
    EXPECT_TRUE(std::none_of(stars.begin(), stars.end(),
                             [](const CatalogueLine& l) { return l.text.rfind("Pléiades*", 0) == 0; }));
}
