// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "&Vue planète" pop-up: seven items (Mercure ... Soleil) that draw their
// own label and a picture of the body. A typed m, v, a, j, s, l or o chooses
// item 0 to 6 when it is enabled.
#include <QMenu>

namespace zarn {

class CActions;

class CPlanetMenu : public QMenu {
    Q_OBJECT
public:
    CPlanetMenu(const QString& title, CActions& actions, QWidget* parent);

    static constexpr int kItemWidth = 100;
    static int itemIndexForKey(int key);  // -1 when the key chooses no item

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void drawItem(QPainter& painter, QAction* action, int index);
};

}  // namespace zarn
