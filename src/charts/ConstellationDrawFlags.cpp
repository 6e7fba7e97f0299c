// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ConstellationsViewHost.h"
#include "settings/DisplayOptionTable.h"
#include "sky/DrawFlags.h"

namespace zarn {

std::uint32_t constellationDrawFlags(const ConstellationDisplay& display, bool printing)
{
    // The bodies stand on the map on paper as on the screen.
    std::uint32_t flags = draw::kDeepSky | optionDrawFlags(display, chart_family::kMap, printing);
    if (display.figureFlags[3])
        flags |= draw::kFigures;
    return flags;
}

}  // namespace zarn
