// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ChartZoom.h"

#include <algorithm>
#include <cmath>

namespace zarn {

void ChartZoom::Reset()
{
    m_factor = kMin;
    m_cx = m_cy = 0.0;
}

SRect ChartZoom::LayoutAt(SSize client, double factor)
{
    if (factor <= kMin)
        return {0, 0, client.cx, client.cy};
    return {0, 0, static_cast<int>(std::lround(client.cx * factor)), static_cast<int>(std::lround(client.cy * factor))};
}

SPoint ChartZoom::Origin(SPoint layoutOrigin, double scale, SSize client) const
{
    if (IsWhole())
        return layoutOrigin;
    return {static_cast<int>(std::lround(client.cx / 2.0 - m_cx * scale)),
            static_cast<int>(std::lround(client.cy / 2.0 - m_cy * scale))};
}

void ChartZoom::PanBy(int dx, int dy, double scale)
{
    if (IsWhole() || scale <= 0.0)
        return;
    m_cx -= dx / scale;
    m_cy -= dy / scale;
    ClampMiddle();
}

void ChartZoom::ClampMiddle()
{
    // The middle of the window stays on the chart's disc.
    const double r = std::hypot(m_cx, m_cy);
    if (r > 1.0) {
        m_cx /= r;
        m_cy /= r;
    }
}

}  // namespace zarn
