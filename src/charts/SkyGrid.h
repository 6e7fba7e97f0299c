// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coordinate grids of the whole-sky and zenith charts: circles of equal
// altitude every 10° with the azimuth lines every 10° and the four cardinal
// points, and the equatorial grid (every hour of right ascension, every 10°
// of declination).
#include "settings/ScreenNameOptions.h"
#include "sky/CSurface.h"

namespace zarn {

class CCarte;

// Draws the chosen grids with the chart's clip already set; scale in chart
// units per radius.
void drawSkyGrid(CSurface& dc, const CCarte& chart, double scale, const SkyGridOptions& options);

}  // namespace zarn
