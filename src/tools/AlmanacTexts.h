// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the conjunction and opposition results and of the box that says a
// body is not visible.
#include "time/CInstant.h"

#include <string>

namespace zarn {

class CAstre;
struct ConjunctionEvent;

// " 21 décembre 2020  à  14h" for a planet pair (to the nearest hour), with
// "%02d" minutes for the Moon (" 3 mars 2003  à  5h07").
std::string eventDateText(const CInstant& event, bool toTheMinute);
// "0° 06'" followed by five blanks: an angle in degrees and minutes.
std::string separationText(double radians);

// Result 272: the event, its separation and the first body's constellation.
std::string conjunctionEventText(const ConjunctionEvent& found, bool moon, const std::string& constellation);
// Result 274: the instant of the smallest separation and that separation.
std::string conjunctionClosestText(const ConjunctionEvent& found, bool moon);

// Brightness at opposition: 5 log10(r Δ) + the planet's base, and for Saturn
// the rings' share from their tilt B (radians).
double oppositionMagnitude(int planetIndex, double fromSun, double fromEarth, double ringTilt);
// Result 267.
std::string oppositionText(const CInstant& event, const std::string& constellation, double magnitude);

// The box shown when a body asked for is below the horizon; bodyIndex 0 Sun,
// 1..5 planets (name: the planet's name), 6 Moon.
std::string notVisibleTitle(int bodyIndex);
std::string notVisibleText(CAstre& body, int bodyIndex, const std::string& name, const CInstant& instant);
// The same box for a star or deep-sky object chosen by the search.
std::string objectNotVisibleText(CAstre& object, const std::string& name, const CInstant& instant);

}  // namespace zarn
