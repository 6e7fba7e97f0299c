// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings of ZARN.INI as values: chart options, the main window's
// placement and the observatories, read from and written to a Profile.
// Reading never fails: a missing or unreadable value takes its default and an
// unreadable observatory record is skipped.
#include "time/CLieu.h"
#include "time/Profile.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace zarn {

struct ZarnSettings {
    // "Cartes"
    std::uint32_t skyColour = 0;  // 0x00RRGGBB
    int skyColourIndex = 0;       // slider position 0..35
    int starColouring = 1;        // 0 white, 1 coloured
    // Constellation figures of the sky window: whole sky, zenith, horizon.
    std::array<int, 3> figureFlags{0, 0, 0};
    int showEquator = 1;
    int showEcliptic = 1;
    // Names written on the screen charts (keys of their own; a file without
    // them gives these values).
    int screenBodyNames = 1;
    int screenStarNames = 0;
    int screenStarLimit = 25;  // tenths of magnitude, 15..40
    int screenConstellationNames = 0;
    int horizontalGrid = 0;
    int equatorialGrid = 0;
    // Red on black on the screen (never on paper).
    int nightMode = 0;
    // "Impression"
    int printStarNames = 1;
    // "Position": left, top, right, bottom; nothing means the whole screen.
    std::optional<std::array<std::int32_t, 4>> normalRect;
    int showState = 3;  // 3 maximised, 1 normal, 2 minimised
    // "Observatoires": element 0 is the current place.
    std::vector<CLieu> observatories;
    // False when the file held records that were skipped or beyond the
    // limit: writing the list back would lose them.
    bool observatoriesWhole = true;
};

// A hostile file could list any number of places; more than this is not a
// list a person keeps, and the rest is ignored.
constexpr int kMaxObservatories = 500;
constexpr int kMaxSkyColourIndex = 35;

ZarnSettings readSettings(const Profile& profile);

// Observatory n of the profile: its record "no%d", its name "lieu%d" and,
// when the place follows a zone of the time-zone database, "tz%d" (a zone
// the database does not know leaves the record's zone and flag in force).
// Nothing when the record is missing or damaged.
std::optional<CLieu> observatoryOf(const Profile& profile, int n);

// Writes every key into the profile, keeping its other sections and keys. On a
// 16-colour display the sky and star colour keys keep their stored values.
void writeSettings(const ZarnSettings& settings, Profile& profile, bool sixteenColours);

}  // namespace zarn
