// SPDX-License-Identifier: GPL-3.0-or-later
// zarn-calc catalogue on the generated catalogue.
#include "CalcRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool hasLine(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace

TEST(CalcCatalogue, ListsTheFourKindsOfTheBrowser)
{
    const CalcResult names = runCalc("catalogue 0");
    ASSERT_EQ(names.status, 0) << names.out;
    const auto byName = linesOf(names.out);
    ASSERT_EQ(byName.size(), 88u);
    EXPECT_EQ(byName.front(), "Aigle *AQL*Aquila*Aquilae");
    EXPECT_TRUE(hasLine(byName, "Chevelure de Bérénice *COM*Coma Berenices*Comae Berenices"));

    const auto byAbbreviation = linesOf(runCalc("catalogue 1").out);
    ASSERT_EQ(byAbbreviation.size(), 88u);
    EXPECT_EQ(byAbbreviation.front(), "AND *Andromède*Andromeda*Andromedae");

    const auto stars = linesOf(runCalc("catalogue 2").out);
    EXPECT_TRUE(hasLine(stars, "Sirius*-1.5* 6.45*-16.43"));
    EXPECT_TRUE(hasLine(stars, "Bételgeuse* 0.5* 5.55*  7.24"));
    EXPECT_TRUE(hasLine(stars, "Castor* 1.6* 7.35* 31.53"));  // its eye magnitude

    const auto deepSky = linesOf(runCalc("catalogue 3").out);
    EXPECT_EQ(deepSky.size(), 110u);
    EXPECT_TRUE(hasLine(deepSky, "Pléiades* 3.47* 24.07"));
}

TEST(CalcCatalogue, CountsAndRefusals)
{
    const CalcResult stats = runCalc("catalogue stats");
    ASSERT_EQ(stats.status, 0) << stats.out;
    EXPECT_EQ(stats.out.rfind("constellations=88 stars=", 0), 0u) << stats.out;
    EXPECT_NE(stats.out.find(" deepsky=110 "), std::string::npos) << stats.out;
    for (const char* bad : {"catalogue", "catalogue 4", "catalogue -1", "catalogue 0 1", "catalogue x"})
        EXPECT_EQ(runCalc(bad).status, 2) << bad;
}
