// SPDX-License-Identifier: GPL-3.0-or-later
// Steps of universal time expressed in the place's legal time.
#include "time/TimeSteps.h"

#include <cmath>

namespace zarn {

namespace {
// Julian day of 1 January 1970 at 0 h universal time.
constexpr double kUnixEpochJd = 2440587.5;
// Half a minute, in days: steps land on whole seconds of legal time.
constexpr double kLandingTolerance = 0.5 / 1440.0;
}  // namespace

bool stepUniversalHours(CInstant& instant, double hours)
{
    // A whole number of seconds: the instant keeps whole seconds, and a
    // fraction left over could round a time up to a 60th second.
    const double target = instant.universalJulianDay() + std::round(hours * 3600.0) / 86400.0;
    CInstant moved(instant);
    moved.setFromUniversalJulianDay(target);
    // Should the legal date and time fail to name the moment (a repeated
    // hour read only once), a forward step would come out an hour early,
    // that is backwards; it goes on to the same minute an hour later
    // instead, so that holding the key always moves the sky on.
    if (hours > 0 && moved.universalJulianDay() < target - kLandingTolerance)
        moved.setFromUniversalJulianDay(target + 1.0 / 24.0);
    if (moved.year() < 1901 || moved.year() > 2099)
        return false;
    instant = moved;
    instant.refreshTexts();
    return true;
}

void setToClock(CInstant& instant, std::int64_t unixSeconds)
{
    instant.setFromUniversalJulianDay(kUnixEpochJd + static_cast<double>(unixSeconds) / 86400.0);
    instant.refreshTexts();
}

}  // namespace zarn
