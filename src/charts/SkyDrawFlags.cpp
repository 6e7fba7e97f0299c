// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/SkyViewHost.h"
#include "sky/DrawFlags.h"

namespace zarn {

std::uint32_t skyDrawFlags(const SkyDisplay& display, int chartKind, bool printing)
{
    std::uint32_t flags = draw::kDeepSky;
    const int viewed = display.viewedPlanet;
    if (!printing && display.starColouring == 1)
        flags |= draw::kOwnColours;
    if (display.showPlanets || (viewed >= 1 && viewed <= 5))
        flags |= draw::kPlanets;
    if (display.showSun || viewed == 0)
        flags |= draw::kSun;
    if (display.showMoon || viewed == 6)
        flags |= draw::kMoon;
    if (display.showEcliptic)
        flags |= draw::kEcliptic;
    if (display.showEquator)
        flags |= draw::kEquator;
    if (chartKind >= 0 && chartKind <= 2 && display.figureFlags[static_cast<std::size_t>(chartKind)])
        flags |= draw::kFigures;
    if (display.altitudeScale)
        flags |= draw::kAltitudeScale;
    if (printing && display.printStarNames)
        flags |= draw::kStarNames;
    if (chartKind == 1)
        flags |= draw::kZenithChart;
    if (display.grid.horizontal)
        flags |= draw::kHorizontalGrid;
    if (display.grid.equatorial)
        flags |= draw::kEquatorialGrid;
    return flags;
}

}  // namespace zarn
