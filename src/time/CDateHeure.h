// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A calendar date and a time of day in the legal time of the observing place,
// with the flag that says whether summer time is in effect at that moment.
#include <string>

namespace zarn {

class CDateHeure {
public:
    CDateHeure() = default;
    CDateHeure(int day, int month, int year, int hour, int minute, int second);
    virtual ~CDateHeure() = default;
    CDateHeure(const CDateHeure&) = default;
    CDateHeure& operator=(const CDateHeure&) = default;

    // Sets hour, minute and second from decimal hours (no carry is made).
    virtual void setTimeFromHours(double hours);

    int year() const { return m_year; }
    int day() const { return m_day; }
    int month() const { return m_month; }
    int hour() const { return m_hour; }
    int minute() const { return m_minute; }
    int second() const { return m_second; }
    int summerTime() const { return m_summerTime; }
    void setYear(int v) { m_year = v; }
    void setDay(int v) { m_day = v; }
    void setMonth(int v) { m_month = v; }
    void setHour(int v) { m_hour = v; }
    void setMinute(int v) { m_minute = v; }
    void setSecond(int v) { m_second = v; }
    // Which reading of a legal time that an autumn change repeats is meant:
    // 1 the first (summer), 0 the second. A typed time means the first.
    void setSummerTime(int v) { m_summerTime = v; }

    double julianDayAt0h() const;
    // Julian day of the legal date and time (seconds included).
    double julianDay() const;
    double hoursAndMinutes() const;
    std::string shortDateText() const;  // "23.9.1998"
    std::string monthName() const;

    // Moves the date and time by the given non-negative amounts, forward or back.
    void shift(int days, int hours, int minutes, int seconds, bool forward);
    // d may be fractional and negative; "Jour suivant" is shiftByDays(1.0).
    void shiftByDays(double d);

    // Comparisons to the minute, used by the summer-time rule: isAfter(x) is true
    // when x lies after this date and time, isBefore(x) when x lies before it.
    bool isAfter(const CDateHeure& other) const;
    bool isBefore(const CDateHeure& other) const;
    CDateHeure summerTimeStart() const;
    CDateHeure summerTimeEnd() const;
    int isSummerTime() const;
    // Signed whole days from other to this date (positive when this is later).
    int daysSince(const CDateHeure& other) const;

protected:
    double comparisonValue() const;
    // Sets the date and time of a Julian day; a time that would read as 24 h
    // (a few hundredths of a second before midnight) is 0 h of the next day.
    void setFromJulianDay(double jd);

    int m_year = 2000;
    int m_day = 1;
    int m_month = 1;
    int m_hour = 0;
    int m_minute = 0;
    int m_second = 0;
    int m_summerTime = 0;
};

}  // namespace zarn
