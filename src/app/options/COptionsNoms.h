// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The " Noms et grilles" page of the chart options: which names the screen
// charts write (the Sun, the Moon and the planets; the named stars down to a
// limiting magnitude; the constellations) and which coordinate grids they draw. The printed page keeps its own
// "Marquer noms étoiles" choice.
#include "app/options/ChartOptionsValues.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QSlider;

namespace zarn {

class COptionsNoms : public QWidget {
    Q_OBJECT
public:
    COptionsNoms(ChartOptionsValues& values, QWidget* parent);

    QCheckBox* bodies() const { return m_bodies; }
    QCheckBox* stars() const { return m_stars; }
    QSlider* limit() const { return m_limit; }
    QCheckBox* constellations() const { return m_constellations; }
    QCheckBox* horizontalGrid() const { return m_horizontalGrid; }
    QCheckBox* equatorialGrid() const { return m_equatorialGrid; }

private:
    void ShowLimit();

    ChartOptionsValues& m_values;
    QCheckBox* m_bodies;
    QCheckBox* m_stars;
    QSlider* m_limit;
    QLabel* m_limitText;
    QCheckBox* m_constellations;
    QCheckBox* m_horizontalGrid;
    QCheckBox* m_equatorialGrid;
};

}  // namespace zarn
