// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// « Ce soir »: the plan of one night for the observer, from 12 h to 12 h the
// next day as in the visibility chart. When it is dark, where the Moon is,
// which planets can be seen (when, where, how bright), what happens that
// night, and what stands high in the dark. The window, the printed page and
// zarn-calc show the texts computed here once.
#include "sky/SolarBodies.h"
#include "time/CInstant.h"
#include "tools/PlanetVisibility.h"

#include <array>
#include <string>
#include <vector>

namespace zarn {

class SkyModel;

// Times of the plan are hours from 0 h of the night's first day in legal
// time (24 and more: the next morning), or negative when there is none.

// The Sun's crossings of one altitude: its set in the evening and its rise in
// the morning, as the twilight table of each day gives them.
struct TwilightLimits {
    double altitude = 0.0;  // degrees: −0.61, −6, −12, −18
    Darkness dark;          // from the set to the rise; any = false when the Sun stays above
};

struct PlanetPlan {
    int index = 0;  // 1 Mercure .. 5 Saturne
    std::string name;
    bool observable = false;
    VisibilityInterval interval;  // above 10° with the Sun below −6°
    double bestHour = -1.0;       // highest in the dark part of the interval
    double altitude = 0.0;        // degrees, at the best hour
    std::string direction;        // compass point at the best hour ("SSO")
    double magnitude = 0.0;
    std::string constellation;
    std::string reason;  // why it cannot be seen ("trop près du Soleil" ...)
    double elongation = 0.0;  // from the Sun, degrees, at the middle of the night
};

struct MoonPlan {
    double fraction = 0.0;  // illuminated, 0..1, at the middle of the night
    bool waxing = false;
    double rise = -1.0;     // the first rise and set after 12 h
    double set = -1.0;
    int riseCode = 0;       // −101 / −102 when the Moon does not rise or set that night
    std::vector<VisibilityInterval> inDark;  // when it is up in the dark window
    double spoiledHours = 0.0;  // real hours, also across a change of legal time
    double darkHours = 0.0;
};

struct NightEvent {
    double hours = -1.0;  // legal hours from 0 h of the night's first day
    std::string kind;     // "conjonction", "rapprochement", "opposition", "phase", "heure", "saison"
    std::string text;
};

struct HighObject {
    std::string name;
    std::string constellation;
    std::string direction;
    double magnitude = 0.0;
    double altitude = 0.0;  // degrees
    bool deepSky = false;
};

// A point of the small whole-sky chart: (x, y) in the unit disc of the
// horizon, north up and east to the left as the sky is seen overhead.
struct ChartMark {
    double x = 0.0;
    double y = 0.0;
    double magnitude = 0.0;
    int body = -1;  // 0..6 for the Sun, the planets and the Moon; −1 for a star or object
    bool deepSky = false;
    std::string label;
};

struct NightSection {
    std::string title;
    std::vector<std::string> lines;
};

struct NightPlan {
    CInstant night;     // the first day of the night, at 12 h
    std::string title;  // "Ce soir : nuit du 9 au 10 décembre 2026 à Paris"
    std::array<TwilightLimits, 4> twilight;  // −0.61°, −6°, −12°, −18°
    // The darkest window the night has: astronomical night, else nautical,
    // else civil; darkLevel is its index in twilight, −1 when the Sun stays up.
    Darkness darkWindow;
    int darkLevel = -1;
    double darkHours = 0.0;  // its length in real hours
    double middle = 0.0;  // middle of the dark window (of the night when it has none)
    MoonPlan moon;
    std::array<PlanetPlan, 5> planets;
    std::vector<NightEvent> events;
    std::vector<HighObject> stars;    // brightest first
    std::vector<HighObject> deepSky;  // brightest first
    std::vector<std::string> meridianConstellations;
    std::vector<ChartMark> chart;
    std::vector<NightSection> sections;  // the texts, as shown and printed
};

// The plan of the night that contains the instant. bodies are copied (the
// document's bodies never move); the sky gives the stars, the objects and
// the constellations.
NightPlan computeNightPlan(const SolarBodies& bodies, const SkyModel& sky, const CInstant& instant);

// The whole plan as text, one section after the other.
std::string nightPlanText(const NightPlan& plan);

// "22.30" for a time of the plan (the hours of the next day counted from 0 h).
std::string nightTimeText(double hours);

// "N", "NNE", … "NNO" for an azimuth counted from the South towards the West.
std::string compassPoint(double azimuth);

}  // namespace zarn
