// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/CArchiveWriter.h"

#include "../support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sys/stat.h>

using namespace zarn;
namespace fs = std::filesystem;

namespace {

class AtomicFile : public test::ScratchFolder {
protected:
    AtomicFile() : ScratchFolder("zarn-atomic") {}
    static std::vector<std::uint8_t> contents(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::size_t entries() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()));
    }
};

}  // namespace

TEST_F(AtomicFile, ReplacesTheFileAndLeavesNoTemporary)
{
    const fs::path target = m_dir / "OBJETS.ZAR";
    ASSERT_TRUE(writeFileAtomically(target, {1, 2, 3}));
    CArchiveWriter writer;
    writer.writeText("Objets");
    const SaveResult result = writer.saveTo(target);
    ASSERT_TRUE(result) << result.reason;
    EXPECT_EQ(contents(target), writer.bytes());
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicFile, FailureIsReportedAndKeepsTheOldFile)
{
    const fs::path target = m_dir / "OBJETS.ZAR";
    ASSERT_TRUE(writeFileAtomically(target, {9, 9}));
    if (::geteuid() != 0) {
        // A write-protected directory: the old file stays whole.
        fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::remove);
        const SaveResult result = writeFileAtomically(target, {1, 2, 3});
        EXPECT_FALSE(result);
        EXPECT_FALSE(result.reason.empty());
        fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::add);
        EXPECT_EQ(contents(target), (std::vector<std::uint8_t>{9, 9}));
    }
    // A target that is a directory cannot be replaced: the temporary goes away.
    fs::create_directory(m_dir / "dossier");
    fs::create_directory(m_dir / "dossier" / "plein");
    EXPECT_FALSE(writeFileAtomically(m_dir / "dossier", {1}));
    EXPECT_FALSE(writeFileAtomically(m_dir / "absent" / "OBJETS.ZAR", {1}));
    EXPECT_EQ(entries(), 2u);
}

TEST_F(AtomicFile, BackupsNeverReplaceAnEarlierOneAndLeftoversGo)
{
    const fs::path target = m_dir / "OBJETS.ZAR";
    EXPECT_FALSE(keepBackup(target).has_value());  // nothing to keep
    ASSERT_TRUE(writeFileAtomically(target, {1}));
    EXPECT_EQ(keepBackup(target), fs::path(target.string() + ".bak"));
    ASSERT_TRUE(writeFileAtomically(target, {2}));
    const auto second = keepBackup(target);
    ASSERT_TRUE(second.has_value());
    EXPECT_NE(*second, fs::path(target.string() + ".bak"));
    EXPECT_EQ(contents(target.string() + ".bak"), std::vector<std::uint8_t>{1});
    EXPECT_EQ(contents(*second), std::vector<std::uint8_t>{2});
    EXPECT_EQ(contents(target), std::vector<std::uint8_t>{2});  // still in place

    // Only the temporaries of this file's own writes are removed.
    for (const char* name : {"OBJETS.ZAR.tmpa1B2c3", "OBJETS.ZAR.tmp", "OBJETS.ZAR.tmpa1B2c3d", "ZARN.INI.tmpa1B2c3"})
        std::ofstream(m_dir / name) << "x";
    removeLeftoverTemporaries(target);
    EXPECT_FALSE(fs::exists(m_dir / "OBJETS.ZAR.tmpa1B2c3"));
    EXPECT_EQ(entries(), 6u);
}
