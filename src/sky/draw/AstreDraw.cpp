// SPDX-License-Identifier: GPL-3.0-or-later
// What every sky object shares in drawing: the printed symbol size by
// magnitude class, and nothing drawn or hit unless a class says otherwise.
#include "sky/CAstre.h"

namespace zarn {

SSize CAstre::SymbolSize(const CSurface& dc, int magnitudeClass) const
{
    if (!dc.IsPrinter())
        return {};
    // Five millimetres, shared out by class: class 0 is 2 mm wide on paper,
    // class 3 half a millimetre.
    const SSize mm = dc.Millimetre();
    auto share = [&](int fiveMm) {
        if (magnitudeClass == 5)
            return mulDiv(fiveMm, 1, 30);
        if (magnitudeClass == 4)
            return mulDiv(fiveMm, 1, 20);
        if (magnitudeClass < -1)
            return mulDiv(fiveMm, 5, 20);
        return mulDiv(fiveMm, 4 - magnitudeClass, 10);
    };
    return {share(5 * mm.cx), share(5 * mm.cy)};
}

bool CAstre::Draw(CSurface&, int, int, std::uint32_t, CVueNoms*) { return false; }

bool CAstre::DrawLabel(CSurface&, int, int, CVueNoms&, std::uint32_t) { return false; }

bool CAstre::HitTest(SPoint, int, int, const CSurface&, std::uint32_t) const { return false; }

// The 11 × 11 square in which the charts expect a symbol.
int CAstre::ScreenRadius(const CSurface&) const { return 5; }

}  // namespace zarn
