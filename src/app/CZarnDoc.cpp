// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CZarnDoc.h"

#include "app/CConstellationsWindow.h"
#include "app/CRealTime.h"
#include "app/FileMessages.h"
#include "charts/ui/SkyChartSet.h"
#include "shell/CMainFrame.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

namespace zarn {

CZarnDoc::CZarnDoc(CMainFrame& frame, WindowKinds kinds, QString programDir, CSettingsStore& settings,
                   bool installed)
    : QObject(&frame), m_frame(frame), m_kinds(std::move(kinds)), m_realTime(new CRealTime(*this)),
      m_files(*this, std::move(programDir), settings, installed)
{
}

CZarnDoc::~CZarnDoc() = default;

bool CZarnDoc::load()
{
    if (!m_files.load())
        return false;
    m_instant.setPlace(m_observatories.front());
    m_instant.setNow();
    // An object that cannot be computed ends the loading: its file is damaged.
    if (const SkyLoadResult completed = m_sky.complete(m_instant); !completed.ok()) {
        showLoadError(&m_frame, completed.error, QString::fromStdString(completed.fileName));
        return false;
    }
    m_charts = std::make_unique<SkyChartSet>(m_sky, m_instant);
    m_navigator.reset();
    m_files.waitForSplash();
    return true;
}

void CZarnDoc::recomputeSky()
{
    m_sky.recomputeAll(m_instant);
    if (m_charts)
        m_charts->ClearPlacements();
}

CWorkspace& CZarnDoc::workspace() { return m_frame; }

void CZarnDoc::showConstellationMap(const CConstellation& constellation, double ra, double dec)
{
    CConstellationsWindow::showMap(*this, constellation, ra, dec);
}

void CZarnDoc::AddView(CDocView* view)
{
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CZarnDoc::RemoveView(CDocView* view)
{
    std::erase(m_views, view);
    // Once the window is gone, "&Ciel" may open the start-up windows again.
    QMetaObject::invokeMethod(this, &CZarnDoc::updateCommandStates, Qt::QueuedConnection);
}

void CZarnDoc::UpdateAllViews(CDocView* sender, unsigned hint, void* object)
{
    // A view may open or close others while it updates: walk a copy.
    const std::vector<CDocView*> views = m_views;
    for (CDocView* view : views)
        if (view != sender && std::find(m_views.begin(), m_views.end(), view) != m_views.end())
            view->OnUpdate(sender, hint, object);
    updateCommandStates();
}

CDocView* viewOfFrame(QMdiSubWindow* frame)
{
    if (!frame)
        return nullptr;
    if (auto* view = dynamic_cast<CDocView*>(frame))
        return view;
    return dynamic_cast<CDocView*>(frame->widget());
}

CDocView* CZarnDoc::activeView() const
{
    QMdiSubWindow* frame = m_frame.commandFrame();
    return viewOfFrame(frame);
}

CDocView* CZarnDoc::focusedView() const
{
    // The current window even while the main window is not active.
    QMdiSubWindow* frame = m_frame.mdiArea()->currentSubWindow();
    return viewOfFrame(frame ? frame : m_frame.skyFrame());
}

CZarnDoc::OpenedWindow CZarnDoc::openWindow(ViewKind kind)
{
    for (QMdiSubWindow* w : m_frame.mdiArea()->subWindowList()) {
        auto* view = viewOfFrame(w);
        if (view && view->viewKind() == kind) {
            m_frame.mdiArea()->setActiveSubWindow(w);
            return {view, false};
        }
    }
    const WindowKinds::Opener& open = m_kinds[kind];
    if (!open)
        return {};
    QMdiSubWindow* frame = open(*this, m_frame);
    CDocView* view = viewOfFrame(frame);
    return {view, view != nullptr};
}

}  // namespace zarn
