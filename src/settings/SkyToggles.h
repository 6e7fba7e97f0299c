// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document's display options that decide what the charts draw. The table
// of display options (settings/DisplayOptionTable.h) says which of them the
// settings file keeps, under which key, and which command toggles them.
#include <array>
#include <cstdint>

#include "settings/ScreenNameOptions.h"

namespace zarn {

struct SkyToggles {
    std::uint32_t skyColour = 0;  // 0x00RRGGBB
    int skyColourIndex = 0;
    int starColouring = 1;
    int showSun = 1;
    int showMoon = 1;
    int showPlanets = 1;
    int showEcliptic = 1;
    int showEquator = 1;
    // Constellation figures: [0] whole sky, [1] zenith, [2] horizon,
    // [3] constellations view, [4] animation, [5] conjunction chart.
    std::array<int, 6> figureFlags{0, 0, 0, 1, 1, 0};
    int printStarNames = 1;
    int altitudeScale = 0;
    int coordinateGrid = 0;  // the constellation map's grid
    int nightMode = 0;       // red on black on the screen
    ScreenNameOptions names;
    SkyGridOptions grid;
};

}  // namespace zarn
