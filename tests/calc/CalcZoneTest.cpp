// SPDX-License-Identifier: GPL-3.0-or-later
// zarn-calc on zones of the time-zone database and on zones with minutes:
// events at three places against instants computed once with PyEphem
// (bench/legaltime/reference.py), and the options' refusals.
#include "CalcRunner.h"
#include "time/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {
std::vector<std::vector<std::string>> tsvRows(const std::string& out)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        std::string cell;
        while (std::getline(cells, cell, '\t'))
            fields.push_back(cell);
        rows.push_back(fields);
    }
    return rows;
}

// Universal Julian day of "2026-02-01" "22:09:10" at the offset "+11:00".
double universalOf(const std::string& date, const std::string& time, const std::string& offset)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, oh = 0, om = 0;
    std::sscanf(date.c_str(), "%d-%d-%d", &y, &mo, &d);
    std::sscanf(time.c_str(), "%d:%d:%d", &h, &mi, &s);
    std::sscanf(offset.c_str() + 1, "%d:%d", &oh, &om);
    const double sign = offset[0] == '-' ? -1.0 : 1.0;
    return zarn::julianDay(d, mo, y, (h + mi / 60.0 + s / 3600.0 - sign * (oh + om / 60.0)) / 24.0);
}
}  // namespace

TEST(CalcZone, EventsAtThreePlacesAgreeWithAnIndependentEphemeris)
{
    struct Place {
        const char* options;
        const char* date;     // legal date of the sunrise asked
        const char* offset;   // the legal offset of the events
        const char* fullMoon, *sunrise, *conjunction;  // PyEphem, universal time
    };
    const Place places[] = {
        {"--tz Australia/Sydney --lat 33.52S --lon 151.12E", "2026-01-11", "+11:00", "2026-02-01 22:09:10",
         "2026-01-10 18:57:02", "2026-01-31 02:29:02"},
        {"--tz Asia/Kolkata --lat 22.34N --lon 88.22E", "2026-03-10", "+05:30", "2026-04-02 02:11:54",
         "2026-03-10 00:21:12", "2026-03-26 12:11:09"},
        {"--tz America/New_York --lat 40.43N --lon 74.00W", "2026-07-05", "-04:00", "2026-07-29 14:35:37",
         "2026-07-05 09:32:10", "2026-07-15 03:03:27"},
    };
    auto reference = [](const std::string& ut) { return universalOf(ut.substr(0, 10), ut.substr(11), "+00:00"); };
    constexpr double kMinute = 1.0 / 1440;
    for (const Place& p : places) {
        const std::string start = std::string(p.options) + " --date " + std::string(p.date).substr(8, 2) + "." +
                                  std::string(p.date).substr(5, 2) + ".2026 --time 0.00 ";
        const auto phases = tsvRows(runCalc(start + "phases --count 4 --tsv").out);
        bool sawFullMoon = false;
        for (const auto& row : phases)
            if (row.size() == 4 && row[0] == "PL") {
                sawFullMoon = true;
                EXPECT_EQ(row[3], p.offset) << p.options;
                EXPECT_NEAR(universalOf(row[1], row[2], row[3]), reference(p.fullMoon), 2 * kMinute) << p.options;
            }
        EXPECT_TRUE(sawFullMoon) << p.options;

        bool sawSunrise = false;
        for (const auto& row : tsvRows(runCalc(start + "ephem Soleil --days 12 --tsv").out))
            if (row.size() >= 3 && row[0] == p.date) {
                sawSunrise = true;
                EXPECT_EQ(row[1], p.offset) << p.options;
                EXPECT_NEAR(universalOf(row[0], row[2], row[1]), reference(p.sunrise), 2 * kMinute) << p.options;
            }
        EXPECT_TRUE(sawSunrise) << p.options;

        const auto conjunction = tsvRows(runCalc(start + "conjunction Lune Jupiter --tsv").out);
        ASSERT_GE(conjunction.size(), 2u) << p.options;
        EXPECT_EQ(conjunction[1][3], p.offset) << p.options;
        EXPECT_NEAR(universalOf(conjunction[1][1], conjunction[1][2], conjunction[1][3]), reference(p.conjunction),
                    5 * kMinute)
            << p.options;
    }
}

