// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArchiveTestClasses.h"
#include "archive/ArchiveFile.h"
#include "../support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace zarn;
using namespace zarn::testing;
namespace fs = std::filesystem;

namespace {

class ArchiveFile : public test::ScratchFolder {
protected:
    ArchiveFile() : ScratchFolder("zarn-archive-file") {}
    fs::path write(const std::string& name, std::size_t size)
    {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << std::string(size, 'z');
        return path;
    }
    static ArchiveErrorKind kindOf(const fs::path& path, std::size_t maxSize = kMaxArchiveFileSize)
    {
        try {
            readArchiveFile(path, maxSize);
        } catch (const ArchiveError& e) {
            return e.kind();
        }
        ADD_FAILURE() << path << " was read";
        return ArchiveErrorKind::Other;
    }
};

}  // namespace

TEST_F(ArchiveFile, ReadsWholeFilesUpToTheLimit)
{
    EXPECT_EQ(readArchiveFile(write("VIDE.ZAR", 0)).size(), 0u);
    EXPECT_EQ(readArchiveFile(write("GRAND.ZAR", 200000)).size(), 200000u);
    EXPECT_EQ(readArchiveFile(write("LIMITE.ZAR", 100), 100).size(), 100u);
    EXPECT_EQ(kindOf(write("TROP.ZAR", 101), 100), ArchiveErrorKind::Damaged);
}

TEST_F(ArchiveFile, FailuresHaveTheirKinds)
{
    EXPECT_EQ(kindOf(m_dir / "CIEL.ZAR"), ArchiveErrorKind::FileNotFound);
    EXPECT_EQ(kindOf(m_dir / "absent" / "CIEL.ZAR"), ArchiveErrorKind::FileNotFound);
    EXPECT_EQ(kindOf(m_dir), ArchiveErrorKind::Other);
    // A named pipe with no writer: refused at once instead of waiting forever.
    const fs::path pipe = m_dir / "TUBE.ZAR";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(kindOf(pipe), ArchiveErrorKind::Other);
    if (::geteuid() != 0) {
        const fs::path locked = write("VERROU.ZAR", 10);
        fs::permissions(locked, fs::perms::none);
        EXPECT_EQ(kindOf(locked), ArchiveErrorKind::Other);
    }
}

TEST_F(ArchiveFile, LoadOfAFileHandsTheObjectsOver)
{
    TestPoint p(4, 5);
    CArchiveWriter writer;
    writer.writeObject(&p);
    ASSERT_TRUE(writer.saveTo(m_dir / "OBJETS.ZAR"));
    TestPoint* read = nullptr;
    ArchiveLoad load = loadArchiveFile(
        m_dir / "OBJETS.ZAR", [&](CArchiveReader& r) { read = r.readObjectOf<TestPoint>(); }, testRegistry());
    ASSERT_TRUE(load.ok());
    ASSERT_EQ(load.objects.size(), 1u);
    EXPECT_EQ(load.objects[0].get(), read);
    EXPECT_EQ(read->y, 5.0);

    const ArchiveLoad missing = loadArchiveFile(m_dir / "AUCUN.ZAR", [](CArchiveReader&) {}, testRegistry());
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error->kind(), ArchiveErrorKind::FileNotFound);
}
