// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the time bar.
#include "time/TimeBar.h"

#include "time/Calendar.h"

#include <cstdio>

namespace zarn {

namespace {
std::string hoursMinutes(double hours)
{
    const HourMinuteSecond t = splitHours(hours);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, " %2d.%02d", t.hours, t.minutes);
    return buffer;
}
}  // namespace

TimeBarTexts timeBarTexts(const CInstant& instant, std::optional<double> sunRightAscension)
{
    // The bar shows whole minutes: the copy's second is set to 0 (the
    // sidereal time kept from the instant still counts them).
    CInstant copy(instant);
    copy.setSecond(0);

    TimeBarTexts out;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%2d.%02d.%02d", copy.day(), copy.month(), copy.year());
    out.date = buffer;
    std::snprintf(buffer, sizeof buffer, " %2d.%02d", copy.hour(), copy.minute());
    out.scales[0] = {"Temps :  Légal", buffer};
    out.scales[1] = {"Universel", hoursMinutes(reduce24(copy.universalHours()))};
    out.scales[2] = {"Solaire moyen", hoursMinutes(copy.meanSolarTime())};
    out.scales[3] = {"Solaire vrai", sunRightAscension
                                         ? hoursMinutes(copy.trueSolarTime(*sunRightAscension))
                                         : std::string(" --")};
    const HourMinuteSecond s = splitHours(copy.siderealTime() * 12.0 / kPi);
    std::snprintf(buffer, sizeof buffer, " %2d.%02d.%02d", s.hours, s.minutes, s.seconds);
    out.scales[4] = {"Sidéral", buffer};
    return out;
}

}  // namespace zarn
