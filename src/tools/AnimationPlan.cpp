// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/AnimationPlan.h"

#include "time/CDateHeure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zarn::animation {

namespace {
// Sun, Mercure, Vénus, Mars, Jupiter, Saturne: the slower the body, the
// longer it takes to draw a telling path across the stars.
constexpr std::array<int, 6> kDefaultMonths = {4, 4, 4, 6, 12, 18};
constexpr std::array<int, 6> kMaximumMonths = {6, 4, 6, 8, 18, 24};

int bodySlot(int body) { return std::clamp(body, 0, 5); }
}  // namespace

int defaultMonths(int body) { return kDefaultMonths[static_cast<std::size_t>(bodySlot(body))]; }

int maximumMonths(int body) { return kMaximumMonths[static_cast<std::size_t>(bodySlot(body))]; }

int defaultStep(int months)
{
    if (months < 2)
        return 1;
    if (months <= 3)
        return 2;
    if (months <= 5)
        return 3;
    if (months <= 9)
        return 6;
    if (months <= 18)
        return 12;
    return 15;
}

int subStep(int step)
{
    if (step <= 5)
        return 1;
    if (step <= 10)
        return 2;
    if (step <= 12)
        return 4;
    return 5;
}

int stepIndex(int step)
{
    int index = 0;
    for (std::size_t i = 0; i < kSteps.size(); ++i)
        if (kSteps[i] <= step)
            index = static_cast<int>(i);
    return index;
}

int totalSubSteps(int months, int step)
{
    if (step <= 0)
        return 0;
    const int mainSteps = static_cast<int>(std::lround(months * 30.0 / step));
    return mainSteps * (step / subStep(step));
}

std::string dateLabel(const CDateHeure& date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d.%d.%02d", date.day(), date.month(), ((date.year() % 100) + 100) % 100);
    return text;
}

}  // namespace zarn::animation
