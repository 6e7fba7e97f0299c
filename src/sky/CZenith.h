// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The marker of the observer's zenith: at the local sidereal time in right
// ascension and at the latitude in declination.
#include "sky/CAstre.h"

namespace zarn {

class CZenith : public CAstre {
public:
    CZenith() = default;
    bool Compute(const CInstant& instant) override;
    std::string GetName() const override { return "Zénith"; }

    // A small diagonal cross (sky/draw/).
    bool Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms* labels) override;
    bool HitTest(SPoint point, int x, int y, const CSurface& dc, std::uint32_t flags) const override;
};

}  // namespace zarn
