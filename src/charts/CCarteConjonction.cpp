// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/CCarteConjonction.h"

#include <cmath>

#include "charts/EclipticSky.h"
#include "sky/CAstre.h"
#include "sky/DrawFlags.h"
#include "sky/SkyMath.h"
#include "time/CInstant.h"

namespace zarn {

namespace {
// Stars further than this from the ecliptic are left out of the chart.
const double kBandLimit = 40.0 * kRadPerDeg;
}  // namespace

double longitudeOffset(double difference) { return difference - kTwoPi * std::floor((difference + kPi) / kTwoPi); }

CCarteConjonction::CCarteConjonction(EclipticSky& host, double scale)
    : CCarte(host), m_sky(host), m_scale(scale), m_previousScale(scale)
{
    m_kind = Conjunction;
}

void CCarteConjonction::Ecliptic(const CAstre& object, double& lambda, double& beta) const
{
    EquatorialToEcliptic(m_sky.Instant().centuries(), object.GetAlpha(), object.GetDelta(), lambda, beta);
}

void CCarteConjonction::Centre(double& lambda, double& beta) const
{
    lambda = beta = 0.0;
    if (m_reference)
        Ecliptic(*m_reference, lambda, beta);
}

bool CCarteConjonction::Project(CAstre& object, double, double& x, double& y) const
{
    double lambda = 0.0;
    double beta = 0.0;
    Ecliptic(object, lambda, beta);
    // Larger longitudes (east) to the left, larger latitudes (north) up.
    x = longitudeOffset(m_centreLambda - lambda);
    y = m_centreBeta - beta;
    return std::fabs(beta) < kBandLimit;
}

bool CCarteConjonction::AcceptsObject(const CAstre& object) const
{
    double lambda = 0.0;
    double beta = 0.0;
    Ecliptic(object, lambda, beta);
    return std::fabs(beta) < kBandLimit;
}

void CCarteConjonction::PlaceConstellationStars(double scale, bool forPrint)
{
    Centre(m_centreLambda, m_centreBeta);
    CCarte::PlaceConstellationStars(scale, forPrint);
}

void CCarteConjonction::PlaceBackgroundObjects(double scale, bool forPrint) { PlaceObjects(scale, forPrint, 1); }

double CCarteConjonction::GetScale(SRect) const { return m_scale; }

SPoint CCarteConjonction::GetOrigin(const CSurface&, SRect rect) const
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

SClip CCarteConjonction::CreateClipRegion(SRect rect) const { return {SClip::Rect, rect}; }

double CCarteConjonction::Zoom(double newScale)
{
    m_previousScale = m_scale;
    if (newScale != 0.0)
        m_scale = newScale;
    return m_previousScale;
}

void CCarteConjonction::DrawBackground(CSurface& dc, SRect rect)
{
    if (dc.IsPrinter()) {
        dc.SetNoBrush();
        dc.Rectangle({rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom + 1});
    } else {
        dc.Rectangle(rect);
    }
}

void CCarteConjonction::DrawLabels(CSurface& dc, SRect rect, std::uint32_t flags)
{
    if (m_sky.ownDrawing)
        m_sky.ownDrawing(dc, flags);
    // The window has named its bodies; the star names follow.
    CCarte::DrawLabels(dc, rect, flags & ~(draw::kPlanets | draw::kSun | draw::kMoon));
}

void CCarteConjonction::DrawTitle(CSurface& dc, SRect rect, const std::string&, const SFont& font)
{
    CCarte::DrawTitle(dc, rect, m_sky.caption ? m_sky.caption() : std::string(), font);
}

}  // namespace zarn
