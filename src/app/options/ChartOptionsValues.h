// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values the chart options work on: a copy of the document's display
// options (the sheet shows those of settings/DisplayOptionTable.h that have a
// place in it), and what the preview pictures are asked to draw.
#include <QColor>
#include <QRect>
#include <QString>

#include <array>
#include <functional>

#include "charts/QtColour.h"
#include "settings/SkyToggles.h"
#include "sky/Colour.h"
#include "sky/SkyColourScale.h"

class QPainter;

namespace zarn {

struct ChartOptionsValues : SkyToggles {
    Colour skyRgb() const { return fromSettingsRgb(skyColour); }

    // The boxes of the " Objets Spéciaux" page.
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
