// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/CPointEquateur.h"

#include <cmath>

namespace zarn {

void CPointEquateur::Direction(double theta, double c, double s, double& x, double& y, double& z) const
{
    // δ = 0: the unit vector (cos H, sin H, 0) turned by the observer's frame.
    const double h = theta - GetAlpha();
    x = c * std::cos(h);
    y = std::sin(h);
    z = s * std::cos(h);
}

}  // namespace zarn
