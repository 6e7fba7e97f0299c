// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options of the sky window's charts beyond what they drew at first: which
// names the screen charts write (the printed page keeps its own rule) and
// the coordinate grids.

namespace zarn {

struct ScreenNameOptions {
    int bodies = 1;           // the Sun, the Moon and the planets
    int stars = 0;            // the named stars down to starLimit
    int starLimit = 25;       // tenths of magnitude, 15 … 40
    int constellations = 0;   // constellation names at their figures' middle
    bool operator==(const ScreenNameOptions&) const = default;

    static constexpr int kMinStarLimit = 15;
    static constexpr int kMaxStarLimit = 40;
    bool any() const { return bodies || stars || constellations; }
};

struct SkyGridOptions {
    int horizontal = 0;  // altitude–azimuth grid
    int equatorial = 0;  // right ascension–declination grid
    bool operator==(const SkyGridOptions&) const = default;
    bool any() const { return horizontal || equatorial; }
};

}  // namespace zarn
