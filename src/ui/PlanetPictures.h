// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pictures of the seven bodies (30 x 17 logical pixels), by body index
// (sky/BodyTable.h) or, for the menus and the button bar, by position among
// the planet commands: Mercure, Vénus, Mars, Jupiter, Saturne, Lune, Soleil.
// They are drawn at the device pixel ratio asked for, so they stay sharp on
// high-density screens. An index outside the table gives an empty picture.
#include <QPixmap>

namespace zarn {

constexpr int kPlanetPictureWidth = 30;
constexpr int kPlanetPictureHeight = 17;

QPixmap bodyPicture(int bodyIndex, qreal devicePixelRatio);
QPixmap planetPicture(int menuPosition, qreal devicePixelRatio);

}  // namespace zarn
