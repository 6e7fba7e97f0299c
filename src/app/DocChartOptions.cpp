// SPDX-License-Identifier: GPL-3.0-or-later
// The chart options command: the sheet works on copies of the document's
// display options and user objects; on OK the document takes them back and
// tells the views whether the user objects were made again.
#include "app/CZarnDoc.h"

#include "ui/Hints.h"
#include "app/options/COptionsCarte.h"
#include "app/options/PreviewDrawing.h"
#include "charts/ui/SkyChartSet.h"
#include "shell/CMainFrame.h"
#include "sky/CConstellation.h"
#include "sky/CNouvelObjet.h"
#include "sky/SkyColourScale.h"

namespace zarn {

void CZarnDoc::runChartOptions()
{
    ChartOptionsValues values;
    values.skyColour = fromSettingsRgb(m_options.skyColour);
    values.skyColourIndex = m_options.skyColourIndex;
    values.starColouring = m_options.starColouring;
    values.specialObjects = {m_options.showSun, m_options.showMoon, m_options.showPlanets, m_options.showEcliptic,
                             m_options.showEquator};
    values.names = m_options.names;
    values.grid = m_options.grid;
    COptionsCarte sheet(QStringLiteral(" Options carte"), values, userObjectEntries(m_sky),
                        m_charts ? previewDrawer(*m_charts, m_sky, m_frame.programPalette()) : PreviewDrawer(),
                        &m_frame);
    if (sheet.run() != QDialog::Accepted)
        return;
    applyChartOptions(sheet.values(), sheet.userObjectsChanged() ? &sheet.userObjects() : nullptr);
}

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
    if (m_viewedObject && dynamic_cast<CNouvelObjet*>(m_viewedObject))
        showChart(m_chartKind, QStringLiteral("Ciel"), true);
    if (m_charts)
        m_charts->ClearPlacements();
    rebuildUserObjects(m_sky, *userObjects, m_instant);
    UpdateAllViews(nullptr, hint::UserObjects);
}

}  // namespace zarn
