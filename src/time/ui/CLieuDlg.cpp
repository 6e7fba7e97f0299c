// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/ui/CLieuDlg.h"

#include "time/LegalOffset.h"
#include "time/ZoneDatabase.h"
#include "ui/MessageBoxes.h"

#include <QComboBox>
#include <QCompleter>
#include <QDateTime>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace zarn {

namespace {
QLabel* buddyLabel(const QString& text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

QString numberText(double v) { return QString::asprintf("%.2f", v); }
}  // namespace

CLieuDlg::CLieuDlg(const PlaceFields& fields, QWidget* parent) : QDialog(parent), m_fields(fields)
{
    setWindowTitle(fields.name.isEmpty() ? QStringLiteral(" Nouvel Observatoire")
                                         : QStringLiteral(" Observatoire"));
    m_name = new QLineEdit(this);
    m_name->setMaxLength(kMaxNameLength);
    m_longitude = new QLineEdit(this);
    m_latitude = new QLineEdit(this);
    m_zone = new QLineEdit(this);
    acceptOnlyDigitsAndPoint(m_longitude);
    acceptOnlyDigitsAndPoint(m_latitude);
    m_east = new QRadioButton(QStringLiteral("&Est"), this);
    m_west = new QRadioButton(QStringLiteral("O&uest"), this);
    m_north = new QRadioButton(QStringLiteral("&Nord"), this);
    m_south = new QRadioButton(QStringLiteral("&Sud"), this);
    auto* ew = new QButtonGroup(this);
    ew->addButton(m_east);
    ew->addButton(m_west);
    auto* ns = new QButtonGroup(this);
    ns->addButton(m_north);
    ns->addButton(m_south);
    m_summer = new QCheckBox(QStringLiteral("&Heure d'été"), this);
    m_zoneName = makeZoneNameBox();
    m_offset = new QLabel(this);

    auto* grid = new QGridLayout;
    grid->addWidget(buddyLabel(QStringLiteral(" &Lieu"), m_name, this), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 3);
    grid->addWidget(buddyLabel(QStringLiteral(" Lon&gitude"), m_longitude, this), 1, 0);
    grid->addWidget(m_longitude, 1, 1);
    grid->addWidget(m_east, 1, 2);
    grid->addWidget(m_west, 1, 3);
    grid->addWidget(buddyLabel(QStringLiteral(" La&titude"), m_latitude, this), 2, 0);
    grid->addWidget(m_latitude, 2, 1);
    grid->addWidget(m_north, 2, 2);
    grid->addWidget(m_south, 2, 3);
    grid->addWidget(buddyLabel(QStringLiteral(" &Fuseau"), m_zone, this), 3, 0);
    grid->addWidget(m_zone, 3, 1);
    grid->addWidget(m_summer, 3, 2, 1, 2);
    grid->addWidget(buddyLabel(QStringLiteral(" Fuseau hora&ire"), m_zoneName, this), 4, 0);
    grid->addWidget(m_zoneName, 4, 1, 1, 2);
    grid->addWidget(m_offset, 4, 3);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    fill();
    m_name->setFocus();
}

void CLieuDlg::fill()
{
    m_name->setText(m_fields.name);
    m_longitude->setText(numberText(std::fabs(m_fields.longitude)));
    (m_fields.longitude > 0 ? m_west : m_east)->setChecked(true);
    m_latitude->setText(numberText(std::fabs(m_fields.latitude)));
    (m_fields.latitude < 0 ? m_south : m_north)->setChecked(true);
    m_zone->setText(QString::number(m_fields.zone));
    m_summer->setChecked(m_fields.summerTime);
    m_zoneName->setCurrentText(m_fields.zoneName.isEmpty() ? fixedZoneText() : m_fields.zoneName);
    onZoneNameChanged(m_zoneName->currentText());
}

QComboBox* CLieuDlg::makeZoneNameBox()
{
    auto* box = new QComboBox(this);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(16);
    QStringList names{fixedZoneText()};
    for (const std::string& name : zoneNames())
        names << QString::fromStdString(name);
    box->addItems(names);
    // "Montr" finds America/Montreal, "paris" Europe/Paris.
    auto* completer = new QCompleter(names, box);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    box->setCompleter(completer);
    box->setMinimumContentsLength(22);
    connect(box, &QComboBox::currentTextChanged, this, &CLieuDlg::onZoneNameChanged);
    return box;
}

void CLieuDlg::onZoneNameChanged(const QString& text)
{
    // On a zone of the database its rules decide; the zone and flag show the
    // nearest values kept in the settings record.
    const std::string name = text.trimmed().toStdString();
    const bool named = !name.empty() && zoneKnown(name);
    m_zone->setEnabled(!named);
    m_summer->setEnabled(!named);
    if (!named) {
        m_offset->clear();
        return;
    }
    const CLieu on = placeOnZone(CLieu(), name, QDate::currentDate().year());
    m_zone->setText(QString::number(on.zone()));
    m_summer->setChecked(on.observesSummerTime() != 0);
    const double now = QDateTime::currentSecsSinceEpoch() / 86400.0 + 2440587.5;
    m_offset->setText(QString::fromStdString(offsetText(legalOffsetSeconds(now, on))));
}

void CLieuDlg::refuse(QWidget* field, const QString& message)
{
    showExclamation(this, message);
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}

bool CLieuDlg::readField(QLineEdit* field, double lo, double hi, double& value)
{
    if (!readNumber(field->text(), value) || !std::isfinite(value)) {
        refuse(field, QStringLiteral("Tapez un nombre."));
        return false;
    }
    if (value < lo || value > hi) {
        refuse(field, QStringLiteral("Tapez un nombre compris entre %1 et %2.").arg(lo).arg(hi));
        return false;
    }
    return true;
}

void CLieuDlg::accept()
{
    const QString zoneName = m_zoneName->currentText().trimmed();
    const bool fixed = zoneName.isEmpty() || zoneName == fixedZoneText();
    if (!fixed && !zoneKnown(zoneName.toStdString())) {
        refuse(m_zoneName, QStringLiteral("Fuseau horaire inconnu : choisissez un nom de la liste ou \"%1\".")
                               .arg(fixedZoneText()));
        return;
    }
    int zone = 0;
    if (!readInteger(m_zone->text(), zone)) {
        refuse(m_zone, QStringLiteral("Tapez un nombre entier."));
        return;
    }
    if (zone < -12 || zone > 13) {
        refuse(m_zone, QStringLiteral("Tapez un nombre entier compris entre %1 et %2.").arg(-12).arg(13));
        return;
    }
    double latitude = 0.0;
    double longitude = 0.0;
    if (!readField(m_latitude, 0, 90, latitude) || !readField(m_longitude, 0, 180, longitude))
        return;
    if (m_name->text().size() > kMaxNameLength) {
        refuse(m_name, QStringLiteral("Tapez %1 caractères au maximum.").arg(kMaxNameLength));
        return;
    }
    m_fields.name = m_name->text();
    m_fields.longitude = (m_west->isChecked() ? 1.0 : -1.0) * longitude;
    m_fields.latitude = (m_south->isChecked() ? -1.0 : 1.0) * latitude;
    m_fields.zone = zone;
    m_fields.summerTime = m_summer->isChecked();
    m_fields.zoneName = fixed ? QString() : zoneName;
    QDialog::accept();
}

}  // namespace zarn
