// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sky object at a finite distance: the Sun, the planets and the Moon.
#include "sky/CAstre.h"

namespace zarn {

class CAstreDistant : public CAstre {
public:
    // α (reduced into (0, 2π]), δ and the distance for T (Julian centuries).
    // The base hands back what was last computed.
    virtual bool GetPosition(double T, double& alpha, double& delta, double& distance);
    // Astronomical units for the Sun and planets, Earth radii for the Moon.
    virtual double GetDistance() const { return m_distance; }

protected:
    double m_distance = 0.0;
};

}  // namespace zarn
