// SPDX-License-Identifier: GPL-3.0-or-later
// The sky files read and written with the catalogue classes: shared objects,
// the user objects' file, damaged and missing files.
#include "SmallCatalogue.h"

#include "sky/CCiel.h"
#include "sky/CNouvelObjet.h"
#include "sky/SkyClasses.h"
#include "sky/SkyModel.h"
#include "sky/UserObjectEntry.h"
#include "archive/ArchiveFile.h"
#include "archive/CArchiveReader.h"
#include "time/CInstant.h"
#include "time/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace zarn;
namespace fs = std::filesystem;

namespace {

CInstant tonight()
{
    return CInstant(12, 8, 2004, 23, 0, 0, CLieu("Paris", -2.33, 48.85 * kRadPerDeg, 1, 1));
}

void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A folder of its own with a catalogue, the real orbital elements and, when
// given, a user objects' file.
class SkyFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerSkyClasses();
        dir = fs::temp_directory_path() /
              ("zarn-sky-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        fs::copy_file(fs::path(ZARN_DATA_DIR) / "ELEMENTS.ZAR", dir / "ELEMENTS.ZAR");
    }
    void TearDown() override { fs::remove_all(dir); }
    void writeCatalogue(bool withPlanets = true)
    {
        test::SmallCatalogue catalogue(withPlanets);
        writeBytes(dir / "CIEL.ZAR", catalogue.bytes());
    }
    fs::path dir;
};

}  // namespace

TEST(SkyArchive, ASharedStarIsWrittenOnceAndReadAsOneObject)
{
    registerSkyClasses();
    test::SmallCatalogue catalogue;
    CArchiveWriter w;
    w.writeObjectArray(std::vector<CConstellation*>{catalogue.constellations[0], catalogue.constellations[1]});
    // Index 1 the class CConstellation, 2 the Lyre, 3 the class CEtoile, 4 Véga.
    // The Cygne record ends with Véga's reference (the word 4), then its
    // figure: a count of 1 and the segment 0x0100.
    const std::vector<std::uint8_t>& bytes = w.bytes();
    const std::vector<std::uint8_t> tail(bytes.end() - 6, bytes.end());
    EXPECT_EQ(tail, (std::vector<std::uint8_t>{4, 0, 1, 0, 0, 1}));

    CCiel ciel;
    ArchiveLoad loaded = loadArchive(bytes, [&](CArchiveReader& a) { ciel.load(a); });
    ASSERT_TRUE(loaded.ok());
    ASSERT_EQ(ciel.constellations().size(), 2u);
    const CAstre* vegaInLyre = ciel.constellations()[0]->objects()[0];
    const CAstre* vegaInCygne = ciel.constellations()[1]->objects()[1];
    EXPECT_EQ(vegaInLyre, vegaInCygne);
    EXPECT_EQ(vegaInLyre->GetName(), "Véga");
    // Two constellations, three stars and the nebula: each made once.
    EXPECT_EQ(loaded.objects.size(), 2u + 4u);
}

TEST(SkyArchive, AUserObjectOfKindThreeEndsWithTheSingleByteThree)
{
    registerSkyClasses();
    const CNouvelObjet galaxy(10.6847, 41.2687, "M31", 3);
    CArchiveWriter w;
    w.writeObject(&galaxy);
    const std::vector<std::uint8_t>& bytes = w.bytes();
    // Tag 0xFFFF, schema 0, the class name, then "M31", α, δ and the kind.
    const std::string name = "CNouvelObjet";
    ASSERT_EQ(bytes.size(), 2u + 2u + 2u + name.size() + 4u + 4u + 4u + 1u);
    EXPECT_EQ(bytes.back(), 3);
    // δ = 41269 thousandths of a degree = 0xA135, little-endian, just before the kind.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.end() - 5, bytes.end()),
              (std::vector<std::uint8_t>{0x35, 0xA1, 0, 0, 3}));

    CArchiveWriter spoilt;
    spoilt.writeObject(&galaxy);
    std::vector<std::uint8_t> badKind = spoilt.bytes();
    badKind.back() = 7;
    ArchiveLoad loaded = loadArchive(badKind, [](CArchiveReader& a) { a.readObject(); });
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.error->kind(), ArchiveErrorKind::Damaged);
}

