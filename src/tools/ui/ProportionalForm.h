// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of a form placed at design positions and moved in proportion
// when the form is resized: positions and widths follow the new size, and
// the heights of the chart areas too (a text line keeps its height).
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace zarn {

// The width a control needs to show its whole text.
int textRoom(const QWidget& widget);

class ProportionalForm {
public:
    explicit ProportionalForm(QSize design) : m_design(design) {}

    // A control at its place in the design size; stretchHeight for charts.
    QWidget* place(QWidget* widget, QRect designRect, bool stretchHeight = false);
    // Places every control for the form's new size.
    void apply(QSize size) const;
    // The smallest size at which every control shows its whole text: the
    // design size, enlarged evenly when the font wants more room.
    QSize minimumSize() const;
    QSize designSize() const { return m_design; }

private:
    struct Item {
        QWidget* widget;
        QRect rect;
        bool stretchHeight;
    };
    QSize m_design;
    std::vector<Item> m_items;
};

}  // namespace zarn
