// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A point of the ecliptic line (drawn with display bit 0x20).
#include "sky/CPointPlan.h"

namespace zarn {

class CPointEcliptique : public CPointPlan {
public:
    using CPointPlan::CPointPlan;
    const char* className() const override { return "CPointEcliptique"; }
    std::string GetName() const override { return "Ecliptique"; }

    // Drawn with display bit 0x20 (sky/draw/).
    bool Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms* labels) override;
};

}  // namespace zarn
