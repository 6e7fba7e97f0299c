// SPDX-License-Identifier: GPL-3.0-or-later
// Which commands are enabled and checked, decided in one place after every
// update and every change of the active window.
#include "app/CZarnDoc.h"

#include "ui/CHelpWindow.h"
#include "ui/Hints.h"
#include "ui/CActions.h"
#include "app/CRealTime.h"
#include "shell/CMainFrame.h"
#include "ui/CommandIds.h"
#include "time/LegalOffset.h"
#include "tools/AlmanacTexts.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace zarn {

bool CZarnDoc::isWindowOpen(ViewKind kind) const
{
    for (QMdiSubWindow* w : m_frame.mdiArea()->subWindowList()) {
        auto* view = viewOfFrame(w);
        if (view && view->viewKind() == kind)
            return true;
    }
    return false;
}

void CZarnDoc::updateCommandStates()
{
    using namespace cmd;
    CActions& a = m_frame.actions();
    a.setEnabled(NewSky, !isWindowOpen(ViewKind::Soleil) || !isWindowOpen(ViewKind::Chercher));
    a.setEnabled(WholeSky, m_chartKind != 0 || m_chartMagnified);
    a.setEnabled(Zenith, m_chartKind != 1);

    // Horizon directions: the one faced is checked and disabled. Turned
    // towards a planet or an object, or scrolled, the chart faces none of them.
    for (int k = 0; k < 8; ++k) {
        const bool faced = m_chartKind == 2 && m_horizonDirection == k;
        a.setChecked(HorizonSouth + k, faced);
        a.setEnabled(HorizonSouth + k, !faced);
    }
    for (int id = Mercure; id <= Soleil; ++id) {
        const bool viewed = m_viewedPlanet == (id - Mercure + 1) % 7;
        a.setChecked(id, viewed);
        a.setEnabled(id, !viewed);
    }

    const CDocView* view = focusedView();
    const ViewKind kind = view ? view->viewKind() : ViewKind::Sky;
    if (kind == ViewKind::Catalogue || kind == ViewKind::Ephemerides) {
        a.setEnabled(Figures, false);
        a.setChecked(Figures, false);
    } else {
        a.setEnabled(Figures, true);
        int flag = -1;
        if (kind == ViewKind::Sky) flag = m_chartKind;
        else if (kind == ViewKind::Constellations) flag = 3;
        else if (kind == ViewKind::Animation) flag = 4;
        else if (kind == ViewKind::Conjonction) flag = 5;
        if (flag >= 0)
            a.setChecked(Figures, m_options.figureFlags[flag] != 0);
    }
    const bool horizonActive = kind == ViewKind::Sky && m_chartKind == 2;
    a.setEnabled(AltitudeScale, horizonActive);
    a.setChecked(AltitudeScale, horizonActive && m_options.altitudeScale);
    const bool constellations = kind == ViewKind::Constellations;
    a.setEnabled(Grid, constellations);
    a.setChecked(Grid, constellations && m_options.coordinateGrid);

    a.setEnabled(SummerTime, changesClockIn(m_instant.place(), m_instant.year()));
    a.setChecked(TimeBar, m_frame.isTimeBarVisible());
    a.setChecked(RealTime, m_realTime->isOn());
    a.setChecked(NightMode, m_options.nightMode != 0);
    // Windows that this program does not have yet stay disabled.
    a.setEnabled(Catalogue, bool(m_kinds[ViewKind::Catalogue]));
    a.setEnabled(Conjunction, bool(m_kinds[ViewKind::Conjonction]));
    a.setEnabled(Opposition, bool(m_kinds[ViewKind::Conjonction]));
    a.setEnabled(Animation, bool(m_kinds[ViewKind::Animation]));
    a.setEnabled(Visibility, bool(m_kinds[ViewKind::Ephemerides]));
    a.setEnabled(Tonight, bool(m_kinds[ViewKind::Nuit]));
    a.setEnabled(SolarSystem, !m_ephemerides);
    a.setEnabled(Seasons, true);
    a.setEnabled(ChartOptions, true);
    // Printing goes to the sky window, which always exists.
    a.setEnabled(PrintPreview, true);
    a.setEnabled(MarkStarNames, false);
}

QString CZarnDoc::notVisibleText(int bodyIndex)
{
    // The next rise is searched on copies: the document's bodies keep their place.
    SolarBodies copies(bodies());
    CPlaSol& body = copies.body(bodyIndex);
    return QString::fromStdString(zarn::notVisibleText(body, bodyIndex, body.GetName(), m_instant));
}

}  // namespace zarn
