// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five time scales of the time bar (legal, universal, local mean solar,
// true solar and local sidereal time) as the texts the bar shows.
#include "time/CInstant.h"

#include <array>
#include <optional>
#include <string>

namespace zarn {

struct TimeScale {
    const char* label;  // "Temps :  Légal", "Universel", ...
    std::string value;  // " 22.30", " 14.05.33" ...
};

struct TimeBarTexts {
    std::string date;                  // "%2d.%02d.%02d" of day, month, year
    std::array<TimeScale, 5> scales;   // legal, universal, mean solar, true solar, sidereal
};

// sunRightAscension: the Sun's right ascension (radians) computed for the
// instant's centuries; without it the true solar time shows "--".
TimeBarTexts timeBarTexts(const CInstant& instant, std::optional<double> sunRightAscension);

}  // namespace zarn
