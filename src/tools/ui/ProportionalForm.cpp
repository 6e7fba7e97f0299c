// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/ProportionalForm.h"

#include <QLineEdit>
#include <algorithm>
#include <cmath>

namespace zarn {

int textRoom(const QWidget& widget)
{
    // A line edit's hint is a fixed number of letters: its text and frame are what count.
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return edit->fontMetrics().horizontalAdvance(edit->text()) + edit->minimumSizeHint().width();
    return widget.sizeHint().width();
}

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

QSize ProportionalForm::minimumSize() const
{
    // Positions and widths grow with the form, so the widest need among the
    // text controls sets the scale for all of them; a chart takes any width.
    double scale = 1.0;
    for (const Item& item : m_items)
        if (!item.stretchHeight)
            scale = std::max(scale, double(textRoom(*item.widget)) / item.rect.width());
    return {static_cast<int>(std::ceil(m_design.width() * scale)), static_cast<int>(std::ceil(m_design.height() * scale))};
}

}  // namespace zarn
