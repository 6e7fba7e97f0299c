// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows of the solar-system ephemerides table: 160 days of one body, either
// its rise and set times or its right ascension and declination.
#include "time/CInstant.h"
#include "tools/BodyAccess.h"
#include "tools/CJourLeverCoucher.h"

#include <string>
#include <vector>

namespace zarn {

class CAstre;

constexpr int kEphemerisDays = 160;
constexpr int kEphemerisDaysBefore = 10;  // the chosen day is the eleventh row

enum class EphemerisMode { RiseSet = 0, Position = 1 };

// Rows for count days starting at firstDay (its time of day is used by the
// position mode).
std::vector<std::string> ephemerisRows(CAstre& body, int bodyIndex, EphemerisMode mode,
                                       const CInstant& firstDay, int count = kEphemerisDays);

// The table of the dialog: 160 rows (or count) starting 10 days before the
// chosen date.
std::vector<std::string> ephemerisTable(CAstre& body, int bodyIndex, EphemerisMode mode,
                                        const CInstant& chosenDate, int count = kEphemerisDays);

// The first day of that table.
CInstant ephemerisFirstDay(const CInstant& chosenDate);

// What a table's rows depend on: equal keys give equal tables, so a window
// following the clock fills its table again only when the key changes. The
// rise and set times of a day do not depend on the time of day; the
// positions are taken at the chosen time.
struct EphemerisTableKey {
    int bodyIndex = -1;
    EphemerisMode mode = EphemerisMode::RiseSet;
    CLieu place;
    int day = 0, month = 0, year = 0;
    int hour = 0, minute = 0, second = 0, summerTime = 0;
    bool operator==(const EphemerisTableKey&) const = default;
    // Whether the two tables list the same days of the same place (a new
    // time of the same day, in either mode).
    bool sameDays(const EphemerisTableKey& o) const
    {
        return place == o.place && day == o.day && month == o.month && year == o.year;
    }
};
EphemerisTableKey ephemerisTableKey(int bodyIndex, EphemerisMode mode, const CInstant& chosenDate);

// The values behind the rows. Rise and set: one record per day from firstDay,
// a day without an event next to a run of codes taking that code.
std::vector<CJourLeverCoucher> riseSetDays(CAstre& body, int bodyIndex, const CInstant& firstDay, int count);

// Position: the body each day at the time of day of firstDay.
struct DailyPosition {
    CInstant at;
    BodyPosition position;
};
std::vector<DailyPosition> dailyPositions(CAstre& body, const CInstant& firstDay, int count);

// The h.mm text of a rise or set time: "  -  " when it is not a time.
std::string eventTimeText(double hours);

// A row split into the columns of the table: the date, the first and the
// second value. A second event of the day joins the column of its kind after
// a slash (" 0.12/23.58") and that column is drawn in the small font
// (smallColumn 1 or 2; 0 when there is none).
struct EphemerisColumns {
    std::string date;
    std::string first;
    std::string second;
    int smallColumn = 0;
};
EphemerisColumns splitEphemerisRow(const std::string& row);

}  // namespace zarn
