// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The view-button bar of the sky window: the whole sky, the eight horizon
// directions, the seven bodies and real time. It lays its buttons out for its height:
// one column of buttons as large as the font asks when they fit, smaller
// ones down to a legible size, then two columns, so that the seventeen buttons
// are always all visible, apart, at any window size and screen scale.
#include <QList>
#include <functional>
#include <QWidget>

class QAction;
class QToolButton;

namespace zarn {

class CViewButtonBar : public QWidget {
    Q_OBJECT
public:
    // actionOf: the program's action of a command, or null.
    CViewButtonBar(const std::function<QAction*(int)>& actionOf, QWidget* parent);

    // The buttons in order: "Ciel", S … SE, Mercure … Soleil, then "Réel".
    const QList<QToolButton*>& buttons() const { return m_buttons; }
    int columns() const { return m_columns; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Layout {
        int columns;
        int side;
    };
    // The columns and button height that fit the height.
    Layout layoutFor(int height) const;
    void arrange();
    int preferredSide() const;
    int legibleSide() const;

    QList<QToolButton*> m_buttons;
    int m_columns = 1;
};

}  // namespace zarn
