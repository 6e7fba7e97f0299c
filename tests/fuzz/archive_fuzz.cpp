// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the archive reader. Every input must end in a
// typed ArchiveError or in a clean read, never in a crash, a sanitizer report,
// a hang or a runaway allocation; the sanitizers and libFuzzer's limits catch
// the rest. Two properties are checked on top:
//   - Windows-1252 -> UTF-8 -> Windows-1252 gives back the same bytes;
//   - whatever reads cleanly, written again and read back, writes the same
//     bytes (the reader and the writer agree on the format).
// The same bytes are then read as the record of OBJETS.ZAR with the program's
// own classes. Whole-file loading, far slower, has its own target.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "sky/CConstellation.h"
#include "sky/SkyClasses.h"
#include "archive/ArchiveFile.h"
#include "archive/Windows1252.h"
#include "archive/ArchiveTestClasses.h"  // from tests/

using namespace zarn;
using namespace zarn::testing;

namespace {

using Bytes = std::vector<std::uint8_t>;

void check(bool condition)
{
    if (!condition) std::abort();
}

void fuzzText(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check(utf8ToWindows1252(windows1252ToUtf8(bytes)) == bytes);
    utf8ToWindows1252(bytes);  // the same bytes taken as (malformed) UTF-8
}

// A stream of primitive reads whose kinds come from the data itself.
void fuzzPrimitives(const Bytes& bytes)
{
    loadArchive(bytes, [](CArchiveReader& r) {
        while (!r.atEnd()) {
            switch (r.readByte() % 7) {
            case 0: r.readByte(); break;
            case 1: r.readWord(); break;
            case 2: r.readLong(); break;
            case 3: r.readDouble(); break;
            case 4: r.readCount(); break;
            case 5: r.readText(); break;
            default: r.readWordArray(); break;
            }
        }
    }, testRegistry());
}

// The catalogue's layout with the test classes: object arrays, then text maps.
struct Contents {
    std::vector<std::vector<CSerialisable*>> arrays;
    std::vector<TextMap> maps;
};

ArchiveLoad readContents(const Bytes& bytes, Contents& contents)
{
    return loadArchive(bytes, [&](CArchiveReader& r) {
        for (int i = 0; i < 3 && !r.atEnd(); ++i) contents.arrays.push_back(r.readObjectArray<CSerialisable>());
        while (!r.atEnd()) contents.maps.push_back(r.readTextMap());
    }, testRegistry());
}

Bytes write(const Contents& contents)
{
    CArchiveWriter writer;
    for (const auto& array : contents.arrays) writer.writeObjectArray(array);
    for (const auto& map : contents.maps) writer.writeTextMap(map);
    return writer.bytes();
}

void fuzzObjects(const Bytes& bytes)
{
    Contents contents;
    const ArchiveLoad load = readContents(bytes, contents);
    if (!load.ok()) return;
    const Bytes once = write(contents);
    Contents again;
    const ArchiveLoad reload = readContents(once, again);
    check(reload.ok());
    check(write(again) == once);
}

// The "Objets" group as OBJETS.ZAR holds it, read with the sky's classes.
void fuzzUserObjects(const Bytes& bytes)
{
    CConstellation objects;
    loadArchive(bytes, [&objects](CArchiveReader& r) { objects.load(r); });
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    registerSkyClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzText(data, size);
    const Bytes bytes(data, data + size);
    fuzzPrimitives(bytes);
    fuzzObjects(bytes);
    fuzzUserObjects(bytes);
    return 0;
}
