// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/CAstreDistant.h"

#include "time/Calendar.h"

namespace zarn {

bool CAstreDistant::GetPosition(double, double& alpha, double& delta, double& distance)
{
    alpha = ReduceAngle(m_alpha, 0.0, kTwoPi);
    delta = m_delta;
    distance = m_distance;
    return true;
}

}  // namespace zarn
