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

int CMoonPicture::terminatorOffset(int width, double terminator, double illuminatedFraction)
{
    int e = static_cast<int>(std::lround(terminator * width / 2.0));
    // A Moon lit at 1 % still shows a thread of light.
    if (std::lround(illuminatedFraction * 100.0) == 1 && std::abs(e) == width / 2)
        e += e > 0 ? -1 : 1;
    return e;
}

QPainterPath CMoonPicture::litRegion(QSize size, double terminator, double illuminatedFraction, bool waxing)
{
    const int w = size.width();
    const int h = size.height();
    const int e = terminatorOffset(w, terminator, illuminatedFraction);
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

const QPainterPath& CMoonPicture::LitRegionFor(int side)
{
    // The region changes with the whole units of the terminator only: the
    // clock moving leaves it as it is for hours.
    const LitKey key{side, terminatorOffset(side, m_terminator, m_fraction), m_waxing};
    if (!(key == m_litKey)) {
        m_lit = litRegion(QSize(side, side), m_terminator, m_fraction, m_waxing);
        m_litKey = key;
    }
    return m_lit;
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
    painter.drawPath(LitRegionFor(side));
}

}  // namespace zarn
