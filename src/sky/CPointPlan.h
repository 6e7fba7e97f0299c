// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A point of one of the two reference lines drawn on the charts (ecliptic,
// celestial equator). It keeps its coordinates in radians, as archived.
#include "sky/CAstre.h"

namespace zarn {

class CPointPlan : public CAstre {
public:
    CPointPlan() = default;
    CPointPlan(double alpha, double delta);

    void load(CArchiveReader& archive) override;
    void store(CArchiveWriter& archive) const override;

    // Reference-line point (sky/draw/).
    bool HitTest(SPoint point, int x, int y, const CSurface& dc, std::uint32_t flags) const override;

protected:
    // A dot on screen, a small disc on paper; drawn when its line is shown.
    bool DrawPoint(CSurface& dc, int x, int y, bool shown, Colour ownColour, std::uint32_t flags) const;
};

}  // namespace zarn
