// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zarn;

TEST(JulianDay, KnownDatesAndTheReformBoundary)
{
    EXPECT_DOUBLE_EQ(julianDay(1, 1, 2000, 0.5), 2451545.0);
    EXPECT_DOUBLE_EQ(julianDay(31, 12, 1899, 0.5), 2415020.0);
    EXPECT_DOUBLE_EQ(julianDay(15, 10, 1582, 0.0), 2299160.5);
    // The day before the reform is 4 October 1582 in the Julian calendar.
    EXPECT_DOUBLE_EQ(julianDay(4, 10, 1582, 0.0), 2299159.5);
    const CalendarDate d = calendarDate(2451545.0);
    EXPECT_EQ(d.day, 1);
    EXPECT_EQ(d.month, 1);
    EXPECT_EQ(d.year, 2000);
    EXPECT_NEAR(d.hours, 12.0, 1e-9);
}

TEST(JulianDay, RoundTripsEveryDayOf1901To2099)
{
    double previous = 0;
    for (int year = 1901; year <= 2099; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= daysInMonth(month, year); ++day) {
                const double jd = julianDay(day, month, year, 0.75);
                if (previous != 0) {
                    ASSERT_DOUBLE_EQ(jd - previous, 1.0) << day << "." << month << "." << year;
                }
                previous = jd;
                const CalendarDate back = calendarDate(jd);
                ASSERT_EQ(back.day, day);
                ASSERT_EQ(back.month, month);
                ASSERT_EQ(back.year, year);
                ASSERT_NEAR(back.hours, 18.0, 1e-6);
            }
}