TEST(CalcZone, ZonesWithMinutesNamesAndTheirRefusals)
{
    // 12 h universal time on 1 July 2026, typed in each zone's legal time.
    struct Case {
        const char* args;
        const char* out;
    };
    const Case cases[] = {
        {"jd --date 1.7.2026 --time 17.30 --zone 5.30 --dst 0", "2461223.229167\n2461223.000000\n"},
        {"jd --date 1.7.2026 --time 2.30 --zone -9.30 --dst 0", "2461222.604167\n2461223.000000\n"},
        {"jd --date 1.7.2026 --time 17.45 --zone 5.45 --dst 0", "2461223.239583\n2461223.000000\n"},
        {"jd --date 1.7.2026 --time 8.00 --tz America/Montreal", "2461222.833333\n2461223.000000\n"},
        {"jd --date 1.7.2026 --time 22.30 --tz Australia/Lord_Howe", "2461223.437500\n2461223.000000\n"},
        {"dst 2026 --tz Australia/Sydney", " 5.4 --> 4.10\n"},
        {"dst 2026 --tz Asia/Kathmandu", "Pas d'heure d'été\n"},
        {"dst 2026 --zone 1 --dst 1", " 29.3 --> 25.10\n"},
        {"jd --tz Europe/Pariss", "Fuseau horaire inconnu : Europe/Pariss (un nom comme Europe/Paris).\n"},
        {"jd --tz Europe/Paris --zone 1", "Donnez --zone ou --tz, pas les deux.\n"},
        {"jd --zone 5.3", "Tapez les minutes du fuseau sur deux chiffres (5.30).\n"},
        {"jd --zone 5.60", "Tapez les minutes du fuseau sur deux chiffres (5.30).\n"},
        {"jd --zone 13.30", "Tapez un nombre entier compris entre -12 et 13.\n"},
        // The hour that a spring change skips.
        {"jd --date 8.3.2026 --time 2.30 --tz America/New_York", "Heure non valable\n"},
        {"jd --date 29.3.2026 --time 2.30 --zone 1 --dst 1", "Heure non valable\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(runCalc(std::string(c.args)).out, c.out) << c.args;
    // ecart_tu keeps its column, now with minutes.
    const auto rows = tsvRows(runCalc("seasons 2026 --tz Asia/Kathmandu --tsv").out);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[1][3], "+05:45");
}

TEST(CalcZone, MoonPhaseInTheRepeatedAutumnHourIsOnItsOwnDay)
{
    // The full Moon of 25.10.2026 at 23 h 12 (-05:00) and the first quarter
    // of 29.10.2006 at 23 h 26 (+02:00), on days the rule makes 25 hours long.
    struct Phase {
        const char* args;
        const char* date;
        const char* time;  // legal, to the minute
        const char* offset;
    };
    const Phase phases[] = {
        {"--date 24.10.2026 --zone -5 --dst 1 --lon 74.00W --lat 40.43N", "2026-10-25", "23:12:00", "-05:00"},
        {"--date 28.10.2006 --zone 2 --dst 1 --lon 24.56E --lat 60.10N", "2006-10-29", "23:26:00", "+02:00"},
    };
    for (const Phase& p : phases) {
        const auto rows = tsvRows(runCalc(std::string(p.args) + " --time 0.00 phases --count 1 --tsv").out);
        ASSERT_EQ(rows.size(), 2u) << p.args;
        EXPECT_EQ(rows[1][1], p.date) << p.args;
        EXPECT_EQ(rows[1][3], p.offset) << p.args;
        EXPECT_NEAR(universalOf(rows[1][1], rows[1][2], rows[1][3]), universalOf(p.date, p.time, p.offset),
                    3.0 / 1440)
            << p.args;
    }
}
