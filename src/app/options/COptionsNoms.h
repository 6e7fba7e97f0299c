// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The " Noms et grilles" page of the chart options: which names the screen
// charts write (the Sun, the Moon and the planets; the named stars down to a
// limiting magnitude; the constellations) and which coordinate grids they draw. The printed page keeps its own
// "Marquer noms étoiles" choice.
#include "app/options/ChartOptionsValues.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QLabel;
class QSlider;

namespace zarn {

class COptionsNoms : public QWidget {
    Q_OBJECT
public:
    COptionsNoms(ChartOptionsValues& values, QWidget* parent);

    // The boxes in the order of the table of display options.
    QCheckBox* bodies() const { return m_names[0]; }
    QCheckBox* stars() const { return m_names[1]; }
    QSlider* limit() const { return m_limit; }
    QCheckBox* constellations() const { return m_names[2]; }
    QCheckBox* horizontalGrid() const { return m_grids[0]; }
    QCheckBox* equatorialGrid() const { return m_grids[1]; }

private:
    void ShowLimit();

    ChartOptionsValues& m_values;
    std::vector<QCheckBox*> m_names;
    std::vector<QCheckBox*> m_grids;
    QSlider* m_limit;
    QLabel* m_limitText;
};

}  // namespace zarn
