// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check boxes of one group of the chart options sheet, made from the
// table of display options: one box per option of the group that has a text,
// in the table's order, each showing and setting its option in the sheet's
// copy of the display options.
#include "settings/DisplayOptionTable.h"

#include <functional>
#include <vector>

class QCheckBox;
class QLayout;
class QWidget;

namespace zarn {

std::vector<QCheckBox*> addOptionBoxes(SheetBox::Group group, SkyToggles& values, QWidget* parent,
                                       QLayout& layout, const std::function<void()>& toggled = {});

}  // namespace zarn
