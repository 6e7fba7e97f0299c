// SPDX-License-Identifier: GPL-3.0-or-later
// zarn-calc as scripts use it: help and version, bounded ranges, and the
// tab-separated output read back.
#include "CalcRunner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <vector>

namespace {
const std::string kParis = " --lon 2.20E --lat 48.51N --zone 1 --dst 1 --name Paris";

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        out.push_back(part);
    if (!text.empty() && text.back() == separator && separator == '\t')
        out.emplace_back();
    return out;
}

std::size_t lineCount(const std::string& text) { return split(text, '\n').size(); }

// A table read back: every row has the header's column count, and each
// column named like a date, a time, an offset or an angle holds one.
std::vector<std::vector<std::string>> readTsv(const std::string& text, std::size_t columns)
{
    const std::regex date(R"(\d{4}-(0[1-9]|1[0-2])-(0[1-9]|[12]\d|3[01]))");
    const std::regex time(R"(([01]\d|2[0-3]):[0-5]\d:[0-5]\d)");
    const std::regex offset(R"([+-]\d\d:00)");
    const auto lines = split(text, '\n');
    EXPECT_GE(lines.size(), 2u) << text;
    const auto header = split(lines.at(0), '\t');
    EXPECT_EQ(header.size(), columns) << lines.at(0);
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto row = split(lines[i], '\t');
        EXPECT_EQ(row.size(), header.size()) << lines[i];
        for (std::size_t c = 0; c < std::min(row.size(), header.size()); ++c) {
            const std::string& name = header[c];
            const std::string& field = row[c];
            if (field.empty())
                continue;  // no event
            if (name == "date" || name.find("_date") != std::string::npos)
                EXPECT_TRUE(std::regex_match(field, date)) << name << " " << field;
            else if (name == "heure" || name.find("heure") != std::string::npos || name.find("lever") == 0 ||
                     name.find("coucher") == 0)
                EXPECT_TRUE(std::regex_match(field, time)) << name << " " << field;
            else if (name == "ecart_tu")
                EXPECT_TRUE(std::regex_match(field, offset)) << field;
            else if (name == "ra" || name == "dec" || name == "separation" || name == "alt" || name == "az") {
                char* end = nullptr;
                std::strtod(field.c_str(), &end);
                EXPECT_EQ(*end, '\0') << name << " " << field;
            }
        }
        rows.push_back(row);
    }
    return rows;
}
}  // namespace

TEST(CalcScript, HelpAndVersionGoToStdoutWithStatus0)
{
    for (const char* args : {"--help", "-h", "seasons --help", "position -h --tsv"}) {
        const CalcResult r = runCalc(args, true);
        EXPECT_EQ(r.status, 0) << args;
        EXPECT_EQ(r.out.rfind("usage : zarn-calc", 0), 0u) << args;
    }
    EXPECT_NE(runCalc("seasons --help", true).out.find("ANNEE [ANNEE_FIN]"), std::string::npos);
    const CalcResult version = runCalc("--version", true);
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(std::regex_match(version.out, std::regex("zarn-calc \\d+\\.\\d+.*\n")));
}

TEST(CalcScript, UnknownCommandOrOptionIsRefusedOnStderrWithStatus2)
{
    for (const char* args : {"--frob", "nosuch", "phases --frob", "seasons 2026 --count", "jd --tsv", ""}) {
        const CalcResult r = runCalc(args, true);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
    }
    EXPECT_EQ(runCalc("phases --frob").out.rfind("Option inconnue : --frob\n", 0), 0u);
    // A table that cannot be written is a failure, not a success.
    EXPECT_EQ(runCalc("seasons 1901 2099 --tsv" + kParis + " >/dev/full").status, 1);
}

