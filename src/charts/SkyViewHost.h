// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the sky window needs from the document and the main window: the
// current chart, the display toggles, the instant, the selection, the
// program palette, the status bar and the commands. The document implements
// it; the tests implement it with a small fake.
#include <array>
#include <string>

#include "charts/CQtSurface.h"
#include "settings/SkyToggles.h"
#include "tools/ObjectDescription.h"

class QAction;

namespace zarn {

class CAstre;
class CCarte;
class CCarteHorizon;
class CInstant;

// The toggles of a paint, with the planet being viewed.
struct SkyDisplay : SkyToggles {
    int viewedPlanet = -1;  // body index of the viewed planet, −1 when none
};

// The display bits of a paint of the sky window for a chart of the given kind.
std::uint32_t skyDrawFlags(const SkyDisplay& display, int chartKind, bool printing);

class SkyViewHost {
public:
    virtual ~SkyViewHost() = default;
    virtual CCarte& CurrentChart() = 0;
    virtual CCarteHorizon& HorizonChart() = 0;
    virtual SkyDisplay Display() const = 0;
    virtual void SetPrintStarNames(bool on) = 0;
    virtual const CInstant& Instant() const = 0;
    virtual PaletteColours Palette() const = 0;
    virtual CAstre* SelectedObject() const = 0;
    // Recomputes every object of the sky for the document's instant and
    // clears the placements of the three charts.
    virtual void RecomputeSky() = 0;
    // The width of the horizon strip in pixels (6 × the client height).
    virtual void SetStripWidth(int width) = 0;
    // Place, date and time of the instant into panes 1 to 3 of the status bar.
    virtual void ShowInstant(const std::string& place, const std::string& date, const std::string& time) = 0;
    // After a change of date or place: the Sun-and-Moon window follows.
    virtual void SkyRecomputed() {}
    // The horizon strip was scrolled by the user (the search window follows,
    // and no direction is faced any more).
    virtual void StripScrolled() {}
    // Around a printed page: the main window's caption is blank meanwhile.
    virtual void PrintingBegins() {}
    virtual void PrintingEnds() {}
    // A star was clicked: the full name of its constellation and the sky
    // position of the click (radians). Empty name for no constellation.
    virtual void StarClicked(const std::string& constellation, double ra, double dec) = 0;
    // The full name of the constellation an object belongs to.
    virtual std::string ConstellationOf(const CAstre& object) const = 0;
    // What the sky window's panel says of the chosen object now.
    virtual ObjectDescription Describe(CAstre& object) { (void)object; return {}; }
    // The chart was magnified, or shown whole again ("Ciel" then brings back
    // the whole sky even while it is the current chart).
    virtual void ZoomChanged(bool whole) { (void)whole; }
    // Escape in the sky window: nothing is chosen any more.
    virtual void ClearSelection() {}
    // The program's action for a command id (menus, buttons), or null.
    virtual QAction* Action(int id) const = 0;
};

}  // namespace zarn
