// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The last safeguard of night mode: a widget and its children drawn through
// this effect show every pixel in red by its brightness, whatever colours
// their own painting chose (pictures, icons, colour bands).
#include <QGraphicsEffect>

namespace zarn {

class CNightEffect : public QGraphicsEffect {
    Q_OBJECT
public:
    explicit CNightEffect(QObject* parent = nullptr) : QGraphicsEffect(parent) {}

protected:
    void draw(QPainter* painter) override;
};

}  // namespace zarn
