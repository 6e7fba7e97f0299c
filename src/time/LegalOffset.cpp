// SPDX-License-Identifier: GPL-3.0-or-later
// Universal instants turned into the place's legal time and back. This is the
// one place where the offset of a moment is decided: events in universal
// time, the computer's clock, typed legal times, times of day counted on a
// clock that never changes.
#include "time/LegalOffset.h"

#include "time/Calendar.h"
#include "time/ZoneDatabase.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zarn {

namespace {
constexpr double kJd1970 = 2440587.5;
constexpr std::int64_t kDay = 86400;
// No zone's offset passes 14 h: a legal time names instants within that much.
constexpr std::int64_t kWidestOffset = 14 * 3600 + 3600;

std::int64_t universalSecondsOf(double universalJulianDay)
{
    // A thousandth of a second forgives the rounding of a computed instant
    // that falls on a change.
    return static_cast<std::int64_t>(std::floor((universalJulianDay - kJd1970) * kDay + 1e-3));
}

std::int64_t localSecondsOf(const CDateHeure& legal)
{
    const auto days = static_cast<std::int64_t>(std::llround(legal.julianDayAt0h() - kJd1970));
    return days * kDay + legal.hour() * 3600 + legal.minute() * 60 + legal.second();
}

LegalReading readingOf(const ZoneSpan& span) { return {span.offsetSeconds, span.summer}; }

bool onRule(const CLieu& place) { return place.zoneName().empty(); }

LegalReadings ruleReadings(const CDateHeure& legal, const CLieu& place)
{
    const int zone = place.zoneMinutes() * 60;
    const bool rule = legal.isSummerTime() != 0;
    LegalReadings r;
    r.first = {zone + (place.observesSummerTime() && rule ? 3600 : 0), rule};
    if (!place.observesSummerTime())
        return r;
    const CDateHeure start = legal.summerTimeStart();
    const CDateHeure end = legal.summerTimeEnd();
    const bool startDay = legal.day() == start.day() && legal.month() == start.month();
    const bool endDay = legal.day() == end.day() && legal.month() == end.month();
    if (!startDay && !endDay)
        return r;
    // On a change day: the summer reading holds when the standard clock, one
    // hour behind, reads summer; the standard reading when it does not.
    CDateHeure standard(legal);
    standard.shift(0, 1, 0, 0, false);
    const bool summerValid = summerTimeAtStandard(standard);
    const bool standardValid = !summerTimeAtStandard(legal);
    const LegalReading summer{zone + 3600, true};
    const LegalReading winter{zone, false};
    r.count = (summerValid ? 1 : 0) + (standardValid ? 1 : 0);
    if (r.count == 2) {
        r.first = summer;
        r.second = winter;
    } else if (r.count == 1) {
        r.first = summerValid ? summer : winter;
    }
    return r;
}

LegalReadings zoneReadings(const CDateHeure& legal, const CLieu& place)
{
    const std::string& name = place.zoneName();
    const std::int64_t local = localSecondsOf(legal);
    const ZoneSpan here = zoneSpanAt(name, local);
    LegalReadings r;
    r.first = readingOf(here);
    if (here.begin <= local - kWidestOffset && local + kWidestOffset < here.end)
        return r;  // no change within reach: one reading
    // The offsets in force around the time; each one that leads back to
    // itself is a reading, the larger offset naming the earlier instant.
    const ZoneSpan before = zoneSpanAt(name, local - kWidestOffset);
    const ZoneSpan after = zoneSpanAt(name, local + kWidestOffset);
    r.count = 0;
    LegalReading found[3];
    for (const ZoneSpan* s : {&before, &here, &after}) {
        const ZoneSpan back = zoneSpanAt(name, local - s->offsetSeconds);
        const LegalReading reading = readingOf(back);
        if (back.offsetSeconds != s->offsetSeconds)
            continue;
        bool seen = false;
        for (int i = 0; i < r.count; ++i)
            seen = seen || found[i].offsetSeconds == reading.offsetSeconds;
        if (!seen && r.count < 3)
            found[r.count++] = reading;
    }
    if (r.count == 0) {
        r.first = readingOf(before);  // carries a time in the gap past it
        return r;
    }
    if (r.count > 2)
        r.count = 2;
    r.first = found[0];
    r.second = found[r.count - 1];
    if (r.count == 2 && r.second.offsetSeconds > r.first.offsetSeconds)
        std::swap(r.first, r.second);
    return r;
}

// The universal seconds at which the zone's summer flag changes within
// [from, to), at most a few dozen.
template <typename F>
void forEachSummerChange(const std::string& name, std::int64_t from, std::int64_t to, F f)
{
    std::int64_t t = from;
    for (int i = 0; i < 64 && t < to; ++i) {
        const ZoneSpan span = zoneSpanAt(name, t);
        if (span.end >= to || span.end <= t)
            return;
        const ZoneSpan next = zoneSpanAt(name, span.end);
        if (next.summer != span.summer)
            f(span, span.end);
        t = span.end;
    }
}

std::int64_t yearStart(int year)
{
    return static_cast<std::int64_t>(std::llround(julianDay(1, 1, year, 0.0) - kJd1970)) * kDay;
}
}  // namespace

