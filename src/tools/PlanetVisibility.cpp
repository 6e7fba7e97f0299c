// SPDX-License-Identifier: GPL-3.0-or-later
// Visible interval of each planet in one night: the part of the time it is
// above the horizon while the Sun is below the planet's threshold.
#include "tools/PlanetVisibility.h"

#include "sky/CPlaSol.h"
#include "sky/EventAltitude.h"
#include "time/Calendar.h"
#include "tools/BodyAccess.h"
#include "tools/CLeverCoucher.h"
#include "tools/DayClock.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zarn {

namespace {
constexpr double kNightStart = 12.0;
constexpr double kNightEnd = 36.0;
}  // namespace

Darkness darkness(CAstre& sun, double threshold, const CInstant& night)
{
    const double a = CLeverCoucher::NextSet(&sun, threshold, night);
    const double b = CLeverCoucher::NextRise(&sun, threshold, night);
    if (a >= 0.0 && b >= 0.0)
        return {a, b, b > a};
    if (a == kAlwaysBelow || b == kAlwaysBelow)
        return {kNightStart, kNightEnd, true};
    if (a >= 0.0)
        return {a, kNightEnd, true};  // no rise before the end of the window
    if (b >= 0.0)
        return {kNightStart, b, true};
    return {0.0, 0.0, false};
}

VisibilityInterval planetInterval(CAstre& planet, const Darkness& dark, const CInstant& night, double altitude)
{
    if (!dark.any)
        return {};
    const CInstant atDusk = instantAtHours(dayStart(night), dark.start);
    double rise = CLeverCoucher::NextRise(&planet, altitude, atDusk);
    double set = CLeverCoucher::NextSet(&planet, altitude, atDusk);
    // NextRise and NextSet count from 0 h of the dusk's own day.
    const int dayOffset = atDusk.daysSince(night);
    if (rise >= 0.0)
        rise += 24.0 * dayOffset;
    if (set >= 0.0)
        set += 24.0 * dayOffset;
    if (rise == kAlwaysAbove)
        rise = dark.start;
    if (set == kAlwaysAbove)
        set = dark.end;
    if (set < rise)
        rise = dark.start;  // already up at dusk
    const double start = std::max(rise, dark.start);
    const double end = std::min(set, dark.end);
    if (end > start)
        return {start, end};
    return {};
}

namespace {
double marsMagnitude(CAstre& mars, const CInstant& at)
{
    const PlanetDistances d = planetDistancesAt(mars, at);
    return 5.0 * std::log10(d.fromSun * d.fromEarth) - 1.44;
}
}  // namespace

void nightOf(const CInstant& instant, CInstant& night, int& sliderPosition)
{
    const double h = instant.hour() + instant.minute() / 60.0 + instant.second() / 3600.0;
    sliderPosition = static_cast<int>(std::lround(ReduceAngle(h * 60.0 + 720.0, 0.0, 1439.9999999999)));
    night = instantAtHours(addDays(instant, h < 12.0 ? -1 : 0), 12.0);
}

std::string nightTitle(const CInstant& night)
{
    const CInstant next = addDays(night, 1);
    char buffer[160];
    std::string title = " Zarn du";
    if (night.month() == next.month())
        std::snprintf(buffer, sizeof buffer, " %d ", night.day());
    else
        std::snprintf(buffer, sizeof buffer, " %d %s ", night.day(), night.monthName().c_str());
    title += buffer;
    title += "au";
    std::snprintf(buffer, sizeof buffer, " %d %s %d ", next.day(), next.monthName().c_str(), next.year());
    return title + buffer;
}

double visibilityThreshold(int planetIndex, double magnitude)
{
    switch (planetIndex) {
    case 1: return -6.0;
    case 2: return -3.0;
    case 3: return magnitude <= 0.0 ? -8.0 : -6.0;
    case 4: return -4.0;
    default: return -6.0;
    }
}

NightVisibility computeNightVisibility(CAstre& sun, const std::array<CAstre*, 5>& planets,
                                       const CInstant& instant)
{
    NightVisibility out;
    nightOf(instant, out.night, out.sliderPosition);
    out.title = nightTitle(out.night);
    out.sun = {CLeverCoucher::NextSet(&sun, eventAltitudeDegrees(kSun), out.night),
               CLeverCoucher::NextRise(&sun, eventAltitudeDegrees(kSun), out.night)};
    const double mars = marsMagnitude(*planets[2], out.night);
    for (int i = 0; i < 5; ++i) {
        out.thresholds[i] = visibilityThreshold(i + 1, mars);
        const Darkness dark = darkness(sun, out.thresholds[i], out.night);
        out.planets[i] = planetInterval(*planets[i], dark, out.night, eventAltitudeDegrees(i + 1));
    }
    return out;
}

bool followWithinNight(NightVisibility& known, const CInstant& instant)
{
    CInstant night;
    int slider = 0;
    nightOf(instant, night, slider);
    // The night's intervals depend on its first day and the place alone.
    if (night.day() != known.night.day() || night.month() != known.night.month() ||
        night.year() != known.night.year() || !(night.place() == known.night.place()))
        return false;
    known.sliderPosition = slider;
    return true;
}

}  // namespace zarn
