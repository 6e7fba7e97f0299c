// SPDX-License-Identifier: GPL-3.0-or-later
// ZARN.INI on the disk: what is read, and in what time.
#include "time/ProfileFile.h"
#include "settings/ZarnSettings.h"
#include "../support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace zarn;
namespace fs = std::filesystem;

namespace {

class SettingsFile : public test::ScratchFolder {
protected:
    SettingsFile() : ScratchFolder("zarn-profile") {}
    void put(const fs::path& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
};

}  // namespace

TEST_F(SettingsFile, OnlyARegularFileOfAtMostFourMebibytesIsRead)
{
    const fs::path ini = m_dir / "ZARN.INI";
    EXPECT_EQ(readProfileFile(ini).state, ProfileFileState::Absent);

    put(ini, "[Observatoires]\r\nlieu0=Caf\xe9\r\n");
    const ProfileFile read = readProfileFile(ini);
    EXPECT_EQ(read.state, ProfileFileState::Whole);
    EXPECT_EQ(read.profile.value("Observatoires", "lieu0"), "Café");

    // A named pipe would wait for a writer, /dev/zero never ends.
    fs::remove(ini);
    ASSERT_EQ(::mkfifo(ini.c_str(), 0600), 0);
    EXPECT_EQ(readProfileFile(ini).state, ProfileFileState::Refused);
    fs::remove(ini);
    fs::create_symlink("/dev/zero", ini);
    EXPECT_EQ(readProfileFile(ini).state, ProfileFileState::Refused);
    fs::remove(ini);
    fs::create_directory(ini);
    EXPECT_EQ(readProfileFile(ini).state, ProfileFileState::Refused);
    fs::remove(ini);
    put(ini, "[Cartes]\r\n" + std::string(kMaxProfileFileSize, ';'));
    const ProfileFile big = readProfileFile(ini);
    EXPECT_EQ(big.state, ProfileFileState::Refused);
    EXPECT_FALSE(big.profile.hasSection("Cartes"));
}

TEST_F(SettingsFile, ReadingTakesTimeInProportionToTheLines)
{
    // 100 000 keys in one section: a lookup per key over the keys before it
    // would take minutes; one pass takes a fraction of a second.
    std::string text = "[Observatoires]\r\n";
    for (int i = 0; i < 100000; ++i)
        text += "lieu" + std::to_string(i) + "=Observatoire\r\n";
    const fs::path ini = m_dir / "ZARN.INI";
    put(ini, text);
    const auto start = std::chrono::steady_clock::now();
    const ProfileFile file = readProfileFile(ini);
    readSettings(file.profile);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(file.profile.value("Observatoires", "LIEU99999"), "Observatoire");
    EXPECT_LT(elapsed.count(), 20.0);
}
