// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CConstellationsWindow.h"
#include "charts/ui/CViewButtonBar.h"

#include "ui/CHelpWindow.h"
#include "app/CSkyWindow.h"
#include "app/CZarnDoc.h"
#include "ui/Hints.h"
#include "charts/ui/CConstellationsFrm.h"
#include "charts/ui/CConstellationsView.h"
#include "charts/ui/CZarnFrm.h"
#include "charts/ui/CZarnView.h"
#include "charts/ui/SkyChartSet.h"
#include "ui/CActions.h"
#include "shell/CMainFrame.h"

#include <QMdiArea>

namespace zarn {

CConstellationsWindow::CConstellationsWindow(CZarnDoc& doc, CMainFrame& frame) : m_doc(doc), m_frame(frame)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Constellations"));
    setProperty("helpContext", CHelpWindow::kConstellationsTopic);
    m_mapFrame = new CConstellationsFrm(*this, this);
    setWidget(m_mapFrame);
    connect(&view(), &CConstellationsView::captionChanged, this, &QWidget::setWindowTitle);
    m_doc.AddView(this);
}

CConstellationsWindow::~CConstellationsWindow() { m_doc.RemoveView(this); }

CConstellationsView& CConstellationsWindow::view() { return m_mapFrame->View(); }

QMdiSubWindow* CConstellationsWindow::open(CZarnDoc& doc, CMainFrame& frame)
{
    auto* window = new CConstellationsWindow(doc, frame);
    frame.mdiArea()->addSubWindow(window);
    // Two thirds of the sky window, at its bottom right: the top left of the
    // sky stays in view for the next click on a star.
    const QRect sky = CSkyWindow::frameRect(frame.mdiArea()->viewport()->size());
    const QSize size(sky.width() * 2 / 3, sky.height() * 2 / 3);
    window->setGeometry(QRect(sky.bottomRight() - QPoint(size.width() - 1, size.height() - 1), size));
    window->show();
    return window;
}

CConstellationsWindow* CConstellationsWindow::showMap(CZarnDoc& doc, const CConstellation& constellation, double ra,
                                                   double dec)
{
    auto* window = dynamic_cast<CConstellationsWindow*>(doc.openWindow(ViewKind::Constellations).view);
    if (!window)
        return nullptr;
    window->view().SetConstellation(&constellation);
    doc.frame().mdiArea()->setActiveSubWindow(window);
    window->raise();
    window->view().CentreOn(ra, dec);
    return window;
}

void CConstellationsWindow::OnUpdate(CDocView*, unsigned hint, void* object)
{
    const bool self = object == static_cast<CDocView*>(this);
    // A figure or grid toggle concerns only the view it names.
    if (hint & (hint::Figures | hint::Grid)) {
        if (self)
            view().update();
        return;
    }
    if (hint & (hint::Date | hint::Place | hint::UserObjects | hint::Options))
        view().Refresh();
}

void CConstellationsWindow::printPreview() { view().PrintPreview(); }

void CConstellationsWindow::print() { view().Print(); }

ChartHost& CConstellationsWindow::ChartSky() { return *m_doc.charts(); }

SkyModel& CConstellationsWindow::Sky() { return m_doc.sky(); }

ConstellationDisplay CConstellationsWindow::Display() const
{
    ConstellationDisplay d;
    static_cast<SkyToggles&>(d) = m_doc.options();
    return d;
}

void CConstellationsWindow::SetPrintStarNames(bool on) { m_doc.setPrintStarNames(on); }

PaletteColours CConstellationsWindow::Palette() const { return m_frame.programPalette().colours(); }

QAction* CConstellationsWindow::Action(int id) const { return m_frame.actions().action(id); }

QWidget* CConstellationsWindow::ViewButtonBar() const
{
    auto* sky = dynamic_cast<CSkyWindow*>(m_frame.skyFrame());
    return sky ? &sky->skyFrame().ButtonBar() : nullptr;
}

SFont CConstellationsWindow::LabelFont(int dpi) const
{
    auto* sky = dynamic_cast<CSkyWindow*>(m_frame.skyFrame());
    return sky ? sky->skyFrame().View().ScreenLabel().Font() : ConstellationsViewHost::LabelFont(dpi);
}

}  // namespace zarn
