// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/ui/CDateDlg.h"

#include "time/LegalOffset.h"

#include "time/Calendar.h"
#include "ui/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zarn {

CDateDlg::CDateDlg(CDateHeure& dateTime, const CLieu& place, QWidget* parent) : CDateDlg(dateTime, parent)
{
    m_place = place;
}

CDateDlg::CDateDlg(CDateHeure& dateTime, QWidget* parent) : QDialog(parent), m_dateTime(dateTime)
{
    setWindowTitle(QStringLiteral(" Nouvelle Date"));
    m_date = new QLineEdit(this);
    m_date->setMaxLength(10);
    m_time = new QLineEdit(this);
    m_time->setMaxLength(5);
    acceptOnlyDigitsAndPoint(m_date);
    acceptOnlyTimeOfDay(m_time);
    m_date->setText(QString::asprintf("%d.%d.%d", dateTime.day(), dateTime.month(), dateTime.year()));
    m_time->setText(QString::asprintf("%d.%.2d", dateTime.hour(), dateTime.minute()));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Date"), m_date);
    form->addRow(QStringLiteral("&Heure"), m_time);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_date->setFocus();
}

void CDateDlg::accept()
{
    const std::string dateText = m_date->text().toStdString();
    const ParsedDate date = parseDate(dateText);
    if (!date.valid) {
        showExclamation(this, QStringLiteral("Date non valable"));
        m_date->setFocus();
        return;
    }
    const std::optional<HourMinuteSecond> time = parseTimeOfDay(m_time->text().toStdString());
    if (!time) {
        showExclamation(this, QStringLiteral("Heure non valable"));
        m_time->setFocus();
        return;
    }
    // A typed time means the first pass of an hour that the clock shows twice.
    const CDateHeure typed(date.day, date.month, date.year, time->hours, time->minutes, 0);
    if (m_place && !legalTimeExists(typed, *m_place)) {
        showExclamation(this, QStringLiteral("Heure non valable"));
        m_time->setFocus();
        return;
    }
    m_dateTime = typed;
    m_dateTime.setSummerTime(1);
    QDialog::accept();
}

}  // namespace zarn
