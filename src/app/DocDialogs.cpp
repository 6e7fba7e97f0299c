// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs that edit the document: the observatory list and the chart
// options sheet, which work on copies that the document takes back on OK,
// and the summer-time table of the current place.
#include "app/DocDialogs.h"

#include "app/CZarnDoc.h"
#include "app/options/COptionsCarte.h"
#include "app/options/PreviewDrawing.h"
#include "charts/ui/SkyChartSet.h"
#include "shell/CMainFrame.h"
#include "sky/SkyColourScale.h"
#include "time/ui/CHeureEteDlg.h"
#include "time/ui/CObservatoireDlg.h"

#include <QApplication>

namespace zarn {

void DocDialogs::runObservatoryList()
{
    std::vector<CLieu> edited = m_doc.observatories();
    CObservatoireDlg dialog(edited, &m_doc.frame());
    if (dialog.run() == QDialog::Accepted && dialog.changed())
        m_doc.setObservatories(std::move(edited));
}

void DocDialogs::runSummerTime()
{
    const CInstant& instant = m_doc.instant();
    CHeureEteDlg dialog(instant.year(), instant.place(), &m_doc.frame());
    dialog.setWindowIcon(QApplication::windowIcon());
    centreOverWindows(dialog);
    dialog.run();
}

void DocDialogs::runChartOptions()
{
    const DisplayOptions& options = m_doc.options();
    SkyModel& sky = m_doc.sky();
    CMainFrame& frame = m_doc.frame();
    ChartOptionsValues values;
    values.skyColour = fromSettingsRgb(options.skyColour);
    values.skyColourIndex = options.skyColourIndex;
    values.starColouring = options.starColouring;
    values.specialObjects = {options.showSun, options.showMoon, options.showPlanets, options.showEcliptic,
                             options.showEquator};
    values.names = options.names;
    values.grid = options.grid;
    SkyChartSet* charts = m_doc.charts();
    COptionsCarte sheet(QStringLiteral(" Options carte"), values, userObjectEntries(sky),
                        charts ? previewDrawer(*charts, sky, frame.programPalette()) : PreviewDrawer(), &frame);
    if (sheet.run() != QDialog::Accepted)
        return;
    m_doc.applyChartOptions(sheet.values(), sheet.userObjectsChanged() ? &sheet.userObjects() : nullptr);
}

}  // namespace zarn
