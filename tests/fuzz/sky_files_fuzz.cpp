// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own loading over fuzzed files, up to Recompute all: the input
// taken as CIEL.ZAR beside the genuine ELEMENTS.ZAR, and as OBJETS.ZAR beside
// a small valid catalogue. Slow (a whole sky per input); the archive target
// covers the reader itself on small inputs much faster.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "SkyFiles.h"

using namespace zarn;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (!fuzz::prepareSkyFolders())
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    fuzz::loadAsCatalogue(bytes);
    fuzz::loadAsUserObjects(bytes);
    return 0;
}
