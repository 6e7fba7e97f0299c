// SPDX-License-Identifier: GPL-3.0-or-later
// Principal Moon phases from the elongation of the Moon, which decreases
// through a lunation: 0 new Moon, −π/2 first quarter, ±π full, +π/2 last quarter.
#include "tools/MoonPhases.h"

#include "sky/CAstre.h"
#include "sky/SkyMath.h"
#include "time/Calendar.h"
#include "time/LegalOffset.h"
#include "tools/BodyAccess.h"
#include "tools/DayClock.h"

#include <algorithm>
#include <cmath>

namespace zarn {

namespace {
constexpr double kHalfPi = 1.570796327;
constexpr double kSampleHours = 1.2;      // 1 h 12 min between the five samples
constexpr int kMaxDaysToPhase = 12;       // phases are at most 8 days apart
constexpr int kMaxSixHourSteps = 8;

// Hours are counted in universal time from the day's legal midnight, so that
// the samples stay evenly spaced on the days of the summer-time changes.
double elongationAt(CAstre& moon, const CInstant& day, double hours)
{
    const CInstant at = standardInstantAtUniversal(day.universalJulianDay() + hours / 24.0, day.place());
    return ReduceAngle(moonElongation(moon, at), -kPi, kPi);
}

// Length of the legal day in hours: 23 or 25 on the change days.
double legalDayHours(const CInstant& day)
{
    return (addDays(day, 1).universalJulianDay() - day.universalJulianDay()) * 24.0;
}

// Universal Julian day of the phase of that code within the day.
double phaseJulianDay(CAstre& moon, const CInstant& day, int code)
{
    const double target = (1 - code) * kHalfPi;
    auto f = [&](double h) { return ReduceAngle(elongationAt(moon, day, h) - target, -kPi, kPi); };
    double t = 6.0;
    for (int i = 0; i < kMaxSixHourSteps && f(t) > 0.0; ++i)
        t += 6.0;
    const double t0 = t - 6.0;
    double y[5];
    for (int j = 0; j < 5; ++j)
        y[j] = f(t0 + j * kSampleHours);
    const double n = Interpolate5(InterpolationMode::Zero, y);
    // The middle sample's time to the minute, counted in universal hours from
    // midnight like the samples: on the day of an autumn change it passes
    // 24 h, which no clock of that day shows.
    const double middle = std::floor((t0 + 2 * kSampleHours + 0.00001) * 60.0) / 60.0;
    const double elapsed = middle + kSampleHours * n - 0.0333333;
    return day.universalJulianDay() + elapsed / 24.0;
}

// Legal hours from 0 h of the day: the hours elapsed since midnight, plus the
// legal offset of the moment against the offset at midnight.
double legalHoursOf(const CInstant& day, double universalJulianDay)
{
    const double midnight = day.universalJulianDay();
    const CLieu& place = day.place();
    return (universalJulianDay - midnight) * 24.0 +
           (legalOffsetSeconds(universalJulianDay, place) - legalOffsetSeconds(midnight, place)) / 3600.0;
}
}  // namespace

int phaseCodeOfDay(CAstre& moon, const CInstant& day)
{
    const double b = elongationAt(moon, day, 0.0);
    const double a = elongationAt(moon, day, legalDayHours(day));
    if (b < -kHalfPi && a > 0.0)
        return kFullMoon;
    if (b > -kHalfPi && a < -kHalfPi)
        return kFirstQuarter;
    if (b > 0.0 && a < 0.0)
        return kNewMoon;
    if (b > kHalfPi && a < kHalfPi)
        return kLastQuarter;
    return kNoPhase;
}

std::optional<std::vector<PhaseEvent>> principalPhases(CAstre& moon, const CInstant& date, int count)
{
    std::vector<PhaseEvent> phases(static_cast<std::size_t>(std::max(count, 0)));
    CInstant day = dayStart(date);
    for (PhaseEvent& phase : phases) {
        int code = kNoPhase;
        for (int k = 0; k < kMaxDaysToPhase && code == kNoPhase; ++k) {
            code = phaseCodeOfDay(moon, day);
            if (code == kNoPhase)
                day = addDays(day, 1);
        }
        if (code == kNoPhase)
            return std::nullopt;
        const double jd = phaseJulianDay(moon, day, code);
        const double hours = legalHoursOf(day, jd);
        // A time pushed across midnight by the interpolation names the next
        // (or previous) day.
        const CInstant at = instantAtHours(day, hours);
        phase = {code, dayStart(at), hours - 24.0 * std::floor(hours / 24.0), jd};
        day = addDays(day, 6);
    }
    moon.Compute(date);  // leave the Moon at the instant it was asked for
    return phases;
}

std::optional<std::array<PhaseEvent, 4>> nextPhases(CAstre& moon, const CInstant& date)
{
    const auto found = principalPhases(moon, date, 4);
    if (!found)
        return std::nullopt;
    std::array<PhaseEvent, 4> phases;
    std::copy(found->begin(), found->end(), phases.begin());
    return phases;
}

}  // namespace zarn
