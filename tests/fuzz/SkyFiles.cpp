// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkyFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "sky/CConstellation.h"
#include "sky/CZodiac.h"
#include "sky/SkyModel.h"
#include "archive/AtomicFile.h"
#include "archive/CArchiveWriter.h"
#include "time/CInstant.h"
#include "time/CLieu.h"

namespace zarn::fuzz {

namespace fs = std::filesystem;

namespace {

fs::path g_root;
fs::path g_catalogueDir;
fs::path g_objectsDir;

void removeFolders()
{
    std::error_code ignored;
    fs::remove_all(g_root, ignored);
}

// The smallest catalogue the program accepts: its three groups and a zodiac
// table that closes the circle.
std::vector<std::uint8_t> smallCatalogue()
{
    CConstellation objects("Objets"), planets("Planètes"), lines("Lignes spéciales");
    CZodiac zodiac(6.3, 0.0, "Poissons", "Poissons");
    CArchiveWriter writer;
    writer.writeObjectArray(std::vector<CConstellation*>{&objects, &planets, &lines});
    writer.writeCount(0);
    writer.writeObjectArray(std::vector<CZodiac*>{&zodiac});
    writer.writeTextMap({});
    writer.writeTextMap({});
    return writer.bytes();
}

void put(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void loadFolder(const fs::path& folder)
{
    SkyModel sky;
    const CLieu paris("Paris", -2.3333, 0.8526, 1, 1);
    sky.load(folder.string(), CInstant(8, 12, 2026, 21, 30, 0, paris));
}

}  // namespace

bool prepareSkyFolders()
{
    const fs::path elements = fs::path(ZARN_DATA_DIR) / "ELEMENTS.ZAR";
    if (!fs::exists(elements)) return false;
    g_root = fs::temp_directory_path() / ("zarn-fuzz-" + std::to_string(::getpid()));
    g_catalogueDir = g_root / "ciel";
    g_objectsDir = g_root / "objets";
    std::atexit(removeFolders);
    for (const fs::path& dir : {g_catalogueDir, g_objectsDir}) {
        fs::create_directories(dir);
        fs::copy_file(elements, dir / "ELEMENTS.ZAR", fs::copy_options::overwrite_existing);
    }
    return static_cast<bool>(writeFileAtomically(g_objectsDir / "CIEL.ZAR", smallCatalogue()));
}

void loadAsCatalogue(const std::vector<std::uint8_t>& bytes)
{
    put(g_catalogueDir / "CIEL.ZAR", bytes);
    loadFolder(g_catalogueDir);
}

void loadAsUserObjects(const std::vector<std::uint8_t>& bytes)
{
    put(g_objectsDir / "OBJETS.ZAR", bytes);
    loadFolder(g_objectsDir);
}

}  // namespace zarn::fuzz
