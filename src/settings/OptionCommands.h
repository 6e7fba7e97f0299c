// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers of the commands that toggle a display option. They stand here,
// below the windows, because the table of display options names them; the
// other commands are in ui/CommandIds.h, which includes these.

namespace zarn::cmd {

constexpr int Figures = 32805;
constexpr int Grid = 32806;
constexpr int AltitudeScale = 32818;
constexpr int NightMode = 32909;
constexpr int MarkStarNames = 58121;

}  // namespace zarn::cmd
