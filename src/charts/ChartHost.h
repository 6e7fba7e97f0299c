// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a chart reads from its owner: the document's sky, instant and
// selection, and the sky view's label windows and scroll position.
#include <string>
#include <vector>

#include "charts/StripZoom.h"
#include "sky/CSurface.h"

namespace zarn {

class CAstre;
class CConstellation;
class CInstant;
class CVueNoms;

class ChartHost {
public:
    virtual ~ChartHost() = default;
    virtual const std::vector<CConstellation*>& Constellations() const = 0;
    // Every other object of the sky, placed behind the constellation stars.
    virtual const std::vector<CAstre*>& OtherObjects() const = 0;
    virtual const CInstant& Instant() const = 0;
    virtual CAstre* SelectedObject() const = 0;
    // The print label window of the sky view (its font and occupied region).
    virtual CVueNoms& PrintLabel() = 0;
    // Shows a name in the sky view's screen label next to a point of the chart.
    virtual void ShowLabel(CSurface& dc, const std::string& text, SPoint at) = 0;
    // Horizontal scroll position of the horizon strip as a fraction of its width.
    virtual double ScrollFraction() const = 0;
    // The horizon strip's magnification and lift in the sky view (whole when
    // there is no view).
    virtual StripZoom HorizonZoom() const { return {}; }
    // The whole-sky chart was drawn again (the search window follows it).
    virtual void SkyRedrawn() {}
};

}  // namespace zarn
