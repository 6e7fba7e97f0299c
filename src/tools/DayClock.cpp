// SPDX-License-Identifier: GPL-3.0-or-later
// Hours from midnight of a base day, carried into real instants.
#include "tools/DayClock.h"

#include "time/Calendar.h"
#include "time/LegalOffset.h"

#include <cmath>

namespace zarn {

namespace {
// Moves a date (kept at 0 h) by whole days through the Julian day, which
// handles month and year ends and the Gregorian calendar.
void moveDays(CInstant& date, int days)
{
    if (days == 0)
        return;
    const CalendarDate moved = calendarDate(date.julianDayAt0h() + days + 0.5);
    date.setDay(moved.day);
    date.setMonth(moved.month);
    date.setYear(moved.year);
}
}  // namespace

CInstant dayStart(const CInstant& date)
{
    CInstant start(date);
    start.setTimeFromHours(0.0);
    return start;
}

CInstant addDays(const CInstant& date, int days)
{
    CInstant moved = dayStart(date);
    moveDays(moved, days);
    moved.setTimeFromHours(0.0);
    return moved;
}

CInstant instantAtHours(const CInstant& baseDay, double hours)
{
    if (!std::isfinite(hours) || std::fabs(hours) > 1.0e7)
        return dayStart(baseDay);
    // The fields are set first and the instant recomputed once, at the end:
    // the searches place thousands of estimates.
    CInstant at(baseDay);
    at.setHour(0);
    at.setMinute(0);
    at.setSecond(0);
    double days = std::floor(hours / 24.0);
    double rest = hours - days * 24.0;
    if (rest >= 24.0) {  // rounding of the division
        rest -= 24.0;
        days += 1.0;
    }
    moveDays(at, static_cast<int>(days));
    at.setTimeFromHours(rest);
    return at;
}

CInstant withoutSummerTime(const CInstant& date)
{
    CInstant copy(date);
    copy.setPlace(fixedClockAt(date.place(), date.universalJulianDay()));
    return copy;
}

double toLegalHours(const CInstant& baseDay, double zoneHours, const CLieu& place)
{
    if (zoneHours < 0.0)
        return zoneHours;
    if (place.zoneName().empty()) {
        // The rule: the summer hour when the standard clock reads summer.
        if (!place.observesSummerTime())
            return zoneHours;
        return summerTimeAtStandard(instantAtHours(baseDay, zoneHours)) ? zoneHours + 1.0 : zoneHours;
    }
    const double ut = instantAtHours(baseDay, zoneHours).universalJulianDay();
    return zoneHours + (legalOffsetSeconds(ut, place) - baseDay.offsetSeconds()) / 3600.0;
}

}  // namespace zarn
