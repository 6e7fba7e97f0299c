// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time bar: a second status bar of the main window that shows the date and
// the five time scales (legal, universal, mean solar, true solar, sidereal)
// side by side. When shown it takes the place of the ordinary status bar.
// A bar too narrow for all of them (a small or magnified screen) goes on in
// a second row, each scale's name staying with its value.
#include "time/TimeBar.h"

#include <QFrame>

#include <array>

class QLabel;

namespace zarn {

class CTimeBar : public QFrame {
    Q_OBJECT
public:
    static constexpr int kParts = 12;

    explicit CTimeBar(QWidget* parent);

    void refresh(const TimeBarTexts& texts);
    QString partText(int part) const;  // "" for part 0 (the picture)
    const QLabel* part(int index) const { return m_parts[static_cast<std::size_t>(index)]; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* addPart(const QString& text, int width, bool sunken);
    int partWidth(int index) const;
    int groupWidth(int group) const;
    int rowHeight() const;
    // Places the parts in rows for a width (only measures when place is
    // false) and gives the height they take.
    int arrange(int width, bool place) const;

    std::array<QLabel*, kParts> m_parts{};
};

}  // namespace zarn
