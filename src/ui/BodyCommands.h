// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bodies as the windows name and command them: the planet commands
// (cmd::Mercure .. cmd::Soleil) run in the menus' order of the body table.
#include <QString>

#include "sky/BodyTable.h"
#include "ui/CommandIds.h"

namespace zarn {

constexpr int bodyCommand(int bodyIndex) { return cmd::Mercure + menuPosition(bodyIndex); }
// The body of a planet command (cmd::isPlanet).
constexpr int bodyOfCommand(int id) { return bodyAtMenuPosition(id - cmd::Mercure); }

inline QString bodyName(int bodyIndex) { return QString::fromUtf8(bodyInfo(bodyIndex).name); }
// As the body lists show it, after a blank.
inline QString bodyListText(int bodyIndex) { return QStringLiteral(" ") + bodyName(bodyIndex); }

}  // namespace zarn
