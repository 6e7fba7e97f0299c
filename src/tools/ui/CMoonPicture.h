// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Moon of the day: the lit part of the disc, bounded by the terminator,
// on the side of the Sun (right while the Moon waxes, left while it wanes).
#include <QWidget>

namespace zarn {

class CMoonPicture : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // terminator: 1 − 2k (1 at new Moon, −1 at full Moon); waxing while the
    // Moon is east of the Sun.
    void setPhase(double terminator, double illuminatedFraction, bool waxing);

    // The lit region of a picture of the given size.
    static QPainterPath litRegion(QSize size, double terminator, double illuminatedFraction, bool waxing);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_terminator = 1.0;
    double m_fraction = 0.0;
    bool m_waxing = true;
};

}  // namespace zarn
