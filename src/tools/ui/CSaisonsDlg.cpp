// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/CSaisonsDlg.h"

#include "ui/NightMode.h"

#include "tools/Seasons.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace zarn {

CSaisonsDlg::CSaisonsDlg(const CSoleil& sun, const CLieu& place, int year, QWidget* parent)
    : QDialog(parent), m_sun(sun), m_place(place)
{
    setWindowIcon(QApplication::windowIcon());
    setProperty("helpContext", 336);
    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(40, 40));
    m_year = new QSpinBox(this);
    m_year->setRange(kFirstYear, kLastYear);
    m_year->setValue(std::clamp(year, kFirstYear, kLastYear));
    m_year->setStatusTip(QStringLiteral(" Année des saisons"));
    auto* label = new QLabel(QStringLiteral("&Année"), this);
    label->setBuddy(m_year);
    m_result = new QLabel(this);
    m_result->setAlignment(Qt::AlignCenter);
    m_result->setAutoFillBackground(true);
    QPalette pal = m_result->palette();
    pal.setColor(QPalette::Window, night::paper(Qt::white));
    pal.setColor(QPalette::WindowText, night::ink());
    m_result->setPalette(pal);
    auto* close = new QPushButton(QStringLiteral("&Fermer"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, Qt::AlignCenter);
    grid->addWidget(label, 0, 1, Qt::AlignRight);
    grid->addWidget(m_year, 0, 2);
    grid->addWidget(m_result, 1, 0, 1, 3);
    grid->addWidget(close, 2, 0, 1, 3, Qt::AlignCenter);
    grid->setRowStretch(1, 1);

    connect(m_year, &QSpinBox::valueChanged, this, &CSaisonsDlg::compute);
    compute();
    // Wide enough for the longest line of any year.
    m_result->setMinimumWidth(
        QFontMetrics(m_result->font()).horizontalAdvance(QStringLiteral("Automne:  le 23 septembre  à  23 h 59")) + 24);
}

void CSaisonsDlg::compute()
{
    const int year = m_year->value();
    const SeasonsOfYear seasons = computeSeasons(m_sun, m_place, year);
    m_result->setText(QString::fromStdString(seasons.text));
    setWindowTitle(QString::fromStdString(seasonsTitle(year)));
}

}  // namespace zarn
