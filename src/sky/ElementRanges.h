// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What ELEMENTS.ZAR may hold. The files are data prepared elsewhere; a record
// whose orbit no body of the naked-eye solar system could have (a planet at
// the Earth's centre, a mean longitude that never moves, a Moon without its
// periodic terms) is damage of the file, not a sky to draw.
#include "sky/CLune.h"

#include <string>

namespace zarn {

// Why the rows of the Sun or a planet (index 0..5) are not an orbit; empty
// when they are. `elements[r][j]` is coefficient j of row r.
std::string implausibleOrbit(int index, const double (&elements)[CPlaSol::kRows][CPlaSol::kCoefficients]);

// The same for the Moon's series and mean elements.
std::string implausibleMoon(const std::array<MoonTerm, CLune::kLongitudeTerms>& longitude,
                            const std::array<MoonTerm, CLune::kLatitudeTerms>& latitude,
                            const std::array<MoonTerm, CLune::kDistanceTerms>& distance,
                            const double (&means)[CLune::kMeanElements][2]);

}  // namespace zarn
