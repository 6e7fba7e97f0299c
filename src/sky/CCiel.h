// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ordered list of constellations of the sky, in file order (every list and
// lookup follows it), and the map from proper names to stars that the
// catalogue browser and the search list.
//
// Neither the constellations nor their objects are owned here: the sky model
// (SkyModel) keeps every object exactly once, because one star can appear in
// two constellation arrays.
#include <map>
#include <string>
#include <vector>

#include "archive/CSerialisable.h"

namespace zarn {

class CAstre;
class CConstellation;
class CEtoile;
class CInstant;

class CCiel : public CSerialisable {
public:
    using NameMap = std::map<std::string, CEtoile*>;

    const char* className() const override { return "CCiel"; }
    // The constellation list of the catalogue: an object array of constellations.
    void load(CArchiveReader& archive) override;
    void store(CArchiveWriter& archive) const override;

    const std::vector<CConstellation*>& constellations() const { return m_constellations; }
    void append(CConstellation* constellation) { m_constellations.push_back(constellation); }
    void clear();

    // The last constellation of that name (the pseudo-constellations are looked
    // up from the end of the list), or null.
    CConstellation* findLast(const std::string& name) const;
    // The first constellation with that abbreviation, or null.
    CConstellation* findByAbbreviation(const std::string& abbreviation) const;
    // Full name of the first constellation with that abbreviation; empty when none.
    std::string constellationName(const std::string& abbreviation) const;

    // Computes every object of every constellation for the instant, in list
    // order, prepares it and registers its name. True only when every object
    // could be computed; the others keep their new values either way.
    bool RecomputeAll(const CInstant& instant);
    // Stores a named star under its name unless a brighter star (or one as
    // bright, met earlier) already holds it; a user object only a free name.
    void registerName(CAstre& object);
    // Forgets every name that leads to this object (before deleting it).
    void unregister(const CAstre* object);
    const NameMap& names() const { return m_names; }

private:
    std::vector<CConstellation*> m_constellations;
    NameMap m_names;
};

}  // namespace zarn
