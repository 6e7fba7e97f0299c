// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The next four principal phases of the Moon from a given day.
#include "time/CInstant.h"

#include <array>
#include <optional>
#include <vector>

namespace zarn {

class CAstre;

enum MoonPhaseCode { kNoPhase = 0, kNewMoon = 1, kFirstQuarter = 2, kFullMoon = 3, kLastQuarter = 4 };

struct PhaseEvent {
    int code = kNoPhase;
    CInstant day;        // the day of the phase, at 0 h
    double hours = 0.0;  // legal time of day, decimal hours
    double universalJulianDay = 0.0;  // the same moment, without doubt in the repeated autumn hour
};

// Which principal phase, if any, falls between 0 h of the day and 0 h of the
// next day.
int phaseCodeOfDay(CAstre& moon, const CInstant& day);

// The four phases from the day of the date on; nothing if the Moon's
// position cannot be followed (bounded search).
std::optional<std::array<PhaseEvent, 4>> nextPhases(CAstre& moon, const CInstant& date);

// The next count phases from the day of the date on, in order.
std::optional<std::vector<PhaseEvent>> principalPhases(CAstre& moon, const CInstant& date, int count);

}  // namespace zarn
