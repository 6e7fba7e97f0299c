// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The observatory list: the current place in the upper list, the others in
// the lower one, with buttons to add, remove, modify and change the current
// place. On OK the list is rebuilt from the rows, so coordinates keep whole
// minutes of arc.
#include "time/CLieu.h"
#include "time/ui/PlaceFields.h"

#include <QDialog>

#include <functional>
#include <vector>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zarn {

class CObservatoireDlg : public QDialog {
    Q_OBJECT
public:
    CObservatoireDlg(std::vector<CLieu>& observatories, QWidget* parent);

    int run() { return exec(); }
    bool changed() const { return m_changed; }

    // Runs the place dialog on the given fields; replaced by the tests.
    using PlaceEditor = std::function<bool(PlaceFields&, QWidget*)>;
    void setPlaceEditor(PlaceEditor editor) { m_editPlace = std::move(editor); }

    QTreeWidget* currentList() const { return m_current; }
    QTreeWidget* otherList() const { return m_others; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* removeButton() const { return m_remove; }
    QPushButton* modifyButton() const { return m_modify; }
    QPushButton* changeButton() const { return m_change; }

    void accept() override;

private:
    QTreeWidget* makeList();
    void addRow(QTreeWidget* list, const PlaceFields& fields);
    static void setRow(QTreeWidgetItem* item, const PlaceFields& fields);
    static PlaceFields readRow(const QTreeWidgetItem* item);
    void fitZoneColumn();
    void onAdd();
    void onRemove();
    void onModify();
    void onChange();
    void onOtherSelection();
    void onCurrentSelection();
    void updateButtons();

    std::vector<CLieu>& m_observatories;
    bool m_changed = false;
    PlaceEditor m_editPlace;
    QTreeWidget* m_current;
    QTreeWidget* m_others;
    QPushButton* m_add;
    QPushButton* m_remove;
    QPushButton* m_modify;
    QPushButton* m_change;
};

}  // namespace zarn
