// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Steps of time shorter than a day: the sky a minute, ten minutes, an hour or
// one turn of the stars later or earlier. They count elapsed (universal)
// time, so an hour step across a summer-time change is an hour of the sky,
// whereas the day steps keep the legal time of day.
#include "time/CInstant.h"

#include <cstdint>

namespace zarn {

// The sidereal day in hours of universal time: the stars come back to the
// same place 3 min 56 s earlier each day.
inline constexpr double kSiderealDayHours = 24.0 / 1.002737908;

// Moves the instant by the given hours of universal time (negative: back)
// and refreshes its texts. Refused, leaving the instant as it was, when the
// legal date would leave the program's years 1901-2099.
bool stepUniversalHours(CInstant& instant, double hours);

// Sets the instant to a moment of the computer's clock, given in seconds
// since 1 January 1970 at 0 h universal time, in the legal time of its place.
void setToClock(CInstant& instant, std::int64_t unixSeconds);

}  // namespace zarn