TEST(Calendar, DaysInMonthAndWeekdays)
{
    EXPECT_EQ(daysInMonth(2, 2000), 29);
    EXPECT_EQ(daysInMonth(2, 2096), 29);
    EXPECT_EQ(daysInMonth(2, 1999), 28);
    const int expected[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(daysInMonth(m, 2003), expected[m - 1]) << m;
    EXPECT_EQ(dayOfWeek(1, 1, 2000), 6);   // a Saturday
    EXPECT_EQ(dayOfWeek(30, 3, 2003), 0);  // a Sunday
    EXPECT_STREQ(monthNameOf(8), "août");
    EXPECT_STREQ(monthNameOf(0), "");
    EXPECT_STREQ(monthNameOf(13), "");
}

TEST(ParseDate, AcceptsOnlyRealDatesOf1901To2099)
{
    EXPECT_TRUE(parseDate("29.2.2000").valid);
    EXPECT_TRUE(parseDate("29.2.2096").valid);
    EXPECT_FALSE(parseDate("29.2.1999").valid);
    EXPECT_FALSE(parseDate("31.4.2003").valid);
    EXPECT_FALSE(parseDate("1.1.1900").valid);
    EXPECT_FALSE(parseDate("1.1.2100").valid);
    EXPECT_FALSE(parseDate("").valid);
    EXPECT_FALSE(parseDate("12.2003").valid);
    EXPECT_FALSE(parseDate("abc").valid);
    // The whole text is the date: no trailing junk, no overflowing year.
    EXPECT_FALSE(parseDate("1.1.2000junk").valid);
    EXPECT_FALSE(parseDate("1.1.4294969395").valid);
    EXPECT_FALSE(parseDate(" 1.1.2000").valid);
    const ParsedDate d = parseDate("23.9.1998");
    ASSERT_TRUE(d.valid);
    EXPECT_EQ(d.day, 23);
    EXPECT_EQ(d.month, 9);
    EXPECT_EQ(d.year, 1998);
}

TEST(ParseTime, FollowsTheHoursDotMinutesForm)
{
    EXPECT_TRUE(parseTime("22", 0, 23));
    EXPECT_TRUE(parseTime("9.05", 0, 23));
    EXPECT_TRUE(parseTime("0.00", 0, 23));
    EXPECT_TRUE(parseTime("23.59", 0, 23));
    EXPECT_FALSE(parseTime("22.3", 0, 23));
    EXPECT_FALSE(parseTime("22.300", 0, 23));
    EXPECT_FALSE(parseTime("24.00", 0, 23));
    EXPECT_FALSE(parseTime("12.60", 0, 23));
    EXPECT_FALSE(parseTime("-1", 0, 23));
    EXPECT_FALSE(parseTime("1-2", 0, 23));
    EXPECT_FALSE(parseTime("", 0, 23));
    EXPECT_FALSE(parseTime(".30", 0, 23));
    EXPECT_FALSE(parseTime("ab.cd", 0, 23));
    EXPECT_FALSE(parseTime("1.2.", 0, 23));
    for (const char* junk : {"9.5x", "9. 5", "22:30", "22h30", "1e308", "9.05 ", "+9", "4294967305"})
        EXPECT_FALSE(parseTime(junk, 0, 23)) << junk;
    EXPECT_TRUE(parseTime("-5.30", -90, 90));
    const HourMinuteSecond t = readTime("9.05");
    EXPECT_EQ(t.hours, 9);
    EXPECT_EQ(t.minutes, 5);
    EXPECT_EQ(readTime("22").minutes, 0);
}

TEST(Packed, ConversionsBothWays)
{
    // The bias that protects values just below a whole minute stays in the
    // result as a few hundredths of a second.
    EXPECT_NEAR(toPacked(22.5), 22.30, 1e-5);
    EXPECT_NEAR(toPacked(22.5041666667), 22.3015, 1e-5);
    EXPECT_NEAR(toPacked(-2.3333333333), -2.20, 1e-5);
    EXPECT_NEAR(fromPacked(2.20), 2.3333333333, 1e-4);
    EXPECT_NEAR(fromPacked(-2.20), -2.3333333333, 1e-4);
    EXPECT_NEAR(fromPacked(48.51), 48.85, 1e-4);
    EXPECT_NEAR(fromPacked(22.3015), 22.5041666667, 1e-4);
    EXPECT_NEAR(fromPacked(toPacked(17.123)), 17.123, 1e-4);
    // A value just below a whole minute is not truncated to the minute before.
    EXPECT_NEAR(toPacked(10.0 + 29.0 / 60.0 - 1e-9), 10.29, 1e-5);
    // Seconds of 30 and more round up; 60 minutes carry into the degree.
    EXPECT_NEAR(toPackedMinutes(48.85), 48.51, 1e-9);
    EXPECT_NEAR(toPackedMinutes(2.0 + 10.0 / 60 + 30.0 / 3600), 2.11, 1e-9);
    EXPECT_NEAR(toPackedMinutes(2.0 + 10.0 / 60 + 29.0 / 3600), 2.10, 1e-9);
    EXPECT_NEAR(toPackedMinutes(2.0 + 59.0 / 60 + 40.0 / 3600), 3.0, 1e-9);
    EXPECT_NEAR(toPackedMinutes(-2.3333333333), -2.20, 1e-9);
}

TEST(Packed, SplitHoursCarriesAndWraps)
{
    HourMinuteSecond t = splitHours(24.0);
    EXPECT_EQ(t.hours, 0);
    EXPECT_EQ(t.minutes, 0);
    t = splitHours(23.0 + 59.0 / 60 + 59.9 / 3600);
    EXPECT_EQ(t.hours, 0);
    EXPECT_EQ(t.minutes, 0);
    EXPECT_EQ(t.seconds, 0);
    t = splitHours(9.0 + 5.0 / 60 + 7.0 / 3600);
    EXPECT_EQ(t.hours, 9);
    EXPECT_EQ(t.minutes, 5);
    EXPECT_EQ(t.seconds, 7);
}

TEST(Reduce, HalfOpenIntervals)
{
    EXPECT_DOUBLE_EQ(reduce24(0.0), 24.0);
    EXPECT_DOUBLE_EQ(reduce24(-1.0), 23.0);
    EXPECT_DOUBLE_EQ(reduce24(25.0), 1.0);
    EXPECT_DOUBLE_EQ(reduce24(24.0), 24.0);
    EXPECT_DOUBLE_EQ(ReduceAngle(0.0, 0.0, 360.0), 360.0);
    EXPECT_DOUBLE_EQ(ReduceAngle(-720.5, 0.0, 360.0), 359.5);
    EXPECT_DOUBLE_EQ(ReduceAngle(-kPi, -kPi, kPi), kPi);
    EXPECT_TRUE(std::isnan(ReduceAngle(NAN, 0.0, 24.0)));
}
