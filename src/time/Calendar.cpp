// SPDX-License-Identifier: GPL-3.0-or-later
// Julian days, the Gregorian calendar, packed sexagesimal numbers (H.MMSS) and
// the parsing of the dates and times that the user types.
#include "time/Calendar.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>

namespace zarn {

namespace {
// Integer part and fraction, both carrying the sign of x.
double intPart(double x) { return std::trunc(x); }
double fracPart(double x) { return x - std::trunc(x); }
double signOf(double x) { return x < 0 ? -1.0 : 1.0; }
}  // namespace

double julianDay(int day, int month, int year, double dayFraction)
{
    int y = year;
    int m = month + 1;
    if (month <= 2) {
        y = year - 1;
        m = month + 13;
    }
    const double common = std::floor(30.6 * m) + day + dayFraction + 1720994.5;
    const long dateKey = static_cast<long>(year) * 10000 + month * 100 + day;
    if (dateKey >= 15821015) {
        const int a = y / 100;
        const int b = 2 - a + a / 4;
        return std::floor(365.25 * y) + common + b;
    }
    // Julian calendar before the Gregorian reform.
    const double years = y < 0 ? std::floor(365.25 * y - 0.75) : std::floor(365.25 * y);
    return years + common;
}

CalendarDate calendarDate(double jd)
{
    const double j = jd + 0.5;
    const double i = std::floor(j);
    const double f = j - i;
    double b = i;
    if (i >= 2299161) {
        const double a = std::floor((i - 1867216.25) * (1.0 / 36524.25));
        b = i + 1 + a - std::floor(a / 4);
    }
    const double c = b + 1524;
    const double d = std::floor((c - 122.1) * (1.0 / 365.25));
    const double e = std::floor(365.25 * d);
    const double g = std::floor((c - e) * (1.0 / 30.6001));
    const double dayWithFraction = c - e + f - std::floor(30.6001 * g);

    CalendarDate out;
    out.day = static_cast<int>(std::floor(dayWithFraction));
    out.hours = (dayWithFraction - out.day) * 24.0;
    out.month = static_cast<int>(g < 13.5 ? g - 1 : g - 13);
    out.year = static_cast<int>(out.month > 2.5 ? d - 4716 : d - 4715);
    return out;
}

int dayOfWeek(int day, int month, int year)
{
    const long n = static_cast<long>(julianDay(day, month, year, 0.0) + 1.5);
    return static_cast<int>(((n % 7) + 7) % 7);
}

int daysInMonth(int month, int year)
{
    // Dates are limited to 1901-2099, where every fourth year is a leap year.
    if (month == 2)
        return year % 4 == 0 ? 29 : 28;
    return 30 + ((9 * month / 8) % 2);
}

const char* monthNameOf(int month)
{
    static const char* const names[13] = {"",     "janvier", "février",  "mars",      "avril",
                                          "mai",  "juin",    "juillet",  "août",      "septembre",
                                          "octobre", "novembre", "décembre"};
    return month >= 0 && month <= 12 ? names[month] : "";
}

namespace {
// A whole number written with decimal digits only, at most `maxDigits` of
// them, and an optional leading minus when `allowMinus`: nothing before or
// after it, no blanks, no exponent and no overflow. Nothing otherwise.
std::optional<int> strictInteger(std::string_view text, std::size_t maxDigits, bool allowMinus)
{
    const bool negative = allowMinus && !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty() || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}
}  // namespace

ParsedDate parseDate(const std::string& text)
{
    // Day, month and year separated by single dots, as "%d.%d.%d" reads them,
    // but the whole text must be used: "1.1.2000junk" or a year that would
    // overflow is not a date.
    ParsedDate out;
    const auto first = text.find('.');
    const auto second = first == std::string::npos ? first : text.find('.', first + 1);
    if (second == std::string::npos)
        return out;
    const std::string_view all(text);
    const auto day = strictInteger(all.substr(0, first), 2, false);
    const auto month = strictInteger(all.substr(first + 1, second - first - 1), 2, false);
    const auto year = strictInteger(all.substr(second + 1), 4, false);
    if (!day || !month || !year)
        return out;
    out.day = *day;
    out.month = *month;
    out.year = *year;
    out.valid = out.year >= 1901 && out.year <= 2099 && out.month >= 1 && out.month <= 12 &&
                out.day >= 1 && out.day <= daysInMonth(out.month, out.year);
    return out;
}

bool parseTime(const std::string& text, int minHours, int maxHours)
{
    // Hours, then optionally "." and exactly two digits of minutes. A leading
    // "-" gives negative hours, which only the declination's range accepts.
    const std::string_view all(text);
    const auto dot = all.find('.');
    const auto hours = strictInteger(all.substr(0, dot), 3, true);
    const auto minutes = dot == std::string_view::npos ? std::optional<int>(0)
                                                       : strictInteger(all.substr(dot + 1), 2, false);
    if (!hours || !minutes || (dot != std::string_view::npos && all.size() - dot - 1 != 2))
        return false;
    return *hours >= minHours && *hours <= maxHours && *minutes < 60;
}

HourMinuteSecond readTime(const std::string& text)
{
    HourMinuteSecond out;
    std::sscanf(text.c_str(), "%d.%d", &out.hours, &out.minutes);
    return out;
}

std::optional<HourMinuteSecond> parseTimeOfDay(const std::string& text)
{
    // ":" and "h" stand for the "." of the packed form; only the first
    // separator is read as one, so "21h30h" or "21:30.5" stay refused.
    std::string packed = text;
    if (const auto sep = packed.find_first_of(".:h"); sep != std::string::npos)
        packed[sep] = '.';
    if (!parseTime(packed, 0, 23))
        return std::nullopt;
    return readTime(packed);
}

double toPacked(double x)
{
    const double biased = x + signOf(x) * 0.00001;
    const double h = intPart(biased);
    const double m = fracPart(biased) * 60.0;
    const double s = fracPart(m) * 60.0;
    return h + intPart(m) / 100.0 + s / 10000.0;
}

double fromPacked(double x)
{
    const double y = x + signOf(x) * 0.00001;
    const double h = intPart(y);
    const double f = fracPart(y);
    const double m = intPart(f * 100.0);
    const double r = fracPart(f * 100.0);
    return h + m / 60.0 + r * 0.027777777777777776;
}

double toPackedMinutes(double x)
{
    const double p = toPacked(x);
    const double q = std::floor((p + 0.007) * 100.0) * 0.01;
    if (fracPart(q) > 0.5999)
        return intPart(q) + 1.0;
    return q;
}

double roundedPackedMinutes(double x)
{
    const double packed = toPackedMinutes(std::fabs(x));
    return x < 0 ? -packed : packed;
}

HourMinuteSecond splitHours(double hours)
{
    const double p = toPacked(hours);
    HourMinuteSecond out;
    out.hours = static_cast<int>(intPart(p));
    const double minutes = fracPart(p) * 100.0;
    out.minutes = static_cast<int>(intPart(minutes));
    out.seconds = static_cast<int>(std::lround(fracPart(minutes) * 100.0));
    if (out.seconds >= 60) {
        out.seconds = 0;
        ++out.minutes;
    }
    if (out.minutes >= 60) {
        out.minutes = 0;
        ++out.hours;
    }
    out.hours = ((out.hours % 24) + 24) % 24;
    return out;
}

double ReduceAngle(double x, double lo, double hi)
{
    const double span = hi - lo;
    return x + span * std::floor((hi - x) / span);
}

double reduce24(double x) { return ReduceAngle(x, 0.0, 24.0); }

}  // namespace zarn
