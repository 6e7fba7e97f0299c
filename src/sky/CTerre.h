// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Earth seen from the Sun: the direction opposite to the Sun's, used to
// show the Earth's heliocentric direction.
#include "sky/CSoleil.h"

namespace zarn {

class CTerre : public CSoleil {
public:
    // Sun theory, then λ☉ + π (not reduced) turned into α and δ.
    bool ComputeAt(double T) override;
};

}  // namespace zarn
