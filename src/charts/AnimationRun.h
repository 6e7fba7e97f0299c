// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One run of the trajectory animation: the bodies followed, the running
// date, the intermediate points between main steps and the three ways a run
// ends (the chart's edge, the end of the period, or the user). The window
// calls MainCycle once a second; everything here is plain computation and
// plotting onto the animation chart.
#include <string>
#include <vector>

#include "time/CInstant.h"

namespace zarn {

class CCarteAnimation;
class EclipticSky;

class AnimationRun {
public:
    enum class Outcome { Going, Edge, End };

    AnimationRun(EclipticSky& sky, CCarteAnimation& chart);

    // A new run of the body (0 Sun … 5 Saturne) from the start over the
    // months, one main step every step days; the chart is centred on the
    // body's path over the period and its trails are cleared.
    void Prepare(int body, bool withOthers, bool withSun, const CInstant& start, int months, int step);
    // Back to the start of the period with clean trails.
    void Restart();
    // The intermediate points up to the next main step, that step, and the
    // look one step ahead: End or Edge when the run stops there.
    Outcome MainCycle();

    int Body() const { return m_body; }
    int BodiesShown() const { return static_cast<int>(m_shown.size()); }
    const std::vector<int>& Shown() const { return m_shown; }
    int Counter() const { return m_counter; }
    int Total() const { return m_total; }
    int SubStep() const { return m_subStep; }
    const CInstant& Date() const { return m_date; }
    const CInstant& Start() const { return m_start; }
    const CInstant& End() const { return m_end; }
    // The date written beside the main body at the last main step.
    const std::string& DateLabel() const { return m_label; }
    // Intermediate points plotted since the run began (for the tests).
    int PointsPlotted() const { return m_points; }

private:
    void FitRegion(int months);
    void PlotAll(int mode);

    EclipticSky& m_sky;
    CCarteAnimation& m_chart;
    int m_body = -1;
    std::vector<int> m_shown;  // body indices, the main body first
    CInstant m_start;
    CInstant m_end;
    CInstant m_date;
    int m_step = 1;
    int m_subStep = 1;
    int m_counter = 0;
    int m_total = 0;
    int m_points = 0;
    std::string m_label;
};

}  // namespace zarn
