// SPDX-License-Identifier: GPL-3.0-or-later
// Legal time on zones of the system's time-zone database: the offsets on
// both sides of the changes the database lists, the hours a change skips or
// repeats, and the days of the changes as the summer-time dialog shows them.
#include "time/Calendar.h"
#include "time/LegalOffset.h"

#include <gtest/gtest.h>

#include <string>

using namespace zarn;

namespace {
CLieu on(const std::string& zone) { return placeOnZone(CLieu("Lieu", 0.0, 0.0, 0, 0), zone, 2026); }

double utJulianDay(int d, int m, int y, int h, int min, int s = 0)
{
    return julianDay(d, m, y, (h + min / 60.0 + s / 3600.0) / 24.0);
}
}  // namespace

TEST(ZoneLegalTime, OffsetsEitherSideOfTheDatabasesChanges)
{
    // The universal instant of each change, and the offsets (minutes) just
    // before and from it.
    struct Change {
        const char* zone;
        int d, m, y, h, min;  // universal time
        int before, after;
    };
    const Change changes[] = {
        {"America/New_York", 8, 3, 2026, 7, 0, -300, -240},
        {"America/New_York", 1, 11, 2026, 6, 0, -240, -300},
        {"Australia/Sydney", 4, 4, 2026, 16, 0, 660, 600},    // 5.4, 3 h summer time
        {"Australia/Sydney", 3, 10, 2026, 16, 0, 600, 660},   // 4.10, 2 h standard time
        {"America/Santiago", 5, 4, 2026, 3, 0, -180, -240},
        {"America/Santiago", 6, 9, 2026, 4, 0, -240, -180},
        {"Australia/Adelaide", 4, 4, 2026, 16, 30, 630, 570},
        {"Australia/Adelaide", 3, 10, 2026, 16, 30, 570, 630},
        {"Australia/Lord_Howe", 4, 4, 2026, 15, 0, 660, 630},  // half an hour of summer time
        {"Australia/Lord_Howe", 3, 10, 2026, 15, 30, 630, 660},
        {"Europe/Paris", 28, 3, 1976, 0, 0, 60, 120},          // France's first summer, 1976
        {"Europe/Paris", 25, 9, 1976, 23, 0, 120, 60},
        {"Europe/Paris", 1, 10, 1978, 1, 0, 120, 60},
        {"Europe/London", 29, 3, 2026, 1, 0, 0, 60},           // 01:00 UT in the whole Union
        {"Europe/London", 25, 10, 2026, 1, 0, 60, 0},
        {"Europe/Helsinki", 25, 10, 2026, 1, 0, 180, 120},
        {"Australia/Sydney", 30, 9, 2090, 16, 0, 600, 660},    // past the listed years: the file's rule
        {"America/New_York", 6, 11, 2050, 6, 0, -240, -300},
    };
    for (const Change& c : changes) {
        const CLieu place = on(c.zone);
        const double at = utJulianDay(c.d, c.m, c.y, c.h, c.min);
        const std::string where = std::string(c.zone) + " " + std::to_string(c.d) + "." + std::to_string(c.m) +
                                  "." + std::to_string(c.y);
        EXPECT_EQ(legalOffsetSeconds(at - 1.0 / 86400, place), c.before * 60) << where;
        EXPECT_EQ(legalOffsetSeconds(at, place), c.after * 60) << where;
    }
    // Zones with minutes and no summer time.
    for (const auto& [zone, minutes] : {std::pair{"Asia/Kolkata", 330}, {"Asia/Kathmandu", 345}})
        for (int month : {1, 7})
            EXPECT_EQ(legalOffsetSeconds(utJulianDay(15, month, 2026, 12, 0), on(zone)), minutes * 60) << zone;
}

