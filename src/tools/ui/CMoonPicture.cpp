// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/CMoonPicture.h"

#include "charts/QtColour.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdlib>

namespace zarn {

void CMoonPicture::setPhase(double terminator, double illuminatedFraction, bool waxing)
{
    m_terminator = terminator;
    m_fraction = illuminatedFraction;
    m_waxing = waxing;
    update();
}

QPainterPath CMoonPicture::litRegion(QSize size, double terminator, double illuminatedFraction, bool waxing)
{
    const int w = size.width();
    const int h = size.height();
    int e = static_cast<int>(std::lround(terminator * w / 2.0));
    // A Moon lit at 1 % still shows a thread of light.
    if (std::lround(illuminatedFraction * 100.0) == 1 && std::abs(e) == w / 2)
        e += e > 0 ? -1 : 1;
    if (e >= w / 2)
        return {};  // new Moon: nothing lit
    QPainterPath disc;
    disc.addEllipse(QRectF(0, 0, w, h));
    // The half away from the Sun is taken off.
    QPainterPath away;
    away.addRect(waxing ? QRectF(0, 0, w / 2.0, h) : QRectF(w / 2.0, 0, w / 2.0, h));
    QPainterPath region = disc.subtracted(away);
    const int a = std::abs(e);
    QPainterPath terminatorEllipse;
    terminatorEllipse.addEllipse(QRectF(w / 2.0 - a, 0, 2.0 * a, h));
    // Gibbous: the terminator bulges into the dark half; crescent: it eats
    // into the lit half.
    return e < 1 ? region.united(terminatorEllipse) : region.subtracted(terminatorEllipse);
}

void CMoonPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().window());
    // A square picture centred in the control, so the disc stays round.
    const int side = std::min(width(), height());
    painter.translate((width() - side) / 2.0, (height() - side) / 2.0);
    painter.setPen(QPen(toQColor(kMoonRimColour), 0));
    painter.setBrush(toQColor(kMoonDarkColour));
    painter.drawEllipse(QRectF(0, 0, side, side));
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(kMoonLitColour));
    painter.drawPath(litRegion(QSize(side, side), m_terminator, m_fraction, m_waxing));
}

}  // namespace zarn