TEST(CalcScript, RangesAreBoundedAndAcceptedUpToTheirLimits)
{
    struct Case {
        std::string args;
        std::string refusal;  // empty: accepted
    } cases[] = {
        {"seasons 1901 2099", ""},
        {"seasons 1900 2000", "Tapez un nombre entier compris entre 1901 et 2099.\n"},
        {"seasons 2000 2100", "Tapez un nombre entier compris entre 1901 et 2099.\n"},
        {"seasons 2001 2000", "L'année de fin précède l'année de début.\n"},
        {"phases --count 0", "--count : tapez un nombre entier compris entre 1 et 10000.\n"},
        {"phases --count 10001", "--count : tapez un nombre entier compris entre 1 et 10000.\n"},
        {"ephem Mars --days 0", "--days : tapez un nombre entier compris entre 1 et 3660.\n"},
        {"ephem Mars --days 3661", "--days : tapez un nombre entier compris entre 1 et 3660.\n"},
        {"position Mars --every 1.00 --count 100001",
         "--count : tapez un nombre entier compris entre 1 et 100000.\n"},
        {"position Mars --every 1.60 --count 2",
         "--every : tapez un pas en heures et minutes H.MM, par exemple 1.00 ou 0.30.\n"},
        {"position Mars --every 0.00 --count 2",
         "--every : tapez un pas en heures et minutes H.MM, par exemple 1.00 ou 0.30.\n"},
        {"position Mars --count 2", "Donnez ensemble --every H.MM et --count N.\n"},
        // At 0.30 in Paris the last step is still 2099 in universal time,
        // but its printed date is 1.1.2100.
        {"position Mars --every 24.00 --count 366 --date 1.1.2099 --time 0.30",
         "La dernière position tomberait après l'an 2099 : réduisez le pas ou le nombre.\n"},
        // Every list ends with the program's last year: the 49th phase from
        // 1.1.2099 is the full Moon of 27.12.2099, the 50th in 2100.
        {"phases --count 49 --date 1.1.2099", ""},
        {"phases --count 50 --date 1.1.2099", "La dernière phase tomberait après l'an 2099 : réduisez le nombre.\n"},
        {"ephem Lune --days 3660 --date 24.12.2089", ""},
        {"ephem Lune --days 3660 --date 25.12.2089",
         "Le dernier jour tomberait après l'an 2099 : réduisez le nombre de jours (--days N).\n"},
        {"ephem Lune --date 4.8.2099", ""},  // the window's 160 rows end on 31.12.2099
        {"ephem Lune --date 5.8.2099",
         "Le dernier jour tomberait après l'an 2099 : réduisez le nombre de jours (--days N).\n"},
        {"conjunction Mercure Jupiter --next 1000 --date 27.10.2006",
         "La dernière conjonction demandée tomberait après l'an 2099 : réduisez le nombre.\n"},
        {"conjunction Mercure Jupiter --next 1001", "--next : tapez un nombre entier compris entre 0 et 1000.\n"},
        {"opposition Mars --next 60 --date 1.1.1990",
         "La dernière opposition demandée tomberait après l'an 2099 : réduisez le nombre.\n"},
    };
    for (const Case& c : cases) {
        const bool dated = c.args.find("--date") != std::string::npos;
        const CalcResult r = runCalc(c.args + (dated ? "" : " --date 1.1.2026") + kParis);
        EXPECT_EQ(r.status, c.refusal.empty() ? 0 : 2) << c.args;
        if (!c.refusal.empty()) {
            EXPECT_EQ(r.out, c.refusal) << c.args;
        }
    }
    // The upper limits themselves: one line per item (four per season year,
    // and the title of each year when there are several).
    EXPECT_EQ(lineCount(runCalc("seasons 1901 2099" + kParis).out), 199u * 5);
    EXPECT_EQ(lineCount(runCalc("phases --count 49 --date 1.1.2099" + kParis).out), 49u);
    EXPECT_EQ(lineCount(runCalc("ephem Lune --days 3660 --date 24.12.2089" + kParis).out), 3660u);
    EXPECT_EQ(lineCount(runCalc("position Mars --every 0.01 --count 100000 --date 1.1.2026" + kParis).out),
              100000u);
    EXPECT_EQ(runCalc("position Mars --every 24.00 --count 365 --date 1.1.2099 --time 0.00" + kParis).status, 0);
}

