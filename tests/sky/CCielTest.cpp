// SPDX-License-Identifier: GPL-3.0-or-later
// The sky collection: name map, Recompute all, lookups.
#include "sky/CCiel.h"
#include "sky/CConstellation.h"
#include "sky/CEtoile.h"
#include "sky/CNouvelObjet.h"
#include "time/CInstant.h"
#include "time/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

using namespace zarn;

namespace {

CInstant anyInstant()
{
    return CInstant(21, 3, 2001, 22, 30, 0, CLieu("Lyon", -4.83, 45.76 * kRadPerDeg, 1, 1));
}

std::unique_ptr<CEtoile> star(const std::string& designation, int magnitudeTenths)
{
    auto s = std::make_unique<CEtoile>();
    s->setDesignation(designation);
    s->setAttributes(CEtoile::packAttributes(0, magnitudeTenths, 1));
    return s;
}

// An object whose position cannot be formed.
class Unplaceable : public CAstre {
public:
    bool Compute(const CInstant&) override { return false; }
};

struct SmallSky {
    std::vector<std::unique_ptr<CAstre>> objects;
    std::vector<std::unique_ptr<CConstellation>> groups;
    CCiel ciel;

    CConstellation& group(const std::string& name, const std::string& abbreviation = {})
    {
        groups.push_back(std::make_unique<CConstellation>(name, abbreviation));
        ciel.append(groups.back().get());
        return *groups.back();
    }
    template <class T> T* add(CConstellation& c, std::unique_ptr<T> object)
    {
        T* raw = object.get();
        objects.push_back(std::move(object));
        c.append(raw);
        return raw;
    }
};

}  // namespace

TEST(NameMap, BrighterStarWinsAndTheFirstStaysOnATie)
{
    SmallSky sky;
    CConstellation& a = sky.group("Gémeaux", "GEM");
    CConstellation& b = sky.group("Taureau", "TAU");
    CEtoile* first = sky.add(a, star("1*Double", 30));
    CEtoile* tie = sky.add(b, star("2*Double", 30));
    CEtoile* faint = sky.add(a, star("3*Brillante", 40));
    CEtoile* bright = sky.add(b, star("4*Brillante", -5));
    sky.add(a, star("5", 10));                               // no proper name
    sky.add(a, std::make_unique<CNouvelObjet>(10.0, 20.0, "Mon objet", 1));  // no "*"
    ASSERT_TRUE(sky.ciel.RecomputeAll(anyInstant()));
    const auto& names = sky.ciel.names();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names.at("Double"), first);
    EXPECT_NE(names.at("Double"), tie);
    EXPECT_EQ(names.at("Brillante"), bright);
    EXPECT_NE(names.at("Brillante"), faint);
    // A second pass gives the same map, and a forgotten object leaves it.
    ASSERT_TRUE(sky.ciel.RecomputeAll(anyInstant()));
    EXPECT_EQ(sky.ciel.names().at("Double"), first);
    sky.ciel.unregister(bright);
    EXPECT_EQ(sky.ciel.names().count("Brillante"), 0u);
}

TEST(RecomputeAll, ReportsAFailureButComputesTheOthers)
{
    SmallSky sky;
    CConstellation& c = sky.group("Lyre", "LYR");
    sky.add(c, std::make_unique<Unplaceable>());
    CEtoile* vega = sky.add(c, star("3*Véga", 0));
    vega->setPosition(279234, 38784);
    EXPECT_FALSE(sky.ciel.RecomputeAll(anyInstant()));
    EXPECT_NEAR(vega->GetAlpha(), 279.234 * kRadPerDeg, 1e-9);
    EXPECT_EQ(vega->magnitudeClass(), 0);
    EXPECT_EQ(sky.ciel.names().at("Véga"), vega);
}

TEST(Ciel, LookupsByNameFromTheEndAndByAbbreviationFromTheStart)
{
    SmallSky sky;
    CConstellation& first = sky.group("Objets");
    sky.group("Serpent", "SER");
    CConstellation& tail = sky.group("Serpent (queue)", "SER");
    CConstellation& last = sky.group("Objets");
    EXPECT_EQ(sky.ciel.findLast("Objets"), &last);
    EXPECT_NE(sky.ciel.findLast("Objets"), &first);
    EXPECT_EQ(sky.ciel.findLast("Planètes"), nullptr);
    EXPECT_EQ(sky.ciel.findByAbbreviation("SER")->name(), "Serpent");
    EXPECT_NE(sky.ciel.findByAbbreviation("SER"), &tail);
    EXPECT_EQ(sky.ciel.constellationName("SER"), "Serpent");
    EXPECT_EQ(sky.ciel.constellationName("XYZ"), "");
    EXPECT_EQ(sky.ciel.constellationName(""), "");  // not "Objets"
}

