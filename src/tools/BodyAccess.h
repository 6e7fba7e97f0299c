// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace zarn {

// The Moon's elongation λ☉ − λ′ (radians, (−π, π]): 0 at new Moon, −π/2 at
// first quarter, ±π at full Moon, +π/2 at last quarter.
double moonElongation(CAstre& moon, const CInstant& instant);

struct MoonPhase {
    double fraction = 0.0;    // illuminated fraction, 0..1
    double phaseAngle = 0.0;  // negative while the Moon waxes
};
MoonPhase moonPhaseAt(CAstre& moon, const CInstant& instant);

// The Sun's apparent ecliptic longitude, radians.
double apparentSunLongitude(CAstre& sun, const CInstant& instant);

struct EclipticPosition {
    double lambda = 0.0;  // geocentric ecliptic longitude, radians
    double beta = 0.0;    // latitude, radians
    bool valid = false;
};
EclipticPosition eclipticAt(CAstre& body, const CInstant& instant);

struct PlanetDistances {
    double fromSun = 0.0;    // r, AU
    double fromEarth = 0.0;  // Δ, AU
    double ringTilt = 0.0;   // Saturn's ring plane tilt B, radians; 0 otherwise
};
PlanetDistances planetDistancesAt(CAstre& planet, const CInstant& instant);

}  // namespace zarn
