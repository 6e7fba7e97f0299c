// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Sun and the Moon of one day: rise and set times, the texts of the day
// and the phase text.
#include "time/CInstant.h"

#include <string>

namespace zarn {

class CAstre;

struct SunMoonDay {
    // h.mm values, or the codes −1, −101, −102.
    double sunRise = -1.0;
    double sunSet = -1.0;
    double moonRise = -1.0;
    double moonSet = -1.0;
    // The Moon sets before it rises that day: its two values were exchanged.
    bool moonSetFirst = false;

    // "%5.2f" of each value, or "  -   ".
    std::string sunRiseText, sunSetText, moonRiseText, moonSetText;
    // "Soleil de minuit", "Soleil invisible", "Lune toujours visible",
    // "Lune invisible", or empty when the two times are shown.
    std::string sunText, moonText;
    // "63 %\ncroissante"
    std::string phaseText;
};

SunMoonDay computeSunMoonDay(CAstre& sun, CAstre& moon, const CInstant& date);

// "%5.2f" of an h.mm value, or "  -   " when it is not a time of the day.
std::string dayTimeText(double value);

}  // namespace zarn
