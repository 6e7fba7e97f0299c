// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandRouter.h"

#include "app/CRealTime.h"
#include "app/CZarnDoc.h"
#include "shell/CMainFrame.h"
#include "tools/ui/CConjonctionView.h"
#include "ui/CHelpWindow.h"
#include "ui/CommandIds.h"
#include "ui/Hints.h"

namespace zarn {

void CommandRouter::onCommand(int id)
{
    using namespace cmd;
    if (id == CurrentDate || id == NewDate || id == NextDay || id == PreviousDay)
        m_doc.dateChanged(id);
    else if (isTimeStep(id))
        m_doc.stepTime(id);
    else if (id == RealTime)
        m_doc.realTime().setOn(!m_doc.realTime().isOn());
    else if (id == NightMode)
        m_doc.toggleNightMode();
    else if (id == WholeSky || id == Zenith || isHorizon(id))
        m_doc.navigator().onViewCommand(id);
    else if (isPlanet(id))
        m_doc.navigator().onPlanetCommand(id);
    else if (id == Figures || id == AltitudeScale || id == Grid)
        m_doc.onToggleCommand(id);
    else
        onWindowCommand(id);
    // A checkable action flips itself when triggered; the rules decide again,
    // also after a command that changed nothing (a body below the horizon).
    updateCommandStates();
}

void CommandRouter::onWindowCommand(int id)
{
    DocDialogs& dialogs = m_doc.dialogs();
    CMainFrame& frame = m_doc.frame();
    switch (id) {
    case cmd::Observatory: dialogs.runObservatoryList(); break;
    case cmd::ChartOptions: dialogs.runChartOptions(); break;
    case cmd::SummerTime: dialogs.runSummerTime(); break;
    case cmd::TimeBar:
        frame.showTimeBar(!frame.isTimeBarVisible());
        m_doc.refreshTimeBar();
        updateCommandStates();
        break;
    case cmd::Catalogue:
        if (m_doc.openWindow(ViewKind::Catalogue).isNew)
            m_doc.UpdateAllViews(nullptr, hint::Catalogue);
        break;
    case cmd::Conjunction:
    case cmd::Opposition: {
        // One window for both searches: opened, or switched to the other one.
        const CZarnDoc::OpenedWindow opened = m_doc.openWindow(ViewKind::Conjonction);
        const int mode = id == cmd::Opposition ? CConjonctionView::OppositionMode : CConjonctionView::ConjunctionMode;
        auto* view = dynamic_cast<CConjonctionView*>(opened.view);
        if (view && (opened.isNew || view->mode() != mode))
            view->SetMode(mode);
        break;
    }
    case cmd::Animation:
        if (m_doc.openWindow(ViewKind::Animation).isNew)
            m_doc.UpdateAllViews(nullptr, hint::Animation);
        break;
    case cmd::Visibility: m_doc.openWindow(ViewKind::Ephemerides); break;
    case cmd::Tonight: m_doc.openWindow(ViewKind::Nuit); break;
    case cmd::SolarSystem: dialogs.openEphemerides(); break;
    case cmd::Seasons: dialogs.runSeasons(); break;
    case cmd::AstroEvents: CHelpWindow::showContext(CHelpWindow::kAstroEvents); break;
    case cmd::PrintPreview:
    case cmd::Print:
        // The Sun-and-Moon and search windows print the sky chart.
        if (CDocView* view = m_doc.activeView(); view && view->canPrint())
            id == cmd::Print ? view->print() : view->printPreview();
        break;
    default: break;
    }
}

}  // namespace zarn
