#include "tools/ui/ProportionalForm.h"

#include <QWidget>
#include <cmath>

namespace zarn {

QWidget* ProportionalForm::place(QWidget* widget, QRect designRect, bool stretchHeight)
{
    m_items.push_back({widget, designRect, stretchHeight});
    widget->setGeometry(designRect);
    return widget;
}

void ProportionalForm::apply(QSize size) const
{
    const double fx = double(size.width()) / m_design.width();
    const double fy = double(size.height()) / m_design.height();
    for (const Item& item : m_items) {
        const QRect& r = item.rect;
        const int x = static_cast<int>(std::lround(r.x() * fx));
        const int y = static_cast<int>(std::lround(r.y() * fy));
        const int w = static_cast<int>(std::lround(r.width() * fx));
        const int h = item.stretchHeight ? static_cast<int>(std::lround(r.height() * fy)) : r.height();
        item.widget->setGeometry(x, y, std::max(w, 1), std::max(h, 1));
    }
}

}  // namespace zarn
