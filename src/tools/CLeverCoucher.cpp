// SPDX-License-Identifier: GPL-3.0-or-later
// Daily rise and set series of one body at one event altitude.
#include "tools/CLeverCoucher.h"

#include "sky/CAstre.h"
#include "time/Calendar.h"
#include "tools/BodyAccess.h"
#include "tools/DayClock.h"
#include "tools/ZeroCrossings.h"

#include <algorithm>
#include <cmath>

namespace zarn {

namespace {
constexpr double kSiderealDayHours = 24.0 / kSiderealRatio;
constexpr int kMaxIterations = 60;
// Beyond this latitude the Moon's rises and sets are found from its altitude.
constexpr double kFollowedLatitude = 70.0 * kRadPerDeg;
constexpr double kScanStepHours = 0.5;
constexpr double kScanPrecisionHours = 1.0 / 3600.0;

double radiansToSolarHours(double d) { return d / kSiderealRatio * kHoursPerRad; }

// Files a time (or a code) under its day: a time of 24 h or more belongs to
// a later day, a negative time (not a code) to an earlier one; a second
// value of the same kind goes into the second field.
void store(std::vector<CJourLeverCoucher>& days, int index, double x, bool rise)
{
    if (x == kNoEvent || std::isnan(x))
        return;
    if (!isCode(x)) {
        const double whole = std::floor(x / 24.0);
        x -= 24.0 * whole;
        index += static_cast<int>(whole);
    }
    if (index < 0 || index >= static_cast<int>(days.size()))
        return;
    CJourLeverCoucher& day = days[static_cast<std::size_t>(index)];
    double& first = rise ? day.rise : day.set;
    double& second = rise ? day.secondRise : day.secondSet;
    if (first == kNoEvent)
        first = x;
    else
        second = x;
}
}  // namespace

void CLeverCoucher::Initialise(CAstre* body, double altitudeDegrees)
{
    m_body = body;
    m_altitude = altitudeDegrees * kRadPerDeg;
    m_sinAltitude = std::sin(m_altitude);
    m_spare[0] = m_spare[1] = -1.0;
}

double CLeverCoucher::SinEventAltitude(const BodyPosition& p) const
{
    // The event altitude is the one seen from the observer's place; the
    // position is geocentric, and seen from the Earth's centre the Moon
    // stands higher by its parallax (up to a degree).
    return p.parallax > 0.0 ? std::sin(m_altitude + p.parallax) : m_sinAltitude;
}

double CLeverCoucher::HourAngleCosine(const CInstant& at, double& alpha, double& theta)
{
    const BodyPosition p = positionAt(*m_body, at);
    alpha = p.alpha;
    theta = at.siderealTime();
    if (!p.valid)
        return std::nan("");
    const CLieu& place = at.place();
    return (SinEventAltitude(p) - place.sinLatitude() * std::sin(p.delta)) /
           (place.cosLatitude() * std::cos(p.delta));
}

double CLeverCoucher::AltitudeMargin(const CInstant& at)
{
    const BodyPosition p = positionAt(*m_body, at);
    if (!p.valid)
        return std::nan("");
    const CLieu& place = at.place();
    const double sinAltitude = place.sinLatitude() * std::sin(p.delta) +
                               place.cosLatitude() * std::cos(p.delta) * std::cos(at.siderealTime() - p.alpha);
    return sinAltitude - SinEventAltitude(p);
}

bool CLeverCoucher::FollowsAltitude(const CInstant& baseDay)
{
    return std::fabs(baseDay.place().latitude()) > kFollowedLatitude && positionAt(*m_body, baseDay).parallax > 0.0;
}

void CLeverCoucher::StoreFollowedEvents(std::vector<CJourLeverCoucher>& days, int index, const CInstant& baseDay,
                                        double transit, double nextTransit)
{
    const auto margin = [&](double t) { return AltitudeMargin(instantAtHours(baseDay, t)); };
    const std::vector<ZeroCrossing> crossings =
        zeroCrossings(margin, transit, nextTransit, kScanStepHours, kScanPrecisionHours);
    if (crossings.empty()) {
        const double m = margin(transit);
        if (std::isnan(m))
            return;
        const double code = m > 0.0 ? kAlwaysAbove : kAlwaysBelow;
        store(days, index, code, true);
        store(days, index, code, false);
        return;
    }
    for (const ZeroCrossing& z : crossings)
        store(days, index, toLegalHours(baseDay, z.t, m_place), z.rising);
}

double CLeverCoucher::TransitTime(const CInstant& baseDay, double t0)
{
    double t = t0;
    for (int n = 0; n < kMaxIterations; ++n) {
        const CInstant at = instantAtHours(baseDay, t);
        const BodyPosition p = positionAt(*m_body, at);
        if (!p.valid)
            return std::nan("");
        // Reduced, so that the sidereal time passing 24 h does not make the
        // search skip a whole day.
        const double d = ReduceAngle(p.alpha - at.siderealTime(), -kPi, kPi);
        t += radiansToSolarHours(d);
        if (t < t0)
            t += kSiderealDayHours;
        if (std::fabs(d) <= 0.0002)
            break;
    }
    return t;
}

double CLeverCoucher::EventTime(const CInstant& baseDay, double t0, int direction, bool forced)
{
    m_direction = static_cast<short>(direction);
    double t = t0;
    double previous = t0;
    double sum = 0.0;
    double d = 0.0;
    int n = 0;
    bool replaced = false;
    do {
        ++n;
        previous = t;
        double alpha = 0.0;
        double theta = 0.0;
        double c = HourAngleCosine(instantAtHours(baseDay, t), alpha, theta);
        if (std::isnan(c))
            return kNoEvent;
        sum += c;
        if ((c < -1.0 || c > 1.0) && !replaced) {
            // Decide on the day after: the body may just be crossing into or
            // out of a run of days without events.
            double alpha2 = 0.0;
            double theta2 = 0.0;
            c = HourAngleCosine(instantAtHours(baseDay, t0 + 24.0), alpha2, theta2);
            if (std::isnan(c))
                return kNoEvent;
            replaced = true;
        }
        if (c < -1.0) {
            if (!forced)
                return kAlwaysAbove;
            c = std::max(sum / n, -1.0);
        } else if (c > 1.0) {
            if (!forced)
                return kAlwaysBelow;
            c = std::min(sum / n, 1.0);
        }
        const double h0 = std::acos(c);
        d = ReduceAngle(alpha + direction * h0 - theta, -kPi, kPi);
        t += radiansToSolarHours(d);
        if (t < t0)
            t += kSiderealDayHours;
    } while (std::fabs(d) > 0.0001 && n < kMaxIterations);
    if (std::fabs(d) > 0.0001)
        t = (t + previous) / 2.0;  // oscillating: settle between the last two
    return toLegalHours(baseDay, t, m_place);
}

bool CLeverCoucher::ReachesAltitude(const CInstant& baseDay, double transit)
{
    // At the upper transit the hour angle is 0: the body is at its highest
    // when cos H0 ≤ 1.
    double alpha = 0.0;
    double theta = 0.0;
    return HourAngleCosine(instantAtHours(baseDay, transit), alpha, theta) <= 1.0;
}

CLeverCoucher::TransitEvents CLeverCoucher::EventsOfTransit(const CInstant& baseDay, double transit,
                                                            double previousRise)
{
    TransitEvents ev;
    ev.set = EventTime(baseDay, transit, +1, false);
    ev.rise = EventTime(baseDay, transit, -1, false);
    if (ev.set != kAlwaysAbove && ev.rise == kAlwaysAbove)
        ev.rise = EventTime(baseDay, transit, -1, true);
    if ((ev.set == kAlwaysAbove && ev.rise != kAlwaysAbove) ||
        (previousRise > kAlwaysBelow && ev.set == kAlwaysBelow))
        ev.set = EventTime(baseDay, transit, +1, true);
    if (previousRise == kAlwaysBelow && ev.rise != kAlwaysBelow && ReachesAltitude(baseDay, transit)) {
        // The body rises again after days below the altitude: that first rise
        // comes before this transit. When it is still below the altitude at
        // this transit, the rise found (by the look-ahead to the next day)
        // is the next day's, and there is nothing before this transit.
        ev.extraRise = true;
        ev.extraRiseTime = EventTime(baseDay, transit - 6.0, -1, true);
    }
    return ev;
}

void CLeverCoucher::ComputeSeries(const CInstant& date, std::vector<CJourLeverCoucher>& days)
{
    std::fill(days.begin(), days.end(), CJourLeverCoucher{});
    if (m_body == nullptr || days.empty())
        return;
    m_place = date.place();
    const CInstant first = dayStart(withoutSummerTime(date));
    CInstant base = first;
    const int n = static_cast<int>(days.size());
    double previousRise = -200.0;
    const bool followed = FollowsAltitude(first);
    double transit = TransitTime(base, 0.0);
    // A body passes the meridian about once a day; the bound only stops a
    // body whose position cannot be computed.
    for (int k = 0; k < 2 * n + 10 && std::isfinite(transit); ++k) {
        const int shift = static_cast<int>(std::ceil(transit / 24.0)) - 1;
        if (shift != 0) {
            base = addDays(base, shift);
            transit -= 24.0 * shift;
        }
        const int index = base.daysSince(first) - 1;
        const double next = TransitTime(base, transit + 6.0);
        if (followed) {
            StoreFollowedEvents(days, index, base, transit, next);
        } else {
            const TransitEvents ev = EventsOfTransit(base, transit, previousRise);
            if (ev.extraRise)
                store(days, index, ev.extraRiseTime, true);
            previousRise = ev.rise;
            store(days, index, ev.rise, true);
            store(days, index, ev.set, false);
        }
        if (index >= n)
            break;
        transit = next;
    }
}

std::vector<CJourLeverCoucher> CLeverCoucher::ComputeSeries(const CInstant& date, int count)
{
    std::vector<CJourLeverCoucher> days(static_cast<std::size_t>(std::max(count, 0)));
    ComputeSeries(date, days);
    return days;
}

double CLeverCoucher::NextEvent(CAstre* body, double altitudeDegrees, const CInstant& date, bool rise)
{
    CLeverCoucher series(body, altitudeDegrees);
    const std::vector<CJourLeverCoucher> days = series.ComputeSeries(addDays(date, -1), 2);
    const double hour = date.hour() + date.minute() / 60.0 + date.second() / 3600.0;
    const double first = rise ? days[0].rise : days[0].set;
    const double second = rise ? days[0].secondRise : days[0].secondSet;
    if (first >= hour)
        return first;
    if (second >= hour)
        return second;
    const double next = rise ? days[1].rise : days[1].set;
    return next >= 0.0 ? next + 24.0 : next;
}

double CLeverCoucher::NextRise(CAstre* body, double altitudeDegrees, const CInstant& date)
{
    return NextEvent(body, altitudeDegrees, date, true);
}

double CLeverCoucher::NextSet(CAstre* body, double altitudeDegrees, const CInstant& date)
{
    return NextEvent(body, altitudeDegrees, date, false);
}

}  // namespace zarn
