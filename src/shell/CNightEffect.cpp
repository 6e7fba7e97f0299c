// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CNightEffect.h"

#include "ui/NightMode.h"

#include <QPainter>

namespace zarn {

void CNightEffect::draw(QPainter* painter)
{
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::NoPad);
    if (source.isNull())
        return;
    QImage image = source.toImage();
    night::redden(image);
    image.setDevicePixelRatio(source.devicePixelRatio());
    painter->save();
    painter->setWorldTransform(QTransform());
    painter->drawImage(offset, image);
    painter->restore();
}

}  // namespace zarn
