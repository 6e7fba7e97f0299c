// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/CInstant.h"
#include "time/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>

using namespace zarn;

namespace {
CLieu paris() { return CLieu("Paris", -fromPacked(2.20), fromPacked(48.51) * kRadPerDeg, 1, 1); }

CInstant at(int d, int m, int y, int h, int min, const CLieu& place = paris())
{
    return CInstant(d, m, y, h, min, 0, place);
}
}  // namespace

TEST(SummerTime, ChangeOverInstantsAreIncluded)
{
    EXPECT_EQ(at(30, 3, 2003, 1, 59).summerTime(), 0);
    EXPECT_EQ(at(30, 3, 2003, 2, 0).summerTime(), 1);
    EXPECT_EQ(at(26, 10, 2003, 3, 0).summerTime(), 1);
    EXPECT_EQ(at(26, 10, 2003, 3, 1).summerTime(), 0);
    EXPECT_EQ(at(1, 7, 1980, 12, 0).summerTime(), 0);
    // Until 1995 summer time ended in September, from 1996 in October.
    const CDateHeure y1995(1, 1, 1995, 0, 0, 0);
    EXPECT_EQ(y1995.summerTimeStart().day(), 26);
    EXPECT_EQ(y1995.summerTimeEnd().day(), 24);
    EXPECT_EQ(y1995.summerTimeEnd().month(), 9);
    const CDateHeure y1996(1, 1, 1996, 0, 0, 0);
    EXPECT_EQ(y1996.summerTimeStart().day(), 31);
    EXPECT_EQ(y1996.summerTimeEnd().day(), 27);
    EXPECT_EQ(y1996.summerTimeEnd().month(), 10);
    EXPECT_EQ(at(1, 10, 1995, 12, 0).summerTime(), 0);
    EXPECT_EQ(at(1, 10, 1996, 12, 0).summerTime(), 1);
}

TEST(Instant, UniversalTimeCenturiesAndSiderealTime)
{
    // J2000.0 is 1 January 2000, 12 h UT: in Paris 13 h legal time (winter).
    CInstant i = at(1, 1, 2000, 13, 0);
    EXPECT_DOUBLE_EQ(i.universalHours(), 12.0);
    EXPECT_NEAR(i.centuries(), (2451545.0 - 2415020.0) / 36525.0, 1e-12);
    // Greenwich mean sidereal time at J2000.0 is 18.697375 h; Paris lies
    // 9 min 20 s east.
    const double expected = 18.697375 + fromPacked(2.20) / 15.0;
    EXPECT_NEAR(i.siderealTime() * kHoursPerRad, expected, 2e-4);
    EXPECT_GT(i.siderealTime(), 0.0);
    EXPECT_LE(i.siderealTime(), kTwoPi + 1e-9);
    // Summer: two hours from universal time.
    EXPECT_DOUBLE_EQ(at(1, 7, 2003, 14, 30).universalHours(), 12.5);
    // Zone +1 without summer time at 0 h 30: universal time 23.30 the day before.
    CLieu noSummer = paris();
    noSummer.setObservesSummerTime(0);
    EXPECT_NEAR(reduce24(at(1, 7, 2003, 0, 30, noSummer).universalHours()), 23.5, 1e-12);
    EXPECT_NEAR(i.meanSolarTime(), 12.0 + fromPacked(2.20) / 15.0, 1e-9);
    EXPECT_NEAR(i.siderealTimeAt0hUT() * kHoursPerRad,
                reduce24(i.siderealTime() * kHoursPerRad - 12.0 * kSiderealRatio), 1e-6);
}

TEST(Instant, TextsOfPlaceDateAndTime)
{
    CInstant i = at(23, 9, 1998, 22, 30);
    EXPECT_EQ(i.dateText(), " 23 septembre 1998");
    EXPECT_EQ(i.timeText(), " 22.30");
    EXPECT_EQ(i.placeText(), "Paris   2.20E   48.51N");
    EXPECT_EQ(at(3, 2, 2001, 9, 5).timeText(), "  9.05");
    CLieu south("Santiago", 70.6667, -33.45 * kRadPerDeg, -4, 0);
    EXPECT_EQ(at(1, 1, 2001, 0, 0, south).placeText(), "Santiago   70.40W   33.27S");
    EXPECT_EQ(i.shortDateText(), "23.9.1998");
}

TEST(Instant, NextDayKeepsLegalTimeAcrossTheSpringChange)
{
    // 29 March 2003 is the last Saturday of March.
    CInstant i = at(29, 3, 2003, 22, 30);
    EXPECT_EQ(i.summerTime(), 0);
    i.shiftByDays(1.0);
    EXPECT_EQ(i.day(), 30);
    EXPECT_EQ(i.hour(), 22);
    EXPECT_EQ(i.minute(), 30);
    EXPECT_EQ(i.summerTime(), 1);
    i.shiftByDays(-1.0);
    EXPECT_EQ(i.day(), 29);
    EXPECT_EQ(i.hour(), 22);
    EXPECT_EQ(i.minute(), 30);
    // Across a year end, and by a fraction of a day.
    CInstant n = at(31, 12, 1999, 23, 0);
    n.shiftByDays(0.5);
    EXPECT_EQ(n.year(), 2000);
    EXPECT_EQ(n.day(), 1);
    EXPECT_EQ(n.hour(), 11);
    EXPECT_EQ(n.minute(), 0);
}

