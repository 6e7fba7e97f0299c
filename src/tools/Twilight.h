// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twilight timeline of one day: the times at which the Sun crosses −18°,
// −12°, −6° and −0.61°, with the band the day enters at each.
#include "time/CInstant.h"

#include <array>
#include <string>

namespace zarn {

class CAstre;

// Bands between the altitudes: 0 astronomical twilight (−18° to −12°),
// 1 nautical (−12° to −6°), 2 civil (−6° to −0.61°), 3 neither (day or night).
enum TwilightBand { kAstronomical = 0, kNautical = 1, kCivil = 2, kNoTwilight = 3 };

struct TwilightEntry {
    double time = -1.0;  // legal hours, or negative when there is no such event
    int bandAfter = kNoTwilight;
    int bandBefore = kNoTwilight;
};

struct TwilightRecord {
    std::array<TwilightEntry, 16> entries;  // sorted: times first, in order
    int count = 0;                          // entries with a time
    int rows = 0;                           // band rows of the timeline
    // The band in force at 0 h when the day begins in twilight, else 3.
    int startBand = kNoTwilight;
    // A day without any twilight (count 0, startBand 3): whether the Sun
    // stays up all day (else it stays below −18° all day).
    bool sunUpAllDay = false;
};

TwilightRecord computeTwilight(CAstre& sun, const CInstant& date);

// The line of a day without twilight ("Pas de crépuscule : ..."), or an
// empty text when the day has some.
std::string noTwilightText(const TwilightRecord& record);

// "Astronomique", "Nautique", "Civil", or "-" for band 3.
const char* twilightBandName(int band);

}  // namespace zarn
