// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real loading of the sky over fuzzed files: the input taken as CIEL.ZAR
// (beside the genuine ELEMENTS.ZAR), and taken as OBJETS.ZAR (beside a small
// valid catalogue). Each load goes on to Recompute all, as the program does.
#include <cstdint>
#include <vector>

namespace zarn::fuzz {

// Prepares the two folders once; false when ELEMENTS.ZAR cannot be found.
bool prepareSkyFolders();
void loadAsCatalogue(const std::vector<std::uint8_t>& bytes);
void loadAsUserObjects(const std::vector<std::uint8_t>& bytes);

}  // namespace zarn::fuzz
