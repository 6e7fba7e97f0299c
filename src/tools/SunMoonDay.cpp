// SPDX-License-Identifier: GPL-3.0-or-later
// Rise and set of the Sun and the Moon for the day of the instant.
#include "tools/SunMoonDay.h"

#include "sky/CPlaSol.h"
#include "sky/EventAltitude.h"
#include "time/Calendar.h"
#include "tools/BodyAccess.h"
#include "tools/CLeverCoucher.h"
#include "tools/DayClock.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace zarn {

namespace {
struct RiseSet {
    double rise;
    double set;
};

double packedOrCode(double v) { return v >= 0.0 ? toPackedMinutes(v) : v; }

// Record 1 of a two-day series from two days before is the day; a day
// without an event inherits the code of a run of codes.
RiseSet dayEvents(CAstre& body, double altitude, const CInstant& date)
{
    CLeverCoucher series(&body, altitude);
    const auto days = series.ComputeSeries(addDays(date, -2), 2);
    RiseSet out{packedOrCode(days[1].rise), packedOrCode(days[1].set)};
    if (out.rise == kNoEvent && isCode(days[0].set))
        out.rise = days[0].set;
    if (out.set == kNoEvent && isCode(out.rise))
        out.set = out.rise;
    return out;
}

std::string allDayText(const RiseSet& e, const char* above, const char* below)
{
    if (e.rise == kAlwaysAbove && e.set == kAlwaysAbove)
        return above;
    if (e.rise == kAlwaysBelow && e.set == kAlwaysBelow)
        return below;
    return {};
}

std::string phaseText(const MoonPhase& phase)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d %%\n%s",
                  static_cast<int>(std::lround(phase.fraction * 100.0)),
                  phase.phaseAngle >= 0.0 ? "décroissante" : "croissante");
    return buffer;
}
}  // namespace

std::string dayTimeText(double value)
{
    if (value < 0.0 || value >= 25.0)
        return "  -   ";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%5.2f", value);
    return buffer;
}

SunMoonDay computeSunMoonDay(CAstre& sun, CAstre& moon, const CInstant& date)
{
    SunMoonDay day;
    const RiseSet s = dayEvents(sun, eventAltitudeDegrees(kSun), date);
    RiseSet m = dayEvents(moon, eventAltitudeDegrees(kMoon), date);
    if (m.rise > m.set && m.set >= 0.0) {
        std::swap(m.rise, m.set);
        day.moonSetFirst = true;
    }
    day.sunRise = s.rise;
    day.sunSet = s.set;
    day.moonRise = m.rise;
    day.moonSet = m.set;
    day.sunRiseText = dayTimeText(s.rise);
    day.sunSetText = dayTimeText(s.set);
    day.moonRiseText = dayTimeText(m.rise);
    day.moonSetText = dayTimeText(m.set);
    day.sunText = allDayText(s, "Soleil de minuit", "Soleil invisible");
    day.moonText = allDayText(m, "Lune toujours visible", "Lune invisible");
    day.phaseText = phaseText(moonPhaseAt(moon, date));
    return day;
}

}  // namespace zarn
