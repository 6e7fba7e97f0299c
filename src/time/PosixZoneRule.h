// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rule a zone file of the time-zone database gives for the years after
// its last listed change: the POSIX TZ text in the file's last line, such as
// "AEST-10AEDT,M10.1.0,M4.1.0/3" (standard offset West of Greenwich, then
// the summer offset and the days and hours of the two changes). The system's
// files list changes only up to 2037; the program's years go to 2099.
#include <cstdint>
#include <optional>
#include <string>

namespace zarn {

struct PosixZoneRule {
    // A day of the year on which the clock changes.
    struct Day {
        enum Kind { Julian1, Julian0, MonthWeekDay } kind = MonthWeekDay;
        int number = 0;  // Jn (1..365, 29 February not counted) or n (0..365)
        int month = 0, week = 0, weekday = 0;  // Mm.w.d: week 5 is the last
        int seconds = 7200;                     // local time of the change
    };
    int standardSeconds = 0;  // East of Greenwich
    bool hasSummer = false;
    int summerSeconds = 0;
    Day start, end;

    static std::optional<PosixZoneRule> parse(const std::string& text);

    // Offset (seconds East) and summer flag at a universal time in seconds
    // since 1970, with the instants of the changes just before and after it.
    struct State {
        int offsetSeconds = 0;
        bool summer = false;
        std::int64_t begin = 0, end = 0;
    };
    State stateAt(std::int64_t utSeconds) const;

private:
    // Universal seconds of the start (or end) of summer time in a year.
    std::int64_t changeOf(int year, bool start) const;
};

}  // namespace zarn
