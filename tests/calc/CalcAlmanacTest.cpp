// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac commands of zarn-calc: the texts of the tool windows.
#include "CalcRunner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {
const std::string kParis = " --lon 2.20E --lat 48.51N --zone 1 --dst 1 --name Paris";

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}
}  // namespace

TEST(CalcAlmanac, SunAndMoonOfTheDay)
{
    EXPECT_EQ(runCalc("sunmoon --date 21.6.2003 --time 12.00" + kParis).out,
              "Soleil\t 5.49\t21.56\nLune\t 2.11\t13.30\nPhase\t52 % décroissante\n");
    EXPECT_EQ(lines(runCalc("sunmoon --date 21.6.2003 --lat 70N --lon 0E").out)[0], "Soleil\tSoleil de minuit");
}

TEST(CalcAlmanac, EphemeridesTableHas160RowsWithTheChosenDayEleventh)
{
    const auto rows = lines(runCalc("ephem Soleil --date 21.6.2003" + kParis).out);
    ASSERT_EQ(rows.size(), 160u);
    EXPECT_EQ(rows[10], " 21.6.2003  5.49 21.56");  // a blank after the date column
    const auto radec = lines(runCalc("ephem Mars --radec --date 21.6.2003 --time 0.00" + kParis).out);
    ASSERT_EQ(radec.size(), 160u);
    EXPECT_EQ(radec[10].substr(0, 10), " 21.6.2003");
    EXPECT_EQ(runCalc("ephem Pluton" + kParis).status, 2);
    // A date that fills its column stays apart from the first time; with
    // --days the rows start on the date asked, as they do with --tsv.
    const auto days = lines(runCalc("ephem Lune --days 3 --date 29.11.2026" + kParis).out);
    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(days[0], "29.11.2026 22.38 12.47");
    const auto tsv = lines(runCalc("ephem Lune --days 3 --tsv --date 29.11.2026" + kParis).out);
    ASSERT_EQ(tsv.size(), 4u);
    EXPECT_EQ(tsv[1].substr(0, 10), "2026-11-29");
    EXPECT_EQ(lines(runCalc("ephem Lune --date 29.11.2026" + kParis).out)[10].substr(0, 10), "29.11.2026");
}

TEST(CalcAlmanac, PhasesTwilightAndSeasons)
{
    EXPECT_EQ(runCalc("phases --date 21.6.2003" + kParis).out,
              "4 21.6.2003 16.44\n1 29.6.2003 20.38\n2 7.7.2003 4.32\n3 13.7.2003 21.21\n");
    const std::string twilight = runCalc("twilight --date 21.6.2003" + kParis).out;
    EXPECT_EQ(twilight.substr(0, twilight.find('\n')), "début: Astronomique");
    EXPECT_EQ(lines(twilight).size(), 7u);
    EXPECT_EQ(runCalc("seasons 2003" + kParis).out,
              "Printemps:  le 21 mars  à  2 h 04\nEté:  le 21 juin  à  21 h 12\n"
              "Automne:  le 23 septembre  à  12 h 49\nHiver:  le 22 décembre  à  8 h 03\n");
    EXPECT_EQ(runCalc("seasons 1900" + kParis).status, 2);
}

TEST(CalcAlmanac, VisibilityOfTheNight)
{
    const auto out = lines(runCalc("visibility --date 21.6.2003 --time 3.00" + kParis).out);
    ASSERT_EQ(out.size(), 7u);
    EXPECT_EQ(out[0], " Zarn du 20 au 21 juin 2003 ");
    EXPECT_EQ(out[1].substr(0, 7), "Soleil ");
    EXPECT_EQ(out[6], "Saturne -1 -1");
}

TEST(CalcAlmanac, ConjunctionOppositionAndNextRise)
{
    EXPECT_EQ(runCalc("conjunction Jupiter Saturne --date 1.6.2020" + kParis).out,
              " 21 décembre 2020  à  18h    0° 06'     Capricorne\n 21 décembre 2020  à  22h    0° 06'     \n");
    EXPECT_EQ(lines(runCalc("conjunction Jupiter Saturne --next 1 --date 1.6.2020" + kParis).out)[0].substr(0, 17),
              " 5 novembre 2040 ");
    EXPECT_EQ(runCalc("opposition Mars --date 1.1.2003" + kParis).out, " 28 août 2003  à  19h    Verseau    mag  -2.9\n");
    EXPECT_EQ(runCalc("nextrise Soleil --date 21.6.2003 --time 23.00" + kParis).out,
              " 21 juin 2003  à  23.00\n\n     Le SOLEIL n'est pas visible.\n\n   Prochain lever:   5.49\n");
    EXPECT_EQ(runCalc("conjunction Mars Mars" + kParis).status, 2);
    EXPECT_EQ(runCalc("conjunction Soleil Mars" + kParis).status, 2);
    EXPECT_EQ(runCalc("opposition Vénus" + kParis).status, 2);
    EXPECT_EQ(runCalc("opposition Mars --next x" + kParis).status, 2);
}

TEST(CalcAlmanac, EventsBesideTheSummerTimeChangesShowTheHourInForce)
{
    // Each event falls within a few hours of a change, where the universal
    // date read as a legal one gives the other offset. Reference instants
    // (universal time): conjunctions 28.3.2049 1h50, 25.3.2001 5h57,
    // 31.10.2027 7h59 (in the hour shown twice); phases 25.3.2001 1h21, 26.3.2045 0h56,
    // 28.10.2040 0h27, 25.10.2043 2h27.
    const std::string west = " --lon 74.00W --lat 40.43N --zone -5 --dst 1 --name Ouest";
    const struct {
        std::string args, text, offset;
    } conjunctions[] = {
        {"Saturne --date 27.3.2049 --time 18.00" + kParis, " 28 mars 2049  à  3h49 ", "+02:00"},
        {"Vénus --date 24.3.2001 --time 12.00" + west, " 25 mars 2001  à  0h56 ", "-05:00"},
        {"Vénus --date 30.10.2027 --time 12.00" + west, " 31 octobre 2027  à  2h58 ", "-05:00"},
    };
    for (const auto& c : conjunctions) {
        EXPECT_EQ(lines(runCalc("conjunction Lune " + c.args).out)[0].substr(0, c.text.size()), c.text) << c.args;
        EXPECT_EQ(lines(runCalc("conjunction Lune --tsv " + c.args).out)[1].substr(32, 6), c.offset) << c.args;
    }
    // The Moon and Mercury meet at 2 h 04 of the second pass (zone +4); the
    // next one is a month later, not the same one again.
    const std::string east = " --lon 2.20E --lat 48.51N --zone 4 --dst 1 --name Est";
    EXPECT_EQ(lines(runCalc("conjunction Lune Mercure --next 1 --date 24.10.2071 --time 12.00 --tsv" + east).out)[1].substr(12, 10),
              "2071-11-21");
    std::string phases;
    for (const char* date : {"25.3.2001", "26.3.2045", "28.10.2040", "25.10.2043"})
        phases += runCalc("phases --count 1 --date " + std::string(date) + kParis).out;
    EXPECT_EQ(phases, "1 25.3.2001 3.21\n2 26.3.2045 1.56\n4 28.10.2040 2.27\n4 25.10.2043 3.27\n");
    // The last quarter of 30.10.2067 (1h07 UT) in the second 2 h of the night.
    EXPECT_EQ(lines(runCalc("phases --tsv --count 1 --date 30.10.2067" + kParis).out)[1].substr(3),
              "2067-10-30\t02:08:29\t+01:00");
}
