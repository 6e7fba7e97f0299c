// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Moon of the day: the lit part of the disc, bounded by the terminator,
// on the side of the Sun (right while the Moon waxes, left while it wanes).
#include <QPainterPath>
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
    // Where the terminator crosses the equator, in units from the middle of
    // a picture of the given width.
    static int terminatorOffset(int width, double terminator, double illuminatedFraction);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPainterPath& LitRegionFor(int side);

    struct LitKey {
        int side = -1;
        int offset = 0;
        bool waxing = true;
        bool operator==(const LitKey&) const = default;
    };
    double m_terminator = 1.0;
    double m_fraction = 0.0;
    bool m_waxing = true;
    LitKey m_litKey;
    QPainterPath m_lit;  // the lit region for m_litKey
};

}  // namespace zarn
