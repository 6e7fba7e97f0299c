// SPDX-License-Identifier: GPL-3.0-or-later
// Common behaviour of the sky objects: direction cosines in a frame built from
// the sidereal time, placement, visibility and constellation naming.
#include "sky/CAstre.h"

#include "sky/SkyDirectory.h"
#include "sky/SkyMath.h"

#include <cmath>

namespace zarn {

void CAstre::Direction(double theta, double c, double s, double& x, double& y, double& z) const
{
    const double H = theta - GetAlpha();
    const double cosDelta = GetCosDelta();
    x = std::cos(H) * cosDelta;
    y = std::sin(H) * cosDelta;
    z = GetSinDelta();
    // c = 1 exactly is the equatorial frame itself: no rotation at all.
    if (c != 1.0)
        Rotate(x, z, c, s);
}

void CAstre::Place(double theta, double c, double s)
{
    Direction(theta, c, s, m_x, m_y, m_z);
}

bool CAstre::Compute(const CInstant&)
{
    Place(0.0, 1.0, 0.0);
    return true;
}

double CAstre::GetCosDelta() const { return std::cos(GetDelta()); }

double CAstre::GetSinDelta() const { return std::sin(GetDelta()); }

std::string CAstre::GetConstellationName(const SkyDirectory& sky) const
{
    return sky.constellationName(GetConstellation());
}

}  // namespace zarn