TEST(ZoneLegalTime, RepeatedAndSkippedHoursAndTheWayBack)
{
    struct Case {
        const char* zone;
        int d, m, y, h, min;  // legal time
        int readings;
    };
    const Case cases[] = {
        {"America/New_York", 8, 3, 2026, 2, 30, 0},     // skipped
        {"America/New_York", 8, 3, 2026, 3, 0, 1},
        {"America/New_York", 1, 11, 2026, 1, 30, 2},    // shown twice
        {"America/New_York", 1, 11, 2026, 2, 0, 1},
        {"Australia/Lord_Howe", 4, 10, 2026, 2, 15, 0},  // a gap of 30 minutes
        {"Australia/Lord_Howe", 4, 10, 2026, 2, 30, 1},
        {"Australia/Lord_Howe", 5, 4, 2026, 1, 45, 2},
        {"America/Santiago", 6, 9, 2026, 0, 30, 0},      // the change at midnight
        {"America/Santiago", 4, 4, 2026, 23, 30, 2},
        {"Asia/Kolkata", 1, 1, 2026, 0, 0, 1},
    };
    for (const Case& c : cases) {
        const CLieu place = on(c.zone);
        const CDateHeure legal(c.d, c.m, c.y, c.h, c.min, 0);
        const LegalReadings r = legalReadings(legal, place);
        const std::string where = std::string(c.zone) + " " + legal.shortDateText() + " " + std::to_string(c.h) + "." +
                                  std::to_string(c.min);
        ASSERT_EQ(r.count, c.readings) << where;
        EXPECT_EQ(legalTimeExists(legal, place), c.readings > 0) << where;
        if (c.readings < 2)
            continue;
        // Both passes of the hour, set from universal time, show the same
        // legal time and lead back to their own universal instant.
        EXPECT_GT(r.first.offsetSeconds, r.second.offsetSeconds) << where;
        for (const LegalReading& reading : {r.first, r.second}) {
            const double ut = legal.julianDay() - reading.offsetSeconds / 86400.0;
            CInstant instant(1, 1, 2026, 12, 0, 0, place);
            instant.setFromUniversalJulianDay(ut);
            EXPECT_EQ(instant.hour() * 60 + instant.minute(), c.h * 60 + c.min) << where;
            EXPECT_NEAR(instant.universalJulianDay(), ut, 1e-6) << where;
            // Its texts rebuilt, the instant keeps its reading.
            instant.refreshTexts();
            EXPECT_NEAR(instant.universalJulianDay(), ut, 1e-6) << where;
        }
        // A typed time is the first pass.
        const CInstant typed(c.d, c.m, c.y, c.h, c.min, 0, place);
        EXPECT_EQ(typed.offsetSeconds(), r.first.offsetSeconds) << where;
    }
}

TEST(ZoneLegalTime, TheYearsChangesInTheYearsOrder)
{
    struct Year {
        const char* zone;
        int year;
        const char* text;
    };
    const Year years[] = {
        {"Australia/Sydney", 2026, " 5.4 --> 4.10"},
        {"America/New_York", 2026, " 8.3 --> 1.11"},
        {"America/Santiago", 2026, " 5.4 --> 6.9"},
        {"Europe/Paris", 1975, "Pas d'heure d'été"},
        {"Europe/Paris", 1976, " 28.3 --> 26.9"},
        {"Europe/Paris", 1977, " 3.4 --> 25.9"},
        {"Europe/Paris", 1978, " 2.4 --> 1.10"},
        {"Europe/Paris", 1979, " 1.4 --> 30.9"},
        {"Europe/Paris", 1980, " 6.4 --> 28.9"},
        {"Asia/Tokyo", 2026, "Pas d'heure d'été"},
        {"Asia/Kolkata", 2026, "Pas d'heure d'été"},
        {"Australia/Sydney", 2090, " 2.4 --> 1.10"},
    };
    for (const Year& y : years)
        EXPECT_EQ(summerChangesText(on(y.zone), y.year), y.text) << y.zone << " " << y.year;
    // The rule of a place without a zone name is unchanged.
    EXPECT_EQ(summerChangesText(CLieu("Paris", -2.33, 0.85, 1, 1), 2003), " 30.3 --> 26.10");
}

TEST(ZoneLegalTime, NearestValuesForTheSettingsRecord)
{
    struct Nearest {
        const char* zone;
        int zone0;
        int flag;
    };
    for (const Nearest& n : {Nearest{"Australia/Sydney", 10, 1}, {"America/Montreal", -5, 1}, {"Asia/Tokyo", 9, 0},
                             {"Asia/Kolkata", 6, 0}, {"America/Santiago", -4, 1}, {"Europe/Dublin", 0, 1}}) {
        const CLieu place = on(n.zone);
        EXPECT_EQ(place.zone(), n.zone0) << n.zone;
        EXPECT_EQ(place.observesSummerTime(), n.flag) << n.zone;
    }
    EXPECT_FALSE(zoneKnown("Europe/Pariss"));
    EXPECT_FALSE(zoneKnown("../../etc/passwd"));
    EXPECT_FALSE(zoneKnown(""));
}
