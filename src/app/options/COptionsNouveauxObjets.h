// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The " Ajouter des Objets" page of the chart options: the user's own objects
// with their position, name and symbol. Objects are added and removed in the
// page's list only; the document takes the list when the sheet is accepted
// and the list was changed.
#include "sky/UserObjectEntry.h"

#include <QWidget>

#include <array>
#include <vector>

class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace zarn {

class COptionsNouveauxObjets : public QWidget {
    Q_OBJECT
public:
    COptionsNouveauxObjets(std::vector<UserObjectEntry> entries, QWidget* parent);

    const std::vector<UserObjectEntry>& entries() const { return m_entries; }
    bool changed() const { return m_changed; }
    int symbol() const;

    QLineEdit* nameField() const { return m_name; }
    QLineEdit* rightAscensionField() const { return m_rightAscension; }
    QLineEdit* declinationField() const { return m_declination; }
    QRadioButton* symbolButton(int index) const { return m_symbols[static_cast<std::size_t>(index)]; }
    QListWidget* list() const { return m_list; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* removeButton() const { return m_remove; }

signals:
    // "A&jouter" became (or stopped being) the default button.
    void addIsDefault(bool isDefault);

private:
    QWidget* buildFields();
    QWidget* buildSymbols();
    void onFieldsEdited();
    void onAdd();
    void onRemove();
    void refuse(QLineEdit* field, const QString& message);

    std::vector<UserObjectEntry> m_entries;  // one per list line, in order
    bool m_changed = false;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_rightAscension = nullptr;
    QLineEdit* m_declination = nullptr;
    std::array<QRadioButton*, 5> m_symbols{};
    QButtonGroup* m_symbolGroup = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
};

}  // namespace zarn
