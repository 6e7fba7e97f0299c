// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/ui/CObservatoireDlg.h"

#include "time/ui/CLieuDlg.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zarn {

namespace {
const QStringList kColumns{QStringLiteral("Lieu"), QStringLiteral("Longitude"), QStringLiteral("Latitude"),
                           QStringLiteral("Fuseau"), QStringLiteral("Heure d'été")};
const QStringList kWidthTexts{QString(13, QLatin1Char('W')), QStringLiteral(" Longitude "),
                              QStringLiteral(" Latitude "), QStringLiteral(" Fuseau "),
                              QStringLiteral(" Heure d'été ")};

bool runPlaceDialog(PlaceFields& fields, QWidget* parent)
{
    CLieuDlg dialog(fields, parent);
    if (dialog.run() != QDialog::Accepted)
        return false;
    fields = dialog.fields();
    return true;
}
}  // namespace

CObservatoireDlg::CObservatoireDlg(std::vector<CLieu>& observatories, QWidget* parent)
    : QDialog(parent), m_observatories(observatories), m_editPlace(runPlaceDialog)
{
    setWindowTitle(QStringLiteral(" Observatoire"));
    m_current = makeList();
    m_others = makeList();
    m_current->setFixedHeight(m_current->header()->sizeHint().height() +
                              QFontMetrics(font()).height() + 12);
    m_add = new QPushButton(QStringLiteral("A&jouter"), this);
    m_remove = new QPushButton(QStringLiteral("&Enlever"), this);
    m_modify = new QPushButton(QStringLiteral("&Modifier"), this);
    m_change = new QPushButton(QStringLiteral("&Changer d'observatoire"), this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* actions = new QHBoxLayout;
    for (QPushButton* b : {m_add, m_remove, m_modify, m_change}) {
        b->setAutoDefault(false);
        actions->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(new QLabel(QStringLiteral("Observatoire actuel:"), this));
    layout->addWidget(m_current);
    layout->addWidget(new QLabel(QStringLiteral("Autres observatoires:"), this));
    layout->addWidget(m_others, 1);
    layout->addLayout(actions);
    layout->addWidget(buttons);

    for (std::size_t i = 0; i < observatories.size(); ++i)
        addRow(i == 0 ? m_current : m_others, PlaceFields::fromPlace(observatories[i]));
    fitZoneColumn();

    connect(m_add, &QPushButton::clicked, this, &CObservatoireDlg::onAdd);
    connect(m_remove, &QPushButton::clicked, this, &CObservatoireDlg::onRemove);
    connect(m_modify, &QPushButton::clicked, this, &CObservatoireDlg::onModify);
    connect(m_change, &QPushButton::clicked, this, &CObservatoireDlg::onChange);
    connect(m_others, &QTreeWidget::itemSelectionChanged, this, &CObservatoireDlg::onOtherSelection);
    connect(m_current, &QTreeWidget::itemSelectionChanged, this, &CObservatoireDlg::onCurrentSelection);

    if (m_current->topLevelItemCount() > 0)
        m_current->setCurrentItem(m_current->topLevelItem(0));
    m_current->setFocus();
    m_changed = false;
    updateButtons();
}

QTreeWidget* CObservatoireDlg::makeList()
{
    auto* list = new QTreeWidget(this);
    list->setColumnCount(kColumns.size());
    list->setHeaderLabels(kColumns);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAllColumnsShowFocus(true);
    const QFontMetrics fm(font());
    int total = 0;
    for (int c = 0; c < kColumns.size(); ++c) {
        const int w = fm.horizontalAdvance(kWidthTexts[c]) + 12;
        list->setColumnWidth(c, w);
        total += w;
    }
    list->setMinimumWidth(total + 2 * list->frameWidth() + 4);
    return list;
}

void CObservatoireDlg::setRow(QTreeWidgetItem* item, const PlaceFields& fields)
{
    const QStringList texts = fields.rowTexts();
    for (int c = 0; c < texts.size(); ++c)
        item->setText(c, texts[c]);

}

PlaceFields CObservatoireDlg::readRow(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int c = 0; c < item->columnCount(); ++c)
        texts << item->text(c);
    return PlaceFields::fromRowTexts(texts);
}

void CObservatoireDlg::addRow(QTreeWidget* list, const PlaceFields& fields)
{
    auto* item = new QTreeWidgetItem(list);
    setRow(item, fields);
}

void CObservatoireDlg::fitZoneColumn()
{
    // A zone name ("Australia/Sydney") is wider than a zone number: both lists
    // widen the column together and the dialog grows around them.
    const QFontMetrics fm(font());
    int width = fm.horizontalAdvance(QStringLiteral(" Fuseau ")) + 12;
    for (QTreeWidget* list : {m_current, m_others})
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            width = std::max(width, fm.horizontalAdvance(list->topLevelItem(i)->text(3)) + 16);
    for (QTreeWidget* list : {m_current, m_others}) {
        list->setColumnWidth(3, width);
        int total = 0;
        for (int c = 0; c < list->columnCount(); ++c)
            total += list->columnWidth(c);
        list->setMinimumWidth(total + 2 * list->frameWidth() + 4);
    }
}

void CObservatoireDlg::onAdd()
{
    PlaceFields fields = newPlaceFields();
    if (!m_editPlace(fields, this))
        return;
    addRow(m_others, fields);
    fitZoneColumn();
    QTreeWidgetItem* item = m_others->topLevelItem(m_others->topLevelItemCount() - 1);
    m_others->scrollToItem(item);
    m_others->setCurrentItem(item);
    item->setSelected(true);
}

void CObservatoireDlg::onRemove()
{
    const QList<QTreeWidgetItem*> selected = m_others->selectedItems();
    if (selected.isEmpty())
        return;
    delete selected.first();
    updateButtons();
}

void CObservatoireDlg::onModify()
{
    QTreeWidgetItem* item = nullptr;
    if (!m_others->selectedItems().isEmpty())
        item = m_others->selectedItems().first();
    else if (m_current->topLevelItemCount() > 0)
        item = m_current->topLevelItem(0);
    if (!item)
        return;
    PlaceFields fields = readRow(item);
    if (!m_editPlace(fields, this))
        return;
    setRow(item, fields);
    fitZoneColumn();
    m_changed = true;
}

void CObservatoireDlg::onChange()
{
    const QList<QTreeWidgetItem*> selected = m_others->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem* chosen = m_others->takeTopLevelItem(m_others->indexOfTopLevelItem(selected.first()));
    if (QTreeWidgetItem* former = m_current->takeTopLevelItem(0))
        m_others->addTopLevelItem(former);
    m_current->addTopLevelItem(chosen);
    m_others->clearSelection();
    m_current->setCurrentItem(chosen);
    m_changed = true;
    updateButtons();
}

void CObservatoireDlg::onOtherSelection()
{
    if (!m_others->selectedItems().isEmpty())
        m_current->clearSelection();
    updateButtons();
}

void CObservatoireDlg::onCurrentSelection()
{
    if (!m_current->selectedItems().isEmpty())
        m_others->clearSelection();
    updateButtons();
}

void CObservatoireDlg::updateButtons()
{
    const bool other = !m_others->selectedItems().isEmpty();
    m_remove->setEnabled(other);
    m_change->setEnabled(other);
    m_modify->setEnabled(other || m_current->topLevelItemCount() > 0);
}

void CObservatoireDlg::accept()
{
    std::vector<CLieu> rebuilt;
    for (QTreeWidget* list : {m_current, m_others})
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rebuilt.push_back(readRow(list->topLevelItem(i)).toPlace());
    m_observatories = std::move(rebuilt);
    QDialog::accept();
}

}  // namespace zarn
