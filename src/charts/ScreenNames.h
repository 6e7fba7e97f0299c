// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names written on the screen charts: the Sun, the Moon and the planets, the
// bright named stars down to a limiting magnitude that grows as the user
// zooms in, and the constellations at the middle of their figures. Placed
// with the printed names' rule (eight positions round the point, the first
// free one wins), never over a named object's symbol, and kept until the
// chart places its objects again or the choice of names changes.
#include <cstdint>
#include <string>
#include <vector>

#include "charts/ScreenNameOptions.h"
#include "sky/CSurface.h"

namespace zarn {

class CAstre;
class CCarte;
class CConstellation;

struct ScreenName {
    std::string text;
    SRect box;                      // where the text stands, chart units
    const CAstre* object = nullptr; // null for a constellation name
    Colour colour = 0;
};

// The faintest star named at a zoom factor: the chosen limit at ×1, one
// magnitude more for every factor of 2.5 (the density of names on the sky
// then stays about the same on the screen). Tenths of magnitude.
int starNameLimit(const ScreenNameOptions& options, double zoom);

class CScreenNames {
public:
    // Chooses and places the names for the chart's screen placements; the
    // surface carries the chart's clip (names stand wholly inside it) and
    // the font the names are written in. Names also stand wholly inside
    // `shown` (chart units) when it is not empty: the part of a magnified
    // or scrolled chart in the window, whose landscape hides what it covers.
    void Place(CSurface& dc, CCarte& chart, const ScreenNameOptions& options, double zoom, const SFont& font,
               std::uint32_t flags, SRect shown = {});
    // Places the names unless they were placed for the same chart
    // placements, options, zoom, font, flags and part shown.
    void PlaceIfChanged(CSurface& dc, CCarte& chart, const ScreenNameOptions& options, double zoom,
                        const SFont& font, std::uint32_t flags, SRect shown = {});
    // Draws the names; the one of `labelled` is left to the window's own
    // label (the chosen or hovered object, named there already).
    void Draw(CSurface& dc, const CAstre* labelled = nullptr) const;
    // Forgets the names: the next paint places them again.
    void Clear() { m_names.clear(); m_key = {}; }
    const std::vector<ScreenName>& Names() const { return m_names; }

    // What the names were placed for; a paint with another key places again.
    struct Key {
        const CCarte* chart = nullptr;
        unsigned generation = 0;
        ScreenNameOptions options;
        double zoom = 0.0;
        int fontHeight = 0;
        std::uint32_t flags = 0;
        // The part of the chart in the window when it is magnified or
        // scrolled; empty for a whole round chart.
        SRect shown;
        bool operator==(const Key&) const = default;
    };

private:
    std::vector<ScreenName> m_names;
    SFont m_font;
    Key m_key;
};

}  // namespace zarn
