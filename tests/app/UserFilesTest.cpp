// SPDX-License-Identifier: GPL-3.0-or-later
// The user's files at closing: two programs on the same ZARN.INI and
// OBJETS.ZAR, folder names that are not UTF-8, and an installed program that
// keeps its shared data folder untouched.
#include "../support/ParisProgram.h"
#include "../time/ui/ModalCatcher.h"

#include "app/CSettingsStore.h"
#include "app/CZarnApp.h"
#include "app/CZarnDoc.h"
#include "app/FileMessages.h"
#include "app/FilePaths.h"
#include "shell/CMainFrame.h"
#include "sky/CConstellation.h"
#include "sky/UserObjectEntry.h"
#include "time/ProfileFile.h"
#include "settings/ZarnSettings.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

using namespace zarn;
using zarn::test::ModalCatcher;
namespace fs = std::filesystem;

namespace {

// One running program: its own main window and settings store, on the files
// of the shared folder.
struct Program {
    explicit Program(const QString& folder)
        : store(joinPath(folder, "ZARN.INI")), doc(new CZarnDoc(frame, WindowKinds{}, folder, store))
    {
        doc->setMinimumSplashMs(0);
        EXPECT_TRUE(doc->load());
    }
    void addObject(const std::string& name)
    {
        std::vector<UserObjectEntry> entries = userObjectEntries(doc->sky());
        entries.push_back(entryFromFields("5.30", "20.00", name, 0));
        rebuildUserObjects(doc->sky(), entries, doc->instant());
    }
    CSettingsStore store;
    CMainFrame frame;
    CZarnDoc* doc;  // owned by the frame
};

std::vector<std::string> objectNames(const fs::path& file)
{
    SkyModel sky;
    std::vector<std::string> names;
    if (!sky.readFiles(ZARN_DATA_DIR, file.string()).ok())
        return {"(illisible)"};
    for (const UserObjectEntry& entry : userObjectEntries(sky))
        names.push_back(entry.name);
    return names;
}

std::vector<std::string> placeNames(const fs::path& settings)
{
    std::vector<std::string> names;
    for (const CLieu& place : readSettings(CSettingsStore(pathFromBytes(settings.string())).load()).observatories)
        names.push_back(place.name());
    return names;
}

// The dated copies kept beside a file: NAME-YYYYMMDD-HHMMSS.bak.
std::vector<fs::path> datedCopies(const fs::path& file)
{
    std::vector<fs::path> found;
    const std::string stem = file.filename().string() + "-";
    for (const auto& entry : fs::directory_iterator(file.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.size() == stem.size() + 19 && name.starts_with(stem) && name.ends_with(".bak"))
            found.push_back(entry.path());
    }
    return found;
}

class TwoPrograms : public ::testing::Test {
protected:
    void SetUp() override
    {
        zarn::test::copyDataFiles(dir.path());
        CSettingsStore store(dir.filePath(QStringLiteral("ZARN.INI")));
        zarn::test::saveParisSettings(store);
    }
    QTemporaryDir dir;
    fs::path folder() const { return pathBytes(dir.path()); }
};

}  // namespace

