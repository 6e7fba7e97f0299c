// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalcRunner.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {
const std::string kGreenwichUt = " --date 1.1.2000 --time 12.00 --lon 0.00E --lat 51.28N --zone 0 --dst 0";

std::map<std::string, double> pairs(const std::string& line)
{
    std::map<std::string, double> values;
    std::istringstream in(line);
    std::string pair;
    while (in >> pair) {
        const auto eq = pair.find('=');
        if (eq != std::string::npos)
            values[pair.substr(0, eq)] = std::stod(pair.substr(eq + 1));
    }
    return values;
}
}  // namespace

TEST(CalcPosition, KeysAndValuesOfEachBody)
{
    const CalcResult sun = runCalc("position Soleil" + kGreenwichUt);
    ASSERT_EQ(sun.status, 0) << sun.out;
    EXPECT_EQ(sun.out.rfind("ra=", 0), 0u);
    EXPECT_EQ(sun.out.back(), '\n');
    auto v = pairs(sun.out);
    EXPECT_EQ(v.size(), 7u);
    EXPECT_NEAR(v["lon"], 280.37, 0.02);  // 1 January 2000 at noon
    EXPECT_NEAR(v["dist"], 0.98333, 1e-4);
    EXPECT_NEAR(v["alt"], 90 - 51.4667 - 23.03, 0.1);  // near the meridian at noon
    EXPECT_NE(sun.out.find(" dec=-23.0"), std::string::npos) << sun.out;

    v = pairs(runCalc("position Lune" + kGreenwichUt).out);
    EXPECT_EQ(v.size(), 11u);
    EXPECT_NEAR(v["lon"], 223.32, 0.05);
    EXPECT_NEAR(v["lat"], 5.17, 0.02);
    EXPECT_NEAR(v["k"], 0.23, 0.01);
    EXPECT_GT(v["i"], 0.0);  // waning

    v = pairs(runCalc("position Saturne" + kGreenwichUt).out);
    EXPECT_EQ(v.size(), 8u);
    EXPECT_NEAR(v["B"], -19.1, 0.3);

    EXPECT_EQ(runCalc("position Venus" + kGreenwichUt).out,
              runCalc("position Vénus" + kGreenwichUt).out);
}

TEST(CalcPosition, UnknownBodyIsRefused)
{
    const CalcResult r = runCalc("position Pluton" + kGreenwichUt);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("Pluton"), std::string::npos);
    EXPECT_EQ(runCalc("position" + kGreenwichUt).status, 2);
}
