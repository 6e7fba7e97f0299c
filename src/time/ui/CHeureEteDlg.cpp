// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/ui/CHeureEteDlg.h"

#include "ui/NightMode.h"
#include "time/Calendar.h"
#include "time/LegalOffset.h"
#include "ui/MessageBoxes.h"

#include <QKeyEvent>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zarn {

CHeureEteDlg::CHeureEteDlg(int year, QWidget* parent) : CHeureEteDlg(year, CLieu(), parent) {}

CHeureEteDlg::CHeureEteDlg(int year, const CLieu& place, QWidget* parent) : QDialog(parent), m_place(place)
{
    setWindowTitle(QStringLiteral(" Heure d'été"));
    m_year = new QLineEdit(this);
    m_year->setMaxLength(4);
    m_year->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_year));
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_up->setAutoRepeat(true);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    m_down->setAutoRepeat(true);
    auto* label = new QLabel(QStringLiteral("&Année"), this);
    label->setBuddy(m_year);
    m_result = new QLabel(this);
    m_result->setAutoFillBackground(true);
    QPalette pal = m_result->palette();
    pal.setColor(QPalette::Window, night::paper(Qt::white));
    pal.setColor(QPalette::WindowText, night::ink());
    m_result->setPalette(pal);
    m_result->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    const QFontMetrics fm(font());
    m_result->setMinimumWidth(std::max(fm.horizontalAdvance(QStringLiteral(" 00.00 --> 00.00 ")),
                                       fm.horizontalAdvance(QStringLiteral(" Pas d'heure d'été "))) + 8);
    auto* close = new QPushButton(QStringLiteral("&Fermer"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_year);
    row->addWidget(m_up);
    row->addWidget(m_down);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(row);
    layout->addWidget(m_result);
    layout->addWidget(close, 0, Qt::AlignRight);

    m_spin = std::clamp(year, firstYear(), kLastYear);
    m_year->setText(QString::number(year));
    connect(m_year, &QLineEdit::textChanged, this, &CHeureEteDlg::showResult);
    connect(m_up, &QToolButton::clicked, this, [this] { step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
    showResult();
}

void CHeureEteDlg::step(int delta)
{
    m_spin = std::clamp(m_spin + delta, firstYear(), kLastYear);
    m_year->setText(QString::number(m_spin));
}

QString CHeureEteDlg::resultText(int year) { return resultText(year, CLieu()); }

QString CHeureEteDlg::resultText(int year, const CLieu& place)
{
    // The program's years: no date is given past them (2100 has none).
    if (year < kFirstDate || year > kLastDate)
        return QStringLiteral("Année non valable");
    return QString::fromStdString(summerChangesText(place, year));
}

void CHeureEteDlg::showResult()
{
    int year = 0;
    readInteger(m_year->text(), year);
    if (year >= firstYear() && year <= kLastYear)
        m_spin = year;
    m_result->setText(resultText(year, m_place));
}

void CHeureEteDlg::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_year->hasFocus()) {
        showResult();
        m_year->selectAll();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zarn
