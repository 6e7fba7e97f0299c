// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options/PreviewDrawing.h"

#include "charts/CCarteConstellation.h"
#include "charts/CQtSurface.h"
#include "charts/ConstellationsViewHost.h"
#include "sky/CConstellation.h"
#include "ui/CProgramPalette.h"
#include "sky/SkyModel.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zarn {

namespace {

// The scale at which the constellation's stars, around the map's centre,
// fill the picture with a small margin.
double fittingScale(CCarteConstellation& chart, const CConstellation& constellation, const QRect& rect)
{
    double extentX = 0.05;
    double extentY = 0.05;
    for (CAstre* star : constellation.objects()) {
        double x = 0.0;
        double y = 0.0;
        if (star && chart.Project(*star, 0.0, x, y)) {
            extentX = std::max(extentX, std::fabs(x));
            extentY = std::max(extentY, std::fabs(y));
        }
    }
    return 0.45 * std::min(rect.width() / extentX, rect.height() / extentY);
}

}  // namespace

PreviewDrawer previewDrawer(ChartHost& host, const SkyModel& sky, const CProgramPalette& palette)
{
    return [&host, &sky, colours = palette.colours()](QPainter& painter, const QRect& rect, const PreviewScene& scene) {
        const CConstellation* constellation = sky.ciel().findLast(scene.constellation.toStdString());
        if (!constellation)
            return;
        // The picture's sky is the page's working colour, not yet the program's.
        PaletteColours pictureColours = colours;
        pictureColours[kSkyPaletteEntry] = scene.sky;
        CQtSurface dc(painter, pictureColours, CQtSurface::ScreenDevice(*painter.device()));
        // The map's own display bits, with nothing but the stars and the two lines.
        ConstellationDisplay display;
        display.starColouring = scene.colouredStars ? 1 : 0;
        display.showEcliptic = scene.ecliptic;
        display.showEquator = scene.equator;
        display.showSun = display.showMoon = display.showPlanets = 0;
        display.figureFlags[3] = 0;
        const std::uint32_t flags = constellationDrawFlags(display, false);
        CCarteConstellation chart(host);
        chart.SetConstellation(constellation);
        dc.Save();
        dc.SetOrigin({rect.center().x(), rect.center().y()});
        chart.DrawPreview(dc, flags, fittingScale(chart, *constellation, rect), *constellation);
        dc.Restore();
    };
}

}  // namespace zarn
