// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three charts of the sky window (whole sky, zenith, horizon) over the
// document's sky and instant: the owner the charts read from.
#include <functional>
#include <memory>
#include <vector>

#include "charts/CCarteCiel.h"
#include "charts/CCarteHorizon.h"
#include "charts/CCarteZenith.h"
#include "charts/ChartHost.h"
#include "sky/draw/CVueNoms.h"

namespace zarn {

class CZarnView;
class SkyModel;

class SkyChartSet : public ChartHost {
public:
    SkyChartSet(SkyModel& sky, const CInstant& instant);
    ~SkyChartSet() override;

    CCarte& Chart(int kind);  // 0 whole sky, 1 zenith, 2 horizon
    CCarteCiel& WholeSky() { return m_wholeSky; }
    CCarteZenith& Zenith() { return m_zenith; }
    CCarteHorizon& Horizon() { return m_horizon; }
    // After the sky was recomputed: every chart places its objects again.
    void ClearPlacements();
    void SetSelected(CAstre* object) { m_selected = object; }
    // The sky window whose labels and scroll position the charts use.
    void AttachView(CZarnView* view) { m_view = view; }
    std::function<void()> onSkyRedrawn;

    const std::vector<CConstellation*>& Constellations() const override;
    const std::vector<CAstre*>& OtherObjects() const override { return m_lines; }
    const CInstant& Instant() const override { return m_instant; }
    CAstre* SelectedObject() const override { return m_selected; }
    CVueNoms& PrintLabel() override;
    void ShowLabel(CSurface& dc, const std::string& text, SPoint at) override;
    double ScrollFraction() const override;
    StripZoom HorizonZoom() const override;
    void SkyRedrawn() override;

private:
    SkyModel& m_sky;
    const CInstant& m_instant;
    std::vector<CAstre*> m_lines;
    CAstre* m_selected = nullptr;
    CZarnView* m_view = nullptr;
    CVueNoms m_ownPrintLabel{CVueNoms::Kind::Print};
    CCarteCiel m_wholeSky;
    CCarteZenith m_zenith;
    CCarteHorizon m_horizon;
};

}  // namespace zarn
