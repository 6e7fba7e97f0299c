// SPDX-License-Identifier: GPL-3.0-or-later
// The document's display options: those the chart options sheet hands back
// on OK, with the views told whether the user objects were made again, and
// the figure, altitude scale and grid toggles.
#include "app/CZarnDoc.h"

#include "ui/Hints.h"
#include "ui/CommandIds.h"
#include "charts/ui/SkyChartSet.h"
#include "shell/CMainFrame.h"
#include "sky/CNouvelObjet.h"
#include "sky/SkyColourScale.h"

namespace zarn {

void CZarnDoc::applyChartOptions(const ChartOptionsValues& values, const std::vector<UserObjectEntry>* userObjects)
{
    m_options.skyColour = toSettingsRgb(values.skyColour);
    m_options.skyColourIndex = values.skyColourIndex;
    m_options.starColouring = values.starColouring;
    m_options.showSun = values.specialObjects[ChartOptionsValues::kSun];
    m_options.showMoon = values.specialObjects[ChartOptionsValues::kMoon];
    m_options.showPlanets = values.specialObjects[ChartOptionsValues::kPlanets];
    m_options.showEcliptic = values.specialObjects[ChartOptionsValues::kEcliptic];
    m_options.showEquator = values.specialObjects[ChartOptionsValues::kEquator];
    m_options.names = values.names;
    m_options.grid = values.grid;
    m_frame.programPalette().setSkyColour(toQColor(values.skyColour));
    if (!userObjects) {
        UpdateAllViews(nullptr, hint::Options);
        return;
    }
    // The old objects are deleted: nothing may point at them any more.
    if (m_navigator.viewedObject() && dynamic_cast<CNouvelObjet*>(m_navigator.viewedObject()))
        m_navigator.showChart(m_navigator.chartKind(), QStringLiteral("Ciel"), true);
    if (m_charts)
        m_charts->ClearPlacements();
    rebuildUserObjects(m_sky, *userObjects, m_instant);
    UpdateAllViews(nullptr, hint::UserObjects);
}

void CZarnDoc::toggleFigures()
{
    CDocView* view = focusedView();
    int flag = -1;
    if (view) {
        switch (view->viewKind()) {
        case ViewKind::Sky: flag = m_navigator.chartKind(); break;
        case ViewKind::Constellations: flag = 3; break;
        case ViewKind::Animation: flag = 4; break;
        case ViewKind::Conjonction: flag = 5; break;
        default: break;
        }
    }
    if (flag >= 0)
        m_options.figureFlags[flag] = !m_options.figureFlags[flag];
    UpdateAllViews(nullptr, hint::Figures, view);
}

void CZarnDoc::onToggleCommand(int id)
{
    if (id == cmd::Figures) {
        toggleFigures();
    } else if (id == cmd::AltitudeScale) {
        m_options.altitudeScale = !m_options.altitudeScale;
        if (m_charts)
            m_charts->Horizon().ClearPlacements();
        UpdateAllViews(nullptr, hint::AltitudeScale);
    } else {
        m_options.coordinateGrid = !m_options.coordinateGrid;
        UpdateAllViews(nullptr, hint::Grid, focusedView());
    }
}

void CZarnDoc::setPrintStarNames(bool on) { m_options.printStarNames = on ? 1 : 0; }

}  // namespace zarn
