// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The display options the document keeps for every chart.
#include <cstdint>

#include "charts/SkyToggles.h"

namespace zarn {

struct DisplayOptions : SkyToggles {
    std::uint32_t skyColour = 0;  // 0x00RRGGBB
    int skyColourIndex = 0;
    int coordinateGrid = 0;
    int nightMode = 0;  // red on black on the screen
};

}  // namespace zarn
