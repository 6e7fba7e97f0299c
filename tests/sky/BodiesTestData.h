// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seven bodies loaded from the generated ELEMENTS.ZAR of the build.
#include "sky/SolarBodies.h"

#include <gtest/gtest.h>

#include <string>

inline std::string elementsPath() { return std::string(ZARN_DATA_DIR) + "/ELEMENTS.ZAR"; }

inline zarn::SolarBodies loadedBodies()
{
    zarn::SolarBodies bodies;
    const auto error = bodies.load(elementsPath());
    EXPECT_FALSE(error.has_value()) << (error ? error->what() : "");
    return bodies;
}
