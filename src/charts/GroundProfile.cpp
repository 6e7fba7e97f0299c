// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/GroundProfile.h"

#include <algorithm>
#include <cstdlib>

namespace zarn {

GroundProfile::GroundProfile() : GroundProfile(std::rand()) {}

GroundProfile::GroundProfile(int seed)
{
    const double v = (seed % 8) + 2;
    m_value = v * v * v;
    m_marked = m_value;
}

int GroundProfile::Next()
{
    int count = 0;
    // A value never grows past 10^3 times itself, so a few divisions suffice;
    // the bound keeps a damaged value (infinite, not a number) from looping.
    while (m_value > 10.0 && count < 64) {
        m_value *= 0.1;
        ++count;
    }
    m_value = m_value * m_value * m_value;
    return count;
}

GroundWalk::GroundWalk(GroundProfile& profile, int chartHeight)
    : m_profile(profile), m_height(chartHeight / 30), m_low(chartHeight / 60), m_high(chartHeight / 20)
{
}

void GroundWalk::Advance(int column)
{
    if (column % 2 != 0)
        return;
    m_height = std::clamp(m_height + m_profile.Next() - 1, m_low, m_high);
}

}  // namespace zarn
