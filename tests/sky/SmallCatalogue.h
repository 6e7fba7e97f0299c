// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small catalogue written with the program's own classes, for the tests of
// the sky files: two constellations sharing a star, the reference lines with
// points shared with "Lignes spéciales", the program's groups, a zodiac table
// and both text maps.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "sky/CConstellation.h"
#include "sky/CEtoile.h"
#include "sky/CMessier.h"
#include "sky/CPointEcliptique.h"
#include "sky/CPointEquateur.h"
#include "sky/CZodiac.h"
#include "archive/CArchiveWriter.h"

namespace zarn::test {

struct SmallCatalogue {
    std::vector<std::unique_ptr<CSerialisable>> keep;
    std::vector<CConstellation*> constellations;
    std::vector<CPointPlan*> lines;
    std::vector<CZodiac*> zodiac;
    TextMap labels{{"Véga", "3"}, {"Deneb", "7"}};
    TextMap second{{"172167", "A0V"}};
    template <class T, class... Args> T* make(Args&&... args)
    {
        auto object = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = object.get();
        keep.push_back(std::move(object));
        return raw;
    }

    CEtoile* star(const std::string& abbreviation, const std::string& designation, int tenths, int ra, int dec)
    {
        auto* s = make<CEtoile>();
        s->setConstellation(abbreviation);
        s->setDesignation(designation);
        s->setAttributes(CEtoile::packAttributes(0, tenths, 2));
        s->setPosition(ra, dec);
        return s;
    }

    CConstellation* group(const std::string& name, const std::string& abbreviation)
    {
        auto* c = make<CConstellation>();
        c->setNames(name, name + " (latin)", name + " (génitif)", abbreviation);
        c->setCentre(280, 35);
        constellations.push_back(c);
        return c;
    }

    explicit SmallCatalogue(bool withPlanets = true)
    {
        CConstellation* lyre = group("Lyre", "LYR");
        CEtoile* vega = star("LYR", "3*Véga", 0, 279234, 38784);
        lyre->append(vega);
        lyre->append(star("LYR", "14*Sulafat", 33, 284736, 32690));
        lyre->setFigure({0x0100});
        CConstellation* cygne = group("Cygne", "CYG");
        cygne->append(star("CYG", "50*Deneb", 13, 310358, 45280));
        cygne->append(vega);  // the figure reaches into the Lyre
        cygne->setFigure({0x0100});
        CConstellation* special = group("Lignes spéciales", "");
        for (int i = 0; i < 4; ++i) {
            CPointPlan* e = make<CPointEcliptique>(i * 1.5, 0.1);
            CPointPlan* q = make<CPointEquateur>(i * 1.5, 0.0);
            special->append(e);
            special->append(q);
            lines.push_back(e);
            lines.push_back(q);
        }
        lines.push_back(make<CPointEquateur>(6.2, 0.0));  // only in the list
        special->append(vega);
        group("Objets", "");
        if (withPlanets) group("Planètes", "");
        auto* m57 = make<CMessier>();
        m57->setConstellation("LYR");
        m57->setDesignation("N57*Nébuleuse de l'Anneau");
        m57->setPosition(283396, 33029);
        lyre->append(m57);
        zodiac.push_back(make<CZodiac>(3.0, 0.0, "LYR", "CYG"));
        zodiac.push_back(make<CZodiac>(6.283185308, 0.0, "CYG", "LYR"));
    }

    std::vector<std::uint8_t> bytes()
    {
        CArchiveWriter w;
        w.writeObjectArray(constellations);
        w.writeObjectArray(lines);
        w.writeObjectArray(zodiac);
        w.writeTextMap(labels);
        w.writeTextMap(second);
        return w.bytes();
    }
};

}  // namespace zarn::test
