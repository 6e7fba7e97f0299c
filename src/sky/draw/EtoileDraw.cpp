// SPDX-License-Identifier: GPL-3.0-or-later
// Stars are discs sized by magnitude class; deep-sky and user objects show
// the picture of their kind.
#include <algorithm>

#include "sky/CEtoile.h"
#include "sky/CMessier.h"
#include "sky/CNouvelObjet.h"
#include "sky/DrawFlags.h"
#include "sky/draw/CVueNoms.h"
#include "sky/draw/DeepSkySymbols.h"
#include "sky/draw/DrawHelpers.h"

namespace zarn {

namespace {

constexpr std::int32_t kAlcyone = 23630;  // in the crowded Pleiades: a small hit area
constexpr std::int32_t kMegrez = 106591;

// The disc of a star of class k on a screen: half-extents left/top and
// right/bottom (class −1 is drawn as class 0).
SRect screenDisc(int x, int y, int k, bool smallScreen)
{
    if (smallScreen) {
        if (k < 1)
            return {x - 4, y - 4, x + 4, y + 4};
        return {x - (4 - k), y - (4 - k), x + (5 - k), y + (5 - k)};
    }
    const int e = k < 1 ? 5 : 5 - k;
    return {x - e, y - e, x + e, y + e};
}

SRect printedDisc(const CSurface& dc, const CAstre& star, int x, int y, int k)
{
    const SSize size = star.SymbolSize(dc, k);
    return {x - size.cx / 2, y - size.cy / 2, x - size.cx / 2 + size.cx, y - size.cy / 2 + size.cy};
}

}  // namespace

bool CEtoile::Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms* labels)
{
    const int k = m_magnitudeClass;
    const Colour ink = inkFor(dc, flags, GetColor());
    // The faintest class is a single point, except on a real printer.
    if (k >= 5 && (!dc.IsPrinter() || dc.IsPreview())) {
        dc.Pixel(x, y, ink);
        return true;
    }
    const SRect disc = dc.IsPrinter() ? printedDisc(dc, *this, x, y, k) : screenDisc(x, y, k, dc.IsSmallScreen());
    dc.Save();
    dc.SetPen(ink, 0);
    dc.SetBrush(ink);
    dc.Ellipse(disc);
    dc.Restore();
    // On paper, the brightest stars keep printed names off their symbol.
    const bool prominent = k < 3 || m_catalogueNumber == kAlcyone || m_catalogueNumber == kMegrez;
    if (dc.IsPrinter() && prominent && labels && labels->kind() == CVueNoms::Kind::Print)
        labels->AddOccupied(disc);
    return true;
}

bool CEtoile::HitTest(SPoint point, int x, int y, const CSurface& dc, std::uint32_t) const
{
    const int b = dc.IsSmallScreen() ? 4 : 5;
    int rho = std::clamp(b - static_cast<int>(m_magnitudeClass), 2, b);
    if (m_catalogueNumber == kAlcyone)
        rho = 2;
    const SRect area = rho == b ? SRect{x - b, y - b, x + b, y + b} : SRect{x - rho, y - rho, x + rho + 1, y + rho + 1};
    return SClip{SClip::Ellipse, area}.isPointVisible(point.x, point.y);
}

bool CEtoile::DrawLabel(CSurface& dc, int x, int y, CVueNoms& labels, std::uint32_t)
{
    const std::string text = GetShortName();
    const std::optional<int> code = labels.CodeFor(text);
    if (text.empty() || !code)
        return false;
    int k = m_magnitudeClass;
    if (k <= -2)
        k = 1;
    else if (k == -1)
        k = 0;
    const int offset = SymbolSize(dc, k).cx + dc.Millimetre().cx;
    labels.Set(text, {x, y}, *code, offset);
    if (!labels.Place(dc))
        return false;  // it would overlap a name already printed
    labels.Commit(dc);
    return true;
}

bool CMessier::Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms*)
{
    if (!(flags & draw::kDeepSky))
        return false;
    drawDeepSkySymbol(dc, kind(), x, y, inkFor(dc, flags, GetColor()));
    return true;
}

bool CNouvelObjet::Draw(CSurface& dc, int x, int y, std::uint32_t flags, CVueNoms* labels)
{
    (void)labels;
    if ((flags & draw::kConstellationStyle) || !(flags & draw::kDeepSky))
        return false;
    drawUserObjectSymbol(dc, m_kind, x, y, inkFor(dc, flags, GetColor()));
    return true;
}

bool CNouvelObjet::DrawLabel(CSurface& dc, int x, int y, CVueNoms& labels, std::uint32_t)
{
    // The designation is the user's own name; it has no catalogue code part.
    const std::string text = GetName().empty() ? m_designation : GetName();
    if (text.empty())
        return false;
    const int mm = dc.Millimetre().cx;
    const int offset = m_kind == 0 ? mm * 11 / 4 : mm * 9 / 4;
    labels.Set(text, {x, y}, labels.CodeFor(text).value_or(CVueNoms::kRight), offset);
    if (!labels.Place(dc))
        return false;
    labels.Commit(dc);
    return true;
}

}  // namespace zarn
