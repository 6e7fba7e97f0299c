// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seven bodies read from the generated ELEMENTS.ZAR, and places.
#include "sky/SolarBodies.h"
#include "time/Calendar.h"
#include "time/CInstant.h"

#include <gtest/gtest.h>

class Almanac : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(bodies.load(std::filesystem::path(ZARN_DATA_DIR) / "ELEMENTS.ZAR").has_value());
    }
    static zarn::CLieu at(double latitudeDegrees, double longitudeWest = -2.3333, int zone = 1, int dst = 1)
    {
        return zarn::CLieu("Test", longitudeWest, latitudeDegrees * zarn::kRadPerDeg, zone, dst);
    }
    static zarn::CLieu paris() { return at(48.85); }
    zarn::SolarBodies bodies;
};
