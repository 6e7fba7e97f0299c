// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options/COptionsNouveauxObjets.h"

#include "app/options/CSymbolPicture.h"
#include "archive/Windows1252.h"
#include "ui/MessageBoxes.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zarn {

namespace {

constexpr int kSymbolRole = Qt::UserRole;

QLabel* buddyLabel(const QString& text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

QListWidgetItem* lineOf(const UserObjectEntry& entry)
{
    auto* item = new QListWidgetItem(QString::fromStdString(userObjectLine(entry)));
    item->setData(kSymbolRole, entry.symbol);
    return item;
}

}  // namespace

COptionsNouveauxObjets::COptionsNouveauxObjets(std::vector<UserObjectEntry> entries, QWidget* parent)
    : QWidget(parent), m_entries(std::move(entries))
{
    setWindowTitle(QStringLiteral(" Ajouter des Objets"));
    auto* group = new QGroupBox(QStringLiteral(" Ajouter.. "), this);
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(buildFields());
    groupLayout->addWidget(buildSymbols());

    m_list = new QListWidget(this);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const UserObjectEntry& entry : m_entries)
        m_list->addItem(lineOf(entry));
    m_add = new QPushButton(QStringLiteral("A&jouter"), this);
    m_remove = new QPushButton(QStringLiteral("&Enlever"), this);
    m_add->setEnabled(false);
    m_remove->setEnabled(false);
    m_add->setAutoDefault(false);
    m_remove->setAutoDefault(false);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    auto* lower = new QHBoxLayout;
    lower->addWidget(m_list, 1);
    lower->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(lower, 1);

    connect(m_rightAscension, &QLineEdit::textChanged, this, &COptionsNouveauxObjets::onFieldsEdited);
    connect(m_declination, &QLineEdit::textChanged, this, &COptionsNouveauxObjets::onFieldsEdited);
    connect(m_add, &QPushButton::clicked, this, &COptionsNouveauxObjets::onAdd);
    connect(m_remove, &QPushButton::clicked, this, &COptionsNouveauxObjets::onRemove);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(!m_list->selectedItems().isEmpty()); });
}

QWidget* COptionsNouveauxObjets::buildFields()
{
    auto* box = new QWidget(this);
    m_name = new QLineEdit(box);
    m_rightAscension = new QLineEdit(box);
    m_rightAscension->setMaxLength(5);
    acceptOnlyDigitsAndPoint(m_rightAscension);
    m_declination = new QLineEdit(box);
    m_declination->setMaxLength(6);
    acceptOnlyDigitsAndPoint(m_declination, true);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(buddyLabel(QStringLiteral("&Nom"), m_name, box), 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(buddyLabel(QStringLiteral("&A.D."), m_rightAscension, box), 1, 0);
    grid->addWidget(m_rightAscension, 1, 1);
    grid->addWidget(buddyLabel(QStringLiteral("&Déclinaison"), m_declination, box), 2, 0);
    grid->addWidget(m_declination, 2, 1);
    grid->setRowStretch(3, 1);
    return box;
}

QWidget* COptionsNouveauxObjets::buildSymbols()
{
    // Comet, cluster, nebula, galaxy and cross, each beside its chart picture.
    static const char* const kNames[5] = {"COMETE", "AMAS", "NEBULEUSE", "GALAXIE", "IXE"};
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* title = new QLabel(QStringLiteral("&Symbole"), box);
    grid->addWidget(title, 0, 0, 1, 2);
    m_symbolGroup = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto* radio = new QRadioButton(box);
        radio->setAccessibleName(QString::fromLatin1(kNames[i]));
        m_symbolGroup->addButton(radio, i);
        m_symbols[static_cast<std::size_t>(i)] = radio;
        auto* picture = new CSymbolPicture(i, box);
        picture->setObjectName(QString::fromLatin1(kNames[i]));
        grid->addWidget(radio, i + 1, 0);
        grid->addWidget(picture, i + 1, 1);
    }
    title->setBuddy(m_symbols[0]);
    m_symbols[0]->setChecked(true);
    return box;
}

int COptionsNouveauxObjets::symbol() const { return std::max(0, m_symbolGroup->checkedId()); }

void COptionsNouveauxObjets::onFieldsEdited()
{
    const bool ready = !m_rightAscension->text().isEmpty() && !m_declination->text().isEmpty();
    m_add->setEnabled(ready);
    m_add->setDefault(ready);
    emit addIsDefault(ready);
}

void COptionsNouveauxObjets::refuse(QLineEdit* field, const QString& message)
{
    showExclamation(this, message);
    field->setFocus();
    field->selectAll();
}

void COptionsNouveauxObjets::onAdd()
{
    m_list->clearSelection();
    const auto alpha = normalCoordinate(m_rightAscension->text().toStdString(), 0, 24);
    if (!alpha) {
        refuse(m_rightAscension, QStringLiteral("A.D. non valable"));
        return;
    }
    m_rightAscension->setText(QString::fromStdString(*alpha));
    const auto delta = normalCoordinate(m_declination->text().toStdString(), -90, 90);
    if (!delta) {
        refuse(m_declination, QStringLiteral("Déclinaison non valable"));
        return;
    }
    m_declination->setText(QString::fromStdString(*delta));
    const std::string name = m_name->text().trimmed().toStdString();
    // The objects file keeps the letters of Western Europe only: another
    // character would come back as "?" at the next start.
    if (!fitsWindows1252(name)) {
        refuse(m_name, QStringLiteral("Nom non valable : le fichier des objets ne garde que les lettres "
                                      "et les signes d'Europe occidentale"));
        return;
    }
    m_entries.push_back(entryFromFields(*alpha, *delta, name, symbol()));
    m_name->clear();
    m_rightAscension->clear();
    m_declination->clear();
    m_list->addItem(lineOf(m_entries.back()));
    // The new line gets the caret, not the selection.
    m_list->setCurrentRow(m_list->count() - 1, QItemSelectionModel::NoUpdate);
    m_name->setFocus();
    m_changed = true;
}

void COptionsNouveauxObjets::onRemove()
{
    std::vector<int> rows;
    for (QListWidgetItem* item : m_list->selectedItems())
        rows.push_back(m_list->row(item));
    std::sort(rows.rbegin(), rows.rend());
    for (int row : rows) {
        delete m_list->takeItem(row);
        m_entries.erase(m_entries.begin() + row);
    }
    m_remove->setEnabled(false);
    m_name->setFocus();
    m_changed = true;
}

}  // namespace zarn
