#include "app/options/PreviewDrawing.h"

#include <QPainter>

namespace zarn {

PreviewDrawer previewDrawer(SkyModel&, const CInstant&, const CProgramPalette&)
{
    // Until the constellation chart can draw a small map, the picture shows
    // the sky colour it would be drawn on, with the constellation's name.
    return [](QPainter& painter, const QRect& rect, const PreviewScene& scene) {
        const QColor ink = scene.colouredStars ? QColor(244, 164, 64) : QColor(Qt::white);
        painter.setPen(QPen(ink, 1, Qt::DashLine));
        painter.drawRect(rect.adjusted(3, 3, -4, -4));
        painter.drawText(rect, Qt::AlignCenter, scene.constellation + QStringLiteral("\n(aperçu)"));
    };
}

}  // namespace zarn