TEST(Instant, EventInUniversalTimeShownInLegalTime)
{
    CLieu west("Boston", 71.0, 42.0 * kRadPerDeg, -5, 1);
    CInstant i = at(1, 1, 2003, 0, 0, west);
    i.setFromUniversalJulianDay(julianDay(1, 7, 2003, 0.5));
    EXPECT_EQ(i.day(), 1);
    EXPECT_EQ(i.month(), 7);
    EXPECT_EQ(i.hour(), 8);
    EXPECT_EQ(i.minute(), 0);
    // An event just before midnight UT in zone +1, in winter.
    CInstant p = at(1, 1, 2003, 0, 0);
    p.setFromUniversalJulianDay(julianDay(31, 12, 2002, 23.5 / 24));
    EXPECT_EQ(p.year(), 2003);
    EXPECT_EQ(p.hour(), 0);
    EXPECT_EQ(p.minute(), 30);
}

TEST(Instant, DaysSinceCountsWholeDaysWhateverTheTimeZone)
{
    const char* zones[] = {"UTC", "Europe/Paris", "America/New_York", "Australia/Lord_Howe"};
    const char* saved = std::getenv("TZ");
    const std::string savedZone = saved ? saved : "";
    for (const char* zone : zones) {
        setenv("TZ", zone, 1);
        tzset();
        for (int year = 1901; year <= 2099; year += 7)
            for (int month = 1; month <= 12; month += 5) {
                CDateHeure a(28, month, year, 23, 59, 0);
                CDateHeure b(1, 3, 2003, 0, 0, 0);
                const int expected = static_cast<int>(std::lround(
                    julianDay(28, month, year, 0) - julianDay(1, 3, 2003, 0)));
                ASSERT_EQ(a.daysSince(b), expected) << zone << " " << year;
                ASSERT_EQ(b.daysSince(a), -expected);
            }
        EXPECT_EQ(CDateHeure(31, 3, 2003, 0, 0, 0).daysSince(CDateHeure(30, 3, 2003, 0, 0, 0)), 1);
        EXPECT_EQ(CDateHeure(1, 1, 2099, 0, 0, 0).daysSince(CDateHeure(1, 1, 1901, 0, 0, 0)), 72319);
    }
    if (saved)
        setenv("TZ", savedZone.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST(Instant, SetTimeFromHoursRoundsSecondsWithoutCarry)
{
    CDateHeure d(1, 1, 2000, 0, 0, 0);
    d.setTimeFromHours(22.5 + 15.0 / 3600);
    EXPECT_EQ(d.hour(), 22);
    EXPECT_EQ(d.minute(), 30);
    EXPECT_EQ(d.second(), 15);
    d.setTimeFromHours(6.0 - 1e-9);
    EXPECT_EQ(d.hour(), 6);
    EXPECT_EQ(d.minute(), 0);
    EXPECT_EQ(d.second(), 0);
}

TEST(Instant, UniversalTimeJustBeforeLegalMidnightCarriesIntoTheNextDay)
{
    // Every whole minute of 25 winter days in Paris (legal = UT + 1 h), and
    // in a place on universal time, where no hour is added afterwards.
    CLieu utc("Accra", 0.0, 5.6 * kRadPerDeg, 0, 0);
    for (const CLieu& place : {paris(), utc}) {
        const int offset = place.zone() * 60;
        CInstant i = at(1, 1, 2000, 0, 0, place);
        for (int minute = 0; minute < 25 * 1440; ++minute) {
            i.setFromUniversalJulianDay(julianDay(1, 1, 2000, minute / 1440.0));
            const int legal = minute + offset;
            ASSERT_EQ(i.day(), 1 + legal / 1440) << place.name() << " " << minute;
            ASSERT_EQ(i.hour() * 60 + i.minute(), legal % 1440) << place.name() << " " << minute;
            ASSERT_EQ(i.second(), 0);
        }
    }
}

TEST(Instant, NowIsTheClockInTheObservatorysLegalTimeWhateverTheComputersZone)
{
    const char* saved = std::getenv("TZ");
    const std::string savedZone = saved ? saved : "";
    const CLieu observatories[] = {paris(), CLieu("Tokyo", -139.7, 35.7 * kRadPerDeg, 9, 0)};
    for (const char* zone : {"UTC", "Europe/Paris", "America/New_York"}) {
        setenv("TZ", zone, 1);
        tzset();
        for (const CLieu& place : observatories) {
            CInstant i = at(1, 1, 2000, 0, 0, place);
            i.setNow();
            const double clock = std::time(nullptr) / 86400.0 + 2440587.5;
            EXPECT_NEAR(i.universalJulianDay(), clock, 3.0 / 86400) << zone << " " << place.name();
        }
    }
    // In the observatory's own zone the legal time is the computer's.
    setenv("TZ", "Europe/Paris", 1);
    tzset();
    CInstant i = at(1, 1, 2000, 0, 0);
    i.setNow();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    if (local.tm_gmtoff != 0)  // the zone is known on this computer
        EXPECT_NEAR(i.hour() * 60 + i.minute(), local.tm_hour * 60 + local.tm_min, 1) << "Paris";
    if (saved)
        setenv("TZ", savedZone.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}