TEST(SkyArchive, DamageInAConstellationIsCaught)
{
    registerSkyClasses();
    struct Case {
        const char* what;
        std::function<void(test::SmallCatalogue&)> spoil;
    };
    const Case cases[] = {
        {"a figure segment beyond the objects", [](test::SmallCatalogue& c) { c.constellations[0]->setFigure({0x0300}); }},
        {"no object in an array", [](test::SmallCatalogue& c) { c.constellations[0]->append(nullptr); }},
    };
    for (const Case& c : cases) {
        test::SmallCatalogue catalogue;
        c.spoil(catalogue);
        CCiel ciel;
        ArchiveLoad loaded = loadArchive(catalogue.bytes(), [&](CArchiveReader& a) { ciel.load(a); });
        ASSERT_FALSE(loaded.ok()) << c.what;
        EXPECT_EQ(loaded.error->kind(), ArchiveErrorKind::Damaged) << c.what;
    }
}

TEST_F(SkyFolder, AMissingUserObjectsFileGivesAnEmptyGroupSilently)
{
    writeCatalogue();
    SkyModel sky;
    const SkyLoadResult result = sky.load(dir.string(), tonight());
    ASSERT_TRUE(result.ok()) << loadErrorText(result);
    ASSERT_NE(sky.userObjects(), nullptr);
    EXPECT_TRUE(sky.userObjects()->objects().empty());
    EXPECT_TRUE(sky.userObjectsModified());
}

TEST_F(SkyFolder, UserObjectsSurviveAWriteAndARead)
{
    writeCatalogue();
    {
        SkyModel sky;
        ASSERT_TRUE(sky.load(dir.string(), tonight()).ok());
        sky.addUserObject(std::make_unique<CNouvelObjet>(10.6847, 41.2687, "Galaxie d'Andromède", 3));
        sky.addUserObject(std::make_unique<CNouvelObjet>(359.9996, -0.0004, "Comète", 0));
        CNouvelObjet* gone = sky.addUserObject(std::make_unique<CNouvelObjet>(1.0, 2.0, "Supprimé", 1));
        sky.removeUserObject(gone);
        const SaveResult saved = sky.saveUserObjects((dir / "OBJETS.ZAR").string());
        ASSERT_TRUE(saved.ok) << saved.reason;
        EXPECT_FALSE(sky.userObjectsModified());
    }
    SkyModel sky;
    ASSERT_TRUE(sky.load(dir.string(), tonight()).ok());
    EXPECT_FALSE(sky.userObjectsModified());
    const std::vector<CAstre*>& objects = sky.userObjects()->objects();
    ASSERT_EQ(objects.size(), 2u);
    const auto* galaxy = dynamic_cast<const CNouvelObjet*>(objects[0]);
    const auto* comet = dynamic_cast<const CNouvelObjet*>(objects[1]);
    ASSERT_TRUE(galaxy && comet);
    EXPECT_EQ(galaxy->designation(), "Galaxie d'Andromède");
    EXPECT_EQ(galaxy->rightAscension(), 10685);
    EXPECT_EQ(galaxy->declination(), 41269);
    EXPECT_EQ(galaxy->kind(), 3);
    EXPECT_EQ(comet->rightAscension(), 360000);
    EXPECT_EQ(comet->declination(), 0);
    EXPECT_EQ(comet->kind(), 0);
    EXPECT_EQ(sky.userObjects()->name(), "Objets");
}