bool summerTimeAtStandard(const CDateHeure& standard)
{
    // Before the spring change the legal time is the standard time, which
    // the rule reads as winter; from the autumn change on, the summer
    // reading (one hour later) lies past the end of summer time.
    if (!standard.isSummerTime())
        return false;
    CDateHeure summer(standard);
    summer.shift(0, 1, 0, 0, true);
    return summer.isSummerTime() != 0;
}

LegalReading readingAtUniversal(double universalJulianDay, const CLieu& place)
{
    if (!onRule(place))
        return readingOf(zoneSpanAt(place.zoneName(), universalSecondsOf(universalJulianDay)));
    const int zone = place.zoneMinutes() * 60;
    if (!place.observesSummerTime())
        return {zone, false};
    const bool summer = summerTimeAtStandard(standardInstantAtUniversal(universalJulianDay, place));
    return {zone + (summer ? 3600 : 0), summer};
}

int legalOffsetSeconds(double universalJulianDay, const CLieu& place)
{
    return readingAtUniversal(universalJulianDay, place).offsetSeconds;
}

LegalReadings legalReadings(const CDateHeure& legal, const CLieu& place)
{
    return onRule(place) ? ruleReadings(legal, place) : zoneReadings(legal, place);
}

bool legalTimeExists(const CDateHeure& legal, const CLieu& place)
{
    return legalReadings(legal, place).count > 0;
}

CLieu fixedClockAt(const CLieu& place, double universalJulianDay)
{
    CLieu fixed = place;
    fixed.setObservesSummerTime(0);
    if (onRule(place))
        return fixed;  // the place's own standard time, as it always was
    const int seconds = legalOffsetSeconds(universalJulianDay, place);
    fixed.setZoneName({});
    fixed.setZoneMinutes(static_cast<int>(std::lround(seconds / 60.0)));
    return fixed;
}

CInstant standardInstantAtUniversal(double universalJulianDay, const CLieu& place)
{
    CInstant instant;
    instant.setPlace(fixedClockAt(place, universalJulianDay));
    instant.setFromUniversalJulianDay(universalJulianDay);
    return instant;
}

bool zoneKnown(const std::string& name) { return zoneExists(name); }

CLieu placeOnZone(const CLieu& place, const std::string& zoneName, int year)
{
    CLieu on = place;
    on.setZoneName(zoneName);
    // The smaller offset of January and July is the standard one, in the
    // north and in the south.
    const std::int64_t january = yearStart(year) + 14 * kDay;
    const std::int64_t july = january + 181 * kDay;
    const int a = zoneSpanAt(zoneName, january).offsetSeconds;
    const int b = zoneSpanAt(zoneName, july).offsetSeconds;
    on.setZoneMinutes(static_cast<int>(std::lround(std::min(a, b) / 60.0)));
    on.setObservesSummerTime(changesClockIn(on, year) ? 1 : 0);
    return on;
}

std::vector<ChangeDay> summerChanges(const CLieu& place, int year)
{
    if (onRule(place)) {
        const CDateHeure january(1, 1, year, 0, 0, 0);
        const CDateHeure start = january.summerTimeStart();
        const CDateHeure end = january.summerTimeEnd();
        return {{start.day(), start.month()}, {end.day(), end.month()}};
    }
    std::vector<ChangeDay> days;
    // The year's legal bounds lie within a day of its universal bounds.
    const std::int64_t from = yearStart(year) - kDay;
    const std::int64_t to = yearStart(year + 1) + kDay;
    forEachSummerChange(place.zoneName(), from, to, [&](const ZoneSpan& span, std::int64_t at) {
        // The legal date that the clock shows when it is changed (0 h of
        // Sunday for a change at midnight, as Santiago's).
        const double jd = kJd1970 + static_cast<double>(at + span.offsetSeconds) / kDay;
        const CalendarDate date = calendarDate(jd);
        if (date.year == year)
            days.push_back({date.day, date.month});
    });
    return days;
}

bool changesClockIn(const CLieu& place, int year)
{
    if (onRule(place))
        return place.observesSummerTime() && year > 1981;
    return !summerChanges(place, year).empty();
}

std::string summerChangesText(const CLieu& place, int year)
{
    const std::vector<ChangeDay> days = summerChanges(place, year);
    if (days.empty())
        return "Pas d'heure d'été";
    std::string text;
    char buffer[32];
    for (const ChangeDay& d : days) {
        std::snprintf(buffer, sizeof buffer, "%s%d.%d", text.empty() ? " " : " --> ", d.day, d.month);
        text += buffer;
    }
    return text;
}

std::string offsetText(int seconds)
{
    const long minutes = std::lround(std::abs(seconds) / 60.0);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%c%02ld:%02ld", seconds < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return buffer;
}

}  // namespace zarn
