// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The next four principal phases of the Moon: for each its day, its time and
// its symbol, in four columns.
#include "tools/MoonPhases.h"
#include "tools/ui/CAlmanacPopup.h"

#include <array>
#include <optional>

namespace zarn {

class CPhasesPopup : public CAlmanacPopup {
    Q_OBJECT
public:
    using CAlmanacPopup::CAlmanacPopup;

    void setPhases(const std::optional<std::array<PhaseEvent, 4>>& phases);
    // The texts of column i: "%2d.%d" of the day and "%5.2f" of the time.
    QString dateText(int i) const;
    QString timeText(int i) const;
    int code(int i) const;

    // Size for a Sun-and-Moon view of the given client width.
    static QSize sizeFor(int viewWidth);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawSymbol(QPainter& painter, const QRect& box, int code) const;

    std::optional<std::array<PhaseEvent, 4>> m_phases;
};

}  // namespace zarn
