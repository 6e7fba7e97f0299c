// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/CAnimationPanel.h"

#include <QPainter>

#include "charts/CCarteAnimation.h"

namespace zarn {

CAnimationPanel::CAnimationPanel(CCarteAnimation& chart, QWidget* parent) : CChartPanel(chart, parent), m_animation(chart)
{
}

void CAnimationPanel::SetDateLabel(const std::string& text, int offset)
{
    m_dateText = text;
    m_dateOffset = offset;
}

void CAnimationPanel::DrawChart(CQtSurface& dc, SRect rect, std::uint32_t flags)
{
    m_animation.SetScreenRect(rect);
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(qRound(rect.width() * ratio), qRound(rect.height() * ratio));
    if (m_background.size() != pixels || m_backgroundFlags != flags) {
        m_background = QImage(pixels, QImage::Format_RGB32);
        m_background.setDevicePixelRatio(ratio);
        m_backgroundFlags = flags;
        QPainter painter(&m_background);
        CQtSurface image(painter, colours(), Device());
        image.SetOrigin({-rect.left, -rect.top});
        m_animation.SetMovingLayer(false);
        m_animation.Draw(image, rect, flags);
        m_animation.SetMovingLayer(true);
    }
    QPainter& painter = dc.Painter();
    painter.save();
    painter.resetTransform();
    painter.drawImage(QPoint(kPanelFrame, kPanelFrame), m_background);
    painter.restore();
    m_animation.DrawMoving(dc, flags);
}

void CAnimationPanel::DrawOver(CQtSurface& dc) { drawDateLabel(dc, m_animation, m_dateText, m_dateOffset); }

void drawDateLabel(CSurface& dc, const CCarteAnimation& chart, const std::string& text, int offset)
{
    SPoint at;
    if (text.empty() || !chart.ReferenceMark(dc, at))
        return;
    dc.Save();
    dc.SetFont({"MS Sans Serif", dc.IsPrinter() ? -3 * dc.Millimetre().cy : -11, 400});
    if (dc.IsPrinter())
        offset = offset * 3 * dc.Millimetre().cx / 8;  // 3 mm beside a planet
    const SSize extent = dc.TextExtent(text);
    const SRect box{at.x + offset, at.y - extent.cy / 2, at.x + offset + extent.cx, at.y + extent.cy - extent.cy / 2};
    bool overlaps = false;
    for (int b = 1; b < CCarteAnimation::kBoxes; ++b)
        overlaps = overlaps || box.intersects(chart.Box(b));
    if (overlaps || dc.IsPrinter()) {
        dc.SetTextColour(kBlack);
        dc.SetBackground(kWhite, !dc.IsPrinter());
    } else {
        dc.SetTextColour(kWhite);
        dc.SetBackground(kWhite, false);
    }
    dc.Text(box.left, box.top, text, kAlignLeft | kAlignTop);
    dc.Restore();
}

}  // namespace zarn
