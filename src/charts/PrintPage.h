#pragma once
// Where the chart stands on a printed page.
#include "sky/CSurface.h"

namespace zarn {

// The chart's rectangle on a page of the given size in device units, with
// 10 mm margins: a square as wide as the page less the margins, centred
// vertically; the horizon panorama grows by 4.214 % of its width at top and
// bottom.
SRect chartPageRect(int pageWidth, int pageHeight, int dotsPerInch, bool horizon);

}  // namespace zarn
