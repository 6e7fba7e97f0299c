#pragma once
// The time bar: a second status bar of the main window that shows the date and
// the five time scales (legal, universal, mean solar, true solar, sidereal)
// side by side. When shown it takes the place of the ordinary status bar.
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

private:
    QLabel* addPart(const QString& text, int width, bool sunken);

    std::array<QLabel*, kParts> m_parts{};
};

}  // namespace zarn
