// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/CChartPanel.h"

#include "charts/QtColour.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <cmath>

#include "charts/CCarteAnimation.h"
#include "charts/CFactsSurface.h"
#include "sky/CAstre.h"

namespace zarn {

namespace {
constexpr int kHoverDelayMs = 300;
}

CChartPanel::CChartPanel(CCarte& chart, QWidget* parent) : QWidget(parent), m_chart(chart)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_screenLabel.SetFont({"MS Sans Serif", -(13 * logicalDpiY() / 120), 400});
    m_hoverTimer.setInterval(kHoverDelayMs);
    m_hoverTimer.setSingleShot(true);
    connect(&m_hoverTimer, &QTimer::timeout, this, &CChartPanel::OnHoverTimer);
}

SurfaceDevice CChartPanel::Device() const { return CQtSurface::ScreenDevice(*this); }

SRect CChartPanel::ChartRect() const
{
    // Inside the frame, in chart units about the centre.
    const int w = width() - 2 * kPanelFrame;
    const int h = height() - 2 * kPanelFrame;
    return {-w / 2, -h / 2, w - w / 2, h - h / 2};
}

void CChartPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}

QImage CChartPanel::Render()
{
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    Paint(painter);
    return image;
}

void CChartPanel::Paint(QPainter& painter)
{
    // The sunken frame: two nested one-pixel rectangles.
    const QRect outer = rect();
    painter.setPen(toQColor(kPanelFrameColour));
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(outer.adjusted(1, 1, -2, -2));
    if (!colours || !flags)
        return;
    // Nothing chosen yet: the empty sky.
    if (auto* chart = dynamic_cast<CCarteConjonction*>(&m_chart); chart && !chart->Reference()) {
        painter.fillRect(outer.adjusted(kPanelFrame, kPanelFrame, -kPanelFrame, -kPanelFrame),
                         colours()[kSkyPaletteEntry]);
        return;
    }
    CQtSurface dc(painter, colours(), Device());
    const SRect chartRect = ChartRect();
    dc.SetOrigin({kPanelFrame - chartRect.left, kPanelFrame - chartRect.top});
    dc.SetClip({SClip::Rect, chartRect});
    DrawChart(dc, chartRect, flags(false));
    DrawOver(dc);
    if (!m_labelText.empty()) {
        const int code = m_labelAnchor.x < 0 ? CVueNoms::kRight : CVueNoms::kLeft;
        m_screenLabel.Show(dc, m_labelText, m_labelAnchor, code, 2 * dc.Millimetre().cx);
    }
}

void CChartPanel::DrawChart(CQtSurface& dc, SRect rect, std::uint32_t drawFlags) { m_chart.Draw(dc, rect, drawFlags); }

void CChartPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    HideLabel();
    m_chart.ClearScreenPlacements();
}

void CChartPanel::HideLabel()
{
    m_hoverTimer.stop();
    if (m_labelText.empty())
        return;
    m_labelText.clear();
    update();
}

void CChartPanel::SetHoverEnabled(bool on)
{
    m_hoverEnabled = on;
    if (!on)
        HideLabel();
}

void CChartPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_hoverEnabled || !flags)
        return;
    const SurfaceDevice device = Device();
    CFactsSurface facts(device.screenWidth, device.dpiY);
    const SRect chartRect = ChartRect();
    facts.SetClip({SClip::Rect, chartRect});
    const QPoint p = event->position().toPoint();
    const SPoint point{p.x() - kPanelFrame + chartRect.left, p.y() - kPanelFrame + chartRect.top};
    const ChartHit hit = m_chart.HitTest(point, facts, flags(false));
    if (!hit.precise || !hit.placed) {
        m_hovered.reset();
        HideLabel();
        return;
    }
    // The same object again: the timer already runs or the name is shown.
    if (m_hovered && m_hovered->object == hit.placed->object)
        return;
    m_hovered = *hit.placed;
    HideLabel();
    m_hoverTimer.start();
}

void CChartPanel::OnHoverTimer()
{
    if (!m_hovered)
        return;
    m_labelText = m_hovered->object->GetName();
    m_labelAnchor = {m_hovered->x, m_hovered->y};
    update();
}

void CChartPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit leftPressed();
    QWidget::mousePressEvent(event);
}

void CChartPanel::contextMenuEvent(QContextMenuEvent* event) { emit contextMenuRequested(event->globalPos()); }

void CChartPanel::PrintChart(QPrinter& printer, bool preview)
{
    QPainter painter;
    if (!colours || !flags || !painter.begin(&printer))
        return;
    SurfaceDevice device = Device();
    device.printer = true;
    device.preview = preview;
    device.dpiX = printer.logicalDpiX();
    device.dpiY = printer.logicalDpiY();
    CQtSurface dc(painter, colours(), device);
    // The page keeps the panel's proportions, 10 mm from the edges, with
    // room below for the caption.
    const int margin = static_cast<int>(std::lround(10.0 * device.dpiX / 25.4));
    const int width = printer.width() - 2 * margin;
    const SRect screen = ChartRect();
    const double unitsPerPixel = screen.width() > 0 ? double(width) / screen.width() : 1.0;
    const int height = static_cast<int>(std::lround(screen.height() * unitsPerPixel));
    const SRect rect{-width / 2, -height / 2, width - width / 2, height - height / 2};
    dc.SetOrigin({margin + width / 2, margin + height / 2});
    m_chart.ClearPrintPlacements();
    if (printLabel) {
        printLabel->SetFont({"MS Serif", -4 * dc.Millimetre().cy, 300});
        printLabel->ClearOccupied();
    }
    // A chart of fixed scale shows on paper the region it shows on the screen.
    auto* fixed = dynamic_cast<CCarteConjonction*>(&m_chart);
    if (dynamic_cast<CCarteAnimation*>(&m_chart))
        fixed = nullptr;
    const double screenScale = fixed ? fixed->GetScale(screen) : 0.0;
    if (fixed)
        fixed->Zoom(screenScale * unitsPerPixel);
    m_chart.Draw(dc, rect, flags(true));
    if (fixed)
        fixed->Zoom(screenScale);
    m_chart.ClearPrintPlacements();
    painter.end();
}

void CChartPanel::PrintPreview()
{
    m_hoverTimer.stop();
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { PrintChart(*p, true); });
    dialog.exec();
}

}  // namespace zarn
