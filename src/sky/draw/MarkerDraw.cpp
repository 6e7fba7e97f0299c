// SPDX-License-Identifier: GPL-3.0-or-later
// The zenith marker and the points of the ecliptic and equator lines.
#include "sky/CPointEcliptique.h"
#include "sky/CPointEquateur.h"
#include "sky/CZenith.h"
#include "sky/DrawFlags.h"
#include "sky/draw/DrawHelpers.h"

namespace zarn {

bool CZenith::Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms*)
{
    if (!(flags & draw::kZenithChart))
        return false;
    const bool printer = dc.IsPrinter();
    const int h = printer ? dc.Millimetre().cy : (dc.IsSmallScreen() ? 2 : 3);
    dc.Save();
    dc.SetPen(printer ? kBlack : kWhite, printer ? 2 : 0);
    dc.Line(x - h, y - h, x + h + 1, y + h + 1);
    dc.Line(x + h, y - h, x - h - 1, y + h + 1);
    dc.Restore();
    return true;
}

bool CZenith::HitTest(SPoint point, int x, int y, const CSurface& dc, std::uint32_t) const
{
    const int h = dc.IsSmallScreen() ? 2 : 3;
    return inBox(point, {x - h, y - h, x + h + 1, y + h + 1});
}

bool CPointPlan::DrawPoint(CSurface& dc, int x, int y, bool shown, Colour ownColour, std::uint32_t flags) const
{
    if (!shown)
        return false;
    if (!dc.IsPrinter()) {
        dc.Pixel(x, y, (flags & draw::kOwnColours) ? ownColour : kWhite);
    } else if (dc.IsPreview()) {
        dc.Pixel(x, y, kBlack);
    } else {
        const SSize size = SymbolSize(dc, 4);
        dc.Save();
        dc.SetPen(kBlack, 0);
        dc.SetBrush(kBlack);
        dc.Ellipse({x - size.cx / 2, y - size.cy / 2, x - size.cx / 2 + size.cx, y - size.cy / 2 + size.cy});
        dc.Restore();
    }
    return true;
}

bool CPointPlan::HitTest(SPoint point, int x, int y, const CSurface&, std::uint32_t) const
{
    return inBox(point, {x - 1, y - 1, x + 2, y + 2});
}

bool CPointEcliptique::Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms*)
{
    return DrawPoint(dc, x, y, flags & draw::kEcliptic, kEclipticColour, flags);
}

bool CPointEquateur::Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms*)
{
    return DrawPoint(dc, x, y, flags & draw::kEquator, kEquatorColour, flags);
}

}  // namespace zarn
