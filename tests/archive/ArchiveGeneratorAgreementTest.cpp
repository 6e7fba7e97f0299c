// SPDX-License-Identifier: GPL-3.0-or-later
// The data files are written by the Python generator (data/zar.py) and read
// by this reader: both writers must produce the same bytes for the same
// objects, including the 32-bit reference forms.
#include "ArchiveTestClasses.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <unistd.h>

using namespace zarn;
using namespace zarn::testing;
namespace fs = std::filesystem;

namespace {

const char* const kScript = R"(
import sys
sys.path.insert(0, sys.argv[1])
import zar

class P:
    zar_class = "TPoint"
    def __init__(self, x, y): self.x, self.y = x, y
    def zar_fields(self, w): w.double(self.x); w.double(self.y)

class G:
    zar_class = "TGroup"
    def __init__(self, name, members, figure): self.name, self.members, self.figure = name, members, figure
    def zar_fields(self, w): w.text(self.name); w.object_array(self.members); w.word_array(self.figure)

w = zar.ArchiveWriter()
points = [P(float(i), float(-i)) for i in range(70000)]
w.object_array(points)
for i in (0, 69999, 0x7FFC, 0x7FFD):
    w.object(points[i])
w.object(G("Pégase", [points[1], None], [0x0100]))
w.object(G("Œil", [], []))
w.text_map([("Véga", "2")])
with open(sys.argv[2], "wb") as f:
    f.write(w.getvalue())
)";

std::vector<std::uint8_t> cppBytes()
{
    std::vector<std::unique_ptr<TestPoint>> points;
    std::vector<TestPoint*> array;
    for (int i = 0; i < 70000; ++i) {
        points.push_back(std::make_unique<TestPoint>(i, -i));
        array.push_back(points.back().get());
    }
    TestGroup pegasus("Pégase"), eye("Œil");
    pegasus.members = {points[1].get(), nullptr};
    pegasus.figure = {0x0100};
    CArchiveWriter writer;
    writer.writeObjectArray(array);
    for (int i : {0, 69999, 0x7FFC, 0x7FFD}) writer.writeObject(points[i].get());
    writer.writeObject(&pegasus);
    writer.writeObject(&eye);
    writer.writeTextMap({{"Véga", "2"}});
    return writer.bytes();
}

}  // namespace

TEST(ArchiveGenerator, PythonAndCppWritersAgree)
{
    const fs::path dir = fs::temp_directory_path() / ("zarn-zar-py-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "write.py") << kScript;
    const std::string command = "python3 '" + (dir / "write.py").string() + "' '" +
                                (fs::path(ZARN_SOURCE_DIR) / "data").string() + "' '" +
                                (dir / "out.zar").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(dir / "out.zar", std::ios::binary);
    const std::vector<std::uint8_t> python{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    fs::remove_all(dir);
    const std::vector<std::uint8_t> cpp = cppBytes();
    ASSERT_EQ(python.size(), cpp.size());
    EXPECT_TRUE(python == cpp);
}
