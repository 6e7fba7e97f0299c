// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/AnimationRun.h"

#include <algorithm>
#include <cmath>

#include "charts/CCarteAnimation.h"
#include "charts/EclipticSky.h"
#include "sky/SkyMath.h"
#include "tools/AnimationPlan.h"

namespace zarn {

namespace {
// Room around the path: a part of its extent and a few degrees, so that the
// body's symbol and the next position stay inside the chart.
constexpr double kMarginFraction = 0.12;
const double kMarginAngle = 3.0 * kRadPerDeg;
const double kSmallestHalfWidth = 12.0 * kRadPerDeg;
const double kSmallestHalfHeight = 6.0 * kRadPerDeg;
// The last year of the program's dates.
constexpr int kLastYear = 2099;
}  // namespace

AnimationRun::AnimationRun(EclipticSky& sky, CCarteAnimation& chart) : m_sky(sky), m_chart(chart) {}

void AnimationRun::Prepare(int body, bool withOthers, bool withSun, const CInstant& start, int months, int step)
{
    m_body = std::clamp(body, 0, 5);
    m_shown = {m_body};
    for (int other = kSun; other <= kSaturn; ++other) {
        const bool shown = withOthers || (withSun && other == kSun);
        if (other != m_body && shown)
            m_shown.push_back(other);
    }
    m_start = start;
    m_step = std::max(step, 1);
    m_subStep = animation::subStep(m_step);
    m_total = animation::totalSubSteps(months, m_step);
    m_end = start;
    m_end.shiftByDays(months * 30.0);
    m_end.recompute();
    m_sky.SetInstant(start);
    m_chart.SetReference(&m_sky.Bodies().body(m_body));
    FitRegion(months);
    Restart();
}

void AnimationRun::Restart()
{
    m_date = m_start;
    m_counter = 0;
    m_points = 0;
    m_label.clear();
    m_chart.ClearTrails();
}

void AnimationRun::FitRegion(int months)
{
    // The path of the main body over the period and one step more, its
    // longitudes unwrapped from the first one.
    CPlaSol& body = m_sky.Bodies().body(m_body);
    const double days = months * 30.0 + m_step;
    double first = 0.0;
    double lo = 0.0, hi = 0.0, south = 0.0, north = 0.0;
    for (double d = 0.0; d <= days; d += 1.0) {
        CInstant at = m_start;
        at.shiftByDays(d);
        at.recompute();
        body.Compute(at);
        double lambda = 0.0, beta = 0.0;
        EquatorialToEcliptic(at.centuries(), body.GetAlpha(), body.GetDelta(), lambda, beta);
        if (d == 0.0) {
            first = lambda;
            south = north = beta;
        }
        const double offset = longitudeOffset(lambda - first);
        lo = std::min(lo, offset);
        hi = std::max(hi, offset);
        south = std::min(south, beta);
        north = std::max(north, beta);
    }
    const double halfWidth = (hi - lo) / 2.0 * (1.0 + kMarginFraction) + kMarginAngle;
    const double halfHeight = (north - south) / 2.0 * (1.0 + kMarginFraction) + kMarginAngle;
    m_chart.SetRegion(first + (hi + lo) / 2.0, (north + south) / 2.0, std::max(halfWidth, kSmallestHalfWidth),
                      std::max(halfHeight, kSmallestHalfHeight));
    body.Compute(m_start);
}

void AnimationRun::PlotAll(int mode)
{
    for (const int index : m_shown) {
        CPlaSol& body = m_sky.Bodies().body(index);
        body.Compute(m_date);
        m_chart.Plot(body, index, mode);
    }
}

AnimationRun::Outcome AnimationRun::MainCycle()
{
    if (m_body < 0)
        return Outcome::End;
    const int perMain = std::max(1, m_step / m_subStep);
    for (;;) {
        m_date.shiftByDays(m_subStep);
        m_date.recompute();
        ++m_counter;
        if (m_counter % perMain != 0) {
            PlotAll(CCarteAnimation::kTrajectoryPoint);
            ++m_points;
            continue;
        }
        PlotAll(CCarteAnimation::kBodyMark);
        m_label = animation::dateLabel(m_date);
        // Where the main body will be at the next main step.
        CInstant ahead = m_date;
        ahead.shiftByDays(m_step);
        ahead.recompute();
        CPlaSol& main = m_sky.Bodies().body(m_body);
        main.Compute(ahead);
        const SPoint next = m_chart.Plot(main, m_body, CCarteAnimation::kNextPosition);
        main.Compute(m_date);
        // The chart's edge, or the end of the years the program knows: the
        // run cannot go on.
        if (next.x == CCarteAnimation::kOutside.x || ahead.year() > kLastYear)
            return Outcome::Edge;
        return m_counter == m_total ? Outcome::End : Outcome::Going;
    }
}

}  // namespace zarn
