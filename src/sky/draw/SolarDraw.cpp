// SPDX-License-Identifier: GPL-3.0-or-later
// The Sun with its rays and the planets as patterned discs, with their
// printed names.
#include <algorithm>
#include <array>
#include <cmath>

#include "sky/CPlanete.h"
#include "sky/CSoleil.h"
#include "sky/DrawFlags.h"
#include "sky/draw/CVueNoms.h"
#include "sky/draw/DrawHelpers.h"

namespace zarn {

namespace {

// The planet textures: a light disc with darker specks on screen, a fine
// halftone on paper.
constexpr std::array<std::uint8_t, 8> kScreenPattern = {0xFF, 0xDD, 0xFF, 0x77, 0xFF, 0xDD, 0xFF, 0x77};
constexpr std::array<std::uint8_t, 8> kPrintPattern = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};

int planetRadius(const CSurface& dc)
{
    if (dc.IsPrinter())
        return 3 * dc.Millimetre().cx / 2;  // 3 mm across
    return dc.ScreenWidth() <= 640 ? 4 : 5;
}

}  // namespace

bool CPlaSol::DrawLabel(CSurface& dc, int x, int y, CVueNoms& labels, std::uint32_t flags)
{
    if (!(flags & draw::kSun))
        return false;
    return drawBodyLabel(*this, dc, x, y, labels, 3 * dc.Millimetre().cx);
}

bool CSoleil::Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms*)
{
    if (!(flags & draw::kSun))
        return false;
    const int r = dc.IsPrinter() ? 2 * dc.Millimetre().cy : 4;
    const Colour ink = inkFor(dc, flags, GetColor());
    dc.Save();
    dc.SetPen(ink, dc.IsPrinter() ? std::max(1, dc.Millimetre().cx / 5) : 0);
    dc.SetBrush(ink);
    dc.Ellipse({x - r, y - r, x + r + 1, y + r + 1});
    // Eight rays: along the axes twice the radius, on the diagonals one and
    // a half times.
    const int straight = 2 * r;
    const int diagonal = static_cast<int>(1.5 * r / std::sqrt(2.0) + 0.5);
    dc.Line(x - straight, y, x + straight + 1, y);
    dc.Line(x, y - straight, x, y + straight + 1);
    dc.Line(x - diagonal, y - diagonal, x + diagonal + 1, y + diagonal + 1);
    dc.Line(x + diagonal, y - diagonal, x - diagonal - 1, y + diagonal + 1);
    dc.Restore();
    return true;
}

// The rays along the axes reach twice the disc's radius of 4.
int CSoleil::ScreenRadius(const CSurface&) const { return 8; }

bool CSoleil::HitTest(SPoint point, int x, int y, const CSurface&, std::uint32_t) const
{
    return inBox(point, {x - 4, y - 4, x + 5, y + 5});
}

bool CPlanete::Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms*)
{
    if (!(flags & draw::kPlanets))
        return false;
    const int r = planetRadius(dc);
    const Colour ink = inkFor(dc, flags, GetColor());
    dc.Save();
    dc.SetPen(ink, 0);
    if (dc.IsPrinter())
        dc.SetPatternBrush(kPrintPattern, kBlack, kWhite);
    else
        dc.SetPatternBrush(kScreenPattern, ink, paletteIndex(kSkyPaletteEntry));
    dc.Ellipse({x - r, y - r, x + r + 1, y + r + 1});
    dc.Restore();
    return true;
}

bool CPlanete::HitTest(SPoint point, int x, int y, const CSurface& dc, std::uint32_t) const
{
    const int r = dc.ScreenWidth() <= 640 ? 4 : 5;
    return inBox(point, boxAround(x, y, r));
}

bool CPlanete::DrawLabel(CSurface& dc, int x, int y, CVueNoms& labels, std::uint32_t flags)
{
    if (!(flags & draw::kPlanets))
        return false;
    return drawBodyLabel(*this, dc, x, y, labels, dc.Millimetre().cx * 11 / 5);
}

}  // namespace zarn
