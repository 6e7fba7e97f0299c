// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CActions.h"

#include "ui/CommandTable.h"

#include <QAction>
#include <QKeySequence>

namespace zarn {

CActions::CActions(QObject* parent) : QObject(parent)
{
    for (const CommandInfo& info : commandTable()) {
        auto* action = new QAction(QString::fromUtf8(info.text), this);
        action->setStatusTip(prompt(info.id));
        action->setCheckable(info.checkable);
        if (*info.shortcut)
            action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(info.shortcut)));
        action->setData(info.id);
        const int id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { emit triggered(id); });
        m_actions.insert(id, action);
    }
}

QAction* CActions::action(int id) const { return m_actions.value(id, nullptr); }

QString CActions::prompt(int id)
{
    const CommandInfo* info = findCommand(id);
    return info ? QString::fromUtf8(info->prompt).section(QLatin1Char('\n'), 0, 0) : QString();
}

QString CActions::shortName(int id)
{
    const CommandInfo* info = findCommand(id);
    return info ? QString::fromUtf8(info->prompt).section(QLatin1Char('\n'), 1, 1) : QString();
}

void CActions::setEnabled(int id, bool enabled)
{
    if (QAction* a = action(id))
        a->setEnabled(enabled);
}

void CActions::setChecked(int id, bool checked)
{
    if (QAction* a = action(id)) {
        // A checkable action that is triggered flips its own state; the
        // document's rules decide the shown state, so set it from here only.
        QSignalBlocker block(a);
        a->setChecked(checked);
    }
}

}  // namespace zarn
