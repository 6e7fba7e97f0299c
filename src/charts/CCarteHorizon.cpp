// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/CCarteHorizon.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "charts/CCarteCiel.h"
#include "charts/ChartHost.h"
#include "charts/StripZoom.h"
#include "sky/CAstre.h"
#include "sky/DrawFlags.h"
#include "time/CInstant.h"
#include "time/Calendar.h"

namespace zarn {

namespace {

const double kSin65 = std::sin(65.0 * kRadPerDeg);
constexpr double kEighthsPerRadian = 1.273239544568912;  // 4/π

// Into [0, 2π).
double reduceTurn(double v) { return v - kTwoPi * std::floor(v / kTwoPi); }

// Small pixel lengths of the screen, scaled to a quarter millimetre on paper.
int unitOf(const CSurface& dc) { return dc.IsPrinter() ? std::max(1, dc.Millimetre().cx / 4) : 1; }

}  // namespace

CCarteHorizon::CCarteHorizon(ChartHost& host) : CCarte(host) { m_kind = Horizon; }

CCarteHorizon::CCarteHorizon(ChartHost& host, int groundSeed) : CCarte(host), m_profile(groundSeed)
{
    m_kind = Horizon;
}

void CCarteHorizon::Draw(CSurface& dc, SRect rect, std::uint32_t flags)
{
    m_profile.Rewind();
    CCarte::Draw(dc, rect, flags);
    // Once turned towards the selection, stay at that angle.
    if (m_directionIndex == kTowardsSelection)
        m_directionIndex = kKeepAngle;
    DrawSelection(dc);
}

bool CCarteHorizon::Project(CAstre& object, double angle, double& x, double& y) const
{
    double south = 0.0;
    double west = 0.0;
    double up = 0.0;
    ToHorizontal(object, south, west, up);
    object.SetHeight(up);
    // Azimuth from the south towards the west, turned by the chart's angle.
    x = reduceTurn(std::atan2(west, south) + angle);
    y = -std::asin(std::clamp(up, -1.0, 1.0));
    return up > 0.0 && up < kSin65;
}

SPoint CCarteHorizon::GetOrigin(const CSurface& dc, SRect rect) const
{
    if (dc.IsPrinter()) {
        // The page shows the strip from the window's left edge, raised as
        // the window is.
        const StripZoom zoom = m_host.HorizonZoom();
        const int strip = zoom.StripHeight(rect.height());
        const int scrolled = roundUnits(6.0 * strip * m_host.ScrollFraction());
        return {rect.left - scrolled, rect.bottom + zoom.LiftUnits(rect.height())};
    }
    // The horizon line along the bottom edge of the window.
    const SPoint origin = dc.Origin();
    return {origin.x, origin.y + rect.height()};
}

// One degree of altitude is a sixtieth of the strip's height.
double CCarteHorizon::GetScale(SRect rect) const { return 3.0 * StripHeight(rect) / kPi; }

int CCarteHorizon::StripHeight(SRect rect) const { return m_host.HorizonZoom().StripHeight(rect.height()); }

double CCarteHorizon::GetDirectionAngle()
{
    if (m_directionIndex == kTowardsSelection) {
        if (CAstre* selected = m_host.SelectedObject()) {
            RefreshSiderealTime();
            double x = 0.0;
            double y = 0.0;
            Project(*selected, 0.0, x, y);
            m_directionAngle = kPi - x;  // the object in the middle of the strip
        }
    } else if (m_directionIndex >= 0 && m_directionIndex < 8) {
        m_directionAngle = (1.0 - m_directionIndex / 4.0) * kPi;
    }
    return m_directionAngle;
}

double CCarteHorizon::SetDirection(int index)
{
    const double before = m_directionAngle;
    m_directionIndex = index;
    return GetDirectionAngle() - before;
}

// The placements run over a whole turn of azimuth.
double CCarteHorizon::ScreenWrap() const { return kTwoPi * m_screenScale; }

void CCarteHorizon::ShiftPlacements(double eighths, int stripWidth)
{
    if (stripWidth <= 0)
        return;
    const int step = stripWidth / 8;
    auto shift = [&](PlacedObject& placed) {
        int x = static_cast<int>(step * eighths + placed.x) % stripWidth;
        if (x < 0)
            x += stripWidth;
        placed.x = x;
    };
    for (PlacedObject& placed : m_screenStars)
        shift(placed);
    for (PlacedObject& placed : m_screenOthers)
        shift(placed);
    for (auto& [object, placed] : m_screenIndex)
        shift(placed);
}

void CCarteHorizon::ChartToSky(double a, double b, double& ra, double& dec) const
{
    CCarte::ChartToSky(a - m_directionAngle, -b, ra, dec);
}

void CCarteHorizon::DrawGround(CSurface& dc, SRect rect)
{
    m_profile.Mark();
    // The landscape is walked at the window's own height, column after
    // column, and magnified with the strip: zooming in shows the same hills.
    GroundWalk walk(m_profile, rect.height());
    const double factor = StripHeight(rect) / double(std::max(1, rect.height()));
    // The landscape runs along the whole strip; only the columns in view are
    // drawn, but the sequence is followed from the start. Column i is filled
    // from the horizon up to its height: one outline through the tops of the
    // columns, smoothed on screen, instead of a line per column.
    const int columns = 6 * rect.height();
    const int first = std::max(0, static_cast<int>(std::floor(rect.left / factor)));
    const int last = std::min(columns, static_cast<int>(std::ceil(rect.right / factor)));
    std::vector<SPoint> outline;
    outline.reserve(static_cast<std::size_t>(std::max(0, last - first) + 3));
    for (int i = 0; i < last; ++i) {
        if (i >= first) {
            const int x = roundUnits(i * factor);
            if (outline.empty())
                outline.push_back({x, 0});
            outline.push_back({x, -roundUnits(walk.Height() * factor)});
        }
        walk.Advance(i);
    }
    if (outline.empty())
        return;
    const int end = roundUnits(last * factor);
    outline.push_back({end, outline.back().y});
    outline.push_back({end, 0});
    dc.Save();
    dc.SetNoPen();
    dc.SetBrush(paletteIndex(kGroundPaletteEntry));
    dc.Polygon(outline);
    dc.Restore();
}

bool CCarteHorizon::IsHiddenByGround(SRect rect, int x, int y)
{
    const double factor = StripHeight(rect) / double(std::max(1, rect.height()));
    const double column = x / factor;
    // The landscape never rises above a twentieth of the height.
    if (x < 0 || column >= 6 * rect.height() || y < -roundUnits((rect.height() / 20 + 1) * factor))
        return false;
    m_profile.Rewind();
    m_profile.Mark();
    GroundWalk walk(m_profile, rect.height());
    const int i = static_cast<int>(column);
    for (int n = 0; n < i; ++n)
        walk.Advance(n);
    // Between two columns of a magnified strip the outline runs straight.
    double height = walk.Height();
    if (column > i) {
        walk.Advance(i);
        height += (walk.Height() - height) * (column - i);
    }
    m_profile.Rewind();
    return -roundUnits(height * factor) <= y && y < 0;
}

void CCarteHorizon::DrawDirections(CSurface& dc, SRect rect)
{
    dc.Save();
    const bool printer = dc.IsPrinter();
    const int fontHeight = printer ? 4 * dc.Millimetre().cy : legibleFontHeight(dc, 12 * dc.LogicalDpiY() / 120);
    dc.SetFont({"Times New Roman", -fontHeight, printer ? 400 : 300});
    dc.SetTextColour(printer ? kBlack : kWhite);
    dc.SetBackground(kWhite, false);
    dc.SetPen(printer ? kBlack : kWhite, 0);
    double f = reduceTurn(-m_directionAngle) * kEighthsPerRadian;
    // A direction index gives a whole number of eighths but for the last bits.
    if (std::abs(f - std::round(f)) < 1e-9)
        f = std::round(f);
    const int g = static_cast<int>(f) + 1;
    const int strip = StripHeight(rect);
    const int spacing = printer ? mulDiv(6, strip, 8) : 6 * strip / 8;
    int x = roundUnits((g - f) * spacing);
    int t = g % 8;
    const int unit = unitOf(dc);
    // On the horizon line, or along the bottom edge of a window raised above it.
    const int base = std::min(0, rect.bottom);
    for (int n = 0; n < 8; ++n) {
        dc.Line(x, base, x, base - 6 * unit);
        DrawDirectionLabel(dc, {x, base}, kDirectionNames[t], fontHeight);
        t = (t + 1) % 8;
        x += spacing;
    }
    dc.Restore();
}

void CCarteHorizon::DrawDirectionLabel(CSurface& dc, SPoint at, const char* text, int fontHeight)
{
    const int unit = unitOf(dc);
    const int x = at.x;
    if (!dc.IsPrinter()) {
        dc.TextInBox({x - fontHeight, at.y - 25, x + fontHeight, at.y - 6}, text);
        return;
    }
    // On paper the label stands in a frame sized from its text.
    const SSize extent = dc.TextExtent(text);
    const int half = extent.cx * 6 / 10;
    const SRect frame{x - half - 5 * dc.Millimetre().cx / 8, at.y - 6 * unit - extent.cy - 2 * unit, x + half,
                      at.y - 6 * unit};
    dc.Save();
    dc.SetBrush(kWhite);
    dc.Rectangle(frame);
    dc.Restore();
    dc.TextInBox(frame, text);
}

void CCarteHorizon::DrawAltitudeScale(CSurface& dc, SRect rect, Colour colour, std::uint32_t flags)
{
    if (!(flags & draw::kAltitudeScale))
        return;
    dc.Save();
    const bool printer = dc.IsPrinter();
    const int fontHeight = printer ? 3 * dc.Millimetre().cy : legibleFontHeight(dc, 13 * dc.LogicalDpiY() / 120);
    dc.SetFont({"Times New Roman", -fontHeight, 400});
    dc.SetPen(printer ? kBlack : kLightGrey, 0);
    dc.SetTextColour(colour);
    dc.SetBackground(kWhite, false);
    const double degree = GetScale(rect) * kPi / 180.0;
    const int axis = rect.left + 3 * rect.width() / 50;
    const int unit = unitOf(dc);
    // From 3° above the horizon to 3° below the strip's top, along the
    // window's left edge.
    dc.Line(axis, roundUnits(-3.0 * degree), axis, -StripHeight(rect) + roundUnits(3.0 * degree));
    m_scaleAxis = {axis - 10, rect.top, axis + 10, rect.bottom};
    const int labelHeight = dc.TextExtent("50").cy;
    // Ticks and labels in tenths of a degree, finer on a magnified strip so
    // that a few labels stay in the window.
    const double factor = m_host.HorizonZoom().Factor();
    const int tick = factor < 2.0 ? 50 : (factor < 8.0 ? 10 : 5);
    const int labelled = factor < 2.0 ? 100 : (factor < 4.0 ? 50 : (factor < 8.0 ? 20 : 10));
    for (int a = tick; a <= 570; a += tick) {
        const int y = roundUnits(-(a / 10.0) * degree);
        if (y < rect.top - labelHeight || y > rect.bottom + labelHeight)
            continue;
        if (a % labelled == 0) {
            dc.Line(axis, y, axis + 6 * unit, y);
            char text[16];
            std::snprintf(text, sizeof text, "%d °", a / 10);
            dc.Text(axis + 8 * unit, y - labelHeight / 2, text, kAlignLeft | kAlignTop);
        } else {
            dc.Line(axis - 3 * unit, y, axis + 4 * unit, y);
        }
    }
    dc.Restore();
}

void CCarteHorizon::DrawTitle(CSurface& dc, SRect rect, const std::string&, const SFont& font)
{
    CCarte::DrawTitle(dc, rect, instantCaption(m_host.Instant()), font);
}

}  // namespace zarn
