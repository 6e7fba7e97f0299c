// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file and the document: the display options, the main window's
// place and the observatories read at start-up and written back at closing.
#include "app/DocFiles.h"

#include "app/CZarnDoc.h"
#include "charts/QtColour.h"
#include "shell/CMainFrame.h"
#include "sky/SkyColourScale.h"
#include "time/ZarnSettings.h"

#include <algorithm>

namespace zarn {

void DocFiles::applySettings(const ZarnSettings& s)
{
    DisplayOptions& options = m_doc.options();
    CMainFrame& frame = m_doc.frame();
    options.skyColour = s.skyColour;
    options.skyColourIndex = s.skyColourIndex;
    options.starColouring = s.starColouring;
    std::copy(s.figureFlags.begin(), s.figureFlags.end(), options.figureFlags.begin());
    options.figureFlags[3] = 1;
    options.figureFlags[4] = 1;
    options.figureFlags[5] = 0;
    options.showEcliptic = s.showEcliptic;
    options.showEquator = s.showEquator;
    options.showSun = options.showMoon = options.showPlanets = 1;
    options.printStarNames = s.printStarNames;
    options.names = {s.screenBodyNames, s.screenStarNames, s.screenStarLimit, s.screenConstellationNames};
    options.grid = {s.horizontalGrid, s.equatorialGrid};
    options.nightMode = s.nightMode;
    frame.setNightMode(s.nightMode != 0);
    m_doc.observatories() = s.observatories;
    frame.programPalette().setSkyColour(toQColor(fromSettingsRgb(s.skyColour)));
}

ZarnSettings DocFiles::collectSettings() const
{
    const DisplayOptions& options = m_doc.options();
    const CMainFrame& frame = m_doc.frame();
    ZarnSettings s;
    s.skyColour = options.skyColour;
    s.skyColourIndex = options.skyColourIndex;
    s.starColouring = options.starColouring;
    std::copy_n(options.figureFlags.begin(), 3, s.figureFlags.begin());
    s.showEcliptic = options.showEcliptic;
    s.showEquator = options.showEquator;
    s.printStarNames = options.printStarNames;
    s.screenBodyNames = options.names.bodies;
    s.screenStarNames = options.names.stars;
    s.screenStarLimit = options.names.starLimit;
    s.screenConstellationNames = options.names.constellations;
    s.horizontalGrid = options.grid.horizontal;
    s.equatorialGrid = options.grid.equatorial;
    s.nightMode = options.nightMode;
    const QRect r = frame.normalGeometry();
    s.normalRect = std::array<std::int32_t, 4>{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
    s.showState = frame.isMaximized() ? 3 : (frame.isMinimized() ? 2 : 1);
    s.observatories = m_doc.observatories();
    return s;
}

}  // namespace zarn
