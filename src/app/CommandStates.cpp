// SPDX-License-Identifier: GPL-3.0-or-later
// Which commands are enabled and checked, decided in one place after every
// update and every change of the active window.
#include "app/CommandRouter.h"

#include "app/CRealTime.h"
#include "app/CZarnDoc.h"
#include "shell/CMainFrame.h"
#include "ui/BodyCommands.h"
#include "ui/CActions.h"
#include "settings/DisplayOptionTable.h"
#include "ui/CommandIds.h"
#include "time/LegalOffset.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace zarn {

bool CommandRouter::isWindowOpen(ViewKind kind) const
{
    for (QMdiSubWindow* w : m_doc.frame().mdiArea()->subWindowList()) {
        auto* view = viewOfFrame(w);
        if (view && view->viewKind() == kind)
            return true;
    }
    return false;
}

void CommandRouter::updateCommandStates()
{
    using namespace cmd;
    CMainFrame& frame = m_doc.frame();
    const ChartNavigator& nav = m_doc.navigator();
    const DisplayOptions& options = m_doc.options();
    const WindowKinds& kinds = m_doc.kinds();
    CActions& a = frame.actions();
    a.setEnabled(NewSky, !isWindowOpen(ViewKind::Soleil) || !isWindowOpen(ViewKind::Chercher));
    a.setEnabled(WholeSky, nav.chartKind() != 0 || nav.chartMagnified());
    a.setEnabled(Zenith, nav.chartKind() != 1);

    // Horizon directions: the one faced is checked and disabled. Turned
    // towards a planet or an object, or scrolled, the chart faces none of them.
    for (int k = 0; k < 8; ++k) {
        const bool faced = nav.chartKind() == 2 && nav.horizonDirection() == k;
        a.setChecked(HorizonSouth + k, faced);
        a.setEnabled(HorizonSouth + k, !faced);
    }
    for (int id = Mercure; id <= Soleil; ++id) {
        const bool viewed = nav.viewedPlanet() == bodyOfCommand(id);
        a.setChecked(id, viewed);
        a.setEnabled(id, !viewed);
    }

    const CDocView* view = m_doc.focusedView();
    const ViewKind kind = view ? view->viewKind() : ViewKind::Sky;
    if (kind == ViewKind::Catalogue || kind == ViewKind::Ephemerides) {
        a.setEnabled(Figures, false);
        a.setChecked(Figures, false);
    } else {
        a.setEnabled(Figures, true);
        int flag = -1;
        if (kind == ViewKind::Sky) flag = nav.chartKind();
        else if (kind == ViewKind::Constellations) flag = 3;
        else if (kind == ViewKind::Animation) flag = 4;
        else if (kind == ViewKind::Conjonction) flag = 5;
        if (flag >= 0)
            a.setChecked(Figures, options.figureFlags[flag] != 0);
    }
    const bool horizonActive = kind == ViewKind::Sky && nav.chartKind() == 2;
    a.setEnabled(AltitudeScale, horizonActive);
    a.setChecked(AltitudeScale, horizonActive && options.altitudeScale);
    const bool constellations = kind == ViewKind::Constellations;
    a.setEnabled(Grid, constellations);
    a.setChecked(Grid, constellations && options.coordinateGrid);

    a.setEnabled(SummerTime, changesClockIn(m_doc.instant().place(), m_doc.instant().year()));
    a.setChecked(TimeBar, frame.isTimeBarVisible());
    a.setChecked(RealTime, m_doc.realTime().isOn());
    for (const DisplayOption& o : displayOptions())
        if (o.command.id && o.command.toggle == OptionCommand::Plain)
            a.setChecked(o.command.id, o.inDocument.get(options) != 0);
    // Windows that this program does not have yet stay disabled.
    a.setEnabled(Catalogue, bool(kinds[ViewKind::Catalogue]));
    a.setEnabled(Conjunction, bool(kinds[ViewKind::Conjonction]));
    a.setEnabled(Opposition, bool(kinds[ViewKind::Conjonction]));
    a.setEnabled(Animation, bool(kinds[ViewKind::Animation]));
    a.setEnabled(Visibility, bool(kinds[ViewKind::Ephemerides]));
    a.setEnabled(Tonight, bool(kinds[ViewKind::Nuit]));
    a.setEnabled(SolarSystem, !m_doc.ephemeridesDialog());
    a.setEnabled(Seasons, true);
    a.setEnabled(ChartOptions, true);
    // Printing goes to the sky window, which always exists.
    a.setEnabled(PrintPreview, true);
    a.setEnabled(MarkStarNames, false);
}

}  // namespace zarn
