// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/SkyViewHost.h"
#include "settings/DisplayOptionTable.h"
#include "sky/DrawFlags.h"

namespace zarn {

std::uint32_t skyDrawFlags(const SkyDisplay& display, int chartKind, bool printing)
{
    std::uint32_t flags = draw::kDeepSky | optionDrawFlags(display, chart_family::kSky, printing);
    // The body being viewed is drawn whether its kind is shown or not.
    const int viewed = display.viewedPlanet;
    if (viewed >= 1 && viewed <= 5)
        flags |= draw::kPlanets;
    if (viewed == 0)
        flags |= draw::kSun;
    if (viewed == 6)
        flags |= draw::kMoon;
    if (chartKind >= 0 && chartKind <= 2 && display.figureFlags[static_cast<std::size_t>(chartKind)])
        flags |= draw::kFigures;
    if (chartKind == 1)
        flags |= draw::kZenithChart;
    return flags;
}

}  // namespace zarn
