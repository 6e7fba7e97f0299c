// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values the chart options work on: copies of the document's sky colour,
// slider position, star colouring and special objects, and what the preview
// pictures are asked to draw.
#include <QColor>
#include <QRect>
#include <QString>

#include <array>
#include <functional>

#include "charts/ScreenNameOptions.h"
#include "charts/QtColour.h"

class QPainter;

namespace zarn {

struct ChartOptionsValues {
    Colour skyColour = 0;  // plain red, green, blue
    int skyColourIndex = 0;
    int starColouring = 1;  // 0 white stars, 1 coloured stars
    // Sun, Moon, planets, ecliptic, equator (0 or 1 each).
    std::array<int, 5> specialObjects{1, 1, 1, 1, 1};
    ScreenNameOptions names;
    SkyGridOptions grid;

    static constexpr int kSun = 0, kMoon = 1, kPlanets = 2, kEcliptic = 3, kEquator = 4;
};

// One constellation as a preview shows it.
struct PreviewScene {
    QString constellation;
    QColor sky;
    bool colouredStars = true;
    bool ecliptic = false;
    bool equator = false;
};

using PreviewDrawer = std::function<void(QPainter&, const QRect&, const PreviewScene&)>;

}  // namespace zarn
