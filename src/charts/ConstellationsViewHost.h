// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the constellation map window needs from the document and the main
// window: the sky its chart is drawn over, the display toggles, the program
// palette and the commands. The document's window implements it; the tests
// implement it over a sky of their own.
#include <string>

#include "charts/CQtSurface.h"
#include "settings/SkyToggles.h"

class QAction;
class QWidget;

namespace zarn {

class ChartHost;
class SkyModel;

// The toggles of a paint of the constellation map.
struct ConstellationDisplay : SkyToggles {};

// The display bits of a paint of the constellation map: deep-sky objects
// always, the two reference lines, the bodies, its own figure toggle, the
// grid; star names on paper, the objects' own colours on screen.
std::uint32_t constellationDrawFlags(const ConstellationDisplay& display, bool printing);

class ConstellationsViewHost {
public:
    virtual ~ConstellationsViewHost() = default;
    // The sky (constellations, reference lines, instant) the chart places.
    virtual ChartHost& ChartSky() = 0;
    virtual SkyModel& Sky() = 0;
    virtual ConstellationDisplay Display() const = 0;
    virtual void SetPrintStarNames(bool on) = 0;
    virtual PaletteColours Palette() const = 0;
    // The program's action for a command id, or null.
    virtual QAction* Action(int id) const = 0;
    // The main window's view-button bar, hidden during the print preview.
    virtual QWidget* ViewButtonBar() const { return nullptr; }
    // The font of the sky window's names, which the map's names and grid
    // labels use on screen.
    virtual SFont LabelFont(int dpi) const { return {"MS Sans Serif", -(13 * dpi / 120), 400}; }
};

}  // namespace zarn
