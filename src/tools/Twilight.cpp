// SPDX-License-Identifier: GPL-3.0-or-later
// Twilight of one day from four rise and set series of the Sun.
#include "tools/Twilight.h"

#include "sky/CPlaSol.h"
#include "sky/EventAltitude.h"
#include "tools/CLeverCoucher.h"
#include "tools/DayClock.h"

#include <algorithm>

namespace zarn {

namespace {
constexpr double kAltitudes[4] = {-18.0, -12.0, -6.0, eventAltitudeDegrees(kSun)};

// When no altitude is crossed all day, the band of the whole day follows from
// how many of the four altitudes the Sun stays above.
int allDayBand(const std::array<CJourLeverCoucher, 4>& days)
{
    int above = 0;
    for (const CJourLeverCoucher& day : days)
        if (day.rise == kAlwaysAbove || day.set == kAlwaysAbove)
            ++above;
    return above == 0 || above == 4 ? kNoTwilight : above - 1;
}
}  // namespace

std::string noTwilightText(const TwilightRecord& record)
{
    if (record.count > 0 || record.startBand < kNoTwilight)
        return {};
    return record.sunUpAllDay ? "Pas de crépuscule : Soleil levé tout le jour"
                              : "Pas de crépuscule : nuit noire tout le jour";
}

const char* twilightBandName(int band)
{
    switch (band) {
    case kAstronomical: return "Astronomique";
    case kNautical: return "Nautique";
    case kCivil: return "Civil";
    default: return "-";
    }
}

TwilightRecord computeTwilight(CAstre& sun, const CInstant& date)
{
    TwilightRecord record;
    std::array<CJourLeverCoucher, 4> days;
    for (int i = 0; i < 4; ++i) {
        CLeverCoucher series(&sun, kAltitudes[i]);
        days[i] = series.ComputeSeries(addDays(date, -1), 1)[0];
        const int below = (i + 3) % 4;  // the band under altitude i
        record.entries[4 * i + 0] = {days[i].rise, i, below};
        record.entries[4 * i + 1] = {days[i].secondRise, i, kNoTwilight};
        record.entries[4 * i + 2] = {days[i].set, below, i};
        record.entries[4 * i + 3] = {days[i].secondSet, below, kNoTwilight};
    }
    std::stable_sort(record.entries.begin(), record.entries.end(),
                     [](const TwilightEntry& a, const TwilightEntry& b) {
                         if ((a.time < 0.0) != (b.time < 0.0))
                             return b.time < 0.0;
                         return a.time >= 0.0 && a.time < b.time;
                     });
    while (record.count < 16 && record.entries[record.count].time >= 0.0)
        ++record.count;
    if (record.count == 0) {
        record.startBand = allDayBand(days);
        record.sunUpAllDay = days[3].rise == kAlwaysAbove || days[3].set == kAlwaysAbove;
        record.rows = record.startBand < kNoTwilight ? 1 : 0;
        return record;
    }
    const TwilightEntry& first = record.entries[0];
    const TwilightEntry& last = record.entries[record.count - 1];
    record.startBand = first.bandBefore < kNoTwilight ? first.bandBefore : kNoTwilight;
    record.rows = record.count - (first.bandBefore == kNoTwilight ? 1 : 0) +
                  (last.bandAfter != kNoTwilight ? 1 : 0);
    return record;
}

}  // namespace zarn
