// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which planets can be seen during one night, from 12 h to 12 h the next day.
#include "time/CInstant.h"

#include <array>
#include <string>

namespace zarn {

class CAstre;

struct VisibilityInterval {
    double start = -1.0;  // hours from 0 h of the night's first day; −1 when not visible
    double end = -1.0;
};

struct NightVisibility {
    CInstant night;     // the first day of the night, at 12 h
    int sliderPosition = 0;  // minutes after 12 h, 0..1440
    // The Sun's set and next rise at −0.61° (codes kept as they come).
    VisibilityInterval sun;
    std::array<VisibilityInterval, 5> planets;  // Mercury .. Saturn
    std::array<double, 5> thresholds{};          // the Sun's altitude for each planet, degrees
    std::string title;
};

// The night that an instant belongs to: before 12 h, the one that began the
// evening before. Sets night (at 12 h) and the slider position.
void nightOf(const CInstant& instant, CInstant& night, int& sliderPosition);

// " Zarn du 31 mars au 1 avril 2003 "
std::string nightTitle(const CInstant& night);

// Altitude of the Sun below which the planet (1..5) counts as visible; Mars
// needs a darker sky when it is faint.
double visibilityThreshold(int planetIndex, double marsMagnitude);

// The dark part of the night, in hours from 0 h of its first day, for a
// threshold of the Sun's altitude (degrees): from its set below the threshold
// to its next rise above it. A Sun that never goes below it gives none; a
// Sun that never rises above it darkens the whole night (12 h to 36 h).
struct Darkness {
    double start = 0.0;
    double end = 0.0;
    bool any = false;
};
Darkness darkness(CAstre& sun, double threshold, const CInstant& night);

// The part of the dark that a body spends above the altitude (degrees), or
// an interval of −1 when it spends none.
VisibilityInterval planetInterval(CAstre& planet, const Darkness& dark, const CInstant& night, double altitude);

// planets: Mercury .. Saturn in order.
NightVisibility computeNightVisibility(CAstre& sun, const std::array<CAstre*, 5>& planets,
                                       const CInstant& instant);

// An instant of the night already computed, at the same place: the intervals
// stay and only the slider follows (true). False for another night.
bool followWithinNight(NightVisibility& known, const CInstant& instant);

}  // namespace zarn