TEST_F(SkyFolder, ADamagedUserObjectsFileKeepsTheObjectsBeforeTheDamage)
{
    writeCatalogue();
    {
        SkyModel sky;
        ASSERT_TRUE(sky.load(dir.string(), tonight()).ok());
        for (int i = 0; i < 3; ++i)
            sky.addUserObject(std::make_unique<CNouvelObjet>(10.0 * i, 5.0, "Objet " + std::to_string(i), 1));
        ASSERT_TRUE(sky.saveUserObjects((dir / "OBJETS.ZAR").string()).ok);
    }
    // Cut the file inside the third object (its kind byte and the figure count).
    fs::resize_file(dir / "OBJETS.ZAR", fs::file_size(dir / "OBJETS.ZAR") - 3);
    SkyModel sky;
    ASSERT_TRUE(sky.load(dir.string(), tonight()).ok());
    ASSERT_EQ(sky.userObjects()->objects().size(), 2u);
    EXPECT_EQ(sky.userObjects()->objects()[1]->GetName(), "");
    EXPECT_EQ(dynamic_cast<CNouvelObjet*>(sky.userObjects()->objects()[1])->designation(), "Objet 1");
    EXPECT_TRUE(sky.userObjectsModified());
}

TEST_F(SkyFolder, CatalogueErrorsNameTheFileAndTheirKind)
{
    {
        SkyModel sky;
        const SkyLoadResult missing = sky.load(dir.string(), tonight());
        EXPECT_EQ(missing.status, SkyLoadStatus::FileError);
        EXPECT_EQ(missing.error, ArchiveErrorKind::FileNotFound);
        EXPECT_EQ(missing.fileName, "CIEL.ZAR");
        EXPECT_EQ(loadErrorText(missing), "Le fichier CIEL.ZAR n'a pas été trouvé.\nVérifiez que ce fichier se "
                                          "trouve bien\ndans le répertoire actif.");
    }
    {
        writeCatalogue(false);  // no "Planètes"
        SkyModel sky;
        const SkyLoadResult noPlanets = sky.load(dir.string(), tonight());
        EXPECT_EQ(noPlanets.error, ArchiveErrorKind::Damaged);
        EXPECT_EQ(loadErrorText(noPlanets), "Le fichier CIEL.ZAR est erroné.\nRecopiez la version actuelle de ce "
                                            "fichier\ndans le répertoire courant.");
    }
    {
        writeCatalogue();
        fs::resize_file(dir / "CIEL.ZAR", fs::file_size(dir / "CIEL.ZAR") / 2);
        SkyModel sky;
        const SkyLoadResult cut = sky.load(dir.string(), tonight());
        EXPECT_EQ(cut.status, SkyLoadStatus::FileError);
        EXPECT_EQ(cut.error, ArchiveErrorKind::Damaged);
    }
}

TEST_F(SkyFolder, LoadingFillsThePlanetsAndZenithGroupsAndComputesEverything)
{
    writeCatalogue();
    SkyModel sky;
    ASSERT_TRUE(sky.load(dir.string(), tonight()).ok());
    const CCiel& ciel = sky.ciel();
    // The zenith group comes last, after the groups of the file.
    ASSERT_EQ(ciel.constellations().back()->name(), "Zenith");
    ASSERT_EQ(ciel.constellations().back()->objects().size(), 1u);
    EXPECT_EQ(ciel.constellations().back()->objects()[0]->GetName(), "Zénith");
    // Names: each star once, the shared Véga in the three arrays that hold it.
    EXPECT_EQ(ciel.names().size(), 4u);
    EXPECT_EQ(ciel.names().at("Véga")->GetConstellationName(sky), "Lyre");
    EXPECT_EQ(ciel.names().at("Nébuleuse de l'Anneau")->GetConstellation(), "LYR");
    // The reference points of "Lignes spéciales" are those of the list, placed.
    const CConstellation* special = ciel.findLast("Lignes spéciales");
    ASSERT_NE(special, nullptr);
    ASSERT_EQ(sky.referenceLines().size(), 9u);
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(special->objects()[i], sky.referenceLines()[i]);
    EXPECT_NEAR(sky.referenceLines()[1]->GetZ(), 0.0, 1e-12);  // an equator point
    EXPECT_NEAR(sky.referenceLines()[0]->GetZ(), std::sin(0.1), 1e-12);
    EXPECT_EQ(sky.labels().at("Véga"), "3");
    EXPECT_EQ(sky.secondMap().at("172167"), "A0V");
    EXPECT_EQ(sky.zodiacConstellation(1.0, 0.5), "LYR");
    EXPECT_EQ(sky.zodiacConstellation(4.0, -0.5), "LYR");
    EXPECT_EQ(sky.zodiacConstellation(4.0, 0.5), "CYG");
}

