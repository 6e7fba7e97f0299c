// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole sky the document owns: the constellations with their stars,
// deep-sky and user objects, the reference lines, the zodiac table, the two
// text maps of the catalogue, the seven solar-system bodies and the zenith
// marker; with the loading of the three data files and the passes that bring
// every object up to date.
//
// Ownership: every object read from a file is kept once in this model and
// deleted once with it, whatever arrays refer to it (a star shared by two
// constellations, a point of "Lignes spéciales" that is also in the
// reference-line list). Constellation arrays and lists only point.
#include <memory>
#include <string>
#include <vector>

#include "sky/CCiel.h"
#include "sky/CZodiac.h"
#include "sky/SkyDirectory.h"
#include "sky/SkyLoadResult.h"
#include "sky/SolarBodies.h"
#include "archive/AtomicFile.h"
#include "archive/CSerialisable.h"

namespace zarn {

class CAstre;
class CConstellation;
class CInstant;
class CNouvelObjet;
class CPointPlan;
class CZenith;

// Names of the groups the program relies on.
inline constexpr const char* kSpecialLines = "Lignes spéciales";
inline constexpr const char* kUserObjects = "Objets";
inline constexpr const char* kPlanets = "Planètes";
inline constexpr const char* kZenith = "Zenith";

class SkyModel : public SkyDirectory {
public:
    SkyModel();
    ~SkyModel() override;
    SkyModel(const SkyModel&) = delete;
    SkyModel& operator=(const SkyModel&) = delete;

    // Reads CIEL.ZAR, ELEMENTS.ZAR and OBJETS.ZAR from the folder. A missing or
    // damaged OBJETS.ZAR is not an error: "Objets" keeps what could be read and
    // userObjectsModified() becomes true, so that the objects are written again.
    // userObjectsPath, when not empty, is where OBJETS.ZAR is read instead of
    // the folder (the per-user copy when the program's folder is read-only).
    SkyLoadResult readFiles(const std::string& directory, const std::string& userObjectsPath = {});
    // After the observatory is known: the bodies into "Planètes", the "Zenith"
    // group, Recompute all and Place lines.
    SkyLoadResult complete(const CInstant& instant);
    // Both steps, for programs that have their place already.
    SkyLoadResult load(const std::string& directory, const CInstant& instant);

    // Recompute all for a new instant (see CCiel::RecomputeAll).
    bool recomputeAll(const CInstant& instant);
    // Places every point of the reference lines in the equatorial frame.
    void placeLines();

    // The user objects of "Objets" (kept in OBJETS.ZAR).
    CNouvelObjet* addUserObject(std::unique_ptr<CNouvelObjet> object);
    void removeUserObject(CNouvelObjet* object);
    CConstellation* userObjects() const;
    bool userObjectsModified() const { return m_userObjectsModified; }
    void setUserObjectsModified(bool modified) { m_userObjectsModified = modified; }
    // False when OBJETS.ZAR was there but could not be read whole (damaged,
    // unreadable, holding other objects): writing over it would lose the rest.
    bool userObjectsReadWhole() const { return m_userObjectsReadWhole; }
    // Writes "Objets" to the file, atomically: the old file stays whole until
    // the new one is complete. A success clears userObjectsModified().
    SaveResult saveUserObjects(const std::string& path);

    // SkyDirectory: what the objects ask of the sky to name their constellation.
    std::string constellationName(const std::string& abbreviation) const override;
    std::string zodiacConstellation(double alpha, double delta) const override;

    CCiel& ciel() { return m_ciel; }
    const CCiel& ciel() const { return m_ciel; }
    const std::vector<CPointPlan*>& referenceLines() const { return m_lines; }
    const ZodiacTable& zodiac() const { return m_zodiac; }
    const TextMap& labels() const { return m_labels; }
    const TextMap& secondMap() const { return m_secondMap; }
    CZenith& zenith() { return *m_zenith; }
    SolarBodies& bodies() { return m_bodies; }
    const SolarBodies& bodies() const { return m_bodies; }

private:
    SkyLoadResult readCatalogue(const std::string& path);
    void readUserObjects(const std::string& path);
    void checkCatalogue() const;
    void adopt(std::vector<std::unique_ptr<CSerialisable>> objects);
    void discard(const CSerialisable* object);

    std::vector<std::unique_ptr<CSerialisable>> m_owned;  // every object of the files, once
    CCiel m_ciel;
    std::vector<CPointPlan*> m_lines;
    ZodiacTable m_zodiac;
    TextMap m_labels;
    TextMap m_secondMap;
    SolarBodies m_bodies;
    std::unique_ptr<CZenith> m_zenith;
    std::unique_ptr<CConstellation> m_zenithGroup;
    bool m_userObjectsModified = false;
    bool m_userObjectsReadWhole = true;
    bool m_completed = false;
};

}  // namespace zarn
