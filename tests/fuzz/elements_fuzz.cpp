// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the reader of ELEMENTS.ZAR. Every input must end in
// a typed ArchiveError or in seven accepted records, never in a crash, a
// sanitizer report or a hang. Accepted elements must give the planets'
// positions over the accepted dates without hanging, and written again they
// must give back the bytes they were read from.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "sky/SolarBodies.h"
#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"
#include "time/CInstant.h"
#include "time/CLieu.h"

using namespace zarn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    SolarBodies bodies;
    try {
        CArchiveReader archive(bytes);
        bodies.read(archive);
    } catch (const ArchiveError&) {
        return 0;
    }
    CArchiveWriter writer;
    bodies.write(writer);
    const std::vector<std::uint8_t>& again = writer.bytes();
    if (again.size() > bytes.size() || !std::equal(again.begin(), again.end(), bytes.begin()))
        std::abort();
    const CLieu tromso("Tromsø", -18.95, 1.2161, 1, 1);
    for (int year : {1901, 2000, 2099})
        bodies.computeAll(CInstant(21, 6, year, 12, 0, 0, tromso));
    return 0;
}
