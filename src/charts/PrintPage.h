// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the chart stands on a printed page, and the drawing of that page.
#include <cstdint>

#include "charts/CQtSurface.h"
#include "sky/CSurface.h"

class QPrinter;

namespace zarn {

// The chart's rectangle on a page of the given size in device units, with
// 10 mm margins: a square as wide as the page less the margins, centred
// vertically; the horizon panorama grows by 4.214 % of its width at top and
// bottom.
SRect chartPageRect(int pageWidth, int pageHeight, int dotsPerInch, bool horizon);

class CCarte;
class ChartZoom;
class CVueNoms;

// One printed page of a chart: the printer (or its preview), the screen's
// device facts the page starts from, the program palette, and whether the
// chart's square grows at top and bottom.
struct ChartPage {
    QPrinter& printer;
    bool preview;
    SurfaceDevice screen;
    PaletteColours palette;
    bool grown;
    // The part of a round chart the window shows magnified, or null for the
    // whole chart.
    const ChartZoom* zoom = nullptr;
};

// Draws the chart on the page: its print placements made again, the print
// label's font (MS Serif, 4 mm) and occupied region reset.
void printChartPage(const ChartPage& page, CCarte& chart, CVueNoms& printLabel, std::uint32_t flags);

}  // namespace zarn
