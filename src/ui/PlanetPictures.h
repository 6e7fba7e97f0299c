// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pictures of the seven bodies (30 x 17 logical pixels), in the order of
// the planet commands: Mercure, Vénus, Mars, Jupiter, Saturne, Lune, Soleil.
// They are drawn at the device pixel ratio asked for, so they stay sharp on
// high-density screens.
#include <QPixmap>

namespace zarn {

constexpr int kPlanetPictureWidth = 30;
constexpr int kPlanetPictureHeight = 17;

QPixmap planetPicture(int index, qreal devicePixelRatio);

}  // namespace zarn
