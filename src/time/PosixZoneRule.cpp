// SPDX-License-Identifier: GPL-3.0-or-later
// The POSIX TZ rule of a zone file's last line, for the years past the
// changes the file lists.
#include "time/PosixZoneRule.h"

#include "time/Calendar.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

namespace zarn {

namespace {
constexpr double kJd1970 = 2440587.5;

class Reader {
public:
    explicit Reader(const std::string& text) : m_text(text) {}
    bool atEnd() const { return m_pos >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    bool take(char c)
    {
        if (peek() != c)
            return false;
        ++m_pos;
        return true;
    }

    // "CET" or "<+1030>": the abbreviation is not needed, only skipped.
    bool name()
    {
        if (take('<')) {
            const auto close = m_text.find('>', m_pos);
            if (close == std::string::npos)
                return false;
            m_pos = close + 1;
            return true;
        }
        const std::size_t first = m_pos;
        while (std::isalpha(static_cast<unsigned char>(peek())))
            ++m_pos;
        return m_pos - first >= 3;
    }

    // [+-]hh[:mm[:ss]] in seconds, hours up to 167 (the change times).
    std::optional<int> clock()
    {
        int sign = 1;
        if (take('-'))
            sign = -1;
        else
            take('+');
        int parts[3] = {0, 0, 0};
        for (int i = 0; i < 3; ++i) {
            if (i > 0 && !take(':'))
                break;
            const auto n = number();
            if (!n || *n > (i == 0 ? 167 : 59))
                return std::nullopt;
            parts[i] = *n;
        }
        return sign * (parts[0] * 3600 + parts[1] * 60 + parts[2]);
    }

    std::optional<int> number()
    {
        if (!std::isdigit(static_cast<unsigned char>(peek())))
            return std::nullopt;
        int v = 0;
        while (std::isdigit(static_cast<unsigned char>(peek())) && v < 100000)
            v = v * 10 + (m_text[m_pos++] - '0');
        return v;
    }

    std::optional<PosixZoneRule::Day> day()
    {
        PosixZoneRule::Day d;
        if (take('M')) {
            const auto m = number();
            const auto w = take('.') ? number() : std::nullopt;
            const auto wd = take('.') ? number() : std::nullopt;
            if (!m || !w || !wd || *m < 1 || *m > 12 || *w < 1 || *w > 5 || *wd > 6)
                return std::nullopt;
            d.month = *m;
            d.week = *w;
            d.weekday = *wd;
        } else {
            d.kind = take('J') ? PosixZoneRule::Day::Julian1 : PosixZoneRule::Day::Julian0;
            const auto n = number();
            if (!n || *n > 365 || (d.kind == PosixZoneRule::Day::Julian1 && *n < 1))
                return std::nullopt;
            d.number = *n;
        }
        if (take('/')) {
            const auto t = clock();
            if (!t)
                return std::nullopt;
            d.seconds = *t;
        }
        return d;
    }

private:
    const std::string& m_text;
    std::size_t m_pos = 0;
};

std::int64_t daysSince1970(int day, int month, int year)
{
    return static_cast<std::int64_t>(std::llround(julianDay(day, month, year, 0.0) - kJd1970));
}

bool leapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int yearOf(std::int64_t utSeconds)
{
    const double days = std::floor(static_cast<double>(utSeconds) / 86400.0);
    return calendarDate(days + kJd1970 + 0.5).year;
}
}  // namespace

std::optional<PosixZoneRule> PosixZoneRule::parse(const std::string& text)
{
    Reader r(text);
    PosixZoneRule rule;
    if (!r.name())
        return std::nullopt;
    const auto standard = r.clock();
    if (!standard)
        return std::nullopt;
    rule.standardSeconds = -*standard;  // POSIX counts West of Greenwich
    if (r.atEnd())
        return rule;
    if (!r.name())
        return std::nullopt;
    rule.summerSeconds = rule.standardSeconds + 3600;
    if (r.peek() != ',' && !r.atEnd()) {
        const auto summer = r.clock();
        if (!summer)
            return std::nullopt;
        rule.summerSeconds = -*summer;
    }
    // Without the days of the changes the rule says nothing sure: no summer.
    if (!r.take(','))
        return rule;
    const auto start = r.day();
    const auto end = r.take(',') ? r.day() : std::nullopt;
    if (!start || !end || !r.atEnd())
        return std::nullopt;
    rule.start = *start;
    rule.end = *end;
    rule.hasSummer = true;
    return rule;
}

std::int64_t PosixZoneRule::changeOf(int year, bool isStart) const
{
    const Day& d = isStart ? start : end;
    std::int64_t days = 0;
    if (d.kind == Day::Julian1) {
        days = daysSince1970(1, 1, year) + d.number - 1 + (leapYear(year) && d.number >= 60 ? 1 : 0);
    } else if (d.kind == Day::Julian0) {
        days = daysSince1970(1, 1, year) + d.number;
    } else {
        int day = 1 + (d.weekday - dayOfWeek(1, d.month, year) + 7) % 7 + 7 * (d.week - 1);
        while (day > daysInMonth(d.month, year))
            day -= 7;
        days = daysSince1970(day, d.month, year);
    }
    // The start is given in standard time, the end in summer time.
    return days * 86400 + d.seconds - (isStart ? standardSeconds : summerSeconds);
}

PosixZoneRule::State PosixZoneRule::stateAt(std::int64_t utSeconds) const
{
    State state{standardSeconds, false, INT64_MIN, INT64_MAX};
    if (!hasSummer)
        return state;
    struct Change {
        std::int64_t at;
        bool summer;
    };
    std::array<Change, 6> changes{};
    const int year = yearOf(utSeconds);
    for (int i = 0; i < 3; ++i) {
        changes[2 * i] = {changeOf(year - 1 + i, true), true};
        changes[2 * i + 1] = {changeOf(year - 1 + i, false), false};
    }
    std::sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) { return a.at < b.at; });
    for (const Change& c : changes) {
        if (c.at <= utSeconds) {
            state.summer = c.summer;
            state.begin = c.at;
        } else {
            state.end = c.at;
            break;
        }
    }
    state.offsetSeconds = state.summer ? summerSeconds : standardSeconds;
    return state;
}

}  // namespace zarn
