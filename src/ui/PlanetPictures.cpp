// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PlanetPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace zarn {
namespace {

// Body colour and disc radius, roughly as the eye and a small telescope see them.
constexpr int kLooks[7][4] = {
    {170, 160, 150, 4},  // Mercure
    {245, 235, 200, 6},  // Vénus
    {215, 95, 50, 5},    // Mars
    {225, 190, 150, 7},  // Jupiter
    {220, 200, 130, 5},  // Saturne
    {225, 225, 215, 7},  // Lune
    {255, 200, 0, 6},    // Soleil
};

void drawJupiterBands(QPainter& p, QPointF c, qreal r)
{
    p.setPen(QPen(QColor(170, 120, 80), 1.0));
    p.drawLine(QPointF(c.x() - r + 1, c.y() - 2), QPointF(c.x() + r - 1, c.y() - 2));
    p.drawLine(QPointF(c.x() - r + 1, c.y() + 2), QPointF(c.x() + r - 1, c.y() + 2));
}

void drawSaturnRing(QPainter& p, QPointF c, qreal r)
{
    p.setPen(QPen(QColor(150, 130, 80), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 2.3, r * 0.8);
}

void drawMoonShadow(QPainter& p, QPointF c, qreal r)
{
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    QPainterPath lit;
    lit.addEllipse(QPointF(c.x() + r * 0.8, c.y()), r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 100));
    p.drawPath(disc.subtracted(lit));
}

void drawSunRays(QPainter& p, QPointF c, qreal r)
{
    p.setPen(QPen(QColor(240, 150, 0), 1.0));
    for (int k = 0; k < 8; ++k) {
        p.save();
        p.translate(c);
        p.rotate(45.0 * k);
        p.drawLine(QPointF(r + 1, 0), QPointF(r + 3, 0));
        p.restore();
    }
}

}  // namespace

QPixmap planetPicture(int index, qreal devicePixelRatio)
{
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(qRound(kPlanetPictureWidth * dpr), qRound(kPlanetPictureHeight * dpr));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    if (index < 0 || index > 6)
        return pixmap;

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kPlanetPictureWidth / 2.0, kPlanetPictureHeight / 2.0);
    const qreal r = kLooks[index][3];
    if (index == 6)
        drawSunRays(p, centre, r);
    p.setPen(QPen(QColor(60, 60, 60), 0.8));
    p.setBrush(QColor(kLooks[index][0], kLooks[index][1], kLooks[index][2]));
    p.drawEllipse(centre, r, r);
    if (index == 3)
        drawJupiterBands(p, centre, r);
    else if (index == 4)
        drawSaturnRing(p, centre, r);
    else if (index == 5)
        drawMoonShadow(p, centre, r);
    return pixmap;
}

}  // namespace zarn
