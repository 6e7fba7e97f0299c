// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The timetable of a planet-trajectory animation: how many months each body
// is followed by default and at most, the step between main positions for a
// duration, the finer step of the intermediate points, and how many of those
// finer steps one run lasts.
#include <array>
#include <string>

namespace zarn {

class CDateHeure;

namespace animation {

// The steps offered, in days; the step spin moves through this list.
inline constexpr std::array<int, 10> kSteps = {1, 2, 3, 4, 5, 6, 8, 10, 12, 15};

// Months for a body index 0 Sun … 5 Saturne: the default and the maximum.
int defaultMonths(int body);
int maximumMonths(int body);

// The step (days) suited to a duration of m months.
int defaultStep(int months);
// The days between intermediate points for a step of S days.
int subStep(int step);
// Place of a step in kSteps (the nearest smaller entry for a step not listed).
int stepIndex(int step);
// Intermediate steps of a whole run: round(m × 30 / S) main steps of S / u each.
int totalSubSteps(int months, int step);

// The date written beside the main body at each main step: "%d.%d.%02d".
std::string dateLabel(const CDateHeure& date);

}  // namespace animation
}  // namespace zarn
