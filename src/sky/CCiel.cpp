// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/CCiel.h"

#include <iterator>

#include "sky/CAstre.h"
#include "sky/CConstellation.h"
#include "sky/CEtoile.h"
#include "sky/CNouvelObjet.h"
#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"

namespace zarn {

void CCiel::load(CArchiveReader& archive)
{
    clear();
    m_constellations = archive.readObjectArray<CConstellation>();
}

void CCiel::store(CArchiveWriter& archive) const
{
    archive.writeObjectArray(m_constellations);
}

void CCiel::clear()
{
    m_constellations.clear();
    m_names.clear();
}

CConstellation* CCiel::findLast(const std::string& name) const
{
    for (auto it = m_constellations.rbegin(); it != m_constellations.rend(); ++it)
        if ((*it)->name() == name) return *it;
    return nullptr;
}

CConstellation* CCiel::findByAbbreviation(const std::string& abbreviation) const
{
    for (CConstellation* constellation : m_constellations)
        if (constellation->abbreviation() == abbreviation) return constellation;
    return nullptr;
}

std::string CCiel::constellationName(const std::string& abbreviation) const
{
    // An object without a constellation (a user object, the zenith) would
    // otherwise take the name of the first group without an abbreviation.
    if (abbreviation.empty())
        return {};
    const CConstellation* constellation = findByAbbreviation(abbreviation);
    return constellation ? constellation->name() : std::string();
}

bool CCiel::RecomputeAll(const CInstant& instant)
{
    // The map is rebuilt on every pass, so that it never keeps an object that
    // has left the sky (a user object deleted on the options page).
    m_names.clear();
    bool allComputed = true;
    for (CConstellation* constellation : m_constellations) {
        for (CAstre* object : constellation->objects()) {
            allComputed = object->Compute(instant) && allComputed;
            object->Prepare();
            registerName(*object);
        }
    }
    return allComputed;
}

void CCiel::registerName(CAstre& object)
{
    auto* star = dynamic_cast<CEtoile*>(&object);
    if (!star) return;
    std::string name = star->GetName();
    if (name.empty()) return;
    const auto [it, inserted] = m_names.try_emplace(std::move(name), star);
    // A user object takes only a free name: one named like a catalogue star
    // would otherwise hide that star from the lists that leave user objects out.
    if (!inserted && !dynamic_cast<CNouvelObjet*>(star) && it->second->GetMagnitude() > star->GetMagnitude())
        it->second = star;
}

void CCiel::unregister(const CAstre* object)
{
    std::erase_if(m_names, [object](const auto& entry) { return entry.second == object; });
}

}  // namespace zarn
