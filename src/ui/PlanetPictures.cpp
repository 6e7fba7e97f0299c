// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PlanetPictures.h"

#include "charts/QtColour.h"
#include "sky/BodyTable.h"

#include <QPainter>
#include <QPainterPath>

namespace zarn {
namespace {

// The disc radius of each body, by body index, roughly as the eye and a small
// telescope see them.
constexpr int kRadii[kBodyCount] = {6, 4, 6, 5, 7, 5, 7};

void drawJupiterBands(QPainter& p, QPointF c, qreal r)
{
    p.setPen(QPen(toQColor(kJupiterBandColour), 1.0));
    p.drawLine(QPointF(c.x() - r + 1, c.y() - 2), QPointF(c.x() + r - 1, c.y() - 2));
    p.drawLine(QPointF(c.x() - r + 1, c.y() + 2), QPointF(c.x() + r - 1, c.y() + 2));
}

void drawSaturnRing(QPainter& p, QPointF c, qreal r)
{
    p.setPen(QPen(toQColor(kSaturnRingColour), 1.2));
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
    p.setBrush(toQColor(kMoonShadowColour));
    p.drawPath(disc.subtracted(lit));
}

void drawSunRays(QPainter& p, QPointF c, qreal r)
{
    p.setPen(QPen(toQColor(kSunRayColour), 1.0));
    for (int k = 0; k < 8; ++k) {
        p.save();
        p.translate(c);
        p.rotate(45.0 * k);
        p.drawLine(QPointF(r + 1, 0), QPointF(r + 3, 0));
        p.restore();
    }
}

}  // namespace

QPixmap bodyPicture(int bodyIndex, qreal devicePixelRatio)
{
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(qRound(kPlanetPictureWidth * dpr), qRound(kPlanetPictureHeight * dpr));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    if (!isBodyIndex(bodyIndex))
        return pixmap;

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kPlanetPictureWidth / 2.0, kPlanetPictureHeight / 2.0);
    const qreal r = kRadii[bodyIndex];
    if (bodyIndex == kSun)
        drawSunRays(p, centre, r);
    p.setPen(QPen(toQColor(kPictureOutlineColour), 0.8));
    p.setBrush(toQColor(kBodyPictureColours[static_cast<std::size_t>(bodyIndex)]));
    p.drawEllipse(centre, r, r);
    if (bodyIndex == kJupiter)
        drawJupiterBands(p, centre, r);
    else if (bodyIndex == kSaturn)
        drawSaturnRing(p, centre, r);
    else if (bodyIndex == kMoon)
        drawMoonShadow(p, centre, r);
    return pixmap;
}

QPixmap planetPicture(int menuPosition, qreal devicePixelRatio)
{
    const bool inMenu = menuPosition >= 0 && menuPosition < kBodyCount;
    return bodyPicture(inMenu ? bodyAtMenuPosition(menuPosition) : -1, devicePixelRatio);
}

}  // namespace zarn