TEST_F(SkyFolder, ARemovedUserObjectLeavesTheNamesAndTheSky)
{
    writeCatalogue();
    SkyModel sky;
    ASSERT_TRUE(sky.load(dir.string(), tonight()).ok());
    CNouvelObjet* named = sky.addUserObject(std::make_unique<CNouvelObjet>(83.8, -5.4, "M42*Orion", 2));
    ASSERT_TRUE(sky.recomputeAll(tonight()));
    ASSERT_EQ(sky.ciel().names().count("Orion"), 1u);
    sky.removeUserObject(named);  // deleted here
    EXPECT_EQ(sky.ciel().names().count("Orion"), 0u);
    EXPECT_TRUE(sky.userObjects()->objects().empty());
    EXPECT_TRUE(sky.recomputeAll(tonight()));
    // An object that is not in "Objets" is left alone.
    CNouvelObjet stranger(1.0, 1.0, "Ailleurs", 0);
    sky.removeUserObject(&stranger);
    EXPECT_TRUE(sky.recomputeAll(tonight()));
}

TEST_F(SkyFolder, UserObjectsRebuiltFromTheOptionsListTakeOnlyFreeNames)
{
    writeCatalogue();
    {
        SkyModel sky;
        ASSERT_TRUE(sky.load(dir.string(), tonight()).ok());
        sky.addUserObject(std::make_unique<CNouvelObjet>(1.0, 2.0, "O*Ancien", 1));
        ASSERT_TRUE(sky.recomputeAll(tonight()));
        ASSERT_EQ(sky.ciel().names().count("Ancien"), 1u);
        const CAstre* deneb = sky.ciel().names().at("Deneb");
        rebuildUserObjects(sky,
                           {entryFromFields("12.30", "-5.20", "Comète", 0), entryFromFields("1.00", "2.00", "", 4),
                            entryFromFields("20.41", "45.17", "Deneb", 2)},
                           tonight());
        const auto& names = sky.ciel().names();
        EXPECT_EQ(names.count("Ancien"), 0u);
        ASSERT_EQ(names.count("Comète"), 1u);
        EXPECT_NE(dynamic_cast<const CNouvelObjet*>(names.at("Comète")), nullptr);
        // A user object named like a star leaves the name to the star, so the
        // star stays in the lists that leave user objects out.
        EXPECT_EQ(names.at("Deneb"), deneb);
        ASSERT_TRUE(sky.recomputeAll(tonight()));
        EXPECT_EQ(sky.ciel().names().at("Deneb"), deneb);
        // The unnamed object is in the sky, computed, but has no name.
        const std::vector<CAstre*>& objects = sky.userObjects()->objects();
        ASSERT_EQ(objects.size(), 3u);
        EXPECT_NEAR(objects[0]->GetAlpha(), 187.5 * kRadPerDeg, 1e-6);
        for (const auto& entry : names)
            EXPECT_NE(entry.second, objects[1]) << entry.first;
        EXPECT_NEAR(objects[1]->GetDelta(), 2.0 * kRadPerDeg, 1e-6);
        EXPECT_TRUE(sky.userObjectsModified());
        ASSERT_TRUE(sky.saveUserObjects((dir / "OBJETS.ZAR").string()).ok);
    }
    // The five symbols survive the file, the cross included.
    SkyModel sky;
    ASSERT_TRUE(sky.load(dir.string(), tonight()).ok());
    EXPECT_FALSE(sky.userObjectsModified());
    const std::vector<CAstre*>& objects = sky.userObjects()->objects();
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(dynamic_cast<const CNouvelObjet*>(objects[1])->kind(), 4);
    EXPECT_EQ(dynamic_cast<const CNouvelObjet*>(objects[0])->designation(), "O*Comète");
}
