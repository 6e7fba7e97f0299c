// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/SkyModel.h"

#include <algorithm>
#include <set>

#include "sky/CAstre.h"
#include "sky/CConstellation.h"
#include "sky/CNouvelObjet.h"
#include "sky/CPointPlan.h"
#include "sky/CZenith.h"
#include "sky/SkyClasses.h"
#include "archive/ArchiveFile.h"
#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"

namespace zarn {

namespace {

const char* const kCatalogueFile = "CIEL.ZAR";
const char* const kElementsFile = "ELEMENTS.ZAR";
const char* const kUserObjectsFile = "OBJETS.ZAR";

std::string joinPath(const std::string& directory, const char* name)
{
    if (directory.empty()) return name;
    return directory.back() == '/' ? directory + name : directory + "/" + name;
}

}  // namespace

SkyModel::SkyModel() : m_zenith(std::make_unique<CZenith>())
{
    m_bodies.setSky(this);
}

SkyModel::~SkyModel() = default;

void SkyModel::adopt(std::vector<std::unique_ptr<CSerialisable>> objects)
{
    for (auto& object : objects) m_owned.push_back(std::move(object));
}

void SkyModel::discard(const CSerialisable* object)
{
    const auto it = std::find_if(m_owned.begin(), m_owned.end(),
                                 [object](const auto& owned) { return owned.get() == object; });
    if (it != m_owned.end()) m_owned.erase(it);
}

SkyLoadResult SkyModel::load(const std::string& directory, const CInstant& instant)
{
    SkyLoadResult result = readFiles(directory);
    return result.ok() ? complete(instant) : result;
}

SkyLoadResult SkyModel::readFiles(const std::string& directory, const std::string& userObjectsPath)
{
    registerSkyClasses();
    SkyLoadResult result = readCatalogue(joinPath(directory, kCatalogueFile));
    if (!result.ok()) return result;
    if (const auto error = m_bodies.load(joinPath(directory, kElementsFile)))
        return SkyLoadResult::failure(kElementsFile, error->kind());
    readUserObjects(userObjectsPath.empty() ? joinPath(directory, kUserObjectsFile) : userObjectsPath);
    return result;
}

SkyLoadResult SkyModel::readCatalogue(const std::string& path)
{
    m_ciel.clear();
    m_lines.clear();
    m_zodiac.clear();
    ArchiveLoad loaded = loadArchiveFile(path, [this](CArchiveReader& archive) {
        m_ciel.load(archive);
        m_lines = archive.readObjectArray<CPointPlan>();
        const std::vector<CZodiac*> zodiac = archive.readObjectArray<CZodiac>();
        m_zodiac.assign(zodiac.begin(), zodiac.end());
        m_labels = archive.readTextMap();
        m_secondMap = archive.readTextMap();
        checkCatalogue();
    });
    // Whatever happened, every object the reader made is kept once here.
    adopt(std::move(loaded.objects));
    if (loaded.ok()) return {};
    return SkyLoadResult::failure(kCatalogueFile, loaded.error->kind());
}

void SkyModel::checkCatalogue() const
{
    // The program files the user objects, the bodies and the reference lines
    // under these groups: a catalogue without them cannot be used.
    for (const char* name : {kUserObjects, kPlanets, kSpecialLines})
        if (!m_ciel.findLast(name)) throw ArchiveError(ArchiveErrorKind::Damaged, std::string("pas de groupe ") + name);
}

void SkyModel::readUserObjects(const std::string& path)
{
    CConstellation read;
    ArchiveLoad loaded = loadArchiveFile(path, [&read](CArchiveReader& archive) { read.load(archive); });
    adopt(std::move(loaded.objects));
    // Keep what was read before any damage: user objects only, each once.
    CConstellation* objects = userObjects();
    std::set<const CAstre*> seen(objects->objects().begin(), objects->objects().end());
    bool foreign = false;
    for (CAstre* object : read.objects()) {
        if (!dynamic_cast<CNouvelObjet*>(object)) {
            foreign = true;
            break;
        }
        if (seen.insert(object).second) objects->append(object);
    }
    if (!loaded.ok() || foreign) m_userObjectsModified = true;
    const bool missing = !loaded.ok() && loaded.error->kind() == ArchiveErrorKind::FileNotFound;
    m_userObjectsReadWhole = loaded.ok() ? !foreign : missing;
}

SkyLoadResult SkyModel::complete(const CInstant& instant)
{
    if (!m_completed) {
        // The bodies go to "Planètes" in the menus' order: Mercure ... Saturne, Lune, Soleil.
        CConstellation* planets = m_ciel.findLast(kPlanets);
        if (!planets) return SkyLoadResult::failure(kCatalogueFile, ArchiveErrorKind::Damaged);
        m_completed = true;
        for (int p = 0; p < kBodyCount; ++p) planets->append(&m_bodies.body(bodyAtMenuPosition(p)));
        m_zenithGroup = std::make_unique<CConstellation>(kZenith);
        m_zenithGroup->append(m_zenith.get());
        m_ciel.append(m_zenithGroup.get());
    }
    if (!recomputeAll(instant)) {
        // Catalogue objects have fixed places: a position that cannot be
        // formed comes from the elements of a body, else from the catalogue.
        // Either way the data are damaged, and the user is told which file.
        const char* file = m_bodies.computeAll(instant) ? kCatalogueFile : kElementsFile;
        return SkyLoadResult::failure(file, ArchiveErrorKind::Damaged);
    }
    placeLines();
    return {};
}

bool SkyModel::recomputeAll(const CInstant& instant)
{
    return m_ciel.RecomputeAll(instant);
}

void SkyModel::placeLines()
{
    for (CPointPlan* point : m_lines) point->Place(0.0, 1.0, 0.0);
}

CConstellation* SkyModel::userObjects() const
{
    return m_ciel.findLast(kUserObjects);
}

CNouvelObjet* SkyModel::addUserObject(std::unique_ptr<CNouvelObjet> object)
{
    CConstellation* objects = userObjects();
    if (!objects || !object) return nullptr;
    CNouvelObjet* raw = object.get();
    m_owned.push_back(std::move(object));
    objects->append(raw);
    m_userObjectsModified = true;
    return raw;
}

void SkyModel::removeUserObject(CNouvelObjet* object)
{
    CConstellation* objects = userObjects();
    if (!objects || !objects->remove(object)) return;
    m_ciel.unregister(object);
    discard(object);
    m_userObjectsModified = true;
}

SaveResult SkyModel::saveUserObjects(const std::string& path)
{
    const CConstellation* objects = userObjects();
    if (!objects) return {false, "pas de groupe Objets"};
    CArchiveWriter archive;
    objects->store(archive);
    SaveResult result = archive.saveTo(path);
    if (result.ok) m_userObjectsModified = false;
    return result;
}

std::string SkyModel::constellationName(const std::string& abbreviation) const
{
    return m_ciel.constellationName(abbreviation);
}

std::string SkyModel::zodiacConstellation(double alpha, double delta) const
{
    return zodiacLookup(m_zodiac, alpha, delta);
}

}  // namespace zarn
