// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/CTerre.h"

#include "sky/SkyMath.h"

namespace zarn {

bool CTerre::ComputeAt(double T)
{
    ComputeLongitudeRadius(T);
    m_lambda += kPi;
    return EclipticToEquatorial(T, m_lambda, 0.0, m_alpha, m_delta);
}

}  // namespace zarn
