// SPDX-License-Identifier: GPL-3.0-or-later
// A legal date and time of day, its moves in time and the summer-time rule.
#include "time/CDateHeure.h"

#include "time/Calendar.h"

#include <cmath>
#include <cstdio>

namespace zarn {

CDateHeure::CDateHeure(int day, int month, int year, int hour, int minute, int second)
    : m_year(year), m_day(day), m_month(month), m_hour(hour), m_minute(minute), m_second(second)
{
}

void CDateHeure::setTimeFromHours(double hours)
{
    const double p = toPacked(hours);
    m_hour = static_cast<int>(std::trunc(p));
    const double minutes = (p - std::trunc(p)) * 100.0;
    m_minute = static_cast<int>(std::trunc(minutes));
    m_second = static_cast<int>(std::lround((minutes - std::trunc(minutes)) * 100.0));
}

double CDateHeure::julianDayAt0h() const { return zarn::julianDay(m_day, m_month, m_year, 0.0); }

double CDateHeure::julianDay() const
{
    return zarn::julianDay(m_day, m_month, m_year,
                           (m_hour + m_minute / 60.0 + m_second / 3600.0) / 24.0);
}

double CDateHeure::hoursAndMinutes() const { return m_hour + m_minute / 60.0; }

std::string CDateHeure::shortDateText() const
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%d.%d.%d", m_day, m_month, m_year);
    return buffer;
}

std::string CDateHeure::monthName() const { return monthNameOf(m_month); }

void CDateHeure::shift(int days, int hours, int minutes, int seconds, bool forward)
{
    const double jd = julianDay();
    const double r = hours + minutes / 60.0 + seconds / 3600.0;
    setFromJulianDay(forward ? jd + r / 24.0 + days : jd - r / 24.0 - days);
}

void CDateHeure::setFromJulianDay(double jd)
{
    CalendarDate date = calendarDate(jd);
    if (toPacked(date.hours) >= 24.0)
        date = calendarDate(std::floor(jd - 0.5) + 1.5);
    m_day = date.day;
    m_month = date.month;
    m_year = date.year;
    setTimeFromHours(date.hours);
}

void CDateHeure::shiftByDays(double d)
{
    double rest = std::fabs(d);
    const int days = static_cast<int>(rest);
    rest = (rest - days) * 24.0;
    const int hours = static_cast<int>(rest);
    rest = (rest - hours) * 60.0;
    const int minutes = static_cast<int>(rest);
    const int seconds = static_cast<int>((rest - minutes) * 60.0);
    shift(days, hours, minutes, seconds, d > 0);
}

double CDateHeure::comparisonValue() const
{
    return julianDayAt0h() + m_hour / 24.0 + m_minute / 1440.0;
}

bool CDateHeure::isAfter(const CDateHeure& other) const
{
    return other.comparisonValue() > comparisonValue();
}

bool CDateHeure::isBefore(const CDateHeure& other) const
{
    return other.comparisonValue() < comparisonValue();
}

CDateHeure CDateHeure::summerTimeStart() const
{
    // The last Sunday of March at 2 h.
    return CDateHeure(31 - dayOfWeek(31, 3, m_year), 3, m_year, 2, 0, 0);
}

CDateHeure CDateHeure::summerTimeEnd() const
{
    // At 3 h on the last Sunday of October since 1996, of September before.
    if (m_year > 1995)
        return CDateHeure(31 - dayOfWeek(31, 10, m_year), 10, m_year, 3, 0, 0);
    return CDateHeure(30 - dayOfWeek(30, 9, m_year), 9, m_year, 3, 0, 0);
}

int CDateHeure::isSummerTime() const
{
    if (m_year <= 1980)
        return 0;
    if (isAfter(summerTimeStart()))
        return 0;
    if (isBefore(summerTimeEnd()))
        return 0;
    return 1;
}

int CDateHeure::daysSince(const CDateHeure& other) const
{
    // Both dates at 0 h: their Julian days differ by a whole number of days,
    // whatever the time zone and summer time of the computer.
    return static_cast<int>(std::lround(julianDayAt0h() - other.julianDayAt0h()));
}

}  // namespace zarn
