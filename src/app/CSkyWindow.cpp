#include "app/CSkyWindow.h"

#include "app/CConstellationsWindow.h"
#include "app/CZarnDoc.h"
#include "charts/CZarnFrm.h"
#include "charts/CZarnView.h"
#include "charts/SkyChartSet.h"
#include "shell/CActions.h"
#include "shell/CommandIds.h"
#include "shell/CMainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>

namespace zarn {

CSkyWindow::CSkyWindow(CZarnDoc& doc, CMainFrame& frame) : m_doc(doc), m_frame(frame)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The sky window stays as long as the document: no close button.
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint);
    m_skyFrame = new CZarnFrm(*this, this);
    setWidget(m_skyFrame);
    setWindowTitle(doc.skyTitle());
    if (SkyChartSet* charts = doc.charts())
        charts->AttachView(&m_skyFrame->View());
    m_doc.AddView(this);
    connect(&doc, &CZarnDoc::skyTitleChanged, this, &QWidget::setWindowTitle);
    connect(&frame, &CMainFrame::resizedWithSkyFrame, this, &CSkyWindow::placeInClientArea);
    // The print command shows the chart's print preview, from which it is printed.
    if (QAction* print = frame.actions().action(cmd::PrintPreview))
        connect(print, &QAction::triggered, &m_skyFrame->View(), &CZarnView::PrintPreview);
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
    window->m_skyFrame->View().OnHint(0x80 | (doc.currentChartKind() == 2 ? 0x40 : 0x10), false);
    return window;
}

QRect CSkyWindow::frameRect(QSize client)
{
    const int x = (client.width() + 2) * 10 / 37;
    return QRect(x, 0, client.width() - x, client.height());
}

void CSkyWindow::placeInClientArea()
{
    setGeometry(frameRect(m_frame.mdiArea()->viewport()->size()));
}

void CSkyWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

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

SkyDisplay CSkyWindow::Display() const
{
    SkyDisplay d;
    static_cast<SkyToggles&>(d) = m_doc.options();
    d.viewedPlanet = m_doc.viewedPlanet();
    return d;
}

void CSkyWindow::SetPrintStarNames(bool on) { m_doc.options().printStarNames = on ? 1 : 0; }

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
