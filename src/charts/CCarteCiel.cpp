// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/CCarteCiel.h"

#include <cmath>

#include "charts/ChartHost.h"
#include "charts/SkyGrid.h"
#include "sky/CAstre.h"
#include "sky/DrawFlags.h"
#include "time/CInstant.h"
#include "time/Calendar.h"

namespace zarn {

namespace {
const double kSinMinus5 = std::sin(-5.0 * kRadPerDeg);
}

std::string instantCaption(const CInstant& instant)
{
    return instant.placeText() + "  " + instant.dateText() + "  " + instant.timeText() + "  ";
}

CCarteCiel::CCarteCiel(ChartHost& host) : CCarte(host) { m_kind = WholeSky; }

void CCarteCiel::Draw(CSurface& dc, SRect rect, std::uint32_t flags)
{
    CCarte::Draw(dc, rect, flags);
    AfterDraw(dc);
}

void CCarteCiel::AfterDraw(CSurface&) { m_host.SkyRedrawn(); }

bool CCarteCiel::Project(CAstre& object, double, double& x, double& y) const
{
    double south = 0.0;
    double west = 0.0;
    double up = 0.0;
    ToHorizontal(object, south, west, up);
    object.SetHeight(up);
    return ProjectHorizontal(south, west, up, x, y);
}

bool CCarteCiel::ProjectHorizontal(double south, double west, double up, double& x, double& y) const
{
    // Stereographic projection from the nadir: the horizon at radius 1.
    x = west / (1.0 + up);
    y = south / (1.0 + up);
    return up > kSinMinus5;
}

SClip CCarteCiel::CreateClipRegion(SRect rect) const { return {SClip::Ellipse, rect}; }

SRect CCarteCiel::AdjustRect(SRect rect) const
{
    rect.top += 1;
    rect.bottom -= 1;
    const int width = rect.width();
    const int height = rect.height();
    if (height < width) {
        const int half = (height - width) >> 1;
        rect.left -= half;
        rect.right += half;
    } else {
        const int half = (width - height) >> 1;
        rect.top -= half;
        rect.bottom += half;
    }
    return rect;
}

SPoint CCarteCiel::GetOrigin(const CSurface&, SRect rect) const
{
    const SRect square = AdjustRect(rect);
    return {(square.left + square.right) / 2, (square.top + square.bottom) / 2};
}

double CCarteCiel::GetScale(SRect rect) const { return 0.5 * rect.width(); }

void CCarteCiel::ChartToSky(double a, double b, double& ra, double& dec) const
{
    const double rho2 = a * a + b * b;
    const double altitude = std::asin((1.0 - rho2) / (1.0 + rho2));
    const double azimuth = std::atan2(a, b);
    CCarte::ChartToSky(azimuth, altitude, ra, dec);
}

int CCarteCiel::BackgroundStride() const { return m_smallScreen ? 3 : 2; }

void CCarteCiel::PlaceBackgroundObjects(double scale, bool forPrint)
{
    PlaceObjects(scale, forPrint, BackgroundStride());
}

void CCarteCiel::DrawBackground(CSurface& dc, SRect rect) { dc.Ellipse(rect); }

void CCarteCiel::DrawGrid(CSurface& dc, SRect rect, Colour, Colour, std::uint32_t flags)
{
    const SkyGridOptions grid{(flags & draw::kHorizontalGrid) ? 1 : 0, (flags & draw::kEquatorialGrid) ? 1 : 0};
    drawSkyGrid(dc, *this, GetScale(rect), grid);
}

void CCarteCiel::DrawObjects(CSurface& dc, const std::vector<PlacedObject>& list, SRect rect, std::uint32_t flags)
{
    CCarte::DrawObjects(dc, list, rect, flags | draw::kRoundChart);
}

void CCarteCiel::DrawGround(CSurface& dc, SRect rect)
{
    if (dc.IsPrinter())
        return;
    // The clip follows whole pixels; a smoothed ring of the sky colour on the
    // rim gives the disc a clean edge over the symbols the clip cuts.
    dc.Save();
    dc.ClipNone();
    dc.SetPen(paletteIndex(kSkyPaletteEntry), 2);
    dc.SetNoBrush();
    dc.Ellipse({rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom + 1});
    dc.Restore();
}

void CCarteCiel::DrawDirections(CSurface& dc, SRect rect)
{
    dc.Save();
    dc.ClipNone();
    const int height = dc.IsPrinter() ? 4 * dc.Millimetre().cy : (dc.IsSmallScreen() ? 10 : 12);
    dc.SetFont({"Times New Roman", -height, 400});
    dc.SetTextColour(kBlack);
    dc.SetBackground(kWhite, false);
    // On the diagonals, just outside the horizon circle.
    const int g = roundUnits(rect.width() / 2.0 / std::sqrt(2.0) + 5.0);
    dc.Text(g, g, "SW", kAlignLeft | kAlignTop);
    dc.Text(g, -g, "NW", kAlignLeft | kAlignBottom);
    dc.Text(-g, -g, "NE", kAlignRight | kAlignBottom);
    dc.Text(-g, g, "SE", kAlignRight | kAlignTop);
    dc.Restore();
}

void CCarteCiel::DrawTitle(CSurface& dc, SRect rect, const std::string&, const SFont& font)
{
    CCarte::DrawTitle(dc, rect, instantCaption(m_host.Instant()), font);
}

}  // namespace zarn
