// SPDX-License-Identifier: GPL-3.0-or-later
// Where a program finds its data files: beside itself, or in share/zarn of
// the prefix it is installed in.
#include "sky/DataFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(DataFolder, BesideTheProgramElseShareZarnOfItsPrefix)
{
    const fs::path prefix = fs::temp_directory_path() / ("zarn-prefix-" + std::to_string(::getpid()));
    const std::string bin = (prefix / "bin").string();
    fs::create_directories(bin);
    // Nothing installed yet: the program's own folder, where a missing file is reported.
    EXPECT_EQ(zarn::dataFolder(bin), bin);
    fs::create_directories(prefix / "share" / "zarn");
    EXPECT_EQ(zarn::dataFolder(bin), (prefix / "share" / "zarn").string());
    EXPECT_EQ(zarn::dataFolder(bin + "/"), (prefix / "share" / "zarn").string());
    // A folder not named bin never looks elsewhere.
    EXPECT_EQ(zarn::dataFolder(prefix.string()), prefix.string());
    // Data beside the program (the build tree) win.
    std::ofstream(prefix / "bin" / "ELEMENTS.ZAR") << "x";
    EXPECT_EQ(zarn::dataFolder(bin), bin);
    fs::remove_all(prefix);
}
