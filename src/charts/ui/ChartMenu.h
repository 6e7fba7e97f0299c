// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The context menu of the chart windows: the two date commands, the three
// display toggles and the print preview. Each item follows the program's
// command of the same id (enabled and checked state, action).
#include <functional>

class QAction;
class QMenu;

namespace zarn {

using CommandLookup = std::function<QAction*(int id)>;

// Adds the items to the menu; the date items are greyed when datesEnabled is
// false (the constellation map), "&Imprimer" runs the preview.
void addChartMenuItems(QMenu& menu, const CommandLookup& command, const std::function<void()>& preview,
                       bool datesEnabled);
// One item bound to the program's command, or greyed when there is none.
QAction* addCommandItem(QMenu& menu, const CommandLookup& command, int id, const char* text);

}  // namespace zarn
