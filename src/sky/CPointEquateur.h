// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A point of the celestial equator (drawn with display bit 0x40). Whatever
// declination the file holds, the point is placed on the equator itself.
#include "sky/CPointPlan.h"

namespace zarn {

class CPointEquateur : public CPointPlan {
public:
    using CPointPlan::CPointPlan;
    const char* className() const override { return "CPointEquateur"; }
    std::string GetName() const override { return "Equateur"; }

    // Drawn with display bit 0x40 (sky/draw/).
    bool Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms* labels) override;
    void Direction(double theta, double c, double s, double& x, double& y, double& z) const override;
};

}  // namespace zarn
