// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the sky window's chart: one page, the chart square centred on it
// (a taller band for the horizon panorama), printed star names placed without
// overlap, and the caption under the chart.
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "charts/CCarte.h"
#include "charts/ChartZoom.h"
#include "charts/ChartPrintDialogs.h"
#include "charts/CQtSurface.h"
#include "charts/ui/CZarnView.h"
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

namespace {

// A page surface whose every clip stays inside the given rectangle (device
// units), when there is one: a magnified chart is laid out far beyond the
// square it is printed in.
class CBoundedSurface : public CQtSurface {
public:
    CBoundedSurface(QPainter& painter, const PaletteColours& palette, const SurfaceDevice& device, SRect bounds)
        : CQtSurface(painter, palette, device), m_bounds(bounds)
    {
    }

protected:
    void ApplyClip(const SClip& clip) override
    {
        CQtSurface::ApplyClip(clip);
        if (m_bounds.isEmpty())
            return;
        const SPoint o = Origin();
        const QRect bounds(m_bounds.left - o.x, m_bounds.top - o.y, m_bounds.width(), m_bounds.height());
        Painter().setClipRect(bounds, clip.kind == SClip::None ? Qt::ReplaceClip : Qt::IntersectClip);
    }
    void ApplyOrigin(SPoint origin) override
    {
        CQtSurface::ApplyOrigin(origin);
        if (!m_bounds.isEmpty())
            ApplyClip(Clip());
    }

private:
    SRect m_bounds;
};

}  // namespace

void printChartPage(const ChartPage& page, CCarte& chart, CVueNoms& printLabel, std::uint32_t flags)
{
    QPainter painter;
    if (!painter.begin(&page.printer))
        return;
    SurfaceDevice device = page.screen;
    device.printer = true;
    device.night = false;
    device.preview = page.preview;
    device.dpiX = page.printer.logicalDpiX();
    device.dpiY = page.printer.logicalDpiY();
    const SRect rect = chartPageRect(page.printer.width(), page.printer.height(), device.dpiX, page.grown);
    const bool magnified = page.zoom && !page.zoom->IsWhole() && !page.grown;
    CBoundedSurface dc(painter, page.palette, device, magnified ? rect : SRect{});

    chart.ClearPrintPlacements();
    printLabel.SetFont({"MS Serif", -4 * dc.Millimetre().cy, 300});
    printLabel.ClearOccupied();

    if (!magnified) {
        const SPoint origin = chart.GetOrigin(dc, rect);
        dc.SetOrigin(origin);
        chart.Draw(dc, rect.translated(-origin.x, -origin.y), flags);
    } else {
        // The same middle and magnification as in the window, the page's
        // square in the window's place.
        const SSize side{rect.width(), rect.height()};
        const SRect layout = ChartZoom::LayoutAt(side, page.zoom->Factor());
        const SPoint layoutOrigin = chart.GetOrigin(dc, layout);
        const SRect inChart = layout.translated(-layoutOrigin.x, -layoutOrigin.y);
        const SPoint origin = page.zoom->Origin(layoutOrigin, chart.GetScale(chart.AdjustRect(inChart)), side);
        dc.SetOrigin({origin.x + rect.left, origin.y + rect.top});
        dc.ClipNone();
        chart.Draw(dc, inChart, flags);
    }
    painter.end();
}

void CZarnView::PrintChart(QPrinter& printer, bool preview)
{
    CCarte& chart = m_host.CurrentChart();
    m_host.PrintingBegins();
    const bool horizon = chart.kind() == CCarte::Horizon;
    printChartPage({printer, preview, ScreenDevice(), m_host.Palette(), horizon, &m_zoom}, chart, m_printLabel,
                   skyDrawFlags(m_host.Display(), chart.kind(), true));
    m_host.PrintingEnds();
}

void CZarnView::PrintPreview()
{
    m_hoverTimer.stop();
    // The view-button bar is hidden while the preview is open.
    QWidget* bar = parentWidget() ? parentWidget()->findChild<QWidget*>(QStringLiteral("viewButtonBar")) : nullptr;
    runChartPreview(
        this, [this](QPrinter& p, bool preview) { PrintChart(p, preview); }, m_host.Display().printStarNames != 0,
        [this](bool on) { m_host.SetPrintStarNames(on); }, bar);
}

void CZarnView::Print()
{
    printPage(this, QPageLayout::Portrait, QStringLiteral("carte.pdf"),
              [this](QPrinter& printer) { PrintChart(printer, false); });
}

}  // namespace zarn
