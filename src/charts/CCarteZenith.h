// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The zenith chart: the projection of the whole-sky chart magnified about
// 3.17 times, showing the sky within about 35° of the zenith, with a marker
// at the zenith and every background object.
#include "charts/CCarteCiel.h"

namespace zarn {

class CCarteZenith : public CCarteCiel {
public:
    explicit CCarteZenith(ChartHost& host);
    double GetScale(SRect rect) const override;

protected:
    int BackgroundStride() const override { return 1; }
    void AfterDraw(CSurface& dc) override { DrawSelection(dc); }
};

}  // namespace zarn
