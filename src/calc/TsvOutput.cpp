// SPDX-License-Identifier: GPL-3.0-or-later
// Tab-separated output: fields, ISO dates and legal times with their offset.
#include "calc/TsvOutput.h"

#include "time/Calendar.h"

#include <cmath>
#include <cstdio>

namespace zarn {

namespace {
constexpr long kSecondsPerDay = 86400;

std::string clockOfSeconds(long seconds)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return buffer;
}

std::string isoDateOf(int day, int month, int year)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
    return buffer;
}
}  // namespace

int utOffsetSeconds(const CInstant& legal) { return legal.offsetSeconds(); }

std::string isoDate(const CDateHeure& date) { return isoDateOf(date.day(), date.month(), date.year()); }

std::string clockText(double hours)
{
    long seconds = std::lround(hours * 3600.0);
    if (seconds < 0)
        seconds = 0;
    if (seconds >= kSecondsPerDay)
        seconds = kSecondsPerDay - 1;
    return clockOfSeconds(seconds);
}

LegalClock legalClockAt(double universalJulianDay, int offsetSeconds)
{
    // Civil days begin at JD n − 0.5: shift by half a day so that the whole
    // part names the day and the fraction is the time since midnight.
    const double shifted = universalJulianDay + offsetSeconds / 86400.0 + 0.5;
    double day = std::floor(shifted);
    long seconds = std::lround((shifted - day) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        day += 1.0;
    }
    const CalendarDate date = calendarDate(day);
    return {date.day, date.month, date.year, seconds};
}

LegalStamp stampAt(double universalJulianDay, int offsetSeconds)
{
    const LegalClock clock = legalClockAt(universalJulianDay, offsetSeconds);
    return {isoDateOf(clock.day, clock.month, clock.year), clockOfSeconds(clock.seconds), offsetText(offsetSeconds)};
}

LegalStamp stampOf(const CInstant& legal)
{
    return stampAt(legal.universalJulianDay(), utOffsetSeconds(legal));
}

std::string degreesText(double degrees)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6f", degrees);
    return buffer;
}

void printTsvRow(const std::vector<std::string>& fields)
{
    std::string line;
    for (const std::string& field : fields) {
        if (!line.empty() || &field != &fields.front())
            line.push_back('\t');
        line.append(field);
    }
    line.push_back('\n');
    std::fputs(line.c_str(), stdout);
}

void printTsvHeader(std::initializer_list<const char*> names)
{
    printTsvRow(std::vector<std::string>(names.begin(), names.end()));
}

}  // namespace zarn
