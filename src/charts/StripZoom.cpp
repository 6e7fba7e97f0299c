// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/StripZoom.h"

#include <algorithm>
#include <cmath>

#include "charts/ChartZoom.h"

namespace zarn {

bool StripZoom::IsWhole() const { return m_factor <= ChartZoom::kMin; }

void StripZoom::Reset()
{
    m_factor = ChartZoom::kMin;
    m_lift = 0.0;
}

int StripZoom::StripHeight(int height, double factor)
{
    if (factor <= ChartZoom::kMin)
        return height;
    return static_cast<int>(std::lround(height * factor));
}

int StripZoom::LiftUnits(int height) const
{
    const int strip = StripHeight(height);
    return std::clamp(static_cast<int>(std::lround(m_lift * strip)), 0, std::max(0, strip - height));
}

void StripZoom::SetLiftUnits(int units, int height)
{
    const int strip = StripHeight(height);
    units = std::clamp(units, 0, std::max(0, strip - height));
    m_lift = strip > 0 ? units / double(strip) : 0.0;
}

int StripZoom::ZoomAround(double ratio, SPoint at, SSize client, int scroll)
{
    const double factor = ChartZoom::Clamp(m_factor * ratio);
    const int height = client.cy;
    const int before = StripHeight(height);
    if (factor == m_factor || before <= 0)
        return scroll;
    // The point under the cursor in units of the strip's height: along the
    // strip from its start, and up from the horizon.
    const double along = (scroll + at.x) / double(before);
    const double up = (height + LiftUnits(height) - at.y) / double(before);
    m_factor = factor;
    const int after = StripHeight(height);
    SetLiftUnits(static_cast<int>(std::lround(up * after)) - height + at.y, height);
    const int next = static_cast<int>(std::lround(along * after)) - at.x;
    return std::clamp(next, 0, std::max(0, 6 * after - client.cx));
}

void StripZoom::RaiseBy(int dy, int height) { SetLiftUnits(LiftUnits(height) + dy, height); }

}  // namespace zarn
