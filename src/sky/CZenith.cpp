// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/CZenith.h"

#include "time/CInstant.h"

namespace zarn {

bool CZenith::Compute(const CInstant& instant)
{
    m_alpha = instant.siderealTime();
    m_delta = instant.place().latitude();
    Place(0.0, 1.0, 0.0);
    return true;
}

}  // namespace zarn
