// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ui/SkyChartSet.h"

#include "charts/ui/CZarnView.h"
#include "sky/CPointPlan.h"
#include "sky/SkyModel.h"

namespace zarn {

SkyChartSet::SkyChartSet(SkyModel& sky, const CInstant& instant)
    : m_sky(sky), m_instant(instant), m_wholeSky(*this), m_zenith(*this), m_horizon(*this)
{
    // The reference-line points are the background objects of the sky charts.
    m_lines.assign(sky.referenceLines().begin(), sky.referenceLines().end());
    m_ownPrintLabel.SetLabelCodes(&sky.labels());
}

SkyChartSet::~SkyChartSet() = default;

CCarte& SkyChartSet::Chart(int kind)
{
    if (kind == CCarte::Zenith)
        return m_zenith;
    if (kind == CCarte::Horizon)
        return m_horizon;
    return m_wholeSky;
}

void SkyChartSet::ClearPlacements()
{
    m_wholeSky.ClearPlacements();
    m_zenith.ClearPlacements();
    m_horizon.ClearPlacements();
}

const std::vector<CConstellation*>& SkyChartSet::Constellations() const { return m_sky.ciel().constellations(); }

CVueNoms& SkyChartSet::PrintLabel()
{
    if (!m_view)
        return m_ownPrintLabel;
    CVueNoms& label = m_view->PrintLabel();
    label.SetLabelCodes(&m_sky.labels());
    return label;
}

void SkyChartSet::ShowLabel(CSurface& dc, const std::string& text, SPoint at)
{
    if (m_view)
        m_view->ShowLabel(dc, text, at);
}

double SkyChartSet::ScrollFraction() const { return m_view ? m_view->ScrollFraction() : 0.0; }

StripZoom SkyChartSet::HorizonZoom() const { return m_view ? m_view->Strip() : StripZoom{}; }

void SkyChartSet::SkyRedrawn()
{
    if (onSkyRedrawn)
        onSkyRedrawn();
}

}  // namespace zarn
