// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/CCarteAnimation.h"

#include <algorithm>
#include <cmath>

#include "charts/EclipticSky.h"
#include "sky/CLune.h"
#include "sky/CPlaSol.h"
#include "sky/CSoleil.h"
#include "sky/DrawFlags.h"

namespace zarn {

namespace {
constexpr SRect kNoBox{-1000, -1000, -1000, -1000};
}  // namespace

int symbolRadius(const CAstre& body, const CSurface& dc)
{
    if (dynamic_cast<const CSoleil*>(&body))
        return dc.IsPrinter() ? 4 * dc.Millimetre().cy : 8;
    if (dynamic_cast<const CLune*>(&body))
        return dc.IsPrinter() ? 2 * dc.Millimetre().cy : mulDiv(5, dc.ScreenWidth(), 640);
    if (dc.IsPrinter())
        return 3 * dc.Millimetre().cx / 2;
    return dc.ScreenWidth() <= 640 ? 4 : 5;
}

CCarteAnimation::CCarteAnimation(EclipticSky& host) : CCarteConjonction(host, 0.0) { m_boxes.fill(kNoBox); }

void CCarteAnimation::SetRegion(double centreLambda, double centreBeta, double halfWidth, double halfHeight)
{
    m_regionLambda = centreLambda;
    m_regionBeta = centreBeta;
    m_halfWidth = std::max(halfWidth, 1e-3);
    m_halfHeight = std::max(halfHeight, 1e-3);
    ClearPlacements();
}

void CCarteAnimation::Centre(double& lambda, double& beta) const
{
    lambda = m_regionLambda;
    beta = m_regionBeta;
}

bool CCarteAnimation::Project(CAstre& object, double, double& x, double& y) const
{
    // The bodies move: the window plots them itself.
    if (dynamic_cast<const CPlaSol*>(&object))
        return false;
    double lambda = 0.0;
    double beta = 0.0;
    Ecliptic(object, lambda, beta);
    x = longitudeOffset(m_regionLambda - lambda);
    y = m_regionBeta - beta;
    return true;
}

double CCarteAnimation::GetScale(SRect rect) const
{
    return std::min(rect.width() / (2.0 * m_halfWidth), rect.height() / (2.0 * m_halfHeight));
}

SPoint CCarteAnimation::ToChart(double lambda, double beta, double scale) const
{
    return {roundUnits(scale * longitudeOffset(m_regionLambda - lambda)), roundUnits(scale * (m_regionBeta - beta))};
}

int CCarteAnimation::BoxOf(int bodyIndex) const
{
    const auto* reference = dynamic_cast<const CPlaSol*>(m_reference);
    const int referenceIndex = reference ? reference->GetIndex() : 0;
    if (bodyIndex == referenceIndex)
        return 0;
    return bodyIndex == 0 ? referenceIndex : bodyIndex;
}

SPoint CCarteAnimation::Plot(CAstre& body, int bodyIndex, int mode)
{
    double lambda = 0.0;
    double beta = 0.0;
    Ecliptic(body, lambda, beta);
    const SPoint point = ToChart(lambda, beta, GetScale(m_screenRect));
    if (!m_screenRect.contains(point.x, point.y))
        return kOutside;
    if (mode == kNextPosition)
        return point;
    m_trail.push_back({lambda, beta, &body});
    if (mode == kBodyMark) {
        const int box = std::clamp(BoxOf(bodyIndex), 0, kBoxes - 1);
        m_marks[static_cast<std::size_t>(box)] = {true, lambda, beta, &body};
    }
    return point;
}

void CCarteAnimation::ClearTrails()
{
    m_trail.clear();
    m_marks.fill({});
    m_boxes.fill(kNoBox);
    ClearPlacements();
}

bool CCarteAnimation::ReferenceMark(const CSurface& dc, SPoint& point) const
{
    if (!m_marks[0].set)
        return false;
    const double scale = dc.IsPrinter() ? m_printScale : GetScale(m_screenRect);
    point = ToChart(m_marks[0].lambda, m_marks[0].beta, scale);
    return true;
}

Colour CCarteAnimation::TrailColour(const CSurface& dc, const CAstre& body, std::uint32_t flags) const
{
    if (dc.IsPrinter())
        return kBlack;
    if (!(flags & draw::kOwnColours))
        return kWhite;
    const auto* solar = dynamic_cast<const CPlaSol*>(&body);
    if (solar && solar->GetIndex() == kMars)
        return kMarsTrailColour;
    return body.GetColor();
}

void CCarteAnimation::DrawMoving(CSurface& dc, std::uint32_t flags)
{
    // The scale of the surface's chart: the screen's, or the page's.
    const double scale = dc.IsPrinter() ? m_printScale : GetScale(m_screenRect);
    // A trail point is a dot of three pixels (a quarter millimetre on paper):
    // single pixels of a fast planet would be lost among the stars.
    const int dot = dc.IsPrinter() ? std::max(1, dc.Millimetre().cx / 4) : 1;
    dc.Save();
    for (const TrailPoint& p : m_trail) {
        const SPoint at = ToChart(p.lambda, p.beta, scale);
        if (!dc.IsPointVisible(at.x, at.y))
            continue;
        const Colour colour = TrailColour(dc, *p.body, flags);
        dc.SetPen(colour, 0);
        dc.SetBrush(colour);
        dc.Rectangle({at.x - dot, at.y - dot, at.x + dot + 1, at.y + dot + 1});
    }
    dc.Restore();
    // Marks last, each whole even where two bodies meet.
    for (int box = kBoxes - 1; box >= 0; --box) {
        const Mark& mark = m_marks[static_cast<std::size_t>(box)];
        if (!mark.set)
            continue;
        const SPoint at = ToChart(mark.lambda, mark.beta, scale);
        const int r = symbolRadius(*mark.body, dc);
        if (!dc.IsPrinter())
            m_boxes[static_cast<std::size_t>(box)] = {at.x - r, at.y - r, at.x + r + 1, at.y + r + 1};
        if (dc.IsVisible({at.x - r, at.y - r, at.x + r + 1, at.y + r + 1}))
            mark.body->Draw(dc, at.x, at.y, flags | draw::kPlanets | draw::kSun, nullptr);
    }
}

void CCarteAnimation::DrawObjects(CSurface& dc, const std::vector<PlacedObject>& list, SRect rect, std::uint32_t flags)
{
    CCarte::DrawObjects(dc, list, rect, flags);
    const bool stars = &list == &m_screenStars || &list == &m_printStars;
    if (!stars || !m_movingLayer)
        return;
    if (dc.IsPrinter())
        m_printScale = GetScale(rect);
    DrawMoving(dc, flags);
}

void CCarteAnimation::DrawLabels(CSurface& dc, SRect rect, std::uint32_t flags)
{
    if (m_sky.ownDrawing)
        m_sky.ownDrawing(dc, flags);
    CCarte::DrawLabels(dc, rect, flags);
}

ChartHit CCarteAnimation::HitTest(SPoint point, const CSurface& dc, std::uint32_t flags) const
{
    ChartHit hit = CCarte::HitTest(point, dc, flags);
    if (hit.precise)
        return hit;
    for (int box = 0; box < kBoxes; ++box) {
        const SRect& b = m_boxes[static_cast<std::size_t>(box)];
        const Mark& mark = m_marks[static_cast<std::size_t>(box)];
        if (!mark.set || b.isEmpty())
            continue;
        // Inside the ellipse inscribed in the box.
        const double rx = b.width() / 2.0;
        const double ry = b.height() / 2.0;
        const double dx = (point.x - (b.left + rx)) / rx;
        const double dy = (point.y - (b.top + ry)) / ry;
        if (dx * dx + dy * dy <= 1.0) {
            m_boxHit = {b.left + 4, b.top + 4, mark.body};
            hit.placed = &m_boxHit;
            hit.name = mark.body->GetName();
            hit.precise = true;
            return hit;
        }
    }
    return hit;
}

}  // namespace zarn
