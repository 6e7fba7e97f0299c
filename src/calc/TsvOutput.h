// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tab-separated output of zarn-calc for spreadsheets and scripts: a header
// line, then one line per row; dates as 2026-12-08, times of day to the
// second in the place's legal time with the offset from universal time in a
// column of its own (+01:00), angles in decimal degrees.
#include "time/CInstant.h"
#include "time/LegalOffset.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace zarn {

// Offset of the legal time from universal time at a legal instant, in
// seconds; offsetText (LegalOffset) writes it "+05:30".
int utOffsetSeconds(const CInstant& legal);

std::string isoDate(const CDateHeure& date);  // "2026-12-08"

// A time of day in legal hours, rounded to the second ("06:05:09"); a time
// that rounds up to 24 h stays in its day as 23:59:59.
std::string clockText(double hours);

// The legal date and the time of day rounded to the second of an instant
// given by its universal Julian day, at a fixed offset.
struct LegalClock {
    int day = 1;
    int month = 1;
    int year = 2000;
    long seconds = 0;  // since midnight, 0..86399
};
LegalClock legalClockAt(double universalJulianDay, int offsetSeconds);

// Date, time and offset of one instant.
struct LegalStamp {
    std::string date;
    std::string time;
    std::string offset;
};
// An instant given by its universal Julian day, at a fixed offset.
LegalStamp stampAt(double universalJulianDay, int offsetSeconds);
// A legal instant, at the offset in force then.
LegalStamp stampOf(const CInstant& legal);

std::string degreesText(double degrees);  // "%.6f"

// One line of tab-separated fields.
void printTsvRow(const std::vector<std::string>& fields);
void printTsvHeader(std::initializer_list<const char*> names);

}  // namespace zarn
