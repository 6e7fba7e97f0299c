// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/CPhasesPopup.h"

#include "charts/QtColour.h"

#include "ui/NightMode.h"

#include "time/Calendar.h"

#include <QPainter>

namespace zarn {

void CPhasesPopup::setPhases(const std::optional<std::array<PhaseEvent, 4>>& phases)
{
    m_phases = phases;
    update();
}

QString CPhasesPopup::dateText(int i) const
{
    if (!m_phases)
        return {};
    const PhaseEvent& p = (*m_phases)[static_cast<std::size_t>(i)];
    return QString::asprintf("%2d.%d", p.day.day(), p.day.month());
}

QString CPhasesPopup::timeText(int i) const
{
    if (!m_phases)
        return {};
    return QString::asprintf("%5.2f", toPackedMinutes((*m_phases)[static_cast<std::size_t>(i)].hours));
}

int CPhasesPopup::code(int i) const { return m_phases ? (*m_phases)[static_cast<std::size_t>(i)].code : kNoPhase; }

QSize CPhasesPopup::sizeFor(int viewWidth)
{
    const int width = (viewWidth - 2 * (viewWidth / 10)) * 18 / 17;
    return QSize(width, width * 13 / 36);
}

void CPhasesPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), background());
    const int W = width();
    const int H = height();
    const QFontMetrics fm(font());
    for (int i = 0; i < 4 && m_phases; ++i) {
        const int X = i * W / 4;
        const int centre = X + 11 * W / 90;
        const QString date = dateText(i);
        const QString time = timeText(i);
        painter.setPen(night::ink());
        painter.drawText(QPoint(centre - fm.horizontalAdvance(date) / 2, 15 * H / 63 - fm.descent()), date);
        painter.drawText(QPoint(centre - fm.horizontalAdvance(time) / 2, 45 * H / 63 + fm.ascent()), time);
        drawSymbol(painter, QRect(QPoint(X + 10 * W / 180, 18 * H / 63), QPoint(X + 34 * W / 180, 42 * H / 63)),
                   code(i));
    }
}

void CPhasesPopup::drawSymbol(QPainter& painter, const QRect& box, int phase) const
{
    // A square disc inside the box, so that it stays round at any size.
    const int side = std::min(box.width(), box.height());
    const QRectF disc(box.center().x() - side / 2.0, box.center().y() - side / 2.0, side, side);
    painter.setBrush(background());
    painter.setPen(night::ink());
    painter.drawEllipse(disc);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(kMoonLitColour));
    const QRectF inner = disc.adjusted(1, 1, -1, -1);
    if (phase == kFullMoon)
        painter.drawEllipse(inner);
    else if (phase == kFirstQuarter)
        painter.drawChord(inner, -90 * 16, 180 * 16);  // the right half
    else if (phase == kLastQuarter)
        painter.drawChord(inner, 90 * 16, 180 * 16);  // the left half
}

}  // namespace zarn
