// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the deep-sky and user objects by kind (0 other or plain
// point, 1 cluster, 2 nebula, 3 galaxy), in a large form for ordinary screens
// and a small one for 640-pixel screens and paper.
#include "sky/CSurface.h"

namespace zarn {

const SBitmap& deepSkySymbol(int kind, bool small);

// The five symbols a user object may take: 0 comet, 1 cluster, 2 nebula,
// 3 galaxy (the deep-sky pictures), 4 cross.
inline constexpr int kUserCross = 4;
const SBitmap& userObjectSymbol(int symbol, bool small);

// Draws the picture centred on (x, y): on screen at its own size, on paper
// stretched so that a picture pixel is a quarter of a millimetre.
void drawDeepSkySymbol(CSurface& dc, int kind, int x, int y, Colour colour);
void drawUserObjectSymbol(CSurface& dc, int symbol, int x, int y, Colour colour);

}  // namespace zarn
