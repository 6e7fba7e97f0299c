#pragma once
// What the almanac needs to know of a body at one instant: its right
// ascension, declination, distance and horizontal parallax. Bodies of the
// solar system compute them for the instant's Julian centuries; any other
// object of the sky keeps the place it has.
#include "time/CInstant.h"

namespace zarn {

class CAstre;

struct BodyPosition {
    double alpha = 0.0;     // radians, (0, 2π]
    double delta = 0.0;     // radians
    double distance = 0.0;  // AU, or Earth radii for the Moon; 0 for fixed objects
    double parallax = 0.0;  // horizontal parallax, radians (the Moon only)
    bool valid = false;     // false when the theory could not form a position
};

BodyPosition positionAt(CAstre& body, const CInstant& instant);

}  // namespace zarn
