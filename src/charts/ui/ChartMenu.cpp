// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ui/ChartMenu.h"

#include "settings/DisplayOptionTable.h"
#include "ui/CommandIds.h"

#include <QAction>
#include <QMenu>

namespace zarn {

QAction* addCommandItem(QMenu& menu, const CommandLookup& command, int id, const char* text)
{
    QAction* item = menu.addAction(QString::fromUtf8(text));
    QAction* target = command ? command(id) : nullptr;
    if (!target) {
        item->setEnabled(false);
        return item;
    }
    item->setCheckable(target->isCheckable());
    item->setChecked(target->isChecked());
    item->setEnabled(target->isEnabled());
    QObject::connect(item, &QAction::triggered, target, [target] { target->trigger(); });
    return item;
}

void addChartMenuItems(QMenu& menu, const CommandLookup& command, const std::function<void()>& preview,
                       bool datesEnabled)
{
    for (QAction* date : {addCommandItem(menu, command, cmd::CurrentDate, "&Date Actuelle "),
                          addCommandItem(menu, command, cmd::NewDate, "&Nouvelle Date ")})
        if (!datesEnabled)
            date->setEnabled(false);
    menu.addSeparator();
    // The chart toggles, under the texts of their menu commands.
    for (int id : {cmd::Figures, cmd::AltitudeScale, cmd::Grid})
        addCommandItem(menu, command, id, optionOfCommand(id)->command.text);
    menu.addSeparator();
    QAction* print = menu.addAction(QStringLiteral("&Imprimer"));
    QObject::connect(print, &QAction::triggered, &menu, [preview] { preview(); });
}

}  // namespace zarn
