// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The altitude at which each solar-system body rises or sets: that of its
// centre as the observer sees it, in degrees. The Sun and the Moon rise when
// their upper limb, lifted by refraction, clears the horizon: their centre is
// then 0.61° below it. A planet is a point, its centre on the horizon.
//
// For the Moon this is a topocentric altitude. Its geocentric altitude at that
// moment is higher by its horizontal parallax (close to a degree), which
// changes with its distance: the rise and set search and the Moon's own
// "is it up" test add the parallax to this value.
#include "time/Calendar.h"

namespace zarn {

// Body index: 0 Soleil, 1 Mercure, 2 Vénus, 3 Mars, 4 Jupiter, 5 Saturne, 6 Lune.
constexpr double eventAltitudeDegrees(int bodyIndex)
{
    return bodyIndex == 0 || bodyIndex == 6 ? -0.61 : 0.0;
}

constexpr double eventAltitudeRadians(int bodyIndex) { return eventAltitudeDegrees(bodyIndex) * kRadPerDeg; }

}  // namespace zarn
