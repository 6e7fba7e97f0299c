// SPDX-License-Identifier: GPL-3.0-or-later
// The plan of one night: its clock, the dark window of the twilight series,
// the Moon, then the passes of the other files.
#include "tools/NightPlan.h"

#include "sky/EventAltitude.h"
#include "sky/SkyModel.h"
#include "time/Calendar.h"
#include "time/LegalOffset.h"
#include "tools/BodyAccess.h"
#include "tools/CLeverCoucher.h"
#include "tools/DayClock.h"
#include "tools/NightPlanParts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zarn {

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kDegree = kPi / 180.0;
constexpr double kSiderealRatio = 1.002737908;
constexpr double kAltitudes[4] = {eventAltitudeDegrees(0), -6.0, -12.0, -18.0};

// The moment of the Sun's lowest point near the legal midnight: where its
// hour angle reaches π (two corrections follow the Sun's own motion).
double sunLowestPoint(CAstre& sun, const NightClock& clock)
{
    double jd = clock.universal(24.0);
    for (int i = 0; i < 3; ++i) {
        const CInstant at = clock.instant(jd);
        const BodyPosition p = positionAt(sun, at);
        const double hourAngle = ReduceAngle(at.siderealTime() - p.alpha, 0.0, 2.0 * kPi);
        jd += (kPi - hourAngle) / (2.0 * kPi * kSiderealRatio);
    }
    return jd;
}

// Every stretch of the dark window during which the Moon is up: after a set,
// the search starts again for a later rise.
void moonInDark(MoonPlan& moon, CAstre& body, const Darkness& dark, const NightClock& clock, const CInstant& night)
{
    Darkness rest = dark;
    for (int i = 0; i < 3 && rest.any && rest.end > rest.start; ++i) {
        const VisibilityInterval up = planetInterval(body, rest, night, eventAltitudeDegrees(kMoon));
        if (up.start < 0.0)
            break;
        moon.inDark.push_back(up);
        moon.spoiledHours += (clock.universal(up.end) - clock.universal(up.start)) * 24.0;
        rest.start = up.end + 1.0 / 60.0;
    }
}

void addMoon(NightPlan& plan, SolarBodies& bodies, const NightClock& clock)
{
    MoonPlan& moon = plan.moon;
    moon.rise = CLeverCoucher::NextRise(&bodies.moon, eventAltitudeDegrees(kMoon), plan.night);
    moon.set = CLeverCoucher::NextSet(&bodies.moon, eventAltitudeDegrees(kMoon), plan.night);
    if (moon.rise < 0.0 && moon.set < 0.0 && moon.rise == moon.set)
        moon.riseCode = static_cast<int>(moon.rise);
    const MoonPhase phase = moonPhaseAt(bodies.moon, clock.instant(clock.universal(plan.middle)));
    moon.fraction = phase.fraction;
    moon.waxing = phase.phaseAngle < 0.0;
    if (plan.darkLevel < 0)
        return;
    moon.darkHours = plan.darkHours;
    moonInDark(moon, bodies.moon, plan.darkWindow, clock, plan.night);
}
}  // namespace

NightClock::NightClock(const CInstant& night) : m_midnight(dayStart(night)) {}

double NightClock::universal(double hours) const { return instantAtHours(m_midnight, hours).universalJulianDay(); }

double NightClock::hoursAt(double universalJd) const
{
    const double legal = universalJd + legalOffsetSeconds(universalJd, place()) / 86400.0;
    return (legal - m_midnight.julianDayAt0h()) * 24.0;
}

CInstant NightClock::instant(double universalJd) const { return standardInstantAtUniversal(universalJd, place()); }

Horizontal horizontalOf(CAstre& body, const CInstant& at)
{
    const BodyPosition p = positionAt(body, at);
    Horizontal h = EquatorialToHorizontal(at.siderealTime(), at.place().latitude(), p.alpha, p.delta);
    h.altitude -= p.parallax * std::cos(h.altitude);
    return h;
}

double angularSeparation(double alpha1, double delta1, double alpha2, double delta2)
{
    const double c = std::cos(alpha1 - alpha2) * std::cos(delta1) * std::cos(delta2) +
                     std::sin(delta1) * std::sin(delta2);
    return std::acos(std::clamp(c, -1.0, 1.0));
}

std::string nightTimeText(double hours)
{
    if (hours < 0.0)
        return "-";
    const double packed = roundedPackedMinutes(hours >= 24.0 ? hours - 24.0 : hours);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.2f", packed >= 24.0 ? packed - 24.0 : packed);
    return buffer;
}

std::string compassPoint(double azimuth)
{
    static const char* const kPoints[16] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                            "S", "SSO", "SO", "OSO", "O", "ONO", "NO", "NNO"};
    // The azimuth is counted from the South towards the West; the compass
    // from the North towards the East.
    const double bearing = ReduceAngle(azimuth / kDegree + 180.0, 0.0, 360.0);
    const int sector = static_cast<int>(std::floor(bearing / 22.5 + 0.5)) % 16;
    return kPoints[sector];
}

NightPlan computeNightPlan(const SolarBodies& documentBodies, const SkyModel& sky, const CInstant& instant)
{
    SolarBodies bodies(documentBodies);
    NightPlan plan;
    int slider = 0;
    nightOf(instant, plan.night, slider);
    const NightClock clock(plan.night);
    for (int i = 0; i < 4; ++i) {
        plan.twilight[i].altitude = kAltitudes[i];
        plan.twilight[i].dark = darkness(bodies.sun, kAltitudes[i], plan.night);
    }
    for (int level = 3; level >= 1 && plan.darkLevel < 0; --level)
        if (plan.twilight[level].dark.any) {
            plan.darkLevel = level;
            plan.darkWindow = plan.twilight[level].dark;
        }
    if (plan.darkLevel >= 0) {
        const double start = clock.universal(plan.darkWindow.start);
        const double end = clock.universal(plan.darkWindow.end);
        plan.darkHours = (end - start) * 24.0;
        plan.middle = clock.hoursAt((start + end) / 2.0);
    } else
        plan.middle = clock.hoursAt(sunLowestPoint(bodies.sun, clock));
    addMoon(plan, bodies, clock);
    addPlanets(plan, bodies, sky, clock);
    addNightEvents(plan, bodies, clock);
    addHighSky(plan, bodies, sky, clock);
    addSections(plan);
    return plan;
}

std::string nightPlanText(const NightPlan& plan)
{
    std::string text = plan.title + "\n";
    for (const NightSection& section : plan.sections) {
        text += "\n" + section.title + "\n";
        for (const std::string& line : section.lines)
            text += "  " + line + "\n";
    }
    return text;
}

}  // namespace zarn
