// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mark of the chosen object on a chart: a ring with four ticks round it
// (the symbol stays visible inside), and the panel that describes it.
#include "sky/CSurface.h"
#include "tools/ObjectDescription.h"

namespace zarn {

void drawReticle(CSurface& dc, SPoint at, int radius);
// The panel at the top right of a window of the given width (device units,
// origin at the window's top-left); nothing when the description is empty.
void drawDescriptionPanel(CSurface& dc, const ObjectDescription& description, const SFont& font, int width);

}  // namespace zarn
