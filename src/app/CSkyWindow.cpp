// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CSkyWindow.h"

#include "app/CConstellationsWindow.h"
#include "app/CZarnDoc.h"
#include "ui/Hints.h"
#include "charts/ui/CZarnFrm.h"
#include "charts/ui/CZarnView.h"
#include "charts/ui/SkyChartSet.h"
#include "ui/CActions.h"
#include "ui/CommandIds.h"
#include "ui/FramePlaces.h"
#include "shell/CMainFrame.h"
#include "sky/CPlaSol.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>

namespace zarn {


CSkyWindow::CSkyWindow(CZarnDoc& doc, CMainFrame& frame) : m_doc(doc), m_frame(frame)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The sky window stays as long as the document, at its fixed place: a
    // title without close, minimise or maximise button (the system-menu hint
    // would bring the close button back).
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_skyFrame = new CZarnFrm(*this, this);
    setWidget(m_skyFrame);
    setWindowTitle(doc.skyTitle());
    if (SkyChartSet* charts = doc.charts())
        charts->AttachView(&m_skyFrame->View());
    m_doc.AddView(this);
    connect(&doc, &CZarnDoc::skyTitleChanged, this, &QWidget::setWindowTitle);
    // The sky window takes its place again whenever the work area changes.
    connect(&frame, &CMainFrame::workAreaResized, this, &CSkyWindow::placeInClientArea);
    // While a map, conjunction or animation window exists, a click on the sky is there to look at it: the window that was
    // active stays active and in front. The sky window, a background to the
    // others, goes back under them.
    connect(frame.mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
        if (active != this) {
            if (active)
                m_lastActive = active;
        } else if (m_lastActive && m_lastActive->isVisible() && clickKeepsActiveWindow()) {
            // Once the activation has raised the sky window.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    lower();
                    if (m_lastActive)
                        m_frame.mdiArea()->setActiveSubWindow(m_lastActive);
                },
                Qt::QueuedConnection);
        }
    });
}

CSkyWindow::~CSkyWindow()
{
    if (SkyChartSet* charts = m_doc.charts())
        charts->AttachView(nullptr);
    m_doc.RemoveView(this);
}

QMdiSubWindow* CSkyWindow::open(CZarnDoc& doc, CMainFrame& frame)
{
    auto* window = new CSkyWindow(doc, frame);
    frame.mdiArea()->addSubWindow(window);
    frame.setSkyFrame(window);
    window->placeInClientArea();
    window->show();
    const unsigned chart = doc.currentChartKind() == 2 ? hint::Horizon : hint::WholeSky;
    window->m_skyFrame->View().OnHint(hint::Resized | chart, false);
    return window;
}

QRect CSkyWindow::frameRect(QSize client) { return skyFrameRect(client); }

void CSkyWindow::placeInClientArea()
{
    setGeometry(frameRect(m_frame.mdiArea()->viewport()->size()));
}

void CSkyWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

bool CSkyWindow::clickKeepsActiveWindow() const
{
    for (QMdiSubWindow* w : m_frame.mdiArea()->subWindowList()) {
        const CDocView* view = viewOfFrame(w);
        const ViewKind kind = view ? view->viewKind() : ViewKind::Sky;
        if (kind == ViewKind::Constellations || kind == ViewKind::Conjonction || kind == ViewKind::Animation)
            return true;
    }
    return false;
}


void CSkyWindow::OnUpdate(CDocView* sender, unsigned hint, void* object)
{
    // A figure or grid toggle concerns only the view it names.
    const bool self = sender == this || object == static_cast<CDocView*>(this);
    m_skyFrame->View().OnHint(hint, self);
}

void CSkyWindow::printPreview() { m_skyFrame->View().PrintPreview(); }

void CSkyWindow::print() { m_skyFrame->View().Print(); }

CCarte& CSkyWindow::CurrentChart() { return m_doc.charts()->Chart(m_doc.currentChartKind()); }

CCarteHorizon& CSkyWindow::HorizonChart() { return m_doc.charts()->Horizon(); }

ObjectDescription CSkyWindow::Describe(CAstre& object)
{
    const auto* body = dynamic_cast<const CPlaSol*>(&object);
    return describeObject(object, body ? body->GetIndex() : -1, m_doc.instant(), m_doc.sky());
}

void CSkyWindow::ClearSelection() { m_doc.clearSelection(); }

void CSkyWindow::ZoomChanged(bool whole) { m_doc.setChartMagnified(!whole); }

SkyDisplay CSkyWindow::Display() const
{
    SkyDisplay d;
    static_cast<SkyToggles&>(d) = m_doc.options();
    d.viewedPlanet = m_doc.viewedPlanet();
    return d;
}

void CSkyWindow::SetPrintStarNames(bool on) { m_doc.setPrintStarNames(on); }

const CInstant& CSkyWindow::Instant() const { return m_doc.instant(); }

PaletteColours CSkyWindow::Palette() const { return m_frame.programPalette().colours(); }

CAstre* CSkyWindow::SelectedObject() const { return m_doc.selectedObject(); }

void CSkyWindow::RecomputeSky() { m_doc.recomputeSky(); }

void CSkyWindow::SetStripWidth(int width) { m_doc.setStripWidth(width); }

void CSkyWindow::ShowInstant(const std::string& place, const std::string& date, const std::string& time)
{
    m_frame.setInstantTexts(QString::fromStdString(place), QString::fromStdString(date),
                            QString::fromStdString(time));
}

void CSkyWindow::SkyRecomputed() { m_doc.refreshTimeBar(); }

void CSkyWindow::StripScrolled() { m_doc.horizonScrolled(); }

void CSkyWindow::PrintingBegins()
{
    m_captionBeforePrinting = m_frame.mainTitle();
    m_frame.SetMainTitle(QString());
}

void CSkyWindow::PrintingEnds() { m_frame.SetMainTitle(m_captionBeforePrinting); }

void CSkyWindow::StarClicked(const std::string& constellation, double ra, double dec)
{
    if (const CConstellation* shown = m_doc.sky().ciel().findLast(constellation))
        CConstellationsWindow::showMap(m_doc, *shown, ra, dec);
}

std::string CSkyWindow::ConstellationOf(const CAstre& object) const
{
    return object.GetConstellationName(m_doc.sky());
}

QAction* CSkyWindow::Action(int id) const { return m_frame.actions().action(id); }

}  // namespace zarn
