// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small rules shared by the objects' drawing code.
#include <cstdint>
#include <string>

#include "sky/CSurface.h"

namespace zarn {

class CAstre;
class CVueNoms;

// The colour an object draws in: black on paper; on screen white, or the
// object's own colour when the view asks for own colours.
Colour inkFor(const CSurface& dc, std::uint32_t flags, Colour own);

// Is the point inside the half-open square [left, right) × [top, bottom)?
inline bool inBox(SPoint p, const SRect& box) { return box.contains(p.x, p.y); }

// A square box of the given half size around (x, y) that covers the pixels
// x - half ... x + half.
inline SRect boxAround(int x, int y, int half) { return {x - half, y - half, x + half + 1, y + half + 1}; }

// The printed name of a Sun, planet or Moon: the label map's code (6 when the
// name is absent); the offset grows by 2 units while the label would overlap
// one already placed, up to six millimetres; the last placement is kept.
bool drawBodyLabel(const CAstre& body, CSurface& dc, int x, int y, CVueNoms& labels, int offset);

}  // namespace zarn
