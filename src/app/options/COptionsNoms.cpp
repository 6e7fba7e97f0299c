// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options/COptionsNoms.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

namespace zarn {

COptionsNoms::COptionsNoms(ChartOptionsValues& values, QWidget* parent) : QWidget(parent), m_values(values)
{
    setWindowTitle(QStringLiteral(" Noms et grilles"));
    ScreenNameOptions& names = m_values.names;
    auto* group = new QGroupBox(QStringLiteral(" Noms sur les cartes à l'écran "), this);
    m_bodies = new QCheckBox(QStringLiteral("&Soleil, Lune et planètes"), group);
    m_stars = new QCheckBox(QStringLiteral("É&toiles jusqu'à la magnitude"), group);
    m_limit = new QSlider(Qt::Horizontal, group);
    m_limit->setRange(ScreenNameOptions::kMinStarLimit, ScreenNameOptions::kMaxStarLimit);
    m_limit->setSingleStep(1);
    m_limit->setPageStep(5);
    m_limit->setTickPosition(QSlider::TicksBelow);
    m_limit->setTickInterval(5);
    m_limit->setAccessibleName(QStringLiteral("Magnitude limite des noms d'étoiles"));
    m_limitText = new QLabel(group);
    m_limitText->setMinimumWidth(m_limitText->fontMetrics().horizontalAdvance(QStringLiteral("0,00")));
    m_constellations = new QCheckBox(QStringLiteral("&Constellations"), group);
    auto* hint = new QLabel(QStringLiteral("Plus de noms apparaissent quand on agrandit la carte."), group);
    hint->setWordWrap(true);

    m_bodies->setChecked(names.bodies != 0);
    m_stars->setChecked(names.stars != 0);
    m_limit->setValue(names.starLimit);
    m_limit->setEnabled(names.stars != 0);
    m_constellations->setChecked(names.constellations != 0);
    ShowLimit();

    connect(m_bodies, &QCheckBox::toggled, this, [this](bool on) { m_values.names.bodies = on ? 1 : 0; });
    connect(m_stars, &QCheckBox::toggled, this, [this](bool on) {
        m_values.names.stars = on ? 1 : 0;
        m_limit->setEnabled(on);
    });
    connect(m_limit, &QSlider::valueChanged, this, [this](int v) {
        m_values.names.starLimit = v;
        ShowLimit();
    });
    connect(m_constellations, &QCheckBox::toggled, this,
            [this](bool on) { m_values.names.constellations = on ? 1 : 0; });

    auto* row = new QHBoxLayout;
    row->addSpacing(20);
    row->addWidget(m_limit, 1);
    row->addWidget(m_limitText);
    auto* inner = new QVBoxLayout(group);
    inner->addWidget(m_bodies);
    inner->addWidget(m_stars);
    inner->addLayout(row);
    inner->addWidget(m_constellations);
    inner->addWidget(hint);
    auto* grids = new QGroupBox(QStringLiteral(" Grilles des coordonnées "), this);
    m_horizontalGrid = new QCheckBox(QStringLiteral("&Hauteur et azimut"), grids);
    m_equatorialGrid = new QCheckBox(QStringLiteral("&Ascension droite et déclinaison"), grids);
    m_horizontalGrid->setChecked(m_values.grid.horizontal != 0);
    m_equatorialGrid->setChecked(m_values.grid.equatorial != 0);
    connect(m_horizontalGrid, &QCheckBox::toggled, this, [this](bool on) { m_values.grid.horizontal = on ? 1 : 0; });
    connect(m_equatorialGrid, &QCheckBox::toggled, this, [this](bool on) { m_values.grid.equatorial = on ? 1 : 0; });
    auto* gridLayout = new QVBoxLayout(grids);
    gridLayout->addWidget(m_horizontalGrid);
    gridLayout->addWidget(m_equatorialGrid);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(grids);
    layout->addStretch(1);
}

void COptionsNoms::ShowLimit()
{
    // French decimal comma: 2,5.
    m_limitText->setText(QString::number(m_values.names.starLimit / 10.0, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')));
}

}  // namespace zarn