TEST_F(TwoPrograms, TheSecondClosingKeepsTheFirstsWorkOrAsksBeforeReplacingIt)
{
    auto first = std::make_unique<Program>(dir.path());
    auto second = std::make_unique<Program>(dir.path());
    first->addObject("Comète A");
    first->doc->observatories().push_back(CLieu("Lyon", -4.83, 0.7964, 1, 1));
    {
        ModalCatcher quiet;
        ASSERT_TRUE(first->doc->close());
        EXPECT_TRUE(quiet.texts.isEmpty());
    }
    // The second changed no object: the first's file stands without a word.
    // Its settings differ: asked; "Non" leaves the first's observatories.
    {
        ModalCatcher keepTheirs(QMessageBox::No);
        ASSERT_TRUE(second->doc->close());
        ASSERT_EQ(keepTheirs.texts.size(), 1) << keepTheirs.texts.join("|").toStdString();
        EXPECT_EQ(keepTheirs.texts[0], changedFileQuestion(dir.filePath(QStringLiteral("ZARN.INI"))));
    }
    EXPECT_EQ(objectNames(folder() / "OBJETS.ZAR"), std::vector<std::string>{"Comète A"});
    EXPECT_EQ(placeNames(folder() / "ZARN.INI"), (std::vector<std::string>{"Paris", "Lyon"}));
    EXPECT_TRUE(datedCopies(folder() / "OBJETS.ZAR").empty());

    // Both change the objects: "Annuler" keeps the program open and writes
    // nothing; "Oui" writes its own and keeps the other's as a dated copy.
    first = std::make_unique<Program>(dir.path());
    second = std::make_unique<Program>(dir.path());
    first->addObject("Comète B");
    second->addObject("Comète C");
    ASSERT_TRUE(first->doc->close());
    {
        ModalCatcher stay(QMessageBox::Cancel);
        EXPECT_FALSE(second->doc->close());
    }
    EXPECT_EQ(objectNames(folder() / "OBJETS.ZAR"), (std::vector<std::string>{"Comète A", "Comète B"}));
    {
        ModalCatcher replace(QMessageBox::Yes);
        ASSERT_TRUE(second->doc->close());
        const QString objects = dir.filePath(QStringLiteral("OBJETS.ZAR"));
        ASSERT_GE(replace.texts.size(), 2);
        EXPECT_TRUE(replace.texts.contains(changedFileQuestion(objects)));
        EXPECT_TRUE(replace.texts.last().contains(QStringLiteral("modifié par un autre programme")));
    }
    EXPECT_EQ(objectNames(folder() / "OBJETS.ZAR"), (std::vector<std::string>{"Comète A", "Comète C"}));
    const auto copies = datedCopies(folder() / "OBJETS.ZAR");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(objectNames(copies[0]), (std::vector<std::string>{"Comète A", "Comète B"}));
    // Written by this program now: closing again asks nothing.
    ModalCatcher again;
    EXPECT_TRUE(second->doc->close());
    EXPECT_TRUE(again.texts.isEmpty());
}

namespace {

// A temporary root with per-user folders of its own (XDG_CONFIG_HOME and
// XDG_DATA_HOME point there while the test runs); names are bytes.
class UserFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = pathBytes(base.path());
        config = root / "r\xe9glages";
        data = root / "donn\xe9" "es";
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            saved.push_back(qgetenv(name));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.string()));
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.string()));
    }
    void TearDown() override
    {
        qputenv("XDG_CONFIG_HOME", saved[0]);
        qputenv("XDG_DATA_HOME", saved[1]);
        // QTemporaryDir cannot name what is below a folder that is not UTF-8.
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(root, ignored))
            fs::remove_all(entry.path(), ignored);
    }
    static void copyData(const fs::path& to)
    {
        fs::create_directories(to);
        for (const char* name : {"CIEL.ZAR", "ELEMENTS.ZAR"})
            fs::copy_file(fs::path(ZARN_DATA_DIR) / name, to / name);
        fs::copy_file(fs::path(ZARN_SOURCE_DIR) / "resources" / "eclipse.bmp", to / "eclipse.bmp");
    }
    // A settings file whose only observatory has the name given.
    static void writePlace(const fs::path& file, const char* name)
    {
        fs::create_directories(file.parent_path());
        ZarnSettings settings;
        settings.observatories.push_back(CLieu(name, -2.33, 0.8527, 1, 1));
        Profile profile;
        writeSettings(settings, profile, false);
        ASSERT_TRUE(writeProfileFile(file, profile));
    }
    // Every entry under the root, by its bytes.
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(root))
            names.push_back(fs::relative(entry.path(), root).string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::unique_ptr<CZarnApp> start(const fs::path& programDir, bool installed)
    {
        auto app = std::make_unique<CZarnApp>(pathFromBytes(programDir.string()), programWindowKinds(), installed);
        app->setMinimumSplashMs(0);
        return app;
    }

    QTemporaryDir base;
    fs::path root, config, data;
    std::vector<QByteArray> saved;
};

}  // namespace

