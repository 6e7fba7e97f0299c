// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue browser's lists.
#include "tools/CatalogueList.h"

#include "sky/CCiel.h"
#include "sky/CConstellation.h"
#include "sky/CMessier.h"
#include "time/CInstant.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace zarn;

namespace {

struct BrowserSky {
    std::vector<std::unique_ptr<CEtoile>> objects;
    std::vector<std::unique_ptr<CConstellation>> groups;
    CCiel ciel;

    CConstellation& group(const std::string& name, const std::string& abbreviation,
                          const std::string& latin = {}, const std::string& genitive = {})
    {
        groups.push_back(std::make_unique<CConstellation>());
        groups.back()->setNames(name, latin, genitive, abbreviation);
        ciel.append(groups.back().get());
        return *groups.back();
    }
    template <class T = CEtoile>
    void add(CConstellation& c, const std::string& designation, int tenths, int ra, int dec)
    {
        auto o = std::make_unique<T>();
        o->setDesignation(designation);
        o->setAttributes(CEtoile::packAttributes(0, tenths, 3));
        o->setPosition(ra, dec);
        c.append(o.get());
        objects.push_back(std::move(o));
    }
    std::vector<std::string> lines(CatalogueKind kind)
    {
        ciel.RecomputeAll(CInstant(1, 1, 2000, 0, 0, 0, CLieu("P", 0, 0.8, 1, 1)));
        std::vector<std::string> texts;
        for (const CatalogueLine& line : catalogueLines(ciel, kind)) texts.push_back(line.text);
        return texts;
    }
};

}  // namespace

TEST(CatalogueList, ConstellationsByNameAndByAbbreviationLeaveOutTheProgramGroups)
{
    BrowserSky sky;
    sky.group("Taureau", "TAU", "Taurus", "Tauri");
    sky.group("Lignes spéciales", "");
    sky.group("Écu de Sobieski", "SCT", "Scutum", "Scuti");
    sky.group("Aigle", "AQL", "Aquila", "Aquilae");
    sky.group("Objets", "");
    const std::vector<std::string> byName{"Aigle *AQL*Aquila*Aquilae", "Écu de Sobieski *SCT*Scutum*Scuti",
                                          "Taureau *TAU*Taurus*Tauri"};
    EXPECT_EQ(sky.lines(CatalogueKind::ConstellationNames), byName);
    const std::vector<std::string> byAbbreviation{"AQL *Aigle*Aquila*Aquilae", "SCT *Écu de Sobieski*Scutum*Scuti",
                                                  "TAU *Taureau*Taurus*Tauri"};
    EXPECT_EQ(sky.lines(CatalogueKind::ConstellationAbbreviations), byAbbreviation);
    EXPECT_EQ(catalogueLines(sky.ciel, CatalogueKind::ConstellationNames)[1].constellation->abbreviation(), "SCT");
}

TEST(CatalogueList, StarsAndDeepSkyObjectsAreSplitByTheirCode)
{
    BrowserSky sky;
    CConstellation& tau = sky.group("Taureau", "TAU");
    CConstellation& cma = sky.group("Grand Chien", "CMA");
    sky.add(tau, "87*Aldébaran", 9, 68980, 16509);
    sky.add<CMessier>(tau, "A45*Pléiades", 16, 56750, 24117);
    sky.add<CMessier>(tau, "*Pléiades", 29, 56871, 24105);  // Alcyone under the cluster's name
    sky.add<CMessier>(tau, "N1*Nébuleuse du Crabe", 84, 83633, 22015);
    sky.add(cma, "9*Sirius", -14, 101287, -16716);
    sky.add(cma, "*Éltanin", 22, 269152, 51489);
    sky.add(cma, "X*Code majuscule", 40, 1000, 1000);
    sky.add(cma, "*Bord", 50, 74938, -59995);  // 4 h 59 min 45 s, -59° 59' 42"
    sky.add(cma, "*Bord Est", 50, 1000, 1000);   // a longer name sorts after the shorter one
    // 4 h 35 min 55 s shows as 4.36; 17 h 56 min 36.5 s as 17.57; -16° 42' 58" as -16.43.
    const std::vector<std::string> stars{"Aldébaran* 0.9* 4.36* 16.31", "Bord* 5.0* 5.00*-60.00",
                                         "Bord Est* 5.0* 0.04*  1.00", "Éltanin* 2.2*17.57* 51.29",
                                         "Sirius*-1.4* 6.45*-16.43"};
    EXPECT_EQ(sky.lines(CatalogueKind::Stars), stars);
    // The Pleiades are a cluster, whatever object holds the name.
    const std::vector<std::string> deepSky{"Nébuleuse du Crabe* 5.35* 22.01", "Pléiades* 3.47* 24.07"};
    EXPECT_EQ(sky.lines(CatalogueKind::DeepSky), deepSky);
}

TEST(CatalogueList, FrenchOrderIgnoresAccentsAndCase)
{
    EXPECT_TRUE(frenchLess("Deneb", "Éltanin"));
    EXPECT_TRUE(frenchLess("Éltanin", "Fomalhaut"));
    EXPECT_TRUE(frenchLess("achernar", "Bételgeuse"));
    EXPECT_TRUE(frenchLess("Bellatrix", "Bételgeuse"));
    EXPECT_FALSE(frenchLess("Véga", "Véga"));
    EXPECT_TRUE(frenchLess("Eltanin", "Éltanin"));  // ties broken by the exact text
    // Numbers by their value.
    EXPECT_TRUE(frenchLess("M 4", "M 39"));
    EXPECT_TRUE(frenchLess("M 39", "M 110"));
    EXPECT_FALSE(frenchLess("M 110", "M 39"));
    EXPECT_TRUE(frenchLess("M 8", "M 08a"));
    EXPECT_TRUE(frenchLess("M 4", "m 4"));
    EXPECT_TRUE(frenchLess("M 4", "Ma"));
}

TEST(CatalogueList, MessierNumbersTypedAndCarried)
{
    EXPECT_EQ(messierQuery("M 31"), 31);
    EXPECT_EQ(messierQuery(" m31 "), 31);
    EXPECT_EQ(messierQuery("M  104"), 104);
    for (const char* other : {"", "M", "M 3 1", "Mira", "31", "M 31a", "M 123456789"})
        EXPECT_EQ(messierQuery(other), 0) << other;
    CMessier andromeda;
    andromeda.setDesignation("GM31*Galaxie d'Andromède");
    EXPECT_EQ(messierNumber(andromeda), 31);
    CMessier other;
    other.setDesignation("N1*Nébuleuse du Crabe");
    EXPECT_EQ(messierNumber(other), 0);
    CEtoile star;
    star.setDesignation("M12*Étoile");
    EXPECT_EQ(messierNumber(star), 0);
}
