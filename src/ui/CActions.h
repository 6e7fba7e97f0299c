// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One QAction per command identifier, created once from the command table and
// owned by the main window. A triggered action is reported by its identifier.
#include <QObject>
#include <QHash>

class QAction;

namespace zarn {

class CActions : public QObject {
    Q_OBJECT
public:
    explicit CActions(QObject* parent);

    QAction* action(int id) const;  // nullptr for an unknown identifier
    QList<int> ids() const { return m_actions.keys(); }

    // Status-bar prompt of a command without its short name ("Sud" in
    // " Vue de l'horizon sud\nSud"), and that short name.
    static QString prompt(int id);
    static QString shortName(int id);

    void setEnabled(int id, bool enabled);
    void setChecked(int id, bool checked);

signals:
    void triggered(int id);

private:
    QHash<int, QAction*> m_actions;
};

}  // namespace zarn
