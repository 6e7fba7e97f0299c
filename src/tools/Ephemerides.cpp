// SPDX-License-Identifier: GPL-3.0-or-later
// Rows of the ephemerides table, as fixed-width texts that the list splits
// again into its columns.
#include "tools/Ephemerides.h"

#include "sky/EventAltitude.h"
#include "time/Calendar.h"
#include "tools/BodyAccess.h"
#include "tools/CLeverCoucher.h"
#include "tools/DayClock.h"

#include <algorithm>
#include <cstdio>

namespace zarn {

namespace {
std::string format(const char* pattern, const char* a, const char* b, const char* c = nullptr)
{
    char buffer[128];
    if (c == nullptr)
        std::snprintf(buffer, sizeof buffer, pattern, a, b);
    else
        std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
    return buffer;
}

std::string packedText(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", toPackedMinutes(value));
    return buffer;
}

// A day without an event next to a run of codes belongs to that run.
void inheritCodes(std::vector<CJourLeverCoucher>& days)
{
    for (std::size_t i = 0; i < days.size(); ++i) {
        CJourLeverCoucher& day = days[i];
        if (day.rise == kNoEvent && i >= 1 && isCode(days[i - 1].set))
            day.rise = days[i - 1].set;
        if (day.set == kNoEvent && isCode(day.rise))
            day.set = day.rise;
    }
}

std::string riseSetRow(const CJourLeverCoucher& day, const std::string& dateText)
{
    if (day.rise == kAlwaysAbove && day.set == kAlwaysAbove)
        return format("%10s%11s", dateText.c_str(), "  visible  ");
    if (day.rise == kAlwaysBelow && day.set == kAlwaysBelow)
        return format("%10s%11s", dateText.c_str(), " invisible ");
    std::string row = format("%10s%5s%6s", dateText.c_str(), eventTimeText(day.rise).c_str(),
                             eventTimeText(day.set).c_str());
    // A second event of the day: a second set wins over a second rise.
    if (isTime(day.secondSet))
        row.append("*C").append(packedText(day.secondSet));
    else if (isTime(day.secondRise))
        row.append("*L").append(packedText(day.secondRise));
    return row;
}

std::vector<std::string> riseSetRows(CAstre& body, int bodyIndex, const CInstant& firstDay, int count)
{
    const std::vector<CJourLeverCoucher> days = riseSetDays(body, bodyIndex, firstDay, count);
    std::vector<std::string> rows;
    rows.reserve(days.size());
    for (int i = 0; i < count; ++i)
        rows.push_back(riseSetRow(days[static_cast<std::size_t>(i)], addDays(firstDay, i).shortDateText()));
    return rows;
}

std::vector<std::string> positionRows(CAstre& body, const CInstant& firstDay, int count)
{
    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (const DailyPosition& day : dailyPositions(body, firstDay, count)) {
        const BodyPosition& p = day.position;
        const std::string ra = packedText(ReduceAngle(p.alpha, 0.0, kTwoPi) * kHoursPerRad);
        const std::string dec = packedText(p.delta * kDegPerRad);
        rows.push_back(format("%10s%5s%6s", day.at.shortDateText().c_str(), ra.c_str(), dec.c_str()));
    }
    return rows;
}
}  // namespace

std::vector<CJourLeverCoucher> riseSetDays(CAstre& body, int bodyIndex, const CInstant& firstDay, int count)
{
    if (count <= 0)
        return {};
    CLeverCoucher series(&body, eventAltitudeDegrees(bodyIndex));
    // One day more in front, so that the first row, too, can take the code
    // of a run of days that it continues; that day is then dropped.
    std::vector<CJourLeverCoucher> days = series.ComputeSeries(addDays(firstDay, -2), count + 1);
    inheritCodes(days);
    days.erase(days.begin());
    return days;
}

std::vector<DailyPosition> dailyPositions(CAstre& body, const CInstant& firstDay, int count)
{
    std::vector<DailyPosition> days;
    days.reserve(static_cast<std::size_t>(std::max(count, 0)));
    const double hours = firstDay.hour() + firstDay.minute() / 60.0 + firstDay.second() / 3600.0;
    for (int i = 0; i < count; ++i) {
        const CInstant day = instantAtHours(addDays(firstDay, i), hours);
        days.push_back({day, positionAt(body, day)});
    }
    return days;
}

std::string eventTimeText(double hours)
{
    return isTime(hours) ? packedText(hours) : std::string("  -  ");
}

EphemerisColumns splitEphemerisRow(const std::string& row)
{
    EphemerisColumns out;
    out.date = row.substr(0, 10);
    const std::string rest = row.size() > 10 ? row.substr(10, 11) : std::string();
    if (rest == "  visible  " || rest == " invisible ") {
        out.second = rest + "   ";
    } else {
        out.first = rest.substr(0, std::min<std::size_t>(5, rest.size()));
        out.second = rest.size() > 5 ? rest.substr(5) : std::string();
    }
    const std::size_t star = row.find('*');
    if (star != std::string::npos && star + 1 < row.size()) {
        const std::string extra = "/" + row.substr(star + 2);
        if (row[star + 1] == 'L') {
            out.first += extra;
            out.smallColumn = 1;
        } else {
            out.second += extra;
            out.smallColumn = 2;
        }
    }
    return out;
}

std::vector<std::string> ephemerisRows(CAstre& body, int bodyIndex, EphemerisMode mode,
                                       const CInstant& firstDay, int count)
{
    if (count <= 0)
        return {};
    if (mode == EphemerisMode::RiseSet)
        return riseSetRows(body, bodyIndex, firstDay, count);
    return positionRows(body, firstDay, count);
}

CInstant ephemerisFirstDay(const CInstant& chosenDate)
{
    CInstant first = chosenDate;
    first.shiftByDays(-static_cast<double>(kEphemerisDaysBefore));
    return first;
}

EphemerisTableKey ephemerisTableKey(int bodyIndex, EphemerisMode mode, const CInstant& chosenDate)
{
    const CInstant first = ephemerisFirstDay(chosenDate);
    EphemerisTableKey key{bodyIndex, mode, first.place(), first.day(), first.month(), first.year()};
    if (mode == EphemerisMode::Position) {
        key.hour = first.hour();
        key.minute = first.minute();
        key.second = first.second();
        key.summerTime = first.summerTime();
    }
    return key;
}

std::vector<std::string> ephemerisTable(CAstre& body, int bodyIndex, EphemerisMode mode,
                                        const CInstant& chosenDate, int count)
{
    return ephemerisRows(body, bodyIndex, mode, ephemerisFirstDay(chosenDate), count);
}

}  // namespace zarn