TEST(CalcScript, TsvOfSeasonsAndPhasesMatchesTheWindowsTexts)
{
    const auto seasons = readTsv(runCalc("seasons 2026 --tsv" + kParis).out, 4);
    ASSERT_EQ(seasons.size(), 4u);
    // The window: "Eté:  le 21 juin  à  10 h 24", summer time in force.
    EXPECT_EQ(seasons[1][0], "ete");
    EXPECT_EQ(seasons[1][1], "2026-06-21");
    EXPECT_EQ(seasons[1][2].substr(0, 5), "10:23");  // 10:23:46, shown rounded as 10 h 24
    EXPECT_EQ(seasons[1][3], "+02:00");
    EXPECT_EQ(seasons[3][3], "+01:00");

    const auto phases = readTsv(runCalc("phases --count 6 --tsv --date 8.12.2026" + kParis).out, 4);
    const auto texts = split(runCalc("phases --count 6 --date 8.12.2026" + kParis).out, '\n');
    ASSERT_EQ(phases.size(), 6u);
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(phases[0][0], "NL");
    EXPECT_EQ(texts[0], "1 9.12.2026 1.52");
    EXPECT_EQ(phases[0][1], "2026-12-09");
    EXPECT_EQ(phases[0][2].substr(0, 5), "01:51");
}

TEST(CalcScript, TsvOfTheOtherCommandsReadsBack)
{
    const std::string at = " --tsv --date 28.3.2026 --time 22.00" + kParis;
    EXPECT_EQ(readTsv(runCalc("ephem Lune --days 20" + at).out, 7).size(), 20u);
    EXPECT_EQ(readTsv(runCalc("ephem Mars --radec --days 5" + at).out, 5).size(), 5u);
    EXPECT_EQ(readTsv(runCalc("twilight" + at).out, 5).size(), 8u);
    EXPECT_EQ(readTsv(runCalc("conjunction Mars Jupiter" + at).out, 5).size(), 2u);
    EXPECT_EQ(readTsv(runCalc("opposition Jupiter" + at).out, 5).size(), 1u);
    const auto moon = readTsv(runCalc("position Lune --every 0.30 --count 3" + at).out, 3 + 7 + 4);
    ASSERT_EQ(moon.size(), 3u);
    EXPECT_EQ(moon[2][0], "2026-03-28");
    EXPECT_EQ(moon[2][1], "23:00:00");
    // The night of the change to summer time: the Sun sets at 19.23 and rises
    // at 31.60 h (7 h 36 summer time); both ends are given at the evening's
    // offset, so the interval keeps its true length.
    const auto night = readTsv(runCalc("visibility" + at).out, 6);
    ASSERT_EQ(night.size(), 6u);
    EXPECT_EQ(night[0][2], "19:14:04");
    EXPECT_EQ(night[0][3], "2026-03-29");
    EXPECT_EQ(night[0][4], "06:36:14");
    EXPECT_EQ(night[0][5], "+01:00");
}

TEST(CalcScript, StepsOfPositionsStayEvenAcrossBothSummerTimeChanges)
{
    // Half-hour steps in universal time: the legal clock jumps from 1.30 to
    // 3.00 in March; in October it reaches 3.00 (the minute of the change,
    // which the rule reads as summer time) and goes back to 2.30, while the
    // Sun's right ascension keeps growing by the same amount at every step.
    const std::string args = " --every 0.30 --count 8 --time 0.00 --tsv" + kParis;
    const auto march = readTsv(runCalc("position Soleil --date 29.3.2026" + args).out, 10);
    const auto october = readTsv(runCalc("position Soleil --date 25.10.2026" + args).out, 10);
    ASSERT_EQ(march.size(), 8u);
    ASSERT_EQ(october.size(), 8u);
    EXPECT_EQ(march[4][1] + march[4][2], "03:00:00+02:00");
    EXPECT_EQ(october[6][1] + october[6][2], "03:00:00+02:00");
    EXPECT_EQ(october[7][1] + october[7][2], "02:30:00+01:00");
    for (const auto* rows : {&march, &october}) {
        const double step = std::stod((*rows)[1][3]) - std::stod((*rows)[0][3]);
        for (std::size_t i = 1; i < rows->size(); ++i)
            EXPECT_NEAR(std::stod((*rows)[i][3]) - std::stod((*rows)[i - 1][3]), step, 1e-4) << (*rows)[i][1];
    }
}
