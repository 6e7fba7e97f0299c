// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The altitude at which each solar-system body rises or sets, that of its
// centre as the observer sees it: the body table's (sky/BodyTable.h, which
// tells why the Sun and the Moon differ from the planets and how the Moon's
// parallax comes in). Zero for an index outside the table.
#include "sky/BodyTable.h"
#include "time/Calendar.h"

namespace zarn {

constexpr double eventAltitudeDegrees(int bodyIndex)
{
    return isBodyIndex(bodyIndex) ? bodyInfo(bodyIndex).eventAltitude : 0.0;
}

constexpr double eventAltitudeRadians(int bodyIndex) { return eventAltitudeDegrees(bodyIndex) * kRadPerDeg; }

}  // namespace zarn
