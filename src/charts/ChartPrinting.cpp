// Printing the sky window's chart: one page, the chart square centred on it
// (a taller band for the horizon panorama), printed star names placed without
// overlap, and the caption under the chart.
#include <QAction>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <cmath>

#include "charts/CCarte.h"
#include "charts/CQtSurface.h"
#include "charts/CZarnView.h"
#include "charts/PagePrinting.h"
#include "charts/PrintPage.h"

namespace zarn {

SRect chartPageRect(int pageWidth, int pageHeight, int dpi, bool horizon)
{
    const int m = static_cast<int>(std::lround(10.0 * dpi / 25.4));
    const int caption = static_cast<int>(std::lround(15.0 * dpi / 25.4));
    const double growth = horizon ? 2 * 0.04214 : 0.0;
    // The square as wide as the page less its margins, unless a landscape
    // page leaves too little height for it, its caption and, for the
    // panorama, the taller band.
    int side = pageWidth - 2 * m;
    const int room = static_cast<int>((pageHeight - 2 * m - caption) / (1.0 + growth));
    side = std::max(1, std::min(side, room));
    SRect rect;
    rect.left = (pageWidth - side) / 2;
    rect.right = rect.left + side;
    rect.top = (pageHeight + 2 * m - pageWidth) / 2;
    if (side < pageWidth - 2 * m)
        rect.top = (pageHeight - caption - side) / 2;  // square and caption centred
    rect.bottom = rect.top + side;
    if (horizon) {
        const int grow = static_cast<int>(std::lround(0.04214 * rect.width()));
        rect.top -= grow;
        rect.bottom += grow;
    }
    return rect;
}

void CZarnView::PrintChart(QPrinter& printer, bool preview)
{
    CCarte& chart = m_host.CurrentChart();
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    m_host.PrintingBegins();
    SurfaceDevice device = ScreenDevice();
    device.printer = true;
    device.preview = preview;
    device.dpiX = printer.logicalDpiX();
    device.dpiY = printer.logicalDpiY();
    CQtSurface dc(painter, m_host.Palette(), device);

    chart.ClearPrintPlacements();
    m_printLabel.SetFont({"MS Serif", -4 * dc.Millimetre().cy, 300});
    m_printLabel.ClearOccupied();

    const SRect rect = chartPageRect(printer.width(), printer.height(), device.dpiX, chart.kind() == CCarte::Horizon);
    const SPoint origin = chart.GetOrigin(dc, rect);
    dc.SetOrigin(origin);
    const std::uint32_t flags = skyDrawFlags(m_host.Display(), chart.kind(), true);
    chart.Draw(dc, rect.translated(-origin.x, -origin.y), flags);
    painter.end();
    m_host.PrintingEnds();
}

void CZarnView::PrintPreview()
{
    m_hoverTimer.stop();
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { PrintChart(*p, true); });
    // The preview's own button to print the star names or not.
    if (QToolBar* bar = dialog.findChild<QToolBar*>()) {
        QAction* names = bar->addAction(QStringLiteral("&Marquer noms étoiles"));
        names->setCheckable(true);
        names->setChecked(m_host.Display().printStarNames != 0);
        connect(names, &QAction::toggled, &dialog, [this, &dialog](bool on) {
            m_host.SetPrintStarNames(on);
            if (auto* widget = dialog.findChild<QPrintPreviewWidget*>())
                widget->updatePreview();
        });
    }
    // The view-button bar is hidden while the preview is open.
    QWidget* bar = parentWidget() ? parentWidget()->findChild<QWidget*>(QStringLiteral("viewButtonBar")) : nullptr;
    const bool barShown = bar && bar->isVisible();
    if (barShown)
        bar->hide();
    dialog.exec();
    if (barShown)
        bar->show();
}

void CZarnView::Print()
{
    printPage(this, QPageLayout::Portrait, QStringLiteral("carte.pdf"),
              [this](QPrinter& printer) { PrintChart(printer, false); });
}

}  // namespace zarn
