// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WindowArrangement.h"

#include <QMdiSubWindow>

#include <algorithm>
#include <cmath>

namespace zarn {

void cascadeWindows(const QList<QMdiSubWindow*>& windows, QRect area, int step)
{
    QPoint at = area.topLeft();
    for (QMdiSubWindow* window : windows) {
        // Start again at the top when the next step would leave too little room.
        if (at.x() + step * 4 > area.right() || at.y() + step * 4 > area.bottom())
            at = area.topLeft();
        const QSize room(area.right() + 1 - at.x(), area.bottom() + 1 - at.y());
        const QSize size = window->size().boundedTo(room).expandedTo(window->minimumSize());
        window->setGeometry(QRect(at, size));
        window->raise();
        at += QPoint(step, step);
    }
}

void tileWindows(const QList<QMdiSubWindow*>& windows, QRect area)
{
    const int count = static_cast<int>(windows.size());
    if (count == 0 || area.isEmpty())
        return;
    const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    const int rows = (count + columns - 1) / columns;
    for (int i = 0; i < count; ++i) {
        const int row = i / columns;
        // The last row shares its width among the windows left.
        const int inRow = row == rows - 1 ? count - row * columns : columns;
        const int column = i % columns;
        const int left = area.left() + area.width() * column / inRow;
        const int right = area.left() + area.width() * (column + 1) / inRow;
        const int top = area.top() + area.height() * row / rows;
        const int bottom = area.top() + area.height() * (row + 1) / rows;
        windows[i]->setGeometry(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    }
}

QRect keptInside(QRect rect, QRect area)
{
    rect.setSize(rect.size().boundedTo(area.size()));
    rect.moveLeft(std::clamp(rect.left(), area.left(), area.right() + 1 - rect.width()));
    rect.moveTop(std::clamp(rect.top(), area.top(), area.bottom() + 1 - rect.height()));
    return rect;
}

QRect openingPlace(QSize wanted, QRect area, const QList<QRect>& others, int step)
{
    QRect place = keptInside(QRect(area.topLeft(), wanted), area);
    auto taken = [&others](QPoint corner) {
        return std::any_of(others.begin(), others.end(), [corner](const QRect& r) { return r.topLeft() == corner; });
    };
    while (taken(place.topLeft()) && place.right() + step <= area.right() && place.bottom() + step <= area.bottom())
        place.translate(step, step);
    return place;
}

}  // namespace zarn
