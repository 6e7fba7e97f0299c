// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/CCarteConstellation.h"

#include <cmath>
#include <cstdio>

#include "charts/ChartHost.h"
#include "sky/CAstre.h"
#include "sky/CConstellation.h"
#include "sky/DrawFlags.h"
#include "sky/SkyModel.h"

namespace zarn {

namespace {

// The catalogue records the centre in whole degrees; π as the catalogue's
// program has always taken it.
constexpr double kDegreesToRadians = 3.141592654 / 180.0;
constexpr double kRad = 3.141592653589793 / 180.0;
constexpr double kFarAway = 10000.0;

// A plane rotation of (p, q) by the angle whose cosine and sine are given.
void rotate(double& p, double& q, double cosine, double sine)
{
    const double r = p * cosine - q * sine;
    q = p * sine + q * cosine;
    p = r;
}

}  // namespace

CCarteConstellation::CCarteConstellation(ChartHost& host) : CCarte(host) {}

void CCarteConstellation::SetConstellation(const CConstellation* constellation)
{
    m_constellation = constellation;
    const double ra = constellation ? constellation->centreAlpha() * kDegreesToRadians : 0.0;
    const double dec = constellation ? constellation->centreDelta() * kDegreesToRadians : 0.0;
    m_centreRA = ra;
    m_cosCentreRA = std::cos(ra);
    m_sinCentreRA = std::sin(ra);
    m_cosCentreDec = std::cos(dec);
    m_sinCentreDec = std::sin(dec);
}

void CCarteConstellation::Draw(CSurface& dc, SRect rect, std::uint32_t flags)
{
    // Objects draw in the map's style (no user-object symbols).
    CCarte::Draw(dc, rect, flags | draw::kConstellationStyle);
}

bool CCarteConstellation::ProjectDirection(double u, double v, double w, double& x, double& y) const
{
    // Turn the centre's right ascension to zero, then tilt its declination to
    // the pole: d is the cosine of the distance from the centre, b points to
    // the west and c to the south.
    double a = u;
    double b = v;
    rotate(a, b, m_cosCentreRA, m_sinCentreRA);
    double c = a;
    double d = w;
    rotate(c, d, m_sinCentreDec, m_cosCentreDec);
    if (d <= -1.0) {
        x = b < 0.0 ? -kFarAway : kFarAway;
        y = c < 0.0 ? -kFarAway : kFarAway;
    } else {
        x = b / (1.0 + d);
        y = c / (1.0 + d);
    }
    return d > 0.0;
}

bool CCarteConstellation::Project(CAstre& object, double, double& x, double& y) const
{
    return ProjectDirection(object.GetX(), object.GetY(), object.GetZ(), x, y);
}

SPoint CCarteConstellation::GetOrigin(const CSurface&, SRect rect) const
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

double CCarteConstellation::Magnification() const
{
    const bool hydra = m_constellation && m_constellation->name() == "Hydre";
    return hydra ? kHydraMagnification : kMagnification;
}

double CCarteConstellation::GetScale(SRect rect) const { return 0.5 * rect.height() * Magnification(); }

SPoint CCarteConstellation::PlaceAt(const CAstre& object, SRect rect) const
{
    double x = 0.0;
    double y = 0.0;
    ProjectDirection(object.GetX(), object.GetY(), object.GetZ(), x, y);
    const double scale = GetScale(rect);
    return {roundUnits(scale * x), roundUnits(scale * y)};
}

SPoint CCarteConstellation::PlaceAt(double ra, double dec, SRect rect) const
{
    double x = 0.0;
    double y = 0.0;
    const double cosDec = std::cos(dec);
    ProjectDirection(cosDec * std::cos(ra), -cosDec * std::sin(ra), std::sin(dec), x, y);
    const double scale = GetScale(rect);
    return {roundUnits(scale * x), roundUnits(scale * y)};
}

void CCarteConstellation::DrawPreview(CSurface& dc, std::uint32_t flags, double scale, const CConstellation& constellation)
{
    SetConstellation(&constellation);
    flags |= draw::kConstellationStyle;
    ClearScreenPlacements();
    for (CAstre* star : constellation.objects()) {
        double x = 0.0;
        double y = 0.0;
        if (!star)
            continue;
        Project(*star, 0.0, x, y);
        star->Draw(dc, roundUnits(scale * x), roundUnits(scale * y), flags, m_labelWindow);
    }
    PlaceBackgroundObjects(scale, false);
    DrawObjects(dc, m_screenOthers, {}, flags);
}

void CCarteConstellation::DrawObjects(CSurface& dc, const std::vector<PlacedObject>& list, SRect, std::uint32_t flags)
{
    DrawEach(dc, list, flags);
}

bool CCarteConstellation::IsHighlighted(const CConstellation& drawn) const
{
    if (!m_constellation)
        return false;
    const std::string& shown = m_constellation->name();
    if (drawn.name() == shown)
        return true;
    // The lines joining Pégase to Andromède and Cocher to Taureau belong to
    // the special lines; they are part of these two figures.
    return drawn.name() == kSpecialLines && (shown == "Pégase" || shown == "Cocher");
}

void CCarteConstellation::DrawFigure(CSurface& dc, const CConstellation& constellation, const PlacementIndex& index,
                                     SRect rect)
{
    if (!IsHighlighted(constellation)) {
        CCarte::DrawFigure(dc, constellation, index, rect);
        return;
    }
    dc.Save();
    dc.SetPen(kHighlightedFigureColour, 0);
    CCarte::DrawFigure(dc, constellation, index, rect);
    dc.Restore();
}

void CCarteConstellation::GridLine(CSurface& dc, SRect rect, double raFrom, double decFrom, double raStep,
                                   double decStep, int count)
{
    SPoint previous = PlaceAt(raFrom * kRad, decFrom * kRad, rect);
    bool previousVisible = dc.IsPointVisible(previous.x, previous.y);
    for (int i = 1; i < count; ++i) {
        const SPoint next = PlaceAt((raFrom + i * raStep) * kRad, (decFrom + i * decStep) * kRad, rect);
        const bool visible = dc.IsPointVisible(next.x, next.y);
        if (visible || previousVisible)
            dc.Line(previous.x, previous.y, next.x, next.y);
        previous = next;
        previousVisible = visible;
    }
}

void CCarteConstellation::DrawGrid(CSurface& dc, SRect rect, Colour text, Colour back, std::uint32_t flags)
{
    if (!(flags & draw::kGrid))
        return;
    dc.Save();
    dc.SetPen(kGrey, 0);
    // Hour circles every hour, from −88° to +88° in steps of 11°; parallels
    // every 10° of declination, in steps of 5° of right ascension.
    for (int ra = 0; ra <= 360; ra += 15)
        GridLine(dc, rect, ra, -88.0, 0.0, 11.0, 17);
    for (int dec = -80; dec <= 80; dec += 10)
        GridLine(dc, rect, 0.0, dec, 5.0, 0.0, 73);
    if (dc.IsPrinter())
        dc.SetFont({"MS Serif", -3 * dc.Millimetre().cy, 400});
    else if (!m_screenFont.face.empty())
        dc.SetFont(m_screenFont);
    else
        dc.SetFont({"MS Sans Serif", -(13 * dc.LogicalDpiY() / 120), 400});
    dc.SetTextColour(text);
    dc.SetBackground(back, true);
    DrawGridLabels(dc, rect);
    dc.Restore();
}

void CCarteConstellation::DrawGridLabels(CSurface& dc, SRect rect)
{
    // The hour labels run along a parallel 15° south of the northernmost one
    // that crosses the map at the centre's right ascension.
    int labelDec = -80;
    for (int dec = 80; dec >= -80; dec -= 10) {
        const SPoint p = PlaceAt(m_centreRA, dec * kRad, rect);
        if (dc.IsPointVisible(p.x, p.y)) {
            labelDec = dec;
            break;
        }
    }
    char text[16];
    for (int hour = 0; hour < 24; hour += 2) {
        std::snprintf(text, sizeof text, "%2dh", hour);
        GridLabel(dc, PlaceAt(hour * 15.0 * kRad, (labelDec - 15) * kRad, rect), text, false);
    }
    // Declination labels half-way between two hour circles east of the centre.
    const double hours = std::floor(m_centreRA * 12.0 / 3.141592653589793) + 2.5;
    for (int dec = 70; dec >= -70; dec -= 20) {
        std::snprintf(text, sizeof text, " %+2d\u00B0 ", dec);
        GridLabel(dc, PlaceAt(hours * 15.0 * kRad, dec * kRad, rect), text, true);
    }
}

void CCarteConstellation::GridLabel(CSurface& dc, SPoint at, const std::string& text, bool whole)
{
    const SSize size = dc.TextExtent(text);
    const int left = at.x - size.cx / 2;
    const int top = at.y - size.cy / 2;
    // A declination label is written only where it fits wholly in the map.
    if (whole && !(dc.IsPointVisible(left, top) && dc.IsPointVisible(left + size.cx - 1, top + size.cy - 1)))
        return;
    dc.Text(at.x, top, text, kAlignCentre | kAlignTop);
}

}  // namespace zarn
