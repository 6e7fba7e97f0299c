// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The beginnings of the four seasons of a year: the instants at which the
// Sun's apparent longitude reaches 0°, 90°, 180° and 270°.
#include "time/CInstant.h"

#include <array>
#include <string>

namespace zarn {

class CSoleil;

struct SeasonsOfYear {
    std::array<CInstant, 4> starts;  // legal time at the place, rounded to the minute
    std::array<double, 4> universalJulianDays{};  // the same instants, unrounded
    std::string text;                // the dialog's text: "\n" then four lines, each + "\n\n"
    std::array<std::string, 4> lines;
};

// The computation runs on a private copy of the Sun, so the caller's Sun is
// not moved; place: the observatory whose legal time is shown.
SeasonsOfYear computeSeasons(const CSoleil& sun, const CLieu& place, int year);

// " Saisons 2003"
std::string seasonsTitle(int year);

}  // namespace zarn
