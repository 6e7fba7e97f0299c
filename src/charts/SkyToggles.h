// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document's display toggles that decide what a sky chart draws.
#include <array>

#include "charts/ScreenNameOptions.h"

namespace zarn {

struct SkyToggles {
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
    ScreenNameOptions names;
    SkyGridOptions grid;
};

}  // namespace zarn