TEST(FilePaths, BytesThatAreNotUtf8SurviveAndShowAsTheirCharacters)
{
    for (const std::string bytes : {"/tmp/caf\xe9", "/tmp/caf\xc3\xa9", "\xed\xa0\x80 surrogate", "\xc0\xaf overlong",
                                    "cut \xe2\x82", "\xf0\x9d\x84\x9e clef", "\xf4\x90\x80\x80 beyond", "\xff\xfe"})
        EXPECT_EQ(pathBytes(pathFromBytes(bytes)), bytes) << bytes;
    // Valid UTF-8 reads as Qt reads it; a Latin-1 byte is shown as its letter.
    EXPECT_EQ(pathFromBytes("/tmp/caf\xc3\xa9"), QStringLiteral("/tmp/café"));
    EXPECT_EQ(pathBytes(QStringLiteral("/tmp/café")), "/tmp/caf\xc3\xa9");
    EXPECT_EQ(displayPath(pathFromBytes("/tmp/caf\xe9")), QStringLiteral("/tmp/café"));
    EXPECT_TRUE(writeErrorText(pathFromBytes("/caf\xe9")).contains(QStringLiteral("/café.")));
}

TEST_F(UserFolders, LatinOneFolderNamesAreFoundAndWrittenAsTheyAre)
{
    const fs::path program = root / "Programme caf\xe9";
    copyData(program);
    writePlace(config / "Zarn" / "ZARN.INI", "Lieu réglages");
    ModalCatcher catcher;
    auto app = start(program, false);
    ASSERT_TRUE(app->InitInstance()) << catcher.texts.join("|").toStdString();
    EXPECT_TRUE(catcher.texts.isEmpty());  // no "CIEL.ZAR n'a pas été trouvé"
    EXPECT_EQ(app->document()->observatories().front().name(), "Lieu réglages");
    ASSERT_TRUE(app->document()->close());
    // Both files went where they came from; no folder with U+FFFD appeared.
    EXPECT_TRUE(fs::is_regular_file(program / "OBJETS.ZAR"));
    EXPECT_EQ(placeNames(config / "Zarn" / "ZARN.INI"), std::vector<std::string>{"Lieu réglages"});
    for (const std::string& name : entries())
        EXPECT_EQ(name.find("\xef\xbf\xbd"), std::string::npos) << name;
}

TEST_F(UserFolders, AnInstalledProgramWritesNothingInItsSharedDataFolder)
{
    // PREFIX/share/zarn writable, as for root; an older run left files there.
    const fs::path share = root / "usr" / "share" / "zarn";
    copyData(share);
    writePlace(share / "ZARN.INI", "Ancien");
    std::ofstream(share / "OBJETS.ZAR") << "ancien";
    writePlace(config / "Zarn" / "ZARN.INI", "Lyon");
    std::vector<std::string> before;
    for (const auto& entry : fs::directory_iterator(share))
        before.push_back(entry.path().filename().string() + "=" + std::to_string(fs::file_size(entry.path())));
    std::sort(before.begin(), before.end());

    auto app = start(share, true);
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(app->document()->observatories().front().name(), "Lyon");
    EXPECT_TRUE(app->document()->sky().userObjects()->objects().empty());
    ASSERT_TRUE(app->document()->close());
    std::vector<std::string> after;
    for (const auto& entry : fs::directory_iterator(share))
        after.push_back(entry.path().filename().string() + "=" + std::to_string(fs::file_size(entry.path())));
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before);
    EXPECT_TRUE(fs::is_regular_file(data / "Zarn" / "OBJETS.ZAR"));
    EXPECT_EQ(placeNames(config / "Zarn" / "ZARN.INI"), std::vector<std::string>{"Lyon"});
}
