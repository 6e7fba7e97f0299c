// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options/COptionsNoms.h"

#include "app/options/OptionBoxes.h"

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
    auto* group = new QGroupBox(QStringLiteral(" Noms sur les cartes à l'écran "), this);
    auto* inner = new QVBoxLayout(group);
    m_names = addOptionBoxes(SheetBox::Names, m_values, group, *inner);
    m_limit = new QSlider(Qt::Horizontal, group);
    m_limit->setRange(ScreenNameOptions::kMinStarLimit, ScreenNameOptions::kMaxStarLimit);
    m_limit->setSingleStep(1);
    m_limit->setPageStep(5);
    m_limit->setTickPosition(QSlider::TicksBelow);
    m_limit->setTickInterval(5);
    m_limit->setAccessibleName(QStringLiteral("Magnitude limite des noms d'étoiles"));
    m_limitText = new QLabel(group);
    m_limitText->setMinimumWidth(m_limitText->fontMetrics().horizontalAdvance(QStringLiteral("0,00")));
    auto* hint = new QLabel(QStringLiteral("Plus de noms apparaissent quand on agrandit la carte."), group);
    hint->setWordWrap(true);

    m_limit->setValue(m_values.names.starLimit);
    m_limit->setEnabled(m_values.names.stars != 0);
    ShowLimit();
    connect(stars(), &QCheckBox::toggled, m_limit, &QSlider::setEnabled);
    connect(m_limit, &QSlider::valueChanged, this, [this](int v) {
        m_values.names.starLimit = v;
        ShowLimit();
    });

    // The limit's slider stands under the box of the stars' names.
    auto* row = new QHBoxLayout;
    row->addSpacing(20);
    row->addWidget(m_limit, 1);
    row->addWidget(m_limitText);
    inner->insertLayout(inner->indexOf(stars()) + 1, row);
    setTabOrder(stars(), m_limit);
    setTabOrder(m_limit, constellations());
    inner->addWidget(hint);
    auto* grids = new QGroupBox(QStringLiteral(" Grilles des coordonnées "), this);
    m_grids = addOptionBoxes(SheetBox::Grids, m_values, grids, *new QVBoxLayout(grids));

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
