// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one table of the program's commands: identifier, French menu text with
// its "&" mnemonic, status-bar prompt (with an optional "\n" and short name)
// and keyboard shortcut. Menus, button bars and tests all use these entries.
// The commands that toggle a display option come from the table of display
// options (settings/DisplayOptionTable.h) and are all checkable.
#include <span>

namespace zarn {

struct CommandInfo {
    int id;
    const char* text;      // UTF-8, with "&" before the mnemonic letter
    const char* prompt;    // status-bar text; the part after "\n" is a short name
    const char* shortcut;  // QKeySequence texts separated by "; ", or "" for none
    bool checkable;
};

std::span<const CommandInfo> commandTable();
const CommandInfo* findCommand(int id);

}  // namespace zarn
