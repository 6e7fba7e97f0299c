#include "charts/ChartMenu.h"

#include <QAction>
#include <QMenu>

namespace zarn {

namespace {
constexpr int kCurrentDate = 32834;
constexpr int kNewDate = 32835;
constexpr int kFigures = 32805;
constexpr int kAltitudeScale = 32818;
constexpr int kGrid = 32806;
}  // namespace

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
    for (QAction* date : {addCommandItem(menu, command, kCurrentDate, "&Date Actuelle "),
                          addCommandItem(menu, command, kNewDate, "&Nouvelle Date ")})
        if (!datesEnabled)
            date->setEnabled(false);
    menu.addSeparator();
    addCommandItem(menu, command, kFigures, "&Figure constellations");
    addCommandItem(menu, command, kAltitudeScale, "&Echelle des hauteurs");
    addCommandItem(menu, command, kGrid, "&Grille des coordonnées");
    menu.addSeparator();
    QAction* print = menu.addAction(QStringLiteral("&Imprimer"));
    QObject::connect(print, &QAction::triggered, &menu, [preview] { preview(); });
}

}  // namespace zarn
