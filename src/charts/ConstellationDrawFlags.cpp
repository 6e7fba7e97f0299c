// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ConstellationsViewHost.h"
#include "sky/DrawFlags.h"

namespace zarn {

std::uint32_t constellationDrawFlags(const ConstellationDisplay& display, bool printing)
{
    std::uint32_t flags = draw::kDeepSky;
    if (display.showEcliptic)
        flags |= draw::kEcliptic;
    if (display.showEquator)
        flags |= draw::kEquator;
    if (display.figureFlags[3])
        flags |= draw::kFigures;
    if (display.coordinateGrid)
        flags |= draw::kGrid;
    if (printing && display.printStarNames)
        flags |= draw::kStarNames;
    if (!printing && display.starColouring == 1)
        flags |= draw::kOwnColours;
    // The bodies stand on the map on paper as on the screen.
    if (display.showPlanets)
        flags |= draw::kPlanets;
    if (display.showSun)
        flags |= draw::kSun;
    if (display.showMoon)
        flags |= draw::kMoon;
    return flags;
}

}  // namespace zarn
