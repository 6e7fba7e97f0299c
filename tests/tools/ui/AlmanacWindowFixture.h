// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seven bodies of ELEMENTS.ZAR, an instant that stands for the
// document's, and the zarn-calc options that name the same place and instant.
#include "../../calc/CalcRunner.h"

#include "sky/SolarBodies.h"
#include "time/CInstant.h"
#include "time/Calendar.h"

#include <QTest>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

class AlmanacWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(bodies.load(std::filesystem::path(ZARN_DATA_DIR) / "ELEMENTS.ZAR").has_value());
    }

    // A place east of Greenwich and north of the equator, given in packed
    // degrees as zarn-calc reads them; the instant in its legal time.
    void setInstant(int day, int month, int year, int hour, int minute, double latitudePacked = 48.51)
    {
        latitude = latitudePacked;
        instant = zarn::CInstant(day, month, year, hour, minute, 0,
                                 zarn::CLieu("Test", -zarn::fromPacked(2.20), zarn::fromPacked(latitude) * zarn::kRadPerDeg, 1, 1));
    }

    // zarn-calc's output for the same place and instant, line by line.
    std::vector<std::string> calc(const std::string& command) const
    {
        char options[160];
        std::snprintf(options, sizeof options, " --date %d.%d.%d --time %d.%02d --lon 2.20E --lat %.2fN --zone 1 --dst 1",
                      instant.day(), instant.month(), instant.year(), instant.hour(), instant.minute(), latitude);
        std::vector<std::string> lines;
        std::istringstream in(runCalc(command + options).out);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    zarn::SolarBodies bodies;
    zarn::CInstant instant;
    double latitude = 48.51;
};
